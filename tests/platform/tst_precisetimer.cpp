// The microsecond timer under the timer control: single shots, repeats,
// restarts and stops on real time.
#include "platform/PreciseTimer.h"
#include "platform/VbTimer.h"

#include <QElapsedTimer>
#include <QtTest>

class TestPreciseTimer : public QObject
{
    Q_OBJECT
private slots:
    void singleShotFiresOnceNotBefore()
    {
        PreciseTimer t;
        int fired = 0;
        QElapsedTimer clock;
        qint64 firedAtUs = -1;
        connect(&t, &PreciseTimer::timeout, [&] {
            ++fired;
            firedAtUs = clock.nsecsElapsed() / 1000;
        });
        clock.start();
        t.start(3500, false);
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 2000);
        QVERIFY(firedAtUs >= 3500);
        QVERIFY(!t.isActive());
        QTest::qWait(20);
        QCOMPARE(fired, 1);
    }

    void repeatsUntilStopped()
    {
        PreciseTimer t;
        int fired = 0;
        connect(&t, &PreciseTimer::timeout, [&] { ++fired; });
        t.start(2000, true);
        QTRY_VERIFY_WITH_TIMEOUT(fired >= 3, 2000);
        t.stop();
        const int stopped = fired;
        QTest::qWait(20);
        QCOMPARE(fired, stopped);
        QVERIFY(!t.isActive());
    }

    void aStartOfARunningTimerStartsItsCountAgain()
    {
        PreciseTimer t;
        int fired = 0;
        connect(&t, &PreciseTimer::timeout, [&] { ++fired; });
        QElapsedTimer clock;
        clock.start();
        t.start(1000000, false);  // 1 s
        t.start(5000, false);     // now 5 ms
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 900);
        QTest::qWait(int(std::max<qint64>(0, 1200 - clock.elapsed())));
        QCOMPARE(fired, 1);       // the first setting is gone
    }

    void microsecondSingleShotsOfTheTimerControl()
    {
        int fired = 0;
        VbTimer::singleShotUs(1500, this, [&] { ++fired; });
        {
            QObject gone;
            VbTimer::singleShotUs(500, &gone, [&] { fired += 100; });
        }
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 2000);
        QTest::qWait(10);
        QCOMPARE(fired, 1);
    }

    void manualClockRoundsMicrosecondsUp()
    {
        TestClock::install();
        QList<qint64> at;
        VbTimer::singleShotUs(1001, this, [&] { at << TestClock::now(); });
        VbTimer::singleShotUs(1000, this, [&] { at << TestClock::now(); });
        TestClock::advance(5);
        TestClock::uninstall();
        QCOMPARE(at, (QList<qint64>{1, 2}));
    }
};

QTEST_MAIN(TestPreciseTimer)
#include "tst_precisetimer.moc"
