// Data replies that are not the block asked for (their echo names another
// address or length, or they carry a byte more than the block, inside it or
// behind it) count as no reply in every exchange that reads blocks: no Ack,
// the reply time-out, the retry pause and a new attempt that reads the right
// block; after the last attempt the failure report with the image as it
// was. Never the success box with another block's bytes or shifted ones.
// Engine tests: the bare host is never shown, its button stands for the
// window's.
#include <QtTest>
#include <cmath>
#include <memory>

#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/WholeReadUnpack.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "support/BoxTexts.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/LinkTestHost.h"

using namespace LinkFrames;

namespace {
// Every exchange that reads blocks, as the engine runs it. The channel
// editor's exchange is the channel window's own (tests/app/tst_wrongblock).
LinkSettings exchange(const QString &name)
{
    if (name == QLatin1String("2-tone"))
        return LinkProfile::twoTone();
    if (name == QLatin1String("5-tone"))
        return LinkProfile::fiveTone();
    if (name == QLatin1String("option"))
        return LinkProfile::options();
    if (name == QLatin1String("DTMF"))
        return LinkProfile::dtmf();
    if (name == QLatin1String("FM"))
        return LinkProfile::fm();
    if (name == QLatin1String("alignment"))
        return LinkProfile::alignment();
    LinkSettings s = LinkProfile::wholeRead();
    s.unpack = UnpackWholeRead;
    return s;
}

// The image rows a read of these settings replaces.
int firstRow(const LinkSettings &s) { return s.readBase / 16; }
int rowCount(const LinkSettings &s)
{
    return s.firstReadBlock == 1 ? WholeReadImageRows : 4 * s.readBlocks;
}

// Radio bytes that differ from block to block.
QByteArray pattern(int address, int count)
{
    QByteArray b(count, 0);
    for (int i = 0; i < count; ++i)
        b[i] = char(((address + i) * 7 + (address + i) / 256) & 0xFF);
    return b;
}

void fillImage(int seed)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = qint16((seed + r * 5 + c) & 0xFF);
}

QByteArray wholeImage() { return imageBytes(0, ImageRows); }

// How the radio answers the request it answers wrongly.
enum Fault { AnotherBlock, ExtraByteInside, ExtraByteBehind };

// The reply the radio sends then, as it goes on the line.
QByteArray faultyReply(const SimRadio &radio, int fault, int requested, int answered)
{
    if (fault == AnotherBlock)
        return radio.dataFrame(answered, 0x40);
    QByteArray r = radio.dataFrame(requested, 0x40);
    r.insert(r.size() - 64 + (fault == ExtraByteInside ? 20 : 64), char(SimRadio::ExtraByte));
    return r;
}

} // namespace

class TestWrongBlock : public QObject, LinkTestBench
{
    Q_OBJECT

    void exchanges();
    // The row's exchange over a radio holding a pattern in its stretch and
    // answering the request for `requested` with the row's fault `times`
    // times (-1: always); the image filled with `fill`.
    LinkSettings answeredWrongly(int times, int fill);

private slots:
    void init() { setUpBench(); }
    void cleanup() { tearDownBench(); }

    void answeredOnceWithAnotherBlock_data() { exchanges(); }
    void answeredOnceWithAnotherBlock();
    void alwaysAnsweredWithAnotherBlock_data() { exchanges(); }
    void alwaysAnsweredWithAnotherBlock();
    void repliesThatAreNotTheBlock_data();
    void repliesThatAreNotTheBlock();
    void aByteTooManyThroughAnAdapter_data();
    void aByteTooManyThroughAnAdapter();
    void healthyRadioThroughAnAdapter_data();
    void healthyRadioThroughAnAdapter();
    void replyJustBeforeTheTimeOut();
};

// The exchange, the block whose request the radio answers wrongly, the
// fault: another block (whose echo and bytes it sends instead), or the
// block with a byte added inside its data or right behind it.
void TestWrongBlock::exchanges()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("fault");
    struct Exchange {
        const char *row;
        const char *name;
        int requested;
        int answered;
    };
    const Exchange exchanges[] = {
        {"option: 0x0E80", "option", 0x0E80, 0x0EC0},
        {"5-tone: the last block", "5-tone", 0x25C0, 0x2580},
        {"2-tone: the first block", "2-tone", 0x2D00, 0x2D40},
        {"DTMF", "DTMF", 0x2980, 0x29C0},
        {"FM", "FM", 0x3040, 0x3080},
        {"alignment", "alignment", 0x3C40, 0x3C80},
        {"whole radio: 0x0E80", "whole radio", 0x0E80, 0x0EC0},
    };
    const std::pair<Fault, const char *> faults[] = {
        {AnotherBlock, "answered by the next block"},
        {ExtraByteInside, "a byte too many inside"},
        {ExtraByteBehind, "a byte too many behind it"},
    };
    for (const Exchange &e : exchanges)
        for (const auto &[fault, what] : faults)
            QTest::addRow("%s, %s", e.row, what) << QString::fromLatin1(e.name) << e.requested
                                                 << e.answered << int(fault);
}

LinkSettings TestWrongBlock::answeredWrongly(int times, int fill)
{
    QFETCH(QString, name);
    QFETCH(int, requested);
    QFETCH(int, answered);
    QFETCH(int, fault);
    const LinkSettings s = exchange(name);
    radio->setBytes(s.readBase, pattern(s.readBase, 16 * rowCount(s)));
    if (fault == AnotherBlock)
        radio->answerAs(requested, answered, times);
    else
        radio->addExtraByte(requested, fault == ExtraByteInside ? 20 : 64, 0, times);
    fillImage(fill);
    return s;
}

void TestWrongBlock::answeredOnceWithAnotherBlock()
{
    QFETCH(int, requested);
    QFETCH(int, answered);
    QFETCH(int, fault);
    const LinkSettings s = answeredWrongly(1, 11);
    LinkTestHost host(s, radio.get());
    QSignalSpy done(host.session, &LinkSession::readCompleted);
    QSignalSpy failed(host.session, &LinkSession::exchangeFailed);


    host.read->click();
    TestClock::advance(120000);

    QCOMPARE(done.count(), 1);
    QCOMPARE(failed.count(), 0);
    // The radio did send the wrong reply once.
    QVERIFY(radio->sentBytes().contains(faultyReply(*radio, fault, requested, answered)));
    // Every row of the stretch holds the radio's bytes of its own address.
    const int row0 = firstRow(s);
    for (int r = 0; r < rowCount(s); ++r)
        QCOMPARE(imageRow(row0 + r), radio->bytes(16 * (row0 + r), 16));
    // The wrong reply got no Ack: the next frame is the next attempt's
    // handshake, after the reply time-out (started anew when the refused
    // reply was in), the retry pause and the send timer.
    const auto frames = radio->frames();
    int at = -1;
    for (int i = 0; i < frames.size() && at < 0; ++i)
        if (frames[i].bytes.endsWith(request(requested)))
            at = i;
    QVERIFY(at >= 0);
    QCOMPARE(frames.value(at + 1).bytes, Handshake);
    double replyInMs = 0;
    for (const SimRadio::TxChunk &c : radio->sent())
        if (c.ms < frames[at + 1].firstMs)
            replyInMs = c.ms;
    QCOMPARE(frames[at + 1].firstMs - std::ceil(replyInMs), double(1000 + s.retryDelayMs + 15));
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
    QCOMPARE(boxTexts(), QStringList{s.texts.afterReadBox.text()});
    QVERIFY(!LinkSession::anyExchangeRunning());
}

void TestWrongBlock::alwaysAnsweredWithAnotherBlock()
{
    const LinkSettings s = answeredWrongly(-1, 23);
    const QByteArray before = wholeImage();
    LinkTestHost host(s, radio.get());
    QSignalSpy done(host.session, &LinkSession::readCompleted);
    QSignalSpy failed(host.session, &LinkSession::exchangeFailed);


    host.read->click();
    TestClock::advance(120000);

    QCOMPARE(done.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1 + s.readRetries);
    QCOMPARE(wholeImage(), before);
    QCOMPARE(host.shows, 0);
    QVERIFY(!boxTexts().contains(s.texts.afterReadBox.text()));
    if (s.failureReport & FailBox)
        QCOMPARE(boxTexts(), QStringList{s.texts.failureBox.text()});
    else
        QVERIFY(boxTexts().isEmpty());
    if (s.failureReport & FailPanel2)
        QCOMPARE(MainPanel(2), s.texts.failurePanel.text());
    if (s.failureReport & FailLabel)
        QCOMPARE(host.label->text(), s.texts.failureLabel.text());
    QVERIFY(!host.fake->portOpen());
    QVERIFY(!LinkSession::anyExchangeRunning());
}

// Replies that are not the block, on the 2-tone exchange: how they arrive
// must not matter, and nothing of them may be taken for a later reply.
void TestWrongBlock::repliesThatAreNotTheBlock_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QList<QByteArray>>("firstAttempt");  // the program's frames
    const QList<QByteArray> upToBlock1{Handshake, Ack, request(0x3DF0, 0x10), Ack,
                                       request(0x2D00), Ack + request(0x2D40)};
    QTest::newRow("another block") << 0 << upToBlock1;
    QTest::newRow("another block, the right one right behind it") << 1 << upToBlock1;
    QTest::newRow("another block, the right one 200 ms later") << 2 << upToBlock1;
    QTest::newRow("a 16-byte frame, the right block right behind it") << 3 << upToBlock1;
    QTest::newRow("another block a byte at a time") << 4 << upToBlock1;
    QTest::newRow("another block without its Ack") << 5 << upToBlock1;
    QTest::newRow("the echo of another length, 64 bytes") << 6 << upToBlock1;
    // The password block is answered with its Ack before it is looked at.
    QTest::newRow("another password block") << 7
        << QList<QByteArray>{Handshake, Ack, request(0x3DF0, 0x10), Ack};
    // A byte behind the block while the line must stay quiet before the
    // Ack goes out in front of the next request.
    QTest::newRow("a byte behind the block 2 ms later") << 8 << upToBlock1;
    QTest::newRow("a byte behind the block 8 ms later") << 9 << upToBlock1;
    // Behind the last block: the read does not complete with it.
    QList<QByteArray> upToLastBlock = readFrames(0x2D00, 12);
    upToLastBlock.removeLast();
    QTest::newRow("a byte behind the last block") << 10 << upToLastBlock;
    QTest::newRow("a byte behind the last block 2 ms later") << 11 << upToLastBlock;
    QTest::newRow("a byte too many inside the block, in pieces")
        << 12 << upToBlock1;
}

void TestWrongBlock::repliesThatAreNotTheBlock()
{
    QFETCH(int, fault);
    QFETCH(QList<QByteArray>, firstAttempt);
    radio->setBytes(0x2D00, pattern(0x2D00, 12 * 64));
    radio->setBytes(0x3DF0, QByteArray("ABCDEF") + QByteArray(10, ' '));
    radio->setBytes(0x3DE0, pattern(0x3DE0, 16));
    const int block1 = 3;  // request number: handshake, password block, block 0
    auto &o = radio->options();
    switch (fault) {
    case 0: radio->answerAs(0x2D40, 0x2D80); break;
    case 1: radio->replaceReply(block1, radio->dataFrame(0x2D80, 0x40) + radio->dataFrame(0x2D40, 0x40)); break;
    case 2:
        // Every other reply fits in one piece.
        o.pieceSize = 69;
        o.pieceGapMs = 200;
        radio->replaceReply(block1, radio->dataFrame(0x2D80, 0x40) + radio->dataFrame(0x2D40, 0x40));
        break;
    case 3: radio->replaceReply(block1, radio->dataFrame(0x2D40, 0x10) + radio->dataFrame(0x2D40, 0x40)); break;
    case 4:
        o.pieceSize = 1;
        o.pieceGapMs = 1;
        radio->answerAs(0x2D40, 0x2D80);
        break;
    case 5: radio->replaceReply(block1, radio->dataFrame(0x2D80, 0x40).mid(1) + Ack); break;
    case 6: {
        QByteArray r = radio->dataFrame(0x2D40, 0x40);
        r[4] = 0x10;
        radio->replaceReply(block1, r);
        break;
    }
    case 7: radio->answerAs(0x3DF0, 0x3DE0); break;
    case 8: radio->addExtraByte(0x2D40, 64, 2); break;
    case 9: radio->addExtraByte(0x2D40, 64, 8); break;
    case 10: radio->addExtraByte(0x2FC0, 64); break;
    case 11: radio->addExtraByte(0x2FC0, 64, 2); break;
    case 12:
        o.pieceSize = 10;
        o.pieceGapMs = 1;
        radio->addExtraByte(0x2D40, 30);
        break;
    }
    fillImage(5);
    LinkTestHost host(LinkProfile::twoTone(), radio.get());
    QSignalSpy done(host.session, &LinkSession::readCompleted);
    host.read->click();
    TestClock::advance(60000);

    QCOMPARE(done.count(), 1);
    for (int r = 0; r < 48; ++r)
        QCOMPARE(imageRow(720 + r), radio->bytes(0x2D00 + 16 * r, 16));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(PasswordBlockCopy.data()), 16),
             radio->bytes(0x3DF0, 16));
    // One attempt that ended on the reply, then a clean read.
    QCOMPARE(radio->frameBytes(), firstAttempt + readFrames(0x2D00, 12));
    QCOMPARE(boxTexts(), QStringList{"Complete reading the data from transceiver."});
}

// The radio puts its bytes out at 9600 baud, and the program sees the byte
// too many of one reply `late` ms after the 69th, as a USB serial adapter
// hands bytes over in packets. Whenever it comes, the reply is refused: the
// read ends with the radio's bytes, after one more attempt.
void TestWrongBlock::aByteTooManyThroughAnAdapter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("requested");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<double>("late");
    const struct {
        const char *row;
        const char *name;
        int requested;
    } blocks[] = {
        {"whole radio, a middle block", "whole radio", 0x0080},
        {"option, the last block", "option", 0x0FC0},
        {"2-tone, the last block", "2-tone", 0x2FC0},
    };
    for (const auto &b : blocks)
        for (const bool inside : {true, false})
            for (const double late : {2.0, 6.0, 10.0, 15.0, 16.0, 17.0, 19.0, 30.0, 40.0})
                QTest::addRow("%s, %s, %g ms late", b.row, inside ? "inside" : "behind", late)
                    << QString::fromLatin1(b.name) << b.requested << inside << late;
}

void TestWrongBlock::aByteTooManyThroughAnAdapter()
{
    QFETCH(QString, name);
    QFETCH(int, requested);
    QFETCH(bool, inside);
    QFETCH(double, late);
    const LinkSettings s = exchange(name);
    radio->setBytes(s.readBase, pattern(s.readBase, 16 * rowCount(s)));
    radio->options().paced = true;
    // Inside: the last data byte is the one too many. It is seen `late` ms
    // after the 69th, its own byte time included.
    radio->addExtraByte(requested, inside ? 20 : 64, late - SimRadio::ByteMs9600, 1,
                        SimRadio::Late::LastByte);
    fillImage(3);
    LinkTestHost host(s, radio.get());
    QSignalSpy done(host.session, &LinkSession::readCompleted);
    host.read->click();
    TestClock::advance(120000);

    QCOMPARE(done.count(), 1);
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
    const int row0 = firstRow(s);
    for (int r = 0; r < rowCount(s); ++r)
        QCOMPARE(imageRow(row0 + r), radio->bytes(16 * (row0 + r), 16));
    QCOMPARE(boxTexts(), QStringList{s.texts.afterReadBox.text()});
}

// A healthy radio behind an adapter that hands over, every 16 ms, what has
// crossed the line since: never refused, one attempt, the radio's bytes.
void TestWrongBlock::healthyRadioThroughAnAdapter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("packetMs");
    for (const char *name : {"whole radio", "option", "FM", "alignment"})
        for (const double packetMs : {1.0, 16.0, 32.0})
            QTest::addRow("%s, packets every %g ms", name, packetMs) << QString::fromLatin1(name) << packetMs;
}

void TestWrongBlock::healthyRadioThroughAnAdapter()
{
    QFETCH(QString, name);
    QFETCH(double, packetMs);
    const LinkSettings s = exchange(name);
    radio->setBytes(s.readBase, pattern(s.readBase, 16 * rowCount(s)));
    radio->options().paced = true;
    radio->options().adapterPacketMs = packetMs;
    fillImage(4);
    LinkTestHost host(s, radio.get());
    QSignalSpy done(host.session, &LinkSession::readCompleted);
    host.read->click();
    TestClock::advance(120000);

    QCOMPARE(done.count(), 1);
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);
    const int row0 = firstRow(s);
    for (int r = 0; r < rowCount(s); ++r)
        QCOMPARE(imageRow(row0 + r), radio->bytes(16 * (row0 + r), 16));
}

// Every reply completes 1 ms before the reply time-out would end the
// attempt: the time-out stops with the reply's last byte, so the wait for
// quiet behind it never loses to it.
void TestWrongBlock::replyJustBeforeTheTimeOut()
{
    const LinkSettings s = exchange(QStringLiteral("2-tone"));
    radio->setBytes(s.readBase, pattern(s.readBase, 16 * rowCount(s)));
    // A block request is handed over whole and crosses in 4 bytes (5 with
    // the Ack in front); the reply is all there the moment the radio answers.
    connect(radio.get(), &SimRadio::frameReceived, this, [this](const QByteArray &f) {
        if (f.endsWith(request(0x2D00)))
            radio->options().replyDelayMs = 1000 - 6 - 1;
    });
    LinkTestHost host(s, radio.get());
    QSignalSpy done(host.session, &LinkSession::readCompleted);
    host.read->click();
    TestClock::advance(60000);

    QCOMPARE(done.count(), 1);
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);
}

QTEST_MAIN(TestWrongBlock)
#include "tst_wrongblock.moc"
