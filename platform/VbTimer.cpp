#include "platform/VbTimer.h"

#include "platform/PreciseTimer.h"

#include <QElapsedTimer>

#include <cmath>
#include <algorithm>
#include <vector>

namespace {
struct Shot {
    qint64 due;
    quint64 seq;
    QPointer<QObject> ctx;
    std::function<void()> fn;
};

bool manual = false;
qint64 clockNow = 0;
quint64 seqCounter = 0;
std::vector<VbTimer *> timers;       // every live timer, for the manual clock
std::vector<Shot> shots;             // pending single shots on the manual clock
std::vector<std::pair<VbTimer *, quint64>> timerSeq;  // scheduling order of ticks

quint64 &seqOf(VbTimer *t)
{
    for (auto &p : timerSeq)
        if (p.first == t)
            return p.second;
    timerSeq.emplace_back(t, 0);
    return timerSeq.back().second;
}
}

VbTimer::VbTimer(QObject *parent) : QObject(parent)
{
    timers.push_back(this);
}

VbTimer::~VbTimer()
{
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    timerSeq.erase(std::remove_if(timerSeq.begin(), timerSeq.end(),
                                  [this](auto &p) { return p.first == this; }),
                   timerSeq.end());
}

void VbTimer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
    restart();
}

void VbTimer::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    restart();
}

void VbTimer::restart()
{
    stop();
    if (!running())
        return;
    if (manual) {
        m_due = clockNow + m_interval;
        seqOf(this) = ++seqCounter;
        return;
    }
    if (!m_ticker) {
        m_ticker = new PreciseTimer(this);
        connect(m_ticker, &PreciseTimer::timeout, this, &VbTimer::fire);
    }
    m_ticker->start(qint64(m_interval) * 1000, true);
}

void VbTimer::stop()
{
    m_due = -1;
    if (m_ticker)
        m_ticker->stop();
}

void VbTimer::fire()
{
    if (running())
        emit timer();
}

void VbTimer::singleShot(int ms, QObject *ctx, std::function<void()> fn)
{
    singleShotUs(qint64(std::max(0, ms)) * 1000, ctx, std::move(fn));
}

void VbTimer::singleShotUs(qint64 us, QObject *ctx, std::function<void()> fn)
{
    us = std::max<qint64>(0, us);
    if (manual) {
        // The manual clock counts whole milliseconds.
        shots.push_back({clockNow + (us + 999) / 1000, ++seqCounter, ctx, std::move(fn)});
        return;
    }
    if (!ctx)
        return;
    auto *t = new PreciseTimer(ctx);
    QObject::connect(t, &PreciseTimer::timeout, ctx, [t, fn = std::move(fn)] {
        t->deleteLater();
        fn();
    });
    t->start(us, false);
}

double VbTimer::nowMs()
{
    if (manual)
        return double(clockNow);
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return double(clock.nsecsElapsed()) / 1e6;
}

void TestClock::install()
{
    for (VbTimer *t : timers)
        t->stop();
    manual = true;
    clockNow = 0;
    shots.clear();
    for (VbTimer *t : timers)
        t->restart();
}

void TestClock::uninstall()
{
    manual = false;
    shots.clear();
    for (VbTimer *t : timers)
        t->restart();
}

bool TestClock::installed() { return manual; }
qint64 TestClock::now() { return clockNow; }

qint64 TestClock::nextDue()
{
    qint64 best = -1;
    for (VbTimer *t : timers)
        if (t->m_due >= 0 && (best < 0 || t->m_due < best))
            best = t->m_due;
    for (const Shot &s : shots)
        if (best < 0 || s.due < best)
            best = s.due;
    return best;
}

bool TestClock::step()
{
    const qint64 due = nextDue();
    if (due < 0)
        return false;
    clockNow = std::max(clockNow, due);
    // The earliest-scheduled event among those due now goes first.
    VbTimer *timer = nullptr;
    quint64 timerOrder = ~0ull;
    for (VbTimer *t : timers)
        if (t->m_due == due && seqOf(t) < timerOrder) {
            timer = t;
            timerOrder = seqOf(t);
        }
    auto shot = std::min_element(shots.begin(), shots.end(), [due](const Shot &a, const Shot &b) {
        if ((a.due == due) != (b.due == due))
            return a.due == due;
        return a.seq < b.seq;
    });
    const bool shotFirst = shot != shots.end() && shot->due == due && shot->seq < timerOrder;
    if (shotFirst) {
        Shot s = std::move(*shot);
        shots.erase(shot);
        if (s.ctx)
            s.fn();
        return true;
    }
    timer->m_due = clockNow + timer->m_interval;
    seqOf(timer) = ++seqCounter;
    emit timer->timer();
    return true;
}

void TestClock::advance(qint64 ms)
{
    const qint64 target = clockNow + ms;
    for (;;) {
        const qint64 due = nextDue();
        if (due < 0 || due > target)
            break;
        step();
    }
    clockNow = target;
}
