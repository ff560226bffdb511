// The exchange engine and the start-up identification against the rules
// they share with the user: while one of an exchange's message boxes is
// open, that exchange stands still.
#include "link/LinkProfiles.h"
#include <QAction>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/StartupIdentify.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "support/FakeCommControl.h"
#include "support/LinkTestBench.h"
#include "support/LinkTestHost.h"
#include "support/SimRadio.h"

namespace {
const QByteArray Handshake = QByteArray::fromHex("5520210123FFDC02");

int handshakes(const SimRadio &radio)
{
    const auto frames = radio.frameBytes();
    return int(std::count(frames.begin(), frames.end(), Handshake));
}
}

class TestLinkConformance : public QObject, public LinkTestBench
{
    Q_OBJECT
    // What the radio heard while the last box was open (the user left it
    // open for BoxOpenMs).
    int heardDuringBox = -1;
    // The block the watched exchange stood at when the box closed.
    int blockAtBoxEnd = -1;
    QPointer<const LinkSession> watched;
    static constexpr int BoxOpenMs = 20000;

    // The recorder keeps each box open for BoxOpenMs of the test clock.
    void boxesStayOpen()
    {
        MsgBoxRecorder::install([this](const MsgRecord &) {
            const int before = int(radio->receivedBytes().size());
            TestClock::advance(BoxOpenMs);
            heardDuringBox = int(radio->receivedBytes().size()) - before;
            blockAtBoxEnd = watched ? watched->BlockNumber : -1;
            return MsgResult::Ok;
        });
    }

private slots:
    void init()
    {
        setUpBench();
        heardDuringBox = -1;
        watched = nullptr;
    }
    void cleanup() { tearDownBench(); }

    // A Read or Write click while the window's exchange runs: the busy box
    // holds the exchange where it was (no frame, no time-out, no retry);
    // once it is closed the exchange goes on and completes once.
    void busyBoxHoldsTheRunningExchange_data()
    {
        QTest::addColumn<bool>("writing");
        QTest::addColumn<int>("openAtMs");
        QTest::newRow("read click during a write, frame queued") << true << 100;
        QTest::newRow("write click during a read, reply awaited") << false << 120;
        QTest::newRow("read click while the handshake is sent") << false << 5;
        QTest::newRow("read click in the pause after the identification's Ack") << false << -1;
    }
    void busyBoxHoldsTheRunningExchange()
    {
        QFETCH(bool, writing);
        QFETCH(int, openAtMs);
        radio->options().replyDelayMs = 3;
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy read(host.session, &LinkSession::readCompleted);
        QSignalSpy written(host.session, &LinkSession::writeCompleted);
        QSignalSpy failed(host.session, &LinkSession::exchangeFailed);
        (writing ? host.write : host.read)->click();
        if (openAtMs >= 0)
            TestClock::advance(openAtMs);
        else  // up to the Ack that answers the identification
            while (radio->receivedBytes().size() < Handshake.size() + 1 && TestClock::step()) {
            }
        const int block = host.session->BlockNumber;
        watched = host.session;
        boxesStayOpen();
        (writing ? host.read : host.write)->click();
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(heardDuringBox, 0);
        QCOMPARE(blockAtBoxEnd, block);
        QCOMPARE(writing ? host.session->WriteBusy : host.session->ReadBusy, qint16(-1));
        QVERIFY(host.fake->portOpen());
        MsgBoxRecorder::install();
        TestClock::advance(60000);
        QCOMPARE(handshakes(*radio), 1);
        QCOMPARE((writing ? written : read).count(), 1);
        QCOMPARE(failed.count(), 0);
    }

    // The port setup window's test open of the main window's port while the
    // start-up identification waits for its reply: the warning holds the
    // identification (no time-out, no retry behind it); after it the
    // reply time-out counts again and the retry identifies the radio.
    void portOpenWarningHoldsTheIdentification()
    {
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        QObject owner;
        auto *link = new StartupIdentify(&owner);
        radio->setSilence(0, 1);
        FakeCommControl::plug(6, radio.get());
        CommPortNumber = 6;
        link->RestartIdentify();
        TestClock::advance(1000);
        boxesStayOpen();
        link->OpenCommPort();
        QCOMPARE(PortErrorFlag, qint16(-1));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Communication Port Open Error ！"));
        QCOMPARE(heardDuringBox, 0);
        QVERIFY(link->controls().MSC->portOpen());
        QCOMPARE(link->ReadBusy, qint16(-1));
        MsgBoxRecorder::install();
        TestClock::advance(60000);
        const auto frames = radio->frames();
        QCOMPARE(frames.size(), 2);
        // Closed at 21000: 5000 ms of time-out, 1500 ms of pause, 15 ms.
        QCOMPARE(frames[1].firstMs, 27515.0);
        QCOMPARE(MainPanel(2), QStringLiteral("ZQ7310"));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 0);
        QVERIFY(!LinkSession::anyExchangeRunning());
    }
};

QTEST_MAIN(TestLinkConformance)
#include "tst_linkconformance.moc"
