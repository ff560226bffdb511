// The channel editor's own exchange against the simulated radio on the test
// clock: channels and names alternating, 102 read requests, 400 write
// frames, the identification panels and a radio that does not answer.
#include "support/BoxTexts.h"
#include "support/ChannelEditorFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QPushButton>
#include <QLabel>
#include <memory>

#include "channels/ChannelLink.h"
#include "channels/ChannelRecord.h"
#include "link/LinkControls.h"
#include "link/LinkSession.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"

using namespace ChannelGrid;
using namespace LinkFrames;

namespace {
// The address of a request or write frame, with or without an Ack in front.
int addressOf(const QByteArray &frame)
{
    const int x = frame.startsWith('\x06') ? 1 : 0;
    return (quint8(frame.at(x + 1)) << 8) | quint8(frame.at(x + 2));
}

// Radio memory with a recognisable pattern in both regions.
void fillRadio(SimRadio &radio)
{
    QByteArray channels(0x0CC0, 0);
    for (int i = 0; i < channels.size(); ++i)
        channels[i] = char((i * 7 + 3) & 0xFF);
    radio.setBytes(0x0000, channels);
    QByteArray names(0x0CC0, char(0xFF));
    for (int i = 0; i < names.size(); ++i)
        names[i] = char((i * 5 + 1) & 0x7F);
    radio.setBytes(0x1000, names);
}
}

class TstChannelLink : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;  // the editor opens in it, where a user clicks it

private slots:
    void init();
    void cleanup();
    void readAlternatesRegions();
    void readShowsNamesWithTheWiderDecoder();
    void writeSendsFourHundredFrames();
    void failureAfterFourReadAttempts();
    void writeIsTriedTwice();
    void busyButtonsRefuse();
    void portThatDoesNotOpen();
    void retryAfterLostNameReplyStillReadsRight();
};

void TstChannelLink::init()
{
    setUpBench();
    ChannelEditorFixture::reset();
    useFakePorts();
    plugRadio(1);
    main = std::make_unique<MainStandIn>();
    QVERIFY(main->waitActive());
}

void TstChannelLink::cleanup()
{
    ChannelEditorFixture::cleanup();
    main.reset();
    tearDownBench();
}

void TstChannelLink::readAlternatesRegions()
{
    fillRadio(*radio);
    // The radio's identification: band 4 and a serial text the window shows.
    radio->setBandLimits(1, 144, 146);
    radio->setBandLimits(4, 420, 450);
    const QByteArray serial("SN12345678");
    for (int i = 0; i < 10; ++i)
        radio->setIdentByte(38 + i, quint8(serial.at(i)));
    SetMainPanel(14, QStringLiteral("earlier"));
    // Rows outside the two regions must not change.
    MemoryImage[200][0] = 0x12;
    MemoryImage[255][15] = 0x34;
    MemoryImage[456][0] = 0x56;

    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QSignalSpy done(w->session(), &LinkSession::readCompleted);
    QVERIFY(clickWhereSeen(w->Command_read));
    QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
    TestClock::advance(120000);
    QCOMPARE(done.count(), 1);

    QList<int> requests;
    for (const QByteArray &f : radio->frameBytes())
        if (f.mid(f.startsWith('\x06') ? 1 : 0, 1) == "S" && f != QByteArray::fromHex("533DF010"))
            requests << addressOf(f);
    QCOMPARE(requests.size(), 102);
    for (int k = 0; k < 51; ++k) {
        QCOMPARE(requests.at(2 * k), 0x0000 + 64 * k);
        QCOMPARE(requests.at(2 * k + 1), 0x1000 + 64 * k);
    }
    for (int r = 0; r < 200; ++r) {
        QCOMPARE(imageRow(r), radio->bytes(16 * r, 16));
        QCOMPARE(imageRow(256 + r), radio->bytes(0x1000 + 16 * r, 16));
    }
    QCOMPARE(int(MemoryImage[200][0]), 0x12);
    QCOMPARE(int(MemoryImage[255][15]), 0x34);
    QCOMPARE(int(MemoryImage[456][0]), 0x56);

    QCOMPARE(MainPanel(4), QString::fromLatin1(serial));
    QCOMPARE(MainPanel(8), QStringLiteral(" 144-- 146"));
    QCOMPARE(MainPanel(14), QStringLiteral("earlier"));
    QCOMPARE(BandLimits[0].lower, 144.0);
    QCOMPARE(BandLimits[3].lower, 400.0);  // band 4 left alone
    QCOMPARE(BandLimits[3].upper, 480.0);

    QCOMPARE(boxTexts(),
             QStringList{QStringLiteral("Complete reading data from the transceiver.")});
    QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Read Channel Data is Ok ！"));
    QCOMPARE(w->ProgressBar1->value(), 100);
    QVERIFY(!w->session()->exchangeRunning());
}

void TstChannelLink::readShowsNamesWithTheWiderDecoder()
{
    radio->setBytes(0x0000, QByteArray::fromHex("00005514000055140000000000000004"));
    radio->setBytes(0x0010, QByteArray::fromHex("00005514000055140000000000000004"));
    radio->setBytes(0x1000, QByteArray::fromHex("1112ffffffffffffffffffffffffffff"));
    radio->setBytes(0x1010, QByteArray::fromHex("43482037fbfdffffffffffffffffffff"));
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(120000);
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("AB"));
    QCOMPARE(w->MSF_Chann->textMatrix(2, ColName), QStringLiteral("CH 7+-"));
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColRxFreq), QStringLiteral("145.50000"));
    QCOMPARE(w->MSF_Chann->textMatrix(3, ColBand), QString());
    // The image holds the raw bytes; the next redraw shows the editor's own reading.
    QCOMPARE(int(MemoryImage[256][0]), 0x11);
    w->ShowChannels();
    QCOMPARE(w->MSF_Chann->textMatrix(2, ColName), QStringLiteral("CH 7"));
}

void TstChannelLink::writeSendsFourHundredFrames()
{
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 16; ++c) {
            MemoryImage[r][c] = qint16((r + c * 3) & 0xFF);
            MemoryImage[256 + r][c] = qint16((r * 5 + c) & 0xFF);
        }
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    // The load's redraw rewrote empty channels; take the image as it now is.
    QList<QByteArray> rows;
    for (int r = 0; r < 200; ++r)
        rows << imageRow(r) << imageRow(256 + r);
    QSignalSpy done(w->session(), &LinkSession::writeCompleted);
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(120000);
    QCOMPARE(done.count(), 1);

    QList<QByteArray> writes;
    for (const QByteArray &f : radio->frameBytes())
        if (f.startsWith('X') || f.startsWith(QByteArray("\x06X", 2)))
            writes << f;
    QCOMPARE(writes.size(), 400);
    QCOMPARE(writes.first().size(), 20);  // no Ack in front of the first
    for (int k = 0; k < 400; ++k) {
        const int ch = k / 2;
        const int expected = (k % 2 ? 0x1000 : 0x0000) + 16 * ch;
        QCOMPARE(addressOf(writes.at(k)), expected);
        QCOMPARE(writes.at(k).right(16), rows.at(k));
        if (k)
            QCOMPARE(writes.at(k).size(), 21);
    }
    QCOMPARE(radio->bytes(0x0C80, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(radio->bytes(0x1C80, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(boxTexts(),
             QStringList{QStringLiteral("Complete writing the data to transceiver.")});
    QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Channel Data Writed ！"));
    QCOMPARE(w->ProgressBar1->value(), 99);
}

void TstChannelLink::failureAfterFourReadAttempts()
{
    radio->setSilence(0);  // hears nothing
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QSignalSpy failed(w->session(), &LinkSession::exchangeFailed);
    LanguageFlag = -1;
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(60000);
    QCOMPARE(failed.count(), 1);
    int handshakes = 0;
    for (const QByteArray &f : radio->frameBytes())
        handshakes += f == Handshake;
    QCOMPARE(handshakes, 4);
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("与对讲机联络失败 ！")});
    QCOMPARE(MainPanel(2), QStringLiteral("联机故障 ！"));
    // The bar and the label keep what they showed.
    QCOMPARE(w->Label_tr_count->text(), QStringLiteral("正在与对讲机联络 ！"));
    QVERIFY(!w->ProgressBar1->isHidden());
}

void TstChannelLink::writeIsTriedTwice()
{
    radio->setSilence(0);
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(60000);
    int handshakes = 0;
    for (const QByteArray &f : radio->frameBytes())
        handshakes += f == Handshake;
    QCOMPARE(handshakes, 2);
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(MainPanel(2), QStringLiteral("Communication fault."));
}

void TstChannelLink::busyButtonsRefuse()
{
    fillRadio(*radio);
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(200);  // the read is under way
    QCOMPARE(w->session()->ReadBusy, qint16(-1));
    QVERIFY(clickWhereSeen(w->Command_Write));
    QCOMPARE(boxTexts(),
             QStringList{QStringLiteral("Read-write operating with transceiver .")});
    TestClock::advance(120000);
    QCOMPARE(w->session()->ReadBusy, qint16(0));
}

void TstChannelLink::portThatDoesNotOpen()
{
    FakeCommControl::unplugAll();  // COM1 does not exist
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QVERIFY(clickWhereSeen(w->Command_read));
    QCOMPARE(boxTexts(),
             QStringList{QStringLiteral("Communication port is error, please setting right communication port . ！")});
    QCOMPARE(MsgBoxRecorder::boxes().first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(PortErrorFlag, qint16(-1));
    QVERIFY(w->ProgressBar1->isHidden());
    QCOMPARE(w->Label_tr_count->text(), QString());
    QCOMPARE(w->session()->ReadBusy, qint16(0));
}

void TstChannelLink::retryAfterLostNameReplyStillReadsRight()
{
    fillRadio(*radio);
    // Requests: 0 handshake, 1 password block, 2 channel block 0, 3 name
    // block 0. The first name request goes unheard; the attempt times out
    // with the name region in flight and the read starts again.
    radio->setSilence(3, 1);
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    QSignalSpy done(w->session(), &LinkSession::readCompleted);
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(120000);
    QCOMPARE(done.count(), 1);
    int dataRequests = 0;
    for (const QByteArray &f : radio->frameBytes())
        dataRequests += f.mid(f.startsWith('\x06') ? 1 : 0, 1) == "S" && f != QByteArray::fromHex("533DF010");
    // Two requests of the failed attempt, then a whole read with one more
    // request: its first reply (channel block 0) counts as a name reply.
    QCOMPARE(dataRequests, 2 + 102 + 1);
    for (int r = 0; r < 200; ++r) {
        QCOMPARE(imageRow(r), radio->bytes(16 * r, 16));
        QCOMPARE(imageRow(256 + r), radio->bytes(0x1000 + 16 * r, 16));
    }
}

QTEST_MAIN(TstChannelLink)
#include "tst_channellink.moc"
