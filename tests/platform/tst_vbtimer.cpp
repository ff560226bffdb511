// The timer control: interval and enabled semantics on the manual test clock
// and on real time.
#include "platform/VbTimer.h"

#include <QElapsedTimer>
#include <QtTest>

class TestVbTimer : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestClock::install(); }
    void cleanup() { TestClock::uninstall(); }

    void ticksWhileEnabledWithAnInterval_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("ticks");
        QTest::newRow("enabled 100ms over 350ms") << 100 << true << 350 << 3;
        QTest::newRow("exactly on the tick") << 100 << true << 300 << 3;
        QTest::newRow("disabled") << 100 << false << 1000 << 0;
        QTest::newRow("interval 0 never ticks") << 0 << true << 1000 << 0;
    }
    void ticksWhileEnabledWithAnInterval()
    {
        QFETCH(int, interval);
        QFETCH(bool, enabled);
        QFETCH(int, advance);
        QFETCH(int, ticks);
        VbTimer t;
        t.setEnabled(enabled);
        t.setInterval(interval);
        int count = 0;
        connect(&t, &VbTimer::timer, [&] { ++count; });
        TestClock::advance(advance);
        QCOMPARE(count, ticks);
    }

    void settingTheIntervalRestartsTheCount()
    {
        VbTimer t;
        t.setInterval(100);
        int count = 0;
        connect(&t, &VbTimer::timer, [&] { ++count; });
        TestClock::advance(90);
        t.setInterval(100);  // restart: the next tick is 100 ms from now
        TestClock::advance(90);
        QCOMPARE(count, 0);
        TestClock::advance(10);
        QCOMPARE(count, 1);
    }

    void reEnablingAnEnabledTimerDoesNotRestart()
    {
        VbTimer t;
        t.setInterval(100);
        int count = 0;
        connect(&t, &VbTimer::timer, [&] { ++count; });
        TestClock::advance(90);
        t.setEnabled(true);
        TestClock::advance(10);
        QCOMPARE(count, 1);
    }

    void disablingFromTheHandlerStopsTheTimer()
    {
        VbTimer t;
        t.setInterval(15);
        int count = 0;
        connect(&t, &VbTimer::timer, [&] {
            ++count;
            t.setEnabled(false);
        });
        TestClock::advance(100);
        QCOMPARE(count, 1);
    }

    void eventsFireInTimeOrder()
    {
        VbTimer a, b;
        QStringList order;
        connect(&a, &VbTimer::timer, [&] { order << QString("a%1").arg(TestClock::now()); });
        connect(&b, &VbTimer::timer, [&] { order << QString("b%1").arg(TestClock::now()); });
        a.setInterval(30);
        b.setInterval(20);
        QObject ctx;
        VbTimer::singleShot(25, &ctx, [&] { order << QString("s%1").arg(TestClock::now()); });
        TestClock::advance(60);
        QCOMPARE(order, (QStringList{"b20", "s25", "a30", "b40", "a60", "b60"}));
    }

    void aSingleShotWhoseContextIsGoneDoesNotRun()
    {
        bool ran = false;
        {
            QObject ctx;
            VbTimer::singleShot(10, &ctx, [&] { ran = true; });
        }
        TestClock::advance(20);
        QVERIFY(!ran);
    }

    void realTimeTicks()
    {
        TestClock::uninstall();
        VbTimer t;
        int count = 0;
        connect(&t, &VbTimer::timer, [&] { ++count; });
        t.setInterval(10);
        QTRY_VERIFY_WITH_TIMEOUT(count >= 2, 2000);
        t.setEnabled(false);
        const int stopped = count;
        QTest::qWait(50);
        QCOMPARE(count, stopped);
        bool shot = false;
        VbTimer::singleShot(5, this, [&] { shot = true; });
        QTRY_VERIFY_WITH_TIMEOUT(shot, 2000);
    }
};

QTEST_MAIN(TestVbTimer)
#include "tst_vbtimer.moc"
