#pragma once
// A timer control with the semantics the windows were written for: an
// interval in milliseconds and an enabled flag; it ticks while enabled with a
// non-zero interval, and setting the interval of a running timer restarts its
// count. Runs on a microsecond timer, or on a manual test clock that a test
// advances.
#include <QObject>
#include <QPointer>
#include <functional>

class PreciseTimer;

class VbTimer : public QObject
{
    Q_OBJECT
public:
    explicit VbTimer(QObject *parent = nullptr);
    ~VbTimer() override;

    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }
    bool running() const { return m_enabled && m_interval > 0; }

    // Runs fn once after ms milliseconds on the same clock, unless ctx is gone.
    static void singleShot(int ms, QObject *ctx, std::function<void()> fn);
    // The same to the microsecond (the manual clock rounds up to whole ms).
    static void singleShotUs(qint64 us, QObject *ctx, std::function<void()> fn);
    // The time this clock keeps, in ms: the manual clock while it is
    // installed, else a monotonic clock started at its first reading.
    static double nowMs();

signals:
    void timer();

private:
    friend class TestClock;
    void restart();
    void stop();
    void fire();

    int m_interval = 0;
    bool m_enabled = true;
    PreciseTimer *m_ticker = nullptr;
    qint64 m_due = -1;  // manual clock: when the next tick falls, -1 when idle
};

// The manual clock for tests. While installed, every VbTimer and singleShot
// waits for advance() instead of real time.
class TestClock
{
public:
    static void install();
    static void uninstall();
    static bool installed();
    static qint64 now();
    // Moves the clock forward by ms, firing every tick and single shot that
    // falls due, in time order (ties in the order they were scheduled).
    static void advance(qint64 ms);
    // Advances to the next due event and fires it; false when nothing is due.
    static bool step();
    static qint64 nextDue();  // -1 when nothing is scheduled
};
