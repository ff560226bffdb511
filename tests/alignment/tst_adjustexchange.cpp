// The alignment editor's exchange against the simulated radio on the test
// clock: a read of 8 blocks from 0x3C00 without a password stage, a write of
// the preamble and 32 rows, a radio that does not answer (panel 2 only), and
// data replies that are not the block asked for. The editor opens in the
// main-window stand-in and Read and Write are clicked where they are seen.
#include "support/AdjustEditorFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "alignment/AdjustLink.h"
#include "link/LinkSession.h"
#include "memory/AdjustDefaults.h"
#include "platform/StatusBar.h"
#include "platform/TextBox.h"

using namespace AdjustEditorFixture;
using namespace LinkFrames;

namespace {
// A block the editor can show without a warning, with every byte value in
// the rows no control shows.
QByteArray radioBlock()
{
    QByteArray b;
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 16; ++c) {
            int v = AdjustDefaults[r][c];
            if (r == 0)
                v = c + 1;
            else if (r >= 17 && r <= 23)
                v = (16 * (r - 17) + c) * 2 % 256;
            b.append(char(v));
        }
    return b;
}

QByteArray blockBytes()
{
    QByteArray b;
    for (int v : block())
        b.append(char(v));
    return b;
}

// Steps the clock until nothing is due, noting each new label and bar value.
QStringList progressSeen(AdjustEditorWindow *w)
{
    QStringList seen;
    for (int i = 0; i < 100000 && TestClock::step(); ++i) {
        const QString now = QStringLiteral("%1|%2").arg(w->Label_tr_count->text()).arg(w->ProgressBar1->value());
        if (seen.isEmpty() || seen.last() != now)
            seen << now;
    }
    return seen;
}

QByteArray dataReply(int address, const QByteArray &data)
{
    QByteArray r = QByteArray::fromHex("0658");
    r += char(address >> 8);
    r += char(address & 0xFF);
    r += char(0x40);
    return r + data;
}
}

class TestAdjustExchange : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;
    AdjustEditorWindow *w = nullptr;

private slots:
    void init()
    {
        setUpBench();
        useFakePorts();
        reset();
        plugRadio(1);
        main = std::make_unique<MainStandIn>();
        QVERIFY(main->waitActive());
        w = load();
        QVERIFY(w);
        MsgBoxRecorder::clear();
    }
    void cleanup()
    {
        AdjustEditorFixture::cleanup();
        main.reset();
        tearDownBench();
    }

    void readEightBlocks()
    {
        radio->setBytes(0x3C00, radioBlock());
        radio->setBandLimits(1, 144, 146);
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
        const QStringList seen = progressSeen(w);
        QCOMPARE(seen.mid(1, 3), (QStringList{"Reading 3 Data Block|33", "Reading 4 Data Block|44",
                                              "Reading 5 Data Block|55"}));
        QCOMPARE(seen.mid(7), (QStringList{"Reading 9 Data Block|100", "Read optional parameters in gear. |100"}));

        QList<QByteArray> expected{Handshake, Ack + request(0x3C00)};
        for (int k = 1; k < 8; ++k)
            expected << Ack + request(0x3C00 + 64 * k);
        expected << Ack;
        QCOMPARE(radio->frameBytes(), expected);
        QCOMPARE(blockBytes(), radioBlock());
        // The shown tab was redrawn from the new block.
        QCOMPARE(w->valueBox("Text_TXP_VHF", 0)->text(), QStringLiteral("1"));
        QCOMPARE(boxTexts(), QStringList{"Complete reading the data from transceiver."});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QStringLiteral("Operate Prompt"));
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Read optional parameters in gear. "));
        QCOMPARE(w->ProgressBar1->value(), 100);
        QCOMPARE(MainPanel(2), QStringLiteral("ZQ7310"));
        QCOMPARE(MainPanel(8), QStringLiteral(" 144-- 146"));
        QVERIFY(!w->session()->exchangeRunning());
    }

    void writePreambleAndRows()
    {
        w->valueBox("Text_TXP_UHF0", 3)->setText("12");
        AdjustImage[20][1] = 0xAB;
        for (int pass = 0; pass < 2; ++pass) {
            radio->clearRecord();
            MsgBoxRecorder::clear();
            QVERIFY(clickWhereSeen(w->Command_Write));
            const QStringList seen = progressSeen(w);
            QCOMPARE(seen.mid(1, 3), (QStringList{"Writing  -1  Data Block|0", "Writing  0  Data Block|3",
                                                  "Writing  1  Data Block|6"}));
            QCOMPARE(seen.mid(seen.size() - 2), (QStringList{"Writing  30  Data Block|96",
                                                             "Complete writing optional parameters |96"}));
            const QList<QByteArray> frames = radio->frameBytes();
            QCOMPARE(frames.size(), 34);
            QCOMPARE(frames[0], Handshake);
            // The preamble, the same in every write.
            QCOMPARE(frames[1], QByteArray::fromHex("06583B9010") + QByteArray::fromHex("5A5137333130414A")
                                    + QByteArray(8, char(0xFF)));
            for (int r = 0; r < 32; ++r) {
                QByteArray row = QByteArray::fromHex("0658");
                row += char((0x3C00 + 16 * r) >> 8);
                row += char((0x3C00 + 16 * r) & 0xFF);
                row += char(0x10);
                row += blockBytes().mid(16 * r, 16);
                QCOMPARE(frames[2 + r], row);
            }
            QCOMPARE(radio->bytes(0x3C00, 512), blockBytes());
            QCOMPARE(radio->byteAt(0x3C00 + 16 + 3), quint8(12));
            QCOMPARE(boxTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
            QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Complete writing optional parameters "));
            QCOMPARE(w->ProgressBar1->value(), 96);
        }
    }

    void failureInPanelTwoOnly_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("panel");
        QTest::newRow("English") << 0 << "Communication fault.";
        QTest::newRow("Chinese") << -1 << QString::fromUtf8("联机故障 ！");
    }
    void failureInPanelTwoOnly()
    {
        QFETCH(int, language);
        QFETCH(QString, panel);
        LanguageFlag = qint16(language);
        radio->setSilence(0);
        const QList<int> before = block();
        QVERIFY(clickWhereSeen(w->Command_read));
        const QString connecting = w->Label_tr_count->text();
        TestClock::advance(3 * 3000 + 900);
        QCOMPARE(MainPanel(2), QString());
        TestClock::advance(3000);
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 4);
        QCOMPARE(MainPanel(2), panel);
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(w->Label_tr_count->text(), connecting);
        QVERIFY(!w->session()->exchangeRunning());
        QCOMPARE(block(), before);
    }

    // A reply that is not the block asked for counts as no reply: the
    // attempt times out, a new one starts, and the block read is right.
    void wrongReplyIsNoReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        const QByteArray data = radioBlock().left(64);
        QTest::newRow("other address") << dataReply(0x3C40, data);
        QTest::newRow("other length") << dataReply(0x3C00, data).replace(4, 1, "\x10");
        QTest::newRow("X first") << dataReply(0x3C00, data).mid(1) + QByteArray(1, char(0));
    }
    void wrongReplyIsNoReply()
    {
        QFETCH(QByteArray, reply);
        radio->setBytes(0x3C00, radioBlock());
        radio->replaceReply(1, reply);  // request 0 is the opening command
        const QList<int> before = block();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(500);
        QCOMPARE(block(), before);
        TestClock::advance(20000);
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
        QCOMPARE(blockBytes(), radioBlock());
        QCOMPARE(boxTexts(), QStringList{"Complete reading the data from transceiver."});
    }
};

QTEST_MAIN(TestAdjustExchange)
#include "tst_adjustexchange.moc"
