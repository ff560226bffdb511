#include "link/LinkTimers.h"

#include "platform/VbTimer.h"

namespace {
void timerOn(VbTimer *t, int ms)
{
    if (!t)
        return;
    t->setInterval(ms);
    t->setEnabled(true);
}

void timerOff(VbTimer *t)
{
    if (t)
        t->setEnabled(false);
}

bool isOn(const VbTimer *t)
{
    return t && t->enabled();
}
}

void LinkTimers::startSend(int ms) { timerOn(m_send, ms); }
void LinkTimers::stopSend() { timerOff(m_send); }
void LinkTimers::armTimeout(int ms) { timerOn(m_timeout, ms); }
void LinkTimers::stopTimeout() { timerOff(m_timeout); }
void LinkTimers::stopRetryPause() { timerOff(m_retry); }
bool LinkTimers::retryPauseRunning() const { return m_retry && m_retry->running(); }

void LinkTimers::setSendInterval(int ms)
{
    if (m_send && m_send->interval() != ms)
        m_send->setInterval(ms);
}

void LinkTimers::startRetryPause(int ms)
{
    if (!m_retry)
        return;
    m_retry->setEnabled(true);
    m_retry->setInterval(ms);
}

void LinkTimers::allOff()
{
    timerOff(m_send);
    timerOff(m_timeout);
    timerOff(m_retry);
}

void LinkTimers::endAttempt()
{
    allOff();
    ++m_generation;
    m_pausing = false;
}

void LinkTimers::pauseFor(qint64 us, std::function<void()> fn)
{
    m_pausing = true;
    schedule(us, [this, fn = std::move(fn)] { endPause(fn); });
}

void LinkTimers::waitFor(qint64 us, std::function<void()> fn)
{
    schedule(us, std::move(fn));
}

void LinkTimers::schedule(qint64 us, std::function<void()> fn)
{
    const quint64 gen = m_generation;
    VbTimer::singleShotUs(us, m_owner, [this, gen, fn = std::move(fn)] {
        if (gen != m_generation)
            return;
        if (m_boxOpen > 0) {
            m_afterBox = fn;  // the box holds the exchange
            return;
        }
        fn();
    });
}

void LinkTimers::endPause(const std::function<void()> &fn)
{
    m_pausing = false;
    fn();
    if (onResume)
        onResume();
}

bool LinkTimers::hold(const std::function<void()> &showBox)
{
    const QPointer<VbTimer> timers[3] = {m_send, m_timeout, m_retry};
    bool ran[3];
    for (int i = 0; i < 3; ++i) {
        ran[i] = isOn(timers[i].data());
        timerOff(timers[i]);
    }
    const quint64 gen = m_generation;
    QPointer<QObject> owner(m_owner);
    ++m_boxOpen;
    showBox();
    if (!owner)
        return false;  // the window went while its box was open
    if (--m_boxOpen > 0)
        return true;
    std::function<void()> pending = std::move(m_afterBox);
    m_afterBox = nullptr;
    if (gen != m_generation)
        return true;  // stopped, finished or started anew meanwhile
    for (int i = 0; i < 3; ++i)
        if (ran[i] && timers[i])
            timers[i]->setEnabled(true);
    if (pending)
        pending();
    else if (onResume)
        onResume();
    return true;
}
