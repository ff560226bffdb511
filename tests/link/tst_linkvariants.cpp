// The settings in which other windows' exchanges depart from the 2-tone
// editor's: frame pause, Ack-led first request, no password block, write
// preamble, password check, three-band identification, failure reports.
#include "link/LinkProfiles.h"
#include <QtTest>

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

struct BoxMoment {
    QString text;
    QString label;
    bool barShown;
    int bar;
};
}

class TestLinkVariants : public QObject, LinkTestBench
{
    Q_OBJECT
    LinkTestHost *current = nullptr;
    QList<BoxMoment> moments;

private slots:
    void init()
    {
        moments.clear();
        setUpBench([this](const MsgRecord &r) {
            if (current)
                moments << BoxMoment{r.text, current->label->text(), current->barShown(),
                                     current->bar->value()};
            return MsgResult::Ok;
        });
    }
    void cleanup()
    {
        current = nullptr;
        tearDownBench();
    }

    void framePauseDelaysEverythingAfterAFrame()
    {
        LinkSettings s;  // the option editor's
        s.readBase = s.writeBase = 0x0E00;
        s.readBlocks = 8;
        s.writeRows = 32;
        s.framePauseSteps = 200000;
        s.writeLabelOffset = 0;
        LinkTestHost host(s, radio.get());
        current = &host;
        QStringList labels;
        QList<int> bars;
        connect(radio.get(), &SimRadio::frameReceived, &host, [&](const QByteArray &f) {
            if (f.startsWith('X') && f.mid(1, 2) != hex("0E00")) {  // rows after the first
                labels << host.label->text();
                bars << host.bar->value();
            }
        });
        host.write->click();
        TestClock::advance(60000);
        const auto frames = radio->frames();
        // The handshake crosses the line at 24, after the 5 ms pause: the
        // identification is taken at once. The password request goes out at
        // 40, its pause ends at 45 when the reply is in.
        QCOMPARE(frames[1].bytes, Ack);
        QCOMPARE(frames[1].firstMs, 24.0);
        QCOMPARE(frames[2].firstMs, 40.0);
        QCOMPARE(frames[3].firstMs, 45.0);
        QCOMPARE(frames.size(), 4 + 32);
        QCOMPARE(labels.first(), QStringLiteral("Writing  1  Data Block"));
        QCOMPARE(bars.first(), 3);
        QCOMPARE(labels.last(), QStringLiteral("Writing  31  Data Block"));
        QCOMPARE(bars.last(), 96);
    }

    void ackLedFirstRequestWithoutPasswordAck()
    {
        LinkSettings s;  // the whole-radio read's departures, on a short stretch
        s.readBase = 0x0000;
        s.readBlocks = 5;
        s.firstReadRequestAck = true;
        s.firstReadBlock = 1;
        s.ackPasswordBlock = false;
        s.readProgressAfterAdvance = false;
        s.readDoneBar100 = false;
        s.readDoneLabelFirst = false;
        s.texts.afterReadLabel = BiText{"Read Data is Ok ！", "数据读出正常 ！"};
        int unpacked = 0;
        s.unpack = [&] { ++unpacked; };
        LinkTestHost host(s, radio.get());
        current = &host;
        host.read->click();
        TestClock::advance(60000);
        QList<QByteArray> expected{Handshake, Ack, request(0x3DF0, 0x10), Ack + request(0x0000)};
        for (int n = 1; n <= 5; ++n)
            expected << Ack + request(64 * (n - 1));
        expected << Ack;
        QCOMPARE(radio->frameBytes(), expected);
        QCOMPARE(unpacked, 1);
        QCOMPARE(ReadReplyBuffer[1][2], qint16(0));
        QCOMPARE(ReadReplyBuffer[6][2], qint16(0x01));  // block n holds 64 * (n - 2)
        QCOMPARE(ReadReplyBuffer[5][3], qint16(0xC0));
        QCOMPARE(host.bar->value(), int(5.0 / 6 * 100));
        // The box comes before the completion label.
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].label, QStringLiteral("Reading 5 Data Block"));
        QCOMPARE(host.label->text(), QStringLiteral("Read Data is Ok ！"));
    }

    void noPasswordStageAndPreamble()
    {
        LinkSettings s;  // the alignment editor's
        s.readBase = s.writeBase = 0x3C00;
        s.readBlocks = 8;
        s.writeRows = 32;
        s.ackIdentReply = false;
        s.passwordStage = false;
        s.firstReadRequestAck = true;
        s.busyTest = false;
        s.retryDelayMs = 2000;
        s.failureReport = FailPanel2;
        s.writePreamble = [] { return hex("06583B9010") + QByteArray(15, char(0x20)) + hex("FF"); };
        s.writeRow = [](int index) {
            std::array<quint8, 16> row{};
            for (int c = 0; c < 16; ++c)
                row[c] = quint8(AdjustImage[index][c]);
            return row;
        };
        for (int r = 0; r < 32; ++r)
            for (int c = 0; c < 16; ++c)
                AdjustImage[r][c] = qint16(r + c);
        LinkTestHost host(s, radio.get());
        current = &host;
        host.write->click();
        TestClock::advance(60000);
        const auto frames = radio->frameBytes();
        QCOMPARE(frames.size(), 1 + 33);
        QCOMPARE(frames[1].left(5), hex("06583B9010"));
        QCOMPARE(frames[2].left(5), hex("06583C0010"));
        QCOMPARE(frames.last().left(5), hex("06583DF010"));
        QCOMPARE(radio->byteAt(0x3C00 + 16 * 31 + 15), quint8(31 + 15));
        radio->clearRecord();
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(radio->frameBytes().value(1), Ack + request(0x3C00));
    }

    void passwordCheckRefuses()
    {
        radio->setBytes(0x3DF0, "ABCDEFsuper1");
        LinkSettings s = LinkProfile::twoTone();
        s.passwordCheck = [] { return PasswordBlockCopy[0] == TypedPassword[0]; };
        LinkTestHost host(s, radio.get());
        current = &host;
        QSignalSpy refused(host.session, &LinkSession::passwordRefused);
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(radio->frameBytes(), (QList<QByteArray>{Handshake, Ack, request(0x3DF0, 0x10), Ack}));
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].text, QStringLiteral("PassWord Error, Reading Stop"));
        QCOMPARE(host.session->ReadBusy, qint16(0));
        QCOMPARE(host.session->DataPhase, qint16(0));
        QVERIFY(!host.port->portOpen());
        QCOMPARE(host.label->text(), QStringLiteral("Connecting with transceiver. "));
        host.password->setText(QStringLiteral("ABCDEF"));
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(host.label->text(), QStringLiteral("Read Signal parameters in gear. "));
    }

    void threeBandIdentification()
    {
        radio->setBandLimits(4, 430, 440);
        for (int i = 0; i < 10; ++i)  // over band 4's digits
            radio->setIdentByte(38 + i, quint8('0' + i));
        BandLimits[3] = {1.0, 2.0};
        SetMainPanel(14, QStringLiteral("kept"));
        LinkSettings s = LinkProfile::twoTone();
        s.identPanels = IdentPanels::ThreeBands;
        LinkTestHost host(s, radio.get());
        host.read->click();
        TestClock::advance(60000);
        QCOMPARE(MainPanel(4), QStringLiteral("0123456789"));
        QCOMPARE(MainPanel(14), QStringLiteral("kept"));
        QCOMPARE(MainPanel(12), QStringLiteral(" 400-- 480"));
        QCOMPARE(BandLimits[3].lower, 1.0);
        QCOMPARE(BandLimits[2].upper, 480.0);
    }

    void failureReports_data()
    {
        QTest::addColumn<unsigned>("report");
        QTest::addColumn<int>("retries");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("failsAt");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("panel2");
        QTest::addColumn<bool>("barShown");
        QTest::addColumn<QString>("label");
        // Attempt: 15 ms to the handshake, 1000 ms time-out, then the delay.
        QTest::newRow("panel 2 only") << unsigned(FailPanel2) << 3 << 2000 << 4 * 3015 << 0
                                      << "Communication fault." << true << "Connecting with transceiver. ";
        QTest::newRow("box and panel 2") << unsigned(FailBox | FailPanel2) << 1 << 1500 << 2 * 2515 << 1
                                         << "Communication fault." << true << "Connecting with transceiver. ";
        QTest::newRow("bar hidden, label emptied, box, label")
            << unsigned(FailHideFirst | FailBox | FailLabel) << 0 << 5000 << 6015 << 1 << "old"
            << false << "Communication fault.";
    }
    void failureReports()
    {
        QFETCH(unsigned, report);
        QFETCH(int, retries);
        QFETCH(int, delay);
        QFETCH(int, failsAt);
        QFETCH(int, boxes);
        QFETCH(QString, panel2);
        QFETCH(bool, barShown);
        QFETCH(QString, label);
        SetMainPanel(2, QStringLiteral("old"));
        radio->setSilence(0);
        LinkSettings s = LinkProfile::twoTone();
        s.failureReport = report;
        s.readRetries = retries;
        s.retryDelayMs = delay;
        LinkTestHost host(s, radio.get());
        current = &host;
        QSignalSpy failed(host.session, &LinkSession::exchangeFailed);
        host.read->click();
        TestClock::advance(failsAt - 1);
        QCOMPARE(failed.count(), 0);
        TestClock::advance(1);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(int(moments.size()), boxes);
        QCOMPARE(MainPanel(2), panel2);
        QCOMPARE(host.barShown(), barShown);
        QCOMPARE(host.label->text(), label);
        if (report & FailHideFirst) {
            QCOMPARE(moments[0].label, QString());  // empty while the box is open
            QVERIFY(!moments[0].barShown);
        }
        QCOMPARE(int(radio->frameBytes().size()), retries + 1);
    }

    void pauseLengths()
    {
        QCOMPARE(LinkSession::pauseMs(0), 0);
        QCOMPARE(LinkSession::pauseMs(4000), 1);
        QCOMPARE(LinkSession::pauseMs(40000), 1);
        QCOMPARE(LinkSession::pauseMs(200000), 5);
    }
};

QTEST_MAIN(TestLinkVariants)
#include "tst_linkvariants.moc"
