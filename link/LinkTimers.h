#pragma once
// The clockwork of one exchange's attempts: the window's send timer
// (Timer1), reply time-out (Timer2) and retry pause (Timer3), the counted
// pauses after some Acks, and the boxes the exchange shows. A pause never
// blocks the window: it is a single shot, and what arrives meanwhile is
// handled after it (onResume). While a box of the exchange is open the
// exchange stands still: its timers are off, and a pause that ends meanwhile
// runs once the box is closed. Ending an attempt drops its pending pauses.
#include <QPointer>
#include <functional>

#include "link/LinkControls.h"

class LinkTimers
{
public:
    LinkTimers(const LinkControls &controls, QObject *owner)
        : m_send(controls.Timer1), m_timeout(controls.Timer2), m_retry(controls.Timer3), m_owner(owner)
    {
    }

    // Runs after a pause or a box has ended: the input that waited for it.
    std::function<void()> onResume;

    void startSend(int ms);            // restarts the send timer's count
    void setSendInterval(int ms);      // the next ticks' interval, count kept when equal
    void stopSend();
    void armTimeout(int ms);           // restarts the reply time-out's count
    void stopTimeout();
    void startRetryPause(int ms);
    void stopRetryPause();
    bool retryPauseRunning() const;
    void allOff();                     // the three timers off

    // Runs fn after us microseconds unless the attempt ends first; input
    // that arrives meanwhile is handled after it.
    void pauseFor(qint64 us, std::function<void()> fn);
    // The same, but input is handled as it arrives meanwhile.
    void waitFor(qint64 us, std::function<void()> fn);
    bool pausing() const { return m_pausing; }

    // The attempt ends or a new one starts: the timers off, pending pauses
    // dropped.
    void endAttempt();
    quint64 generation() const { return m_generation; }

    // Shows a box (showBox runs the modal box) with the exchange standing
    // still. False when the owner went away while the box was open.
    bool hold(const std::function<void()> &showBox);
    bool boxOpen() const { return m_boxOpen > 0; }

private:
    // Runs fn after us microseconds unless the attempt ends first; a box
    // open then holds it until it closes.
    void schedule(qint64 us, std::function<void()> fn);
    void endPause(const std::function<void()> &fn);

    QPointer<VbTimer> m_send;
    QPointer<VbTimer> m_timeout;
    QPointer<VbTimer> m_retry;
    QObject *m_owner;
    quint64 m_generation = 0;  // a pause of an ended attempt sees another number
    bool m_pausing = false;
    int m_boxOpen = 0;
    std::function<void()> m_afterBox;  // what came due while a box was open
};
