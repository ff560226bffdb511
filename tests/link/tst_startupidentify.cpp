// The main window's start-up identification and port probe, against the
// simulated radio on fake ports and the manual test clock.
#include <QAction>
#include <QtTest>
#include <memory>

#include "link/LinkState.h"
#include "link/StartupIdentify.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"

using namespace LinkFrames;

namespace {
const char *MenuNames[] = {"sig_edit", "sys_edit", "chann_edit", "fm_chann_edit"};

class FakeMain : public Form
{
public:
    FakeMain()
    {
        for (const char *n : MenuNames) {
            auto *a = new QAction(QString::fromLatin1(n), this);
            a->setObjectName(QString::fromLatin1(n));
            a->setEnabled(false);
        }
        // The main window enables its editor entries when the radio answered.
        connect(MainLink(), &StartupIdentify::identified, this, [this] {
            for (const char *n : MenuNames)
                findChild<QAction *>(QLatin1String(n))->setEnabled(true);
        });
        auto *other = new QAction(QStringLiteral("other"), this);
        other->setObjectName(QStringLiteral("opt_other"));
        other->setEnabled(false);
    }
};

int enabledMenus()
{
    int n = 0;
    for (QAction *a : Windows::find(QStringLiteral("MDImain"))->findChildren<QAction *>())
        n += a->isEnabled() ? 1 : 0;
    return n;
}
}

class TestStartupIdentify : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<QObject> owner;
    StartupIdentify *link = nullptr;

private slots:
    void init()
    {
        setUpBench();
        useFakePorts();
        owner = std::make_unique<QObject>();
        link = new StartupIdentify(owner.get());
        Windows::define(QStringLiteral("MDImain"), Windows::Kind::TopLevel, [] { return new FakeMain; });
        Windows::load(QStringLiteral("MDImain"));
        SetMainPanel(3, QStringLiteral("S I M:"));
    }
    void cleanup()
    {
        owner.reset();
        Windows::reset();
        tearDownBench();
    }

    void accessorAndControls()
    {
        QCOMPARE(MainLink(), link);
        QVERIFY(owner->findChild<CommControl *>(QStringLiteral("MSC")));
        QVERIFY(owner->findChild<VbTimer *>(QStringLiteral("Timer3")));
        owner.reset();
        QCOMPARE(MainLink(), nullptr);
    }

    void identifies_data()
    {
        QTest::addColumn<bool>("formB");
        QTest::newRow("form A") << false;
        QTest::newRow("form B") << true;
    }
    void identifies()
    {
        QFETCH(bool, formB);
        radio->options().formB = formB;
        if (!formB)
            radio->options().trailing = QByteArray(1, char(0x33));  // the 50th byte
        radio->setBandLimits(1, 136, 174);
        radio->setBandLimits(2, 144, 148);
        radio->setBandLimits(3, 400, 480);
        radio->setBandLimits(4, 430, 440);
        radio->setModel("ZQ7310");
        radio->setFirmware("V2.010");
        FakeCommControl::plug(5, radio.get());
        CommPortNumber = 5;
        link->RestartIdentify();
        TestClock::advance(200);
        // One byte per tick: 15 ms, then every 10 ms; nothing sent back.
        QCOMPARE(radio->frameBytes(), QList<QByteArray>{Handshake});
        const auto rx = radio->received();
        for (int i = 0; i < 8; ++i)
            QCOMPARE(rx[i].ms, 15.0 + 10 * i);
        QCOMPARE(MainPanel(8), QStringLiteral(" 136-- 174"));
        QCOMPARE(MainPanel(10), QStringLiteral(" 144-- 148"));
        QCOMPARE(MainPanel(12), QStringLiteral(" 400-- 480"));
        QCOMPARE(MainPanel(14), QStringLiteral(" 430-- 440"));
        QCOMPARE(MainPanel(2), QStringLiteral("ZQ7310"));
        QCOMPARE(MainPanel(4), QString());
        QCOMPARE(MainPanel(6), QStringLiteral("V2.010"));
        QCOMPARE(MainPanel(3), QStringLiteral("S I M:"));
        QCOMPARE(BandLimits[1].lower, 144.0);
        QCOMPARE(enabledMenus(), 4);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 0);
        QVERIFY(!link->controls().MSC->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
        TestClock::advance(30000);
        QCOMPARE(radio->frameBytes().size(), 1);
    }

    void identifiedAfterAFailurePutsThePanelLabelBack()
    {
        // A silent radio: the last retry writes "Stat:"; then the radio
        // answers a restart (the Communication window's OK, say).
        radio->setSilence(0);
        FakeCommControl::plug(5, radio.get());
        CommPortNumber = 5;
        link->RestartIdentify();
        TestClock::advance(30000);
        QCOMPARE(MainPanel(3), QStringLiteral("Stat:"));
        radio->setSilence(-1);
        LanguageFlag = -1;
        link->RestartIdentify();
        TestClock::advance(200);
        QCOMPARE(MainPanel(3), QStringLiteral("序列号:"));
        QCOMPARE(enabledMenus(), 4);
        LanguageFlag = 0;
    }

    void failsAfterFourAttempts_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("nothing answers") << 0;
        QTest::newRow("a 49-byte reply alone") << 1;
        QTest::newRow("form B without its end mark") << 2;
    }
    void failsAfterFourAttempts()
    {
        QFETCH(int, answer);
        if (answer == 0) {
            radio->setSilence(0);
        } else if (answer == 1) {
            radio->options().formB = false;
        } else {
            QByteArray bad = radio->identReply();
            bad[49] = 0x54;
            for (int k = 0; k < 4; ++k)
                radio->replaceReply(k, bad);
        }
        FakeCommControl::plug(2, radio.get());
        CommPortNumber = 2;
        link->RestartIdentify();
        // Attempt k: first byte at 15 + 6585 k (85 ms of bytes, 5000 ms, 1500 ms).
        TestClock::advance(26339);
        QCOMPARE(MainPanel(3), QStringLiteral("S I M:"));
        TestClock::advance(1);
        QCOMPARE(MainPanel(3), QStringLiteral("Stat:"));
        QCOMPARE(MainPanel(4), QStringLiteral("Communication fault."));
        const auto frames = radio->frames();
        QCOMPARE(frames.size(), 4);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(frames[k].firstMs, 15.0 + 6585.0 * k);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 0);
        QCOMPARE(enabledMenus(), 0);
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

    void failureInChinese()
    {
        LanguageFlag = -1;
        FakeCommControl::plug(1, nullptr);  // a port without a radio
        CommPortNumber = 1;
        link->RestartIdentify();
        TestClock::advance(30000);
        QCOMPARE(MainPanel(3), QStringLiteral("状态:"));
        QCOMPARE(MainPanel(4), QStringLiteral("联机故障 ！"));
    }

    void probe_data()
    {
        QTest::addColumn<QList<int>>("ports");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("error");
        QTest::newRow("3 and 7: the highest wins") << QList<int>{3, 7} << 7 << 0;
        QTest::newRow("above 12") << QList<int>{15, 2} << 15 << 0;
        QTest::newRow("none") << QList<int>{} << 1 << -1;
    }
    void probe()
    {
        QFETCH(QList<int>, ports);
        QFETCH(int, kept);
        QFETCH(int, error);
        for (int p : ports)
            FakeCommControl::plug(p, nullptr);
        link->ProbePorts();
        QCOMPARE(int(CommPortNumber), kept);
        QCOMPARE(int(PortErrorFlag), error);
        QVERIFY(!link->controls().MSC->portOpen());
        QCOMPARE(MsgBoxRecorder::boxes().size(), 0);
    }

    void noPortReportsTheOpenOnce()
    {
        link->ProbePorts();
        link->RestartIdentify();
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Communication Port Open Error ！"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].icon, MsgIcon::Exclamation);
        QCOMPARE(TestClock::nextDue(), qint64(-1));  // no timer runs
        TestClock::advance(40000);
        QCOMPARE(MainPanel(4), QString());  // and no failure text
    }

    void restartSupersedesRunningAttemptAndPause()
    {
        radio->setSilence(0, 1);
        FakeCommControl::plug(4, radio.get());
        CommPortNumber = 4;
        link->RestartIdentify();
        TestClock::advance(5500);  // timed out at 5085, retry pause until 6585
        link->RestartIdentify();
        TestClock::advance(100);
        QCOMPARE(enabledMenus(), 4);
        TestClock::advance(30000);
        // Only the restarted attempt ran after the first: no stray retry.
        QCOMPARE(radio->frameBytes().size(), 2);
        QCOMPARE(radio->frames()[1].firstMs, 5515.0);
        // A restart while an attempt waits for its reply.
        radio->setSilence(2, 1);
        radio->clearRecord();
        link->RestartIdentify();
        TestClock::advance(1000);
        link->RestartIdentify();
        TestClock::advance(40000);
        QCOMPARE(radio->frameBytes().size(), 2);
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

    void holdsThePortWhileWaiting()
    {
        radio->setSilence(0, 1);
        FakeCommControl::plug(6, radio.get());
        CommPortNumber = 6;
        link->RestartIdentify();
        TestClock::advance(1000);
        QVERIFY(LinkSession::anyExchangeRunning());
        // The port setup window's test open of the same control fails.
        link->OpenCommPort();
        QCOMPARE(PortErrorFlag, qint16(-1));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }
};

QTEST_MAIN(TestStartupIdentify)
#include "tst_startupidentify.moc"
