#include "platform/PreciseTimer.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <sys/timerfd.h>
#include <unistd.h>

PreciseTimer::PreciseTimer(QObject *parent) : QObject(parent)
{
    m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &PreciseTimer::expired);
    } else {
        m_fallback = new QTimer(this);
        m_fallback->setTimerType(Qt::PreciseTimer);
        connect(m_fallback, &QTimer::timeout, this, &PreciseTimer::expired);
    }
}

PreciseTimer::~PreciseTimer()
{
    if (m_fd >= 0) {
        delete m_notifier;
        ::close(m_fd);
    }
}

void PreciseTimer::start(qint64 us, bool repeat)
{
    us = std::max<qint64>(us, 1);  // a zero value would disarm the timerfd
    m_active = true;
    m_repeat = repeat;
    if (m_fallback) {
        m_fallback->setSingleShot(!repeat);
        m_fallback->start(int((us + 999) / 1000));
        return;
    }
    itimerspec timing{};
    timing.it_value.tv_sec = us / 1000000;
    timing.it_value.tv_nsec = (us % 1000000) * 1000;
    if (repeat)
        timing.it_interval = timing.it_value;
    ::timerfd_settime(m_fd, 0, &timing, nullptr);
    m_notifier->setEnabled(true);
}

void PreciseTimer::stop()
{
    m_active = false;
    if (m_fallback) {
        m_fallback->stop();
        return;
    }
    itimerspec timing{};
    ::timerfd_settime(m_fd, 0, &timing, nullptr);
    m_notifier->setEnabled(false);
    quint64 expirations;
    while (::read(m_fd, &expirations, sizeof expirations) < 0 && errno == EINTR) {
    }
}

void PreciseTimer::expired()
{
    if (m_fd >= 0) {
        quint64 expirations = 0;
        if (::read(m_fd, &expirations, sizeof expirations) != sizeof expirations)
            return;  // re-armed or stopped since it became readable
    }
    if (!m_active)
        return;
    if (!m_repeat) {
        m_active = false;
        if (m_notifier)
            m_notifier->setEnabled(false);
    }
    emit timeout();
}
