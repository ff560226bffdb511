#pragma once
// A timer with microsecond precision, for the serial link's timers: QTimer
// can wake up to a millisecond late, which at 9600 baud is felt on every
// frame. Runs on a Linux timerfd watched by the event loop; falls back to a
// QTimer where timerfd is not available.
#include <QObject>

class QSocketNotifier;
class QTimer;

class PreciseTimer : public QObject
{
    Q_OBJECT
public:
    explicit PreciseTimer(QObject *parent = nullptr);
    ~PreciseTimer() override;

    // Fires after us microseconds, and every us microseconds after that when
    // repeating; a start of a running timer starts its count again.
    void start(qint64 us, bool repeat);
    void stop();
    bool isActive() const { return m_active; }

signals:
    // Once per wake-up: ticks missed while the event loop was busy are not
    // delivered twice.
    void timeout();

private:
    void expired();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_fallback = nullptr;
    bool m_active = false;
    bool m_repeat = false;
};
