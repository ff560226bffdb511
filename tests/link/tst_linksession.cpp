// The exchange engine with the 2-tone and 5-tone settings, against the
// simulated radio on the manual test clock: frames byte for byte, timings,
// progress, reports, and the faults of the line and of the windows.
#include "link/LinkProfiles.h"
#include <QtTest>
#include <memory>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/LinkTestHost.h"

using namespace LinkFrames;

namespace {
QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

// The frames of a write of `rows` image rows from `base`.
QList<QByteArray> writeFrames(int base, int rows)
{
    QList<QByteArray> f{Handshake, Ack, request(0x3DF0, 0x10), Ack};
    for (int i = 0; i < rows; ++i)
        f << writeFrame(base + 16 * i, i > 0);
    return f;
}

QByteArray pattern(int seed, int n)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((seed + i * 7) & 0xFF);
    return b;
}

void fillImage(int firstRow, int rows, int seed)
{
    for (int r = firstRow; r < firstRow + rows; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = qint16((seed + r * 16 + c * 3) & 0xFF);
}

LinkSettings settingsByName(const QString &name)
{
    return name == QLatin1String("5-tone") ? LinkProfile::fiveTone() : LinkProfile::twoTone();
}

// Bar value and label text at the moment the radio hears each block request.
struct ProgressLog {
    QList<int> bars;
    QStringList labels;
    void watch(SimRadio *radio, LinkTestHost *host, char kind)
    {
        QObject::connect(radio, &SimRadio::frameReceived, host, [this, host, kind](const QByteArray &f) {
            if (f.startsWith(kind) && !f.startsWith(QByteArray("S\x3D\xF0", 3))) {
                bars << host->bar->value();
                labels << host->label->text();
            }
        });
    }
};
}

class TestLinkSession : public QObject, LinkTestBench
{
    Q_OBJECT

private slots:
    void init() { setUpBench(); }
    void cleanup() { tearDownBench(); }

    void read_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("firstBar");
        QTest::newRow("2-tone") << "2-tone" << 0x2D00 << 12 << 23;
        QTest::newRow("5-tone") << "5-tone" << 0x2400 << 8 << 33;
    }
    void read()
    {
        QFETCH(QString, which);
        QFETCH(int, base);
        QFETCH(int, blocks);
        QFETCH(int, firstBar);
        const QByteArray data = pattern(base, blocks * 64);
        radio->setBytes(base, data);
        fillImage(0, ImageRows, 5);
        LinkTestHost host(settingsByName(which), radio.get());
        ProgressLog log;
        log.watch(radio.get(), &host, 'S');
        QSignalSpy done(host.session, &LinkSession::readCompleted);

        host.read->click();
        QVERIFY(host.barShown());
        QCOMPARE(host.bar->value(), 0);
        QCOMPARE(host.label->text(), QStringLiteral("Connecting with transceiver. "));
        QCOMPARE(host.session->ReadBusy, qint16(-1));
        TestClock::advance(60000);

        QCOMPARE(done.count(), 1);
        QCOMPARE(radio->frameBytes(), readFrames(base, blocks));
        // Send timer 15 ms; the radio answers once a frame has crossed the
        // line (8 bytes: at 24, 4 bytes: 5 ms later); 1 ms pauses after the
        // handshake Acks; a block's Ack in front of the next request, one
        // byte time ahead of the 15 ms after the block (in at 66), so that
        // the request itself starts 15 ms after it.
        const auto frames = radio->frames();
        QCOMPARE(frames[0].firstMs, 15.0);
        QCOMPARE(frames[2].firstMs, 40.0);
        QCOMPARE(frames[4].firstMs, 61.0);
        QCOMPARE(frames[5].firstMs, 80.0);
        // The last block's Ack once the line stayed quiet behind it for 40 ms.
        QCOMPARE(frames.last().firstMs - radio->sent().last().ms, 40.0);
        // The stretch landed in its rows and nowhere else.
        const int row0 = base / 16;
        for (int r = 0; r < blocks * 4; ++r)
            QCOMPARE(imageRow(row0 + r), data.mid(16 * r, 16));
        QCOMPARE(int(MemoryImage[row0 - 1][0]), (5 + (row0 - 1) * 16) & 0xFF);
        QCOMPARE(int(MemoryImage[row0 + blocks * 4][0]), (5 + (row0 + blocks * 4) * 16) & 0xFF);
        QCOMPARE(host.shows, 1);
        // Progress: the block number advanced before it is shown.
        QCOMPARE(log.bars.value(1), firstBar);
        QCOMPARE(log.labels.value(1), QStringLiteral("Reading 3 Data Block"));
        QCOMPARE(log.bars.last(), 100);
        QCOMPARE(log.labels.last(), QStringLiteral("Reading %1 Data Block").arg(blocks + 1));
        QCOMPARE(host.bar->value(), 100);
        QCOMPARE(host.label->text(), QStringLiteral("Read Signal parameters in gear. "));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Complete reading the data from transceiver."));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
        QCOMPARE(host.session->ReadBusy, qint16(0));
        QVERIFY(!host.fake->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
        // The replies were kept raw from reply row 2 on.
        QCOMPARE(ReadReplyBuffer[2][0], qint16(0x06));
        QCOMPARE(ReadReplyBuffer[2][1], qint16('X'));
        QCOMPARE(ReadReplyBuffer[2][2], qint16(base >> 8));
    }

    void write_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("secondLastBar");
        QTest::newRow("2-tone") << "2-tone" << 0x2D00 << 48 << 97;
        QTest::newRow("5-tone") << "5-tone" << 0x2000 << 96 << 98;
    }
    void write()
    {
        QFETCH(QString, which);
        QFETCH(int, base);
        QFETCH(int, rows);
        QFETCH(int, secondLastBar);
        fillImage(0, ImageRows, 11);
        LinkTestHost host(settingsByName(which), radio.get());
        ProgressLog log;
        log.watch(radio.get(), &host, 0x06);  // an Ack-led write frame
        QSignalSpy done(host.session, &LinkSession::writeCompleted);

        host.write->click();
        QCOMPARE(host.session->WriteBusy, qint16(-1));
        TestClock::advance(60000);

        QCOMPARE(done.count(), 1);
        QCOMPARE(radio->frameBytes(), writeFrames(base, rows));
        QCOMPARE(radio->bytes(base, rows * 16), [&] {
            QByteArray all;
            for (int r = 0; r < rows; ++r)
                all += imageRow(base / 16 + r);
            return all;
        }());
        // Values when each Ack-led frame goes out (the two Acks of the
        // handshake come first in the log).
        const int first = 2;
        QCOMPARE(log.bars.value(first), int(1.0 / rows * 100));
        QCOMPARE(log.labels.value(first), QStringLiteral("Writing  0  Data Block"));
        QCOMPARE(log.bars.last(), secondLastBar);
        QCOMPARE(log.labels.last(), QStringLiteral("Writing  %1  Data Block").arg(rows - 2));
        QCOMPARE(host.bar->value(), secondLastBar);
        QCOMPARE(host.label->text(), QStringLiteral("Complete Written Signal parameters "));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text,
                 QStringLiteral("Complete Written Signal parameters to the transceiver."));
        QVERIFY(!host.fake->portOpen());
        QCOMPARE(host.session->WriteBusy, qint16(0));
    }

    void identificationPanelsAndLimits()
    {
        radio->setBandLimits(1, 136, 174);
        radio->setBandLimits(2, 137, 175);
        radio->setBandLimits(3, 400, 480);
        radio->setBandLimits(4, 410, 470);
        radio->setModel("AB-123");
        radio->setFirmware("FW0001");
        SetMainPanel(4, QStringLiteral("old"));
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(MainPanel(8), QStringLiteral(" 136-- 174"));
        QCOMPARE(MainPanel(10), QStringLiteral(" 137-- 175"));
        QCOMPARE(MainPanel(12), QStringLiteral(" 400-- 480"));
        QCOMPARE(MainPanel(14), QStringLiteral(" 410-- 470"));
        QCOMPARE(MainPanel(2), QStringLiteral("AB-123"));
        QCOMPARE(MainPanel(4), QString());
        QCOMPARE(MainPanel(6), QStringLiteral("FW0001"));
        QCOMPARE(BandLimits[1].lower, 137.0);
        QCOMPARE(BandLimits[3].upper, 470.0);
        // The password block was taken, not judged.
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(PasswordBlockCopy.data()), 16),
                 radio->bytes(0x3DF0, 16));
    }

    void noRadioFailsAfterFourAttempts()
    {
        radio->setSilence(0);
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy failed(host.session, &LinkSession::exchangeFailed);
        host.read->click();
        // First attempt's time-out: port closed and busy flags cleared for the pause.
        TestClock::advance(1015);
        QCOMPARE(host.session->ReadBusy, qint16(0));
        QVERIFY(!host.fake->portOpen());
        QVERIFY(LinkSession::anyExchangeRunning());  // the retry is still due
        TestClock::advance(16059 - 1015);
        QCOMPARE(failed.count(), 0);
        TestClock::advance(1);
        QCOMPARE(failed.count(), 1);
        // Four handshakes, 15 ms + 1000 ms + 3000 ms apart.
        const auto frames = radio->frames();
        QCOMPARE(frames.size(), 4);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(frames[k].bytes, Handshake);
            QCOMPARE(frames[k].firstMs, 15.0 + 4015.0 * k);
        }
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Fail connect with transceiver."));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
        QCOMPARE(host.bar->value(), 0);
        QCOMPARE(host.label->text(), QStringLiteral("Communication fault."));
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

    // Replies that are late, cut, padded or broken: the read still completes
    // with the right image, after `retries` restarts.
    void lineFaultsStillRead_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("restarts");
        QTest::newRow("replies in pieces of 7 bytes, 3 ms apart") << 0 << 0;
        QTest::newRow("bytes behind the identification") << 1 << 0;
        QTest::newRow("identification in form A, a byte behind it") << 2 << 0;
        QTest::newRow("password block behind an Ack (21 bytes)") << 3 << 0;
        QTest::newRow("radio misses block 5 once") << 4 << 1;
        QTest::newRow("data reply with its X out of place") << 5 << 1;
        QTest::newRow("garbage instead of the identification") << 6 << 1;
        QTest::newRow("49-byte identification alone") << 7 << 1;
        QTest::newRow("data replies without Ack, padded to 69") << 8 << 0;
        QTest::newRow("password block with its X at position 10") << 9 << 1;
    }
    void lineFaultsStillRead()
    {
        QFETCH(int, fault);
        QFETCH(int, restarts);
        const QByteArray data = pattern(3, 12 * 64);
        radio->setBytes(0x2D00, data);
        auto &o = radio->options();
        switch (fault) {
        case 0: o.pieceSize = 7; o.pieceGapMs = 3; break;
        case 1: radio->replaceReply(0, radio->identReply() + hex("0655AA58")); break;
        case 2:
            o.formB = false;
            radio->replaceReply(0, radio->identReply() + hex("00"));
            break;
        case 3: o.ackBeforePassword = true; break;
        case 4: radio->setSilence(2 + 5, 1); break;  // handshake, password, blocks 0..
        case 5: {
            QByteArray bad = hex("0000") + request(0x2D00) + pattern(9, 63);
            bad[2] = 'X';
            radio->replaceReply(2, bad);
            break;
        }
        case 6: radio->replaceReply(0, QByteArray(50, char(0x06))); break;
        case 7: radio->replaceReply(0, radio->identReply().mid(1)); o.formB = true; break;
        case 8: o.ackBeforeBlock = false; o.blockTrailing = hex("00"); break;
        case 9: radio->replaceReply(1, QByteArray(10, char(0x06)) + "X" + QByteArray(19, char(0x20))); break;
        }
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy done(host.session, &LinkSession::readCompleted);
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        for (int r = 0; r < 48; ++r)
            QCOMPARE(imageRow(720 + r), data.mid(16 * r, 16));
        const auto frames = radio->frameBytes();
        QCOMPARE(int(frames.count(Handshake)), 1 + restarts);
        // The final attempt is a clean read from the handshake on.
        const int lastStart = int(frames.lastIndexOf(Handshake));
        QCOMPARE(frames.mid(lastStart), readFrames(0x2D00, 12));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }

    void unusableDataReplyIsNotAcknowledged()
    {
        QByteArray bad = QByteArray(69, char(0x11));
        bad[2] = 'X';
        radio->replaceReply(2, bad);
        radio->setSilence(3);  // and then nothing more
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        host.read->click();
        // The reply is in at 66 ms: refused, it starts the reply time-out anew.
        TestClock::advance(66 + 999);
        // Only the two handshake Acks; the reply of the first block got none.
        QCOMPARE(radio->frameBytes(), (QList<QByteArray>{Handshake, Ack, request(0x3DF0, 0x10), Ack,
                                                          request(0x2D00)}));
        QCOMPARE(host.session->ReadBusy, qint16(-1));
        TestClock::advance(1);
        QCOMPARE(host.session->ReadBusy, qint16(0));  // the time-out ended the attempt
    }

    void radioThatStopsMidReadFailsAndLeavesImage()
    {
        radio->setBytes(0x2D00, pattern(1, 12 * 64));
        radio->setSilence(2 + 6);  // block 6 never answered, in any attempt
        fillImage(720, 48, 99);
        const QByteArray before = [] {
            QByteArray b;
            for (int r = 720; r < 768; ++r)
                b += imageRow(r);
            return b;
        }();
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy failed(host.session, &LinkSession::exchangeFailed);
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(failed.count(), 1);
        QByteArray after;
        for (int r = 720; r < 768; ++r)
            after += imageRow(r);
        QCOMPARE(after, before);
        QCOMPARE(host.shows, 0);
        QCOMPARE(int(radio->frameBytes().count(Handshake)), 4);  // four attempts, all unanswered
    }

    void deviceGoneMidReadEndsWithTheFailureLabel()
    {
        radio->setBytes(0x2D00, pattern(1, 12 * 64));
        radio->setSilence(2 + 6);  // block 6 is never answered
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy failed(host.session, &LinkSession::exchangeFailed);
        host.read->click();
        TestClock::advance(2500);  // into the retry pause after block 6
        QVERIFY(host.label->text().startsWith(QStringLiteral("Reading ")));
        host.fake->setFailOpen(true);  // the device is gone
        TestClock::advance(3000);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes().at(0).text, QStringLiteral("Communication Port Open Error ！"));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(host.bar->value(), 0);
        QCOMPARE(host.label->text(), QStringLiteral("Communication fault."));
        QVERIFY(!host.session->exchangeRunning());
        TestClock::advance(30000);
        QCOMPARE(failed.count(), 1);  // nothing more is tried
    }

    // The radio's answer to row 10. A second Ack that comes later, while
    // row 11 is on its way (handed to the port 37 ms after row 10 crossed
    // the line, crossed 21.9 ms later), is no answer to row 11: the radio
    // lost that row, the attempt times out and the write starts again.
    void writeFaults_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<double>("secondAckMs");  // < 0: none
        QTest::addColumn<int>("restarts");
        QTest::newRow("wrong byte: attempt times out, write restarts") << hex("15") << -1.0 << 1;
        QTest::newRow("Ack behind another byte still counts") << hex("1506") << -1.0 << 0;
        QTest::newRow("second Ack does not skip a row") << hex("0606") << -1.0 << 0;
        QTest::newRow("second Ack before row 11 goes out, row 11 lost") << QByteArray() << 14.0 << 1;
        QTest::newRow("second Ack as row 11 goes out, row 11 lost") << QByteArray() << 16.0 << 1;
        QTest::newRow("second Ack while row 11 is on the wire, row 11 lost") << QByteArray() << 30.0 << 1;
        QTest::newRow("second Ack as row 11's last byte crosses, row 11 lost") << QByteArray() << 36.0 << 1;
    }
    void writeFaults()
    {
        QFETCH(QByteArray, answer);
        QFETCH(double, secondAckMs);
        QFETCH(int, restarts);
        fillImage(0, ImageRows, 21);
        if (!answer.isEmpty())
            radio->replaceReply(2 + 10, answer);  // the answer to row 10
        if (secondAckMs >= 0)
            radio->lateSecondAck(2 + 10, secondAckMs);
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy done(host.session, &LinkSession::writeCompleted);
        host.write->click();
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        const auto frames = radio->frameBytes();
        QCOMPARE(int(frames.count(Handshake)), 1 + restarts);
        QCOMPARE(frames.mid(frames.lastIndexOf(Handshake)), writeFrames(0x2D00, 48));
        QByteArray all;
        for (int r = 720; r < 768; ++r)
            all += imageRow(r);
        QCOMPARE(radio->bytes(0x2D00, 48 * 16), all);
    }

    void readClickWhileWriteRunsOnlyShowsBusyBox()
    {
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        host.write->click();
        TestClock::advance(100);
        const QString label = host.label->text();
        const int block = host.session->BlockNumber;
        host.read->click();
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
        QCOMPARE(host.session->WriteBusy, qint16(-1));
        QCOMPARE(host.session->ReadBusy, qint16(0));
        QCOMPARE(host.session->BlockNumber, block);
        QCOMPARE(host.label->text(), label);
    }

    void startDuringRetryPauseSupersedesIt()
    {
        radio->setBytes(0x2D00, pattern(4, 12 * 64));
        radio->setSilence(0, 1);  // the first handshake goes unanswered
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        QSignalSpy done(host.session, &LinkSession::readCompleted);
        host.read->click();
        TestClock::advance(2000);  // timed out at 1015, retry due at 4015
        QCOMPARE(host.session->ReadBusy, qint16(0));
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        const auto frames = radio->frames();
        QCOMPARE(int(radio->frameBytes().count(Handshake)), 2);
        QCOMPARE(frames[1].firstMs, 2015.0);
        QVERIFY(!LinkSession::anyExchangeRunning());
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }

    void stopMidReadEndsCleanly()
    {
        radio->setBytes(0x2D00, pattern(4, 12 * 64));
        fillImage(720, 48, 1);
        const QByteArray row = imageRow(720);
        auto host = std::make_unique<LinkTestHost>(LinkProfile::twoTone(), radio.get());
        host->read->click();
        TestClock::advance(100);
        QVERIFY(host->fake->portOpen());
        host->session->stop();
        QVERIFY(!host->fake->portOpen());
        QCOMPARE(host->session->ReadBusy, qint16(0));
        QVERIFY(!LinkSession::anyExchangeRunning());
        const int heard = radio->requestCount();
        TestClock::advance(20000);
        QCOMPARE(radio->requestCount(), heard);
        QCOMPARE(imageRow(720), row);
        QCOMPARE(host->shows, 0);
        // Closing a window mid-exchange (its controls go with it).
        host->read->click();
        TestClock::advance(100);
        host.reset();
        QVERIFY(!LinkSession::anyExchangeRunning());
        TestClock::advance(20000);
        QCOMPARE(imageRow(720), row);
    }

    void twoWindowsWantThePort()
    {
        FakeCommControl::plug(3, radio.get());
        CommPortNumber = 3;
        radio->setBytes(0x2D00, pattern(8, 12 * 64));
        LinkTestHost first(LinkProfile::twoTone());
        LinkTestHost second(LinkProfile::fiveTone());
        QSignalSpy done(first.session, &LinkSession::readCompleted);
        first.read->click();
        TestClock::advance(50);
        second.label->setText(QStringLiteral("before"));
        second.read->click();
        QCOMPARE(PortErrorFlag, qint16(-1));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Communication Port Open Error ！"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
        QCOMPARE(second.session->ReadBusy, qint16(0));
        QVERIFY(!second.barShown());
        QCOMPARE(second.label->text(), QStringLiteral("before"));
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        // Once the first has finished the second gets the port.
        QSignalSpy secondDone(second.session, &LinkSession::readCompleted);
        second.read->click();
        TestClock::advance(60000);
        QCOMPARE(secondDone.count(), 1);
    }

    void chineseTexts()
    {
        LanguageFlag = -1;
        radio->setSilence(0);
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        host.read->click();
        QCOMPARE(host.label->text(), QStringLiteral("正在与对讲机联络 ！"));
        TestClock::advance(20000);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("与对讲机联络失败 ！"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("操作提示"));
        QCOMPARE(host.label->text(), QStringLiteral("与对讲机通讯故障 ！"));
    }

    void passwordBoxFillsTypedPassword()
    {
        LinkTestHost host(LinkProfile::twoTone(), radio.get());
        host.password->setText(QStringLiteral(" 12 "));
        QCOMPARE(TypedPassword[0], qint16('1'));
        QCOMPARE(TypedPassword[1], qint16('2'));
        QCOMPARE(TypedPassword[2], qint16(32));
    }
};

QTEST_MAIN(TestLinkSession)
#include "tst_linksession.moc"
