// The simulated radio that the link tests talk to: identification, a read and
// a write exchange byte for byte, over a pseudo-terminal and in-process, and
// the faults it can be told to make.
#include "platform/CommControl.h"
#include "platform/VbTimer.h"
#include "support/FakeCommControl.h"
#include "support/SimRadio.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray Handshake("\x55\x20\x21\x01\x23\xFF\xDC\x02", 8);
const QByteArray Ack("\x06", 1);

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray writeFrame(int address, char fill, bool leadingAck)
{
    QByteArray f;
    if (leadingAck)
        f += Ack;
    f += 'X';
    f += char(address >> 8);
    f += char(address & 0xFF);
    f += char(0x10);
    f += QByteArray(16, fill);
    return f;
}

// Reads what the control holds once `count` bytes have come.
QByteArray takeWhenCount(CommControl &msc, int count)
{
    if (!QTest::qWaitFor([&] { return msc.inBufferCount() >= count; }, 2000))
        return msc.input();
    return msc.input();
}
} // namespace

class TestSimRadio : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (TestClock::installed())
            TestClock::uninstall();
        ComPorts::clearTable();
        FakeCommControl::unplugAll();
    }

    void identificationOverPty_data();
    void identificationOverPty();
    void readExchangeOverPty();
    void writeExchangeInProcess();
    void silenceAndRecovery();
    void wrongAckTrailingAndGarbage();
    void piecesAndPacingOnTheTestClock();
    void extraByteAndSecondAck();
    void fakePortsFollowThePlugs();
};

void TestSimRadio::identificationOverPty_data()
{
    QTest::addColumn<bool>("formB");
    QTest::addColumn<QByteArray>("expected");
    // Bands 136-174, 136-174, 400-470, 350-390; model "TEST01"; firmware "FW0102".
    const QByteArray body = hex("010306" "010704" "20202020") + "TEST01" + hex("010306" "010704" "20202020")
        + "FW0102" + hex("040000" "040700" "2020" "030500" "030900" "2020" "55");
    QTest::newRow("form B") << true << (Ack + body);
    QTest::newRow("form A") << false << body;
}

void TestSimRadio::identificationOverPty()
{
    QFETCH(bool, formB);
    QFETCH(QByteArray, expected);
    QCOMPARE(expected.size(), formB ? 50 : 49);

    SimRadio radio;
    radio.options().formB = formB;
    radio.setBandLimits(3, 400, 470);
    radio.setBandLimits(4, 350, 390);
    radio.setModel("TEST01");
    radio.setFirmware("FW0102");
    QVERIFY(radio.plugIntoCom(3));

    CommControl msc;
    msc.setCommPort(3);
    msc.setRThreshold(1);
    QVERIFY2(msc.setPortOpen(true), qPrintable(msc.errorString()));
    // One byte per call, the way the program's sender puts a frame out.
    for (char c : Handshake)
        msc.output(QByteArray(1, c));
    QCOMPARE(takeWhenCount(msc, int(expected.size())), expected);
    QCOMPARE(radio.frameBytes(), QList<QByteArray>{Handshake});
    QCOMPARE(radio.requestCount(), 1);
    QVERIFY(radio.inProgramMode());
}

void TestSimRadio::readExchangeOverPty()
{
    SimRadio radio;
    QByteArray block;
    for (int i = 0; i < 64; ++i)
        block.append(char(i * 3));
    radio.setBytes(0x2D00, block);
    radio.setBytes(0x3DF0, QByteArray("468027") + QByteArray("000000"));
    QVERIFY(radio.plugIntoCom(7));

    CommControl msc;
    msc.setCommPort(7);
    QVERIFY(msc.setPortOpen(true));
    msc.output(Handshake);
    QCOMPARE(takeWhenCount(msc, 50).size(), 50);

    msc.output(Ack);
    QTest::qWait(20);  // the program's send timer
    msc.output(hex("533DF010"));
    QCOMPARE(takeWhenCount(msc, 20), hex("583DF010") + "468027000000" + hex("FFFFFFFF"));

    msc.output(Ack);
    QTest::qWait(20);
    msc.output(hex("532D0040"));
    QCOMPARE(takeWhenCount(msc, 69), hex("06582D0040") + block);
    msc.output(Ack);
    QTest::qWait(20);

    const QList<QByteArray> frames{Handshake, Ack, hex("533DF010"), Ack, hex("532D0040"), Ack};
    QCOMPARE(radio.frameBytes(), frames);
    // Each recorded frame carries the times of its first and last byte.
    const QList<SimRadio::Frame> timed = radio.frames();
    for (int i = 1; i < timed.size(); ++i)
        QVERIFY(timed[i].firstMs >= timed[i - 1].lastMs);
    QCOMPARE(radio.sentBytes().size(), 50 + 20 + 69);
}

void TestSimRadio::writeExchangeInProcess()
{
    TestClock::install();
    SimRadio radio;
    FakeCommControl msc(&radio);
    msc.setInputLen(0);
    msc.setRThreshold(1);
    QSignalSpy events(&msc, &CommControl::onComm);
    QVERIFY(msc.setPortOpen(true));

    // The radio answers a frame once its last byte can have crossed the
    // line: 8 bytes take 8.3 ms, 4 bytes 4.2 ms, 20 bytes 20.8 ms, 21 bytes
    // 21.9 ms (the test clock counts whole ms).
    msc.output(Handshake);
    QCOMPARE(msc.inBufferCount(), 0);  // answers come from the clock, not from inside output()
    TestClock::advance(8);
    QCOMPARE(msc.inBufferCount(), 0);
    TestClock::advance(1);
    QCOMPARE(msc.input().size(), 50);
    QCOMPARE(events.size(), 1);

    msc.output(Ack);
    TestClock::advance(15);
    msc.output(hex("533DF010"));
    TestClock::advance(5);
    QCOMPARE(msc.input().size(), 20);

    msc.output(Ack);
    TestClock::advance(15);
    msc.output(writeFrame(0x2D00, char(0x11), false));
    TestClock::advance(20);
    QCOMPARE(msc.inBufferCount(), 0);
    TestClock::advance(1);
    QCOMPARE(msc.input(), Ack);
    TestClock::advance(15);
    msc.output(writeFrame(0x2D10, char(0x22), true));
    TestClock::advance(21);
    QCOMPARE(msc.inBufferCount(), 0);
    TestClock::advance(1);
    QCOMPARE(msc.input(), Ack);

    QCOMPARE(radio.bytes(0x2D00, 16), QByteArray(16, char(0x11)));
    QCOMPARE(radio.bytes(0x2D10, 16), QByteArray(16, char(0x22)));
    QCOMPARE(radio.byteAt(0x2D20), quint8(0xFF));
    const QList<QByteArray> frames{Handshake, Ack, hex("533DF010"), Ack,
                                   writeFrame(0x2D00, char(0x11), false),
                                   writeFrame(0x2D10, char(0x22), true)};
    QCOMPARE(radio.frameBytes(), frames);
    QCOMPARE(radio.frames().at(5).firstMs, 80.0);
}

void TestSimRadio::silenceAndRecovery()
{
    TestClock::install();
    SimRadio radio;
    FakeCommControl msc(&radio);
    QVERIFY(msc.setPortOpen(true));
    radio.setSilence(1, 2);  // requests 1 and 2 go unheard

    msc.output(Handshake);  // request 0
    TestClock::advance(9);
    QCOMPARE(msc.inBufferCount(), 50);
    msc.clearInBuffer();
    msc.output(hex("53000040"));  // request 1
    msc.output(writeFrame(0x0000, char(0x33), false));  // request 2
    TestClock::advance(1000);
    QCOMPARE(msc.inBufferCount(), 0);
    QCOMPARE(radio.byteAt(0x0000), quint8(0xFF));  // an unheard write stores nothing

    msc.output(hex("53000040"));  // request 3: back again
    TestClock::advance(5);
    QCOMPARE(msc.inBufferCount(), 69);
    QCOMPARE(radio.requestCount(), 4);

    // Outside program mode nothing but the handshake is answered.
    msc.clearInBuffer();
    msc.output(QByteArray("E"));
    msc.output(hex("53000040"));
    TestClock::advance(100);
    QCOMPARE(msc.inBufferCount(), 0);
    QVERIFY(!radio.inProgramMode());
}

void TestSimRadio::wrongAckTrailingAndGarbage()
{
    TestClock::install();
    SimRadio radio;
    FakeCommControl msc(&radio);
    msc.setInputLen(0);
    QVERIFY(msc.setPortOpen(true));
    radio.options().trailing = hex("AABB");
    radio.options().ackBeforeBlock = false;
    radio.setWriteAck(2, 0x15);

    msc.output(Handshake);
    TestClock::advance(9);
    QCOMPARE(msc.input().right(3), hex("55AABB"));
    msc.output(hex("53004040"));  // request 1: 68 bytes without Ack, then the trailing pair
    TestClock::advance(5);
    const QByteArray data = msc.input();
    QCOMPARE(data.size(), 68 + 2);
    QCOMPARE(data.left(4), hex("58004040"));
    msc.output(writeFrame(0x0100, char(0x44), false));  // request 2: the wrong byte alone
    TestClock::advance(21);
    QCOMPARE(msc.input(), hex("15"));
    QCOMPARE(radio.byteAt(0x0100), quint8(0x44));

    radio.sendRaw(hex("DEADBEEF"));
    TestClock::advance(0);
    QCOMPARE(msc.input(), hex("DEADBEEF"));
}

void TestSimRadio::piecesAndPacingOnTheTestClock()
{
    TestClock::install();
    SimRadio radio;
    FakeCommControl msc(&radio);
    msc.setRThreshold(1);
    QSignalSpy events(&msc, &CommControl::onComm);
    QVERIFY(msc.setPortOpen(true));

    // In pieces: 50 bytes as 20 + 20 + 10, 5 ms apart.
    radio.options().pieceSize = 20;
    radio.options().pieceGapMs = 5;
    msc.output(Handshake);
    TestClock::advance(9);
    QCOMPARE(msc.inBufferCount(), 20);
    TestClock::advance(4);
    QCOMPARE(msc.inBufferCount(), 20);
    TestClock::advance(1);
    QCOMPARE(msc.inBufferCount(), 40);
    TestClock::advance(5);
    QCOMPARE(msc.inBufferCount(), 50);
    QCOMPARE(events.size(), 3);

    // Paced at 9600 baud: a 4-byte request takes 4.17 ms to arrive and its
    // 69-byte answer 71.9 ms more, so the last byte is in after 76.04 ms.
    radio.options().pieceSize = 0;
    radio.options().paced = true;
    msc.clearInBuffer();
    radio.clearRecord();
    const double t0 = radio.now();
    msc.output(hex("53000040"));
    const QList<SimRadio::RxByte> rx = radio.received();
    QCOMPARE(rx.size(), 4);
    QVERIFY(qAbs(rx.last().ms - t0 - 4 * SimRadio::ByteMs9600) < 1e-9);
    TestClock::advance(40);
    QVERIFY(msc.inBufferCount() > 30 && msc.inBufferCount() < 40);
    TestClock::advance(36);
    QCOMPARE(msc.inBufferCount(), 68);
    TestClock::advance(1);
    QCOMPARE(msc.inBufferCount(), 69);
}

// The faults the link must refuse: a block with a byte too many (inside its
// data or behind it, at once or later; once or for good) and a second Ack
// after a row, with the row after it lost on the line.
void TestSimRadio::extraByteAndSecondAck()
{
    TestClock::install();
    SimRadio radio;
    FakeCommControl msc(&radio);
    msc.setInputLen(0);
    QVERIFY(msc.setPortOpen(true));
    radio.setBytes(0x0040, QByteArray(64, char(0x11)));
    radio.addExtraByte(0x0040, 10);              // once, inside
    radio.addExtraByte(0x0080, 64, 3.0, -1);     // for good, behind, 3 ms later
    const QByteArray extra(1, char(SimRadio::ExtraByte));

    msc.output(Handshake);
    TestClock::advance(9);
    msc.clearInBuffer();
    msc.output(hex("53004040"));
    TestClock::advance(5);
    QCOMPARE(msc.input(), hex("0658004040") + QByteArray(10, char(0x11)) + extra + QByteArray(54, char(0x11)));
    msc.output(hex("53004040"));
    TestClock::advance(5);
    QCOMPARE(msc.input(), hex("0658004040") + QByteArray(64, char(0x11)));  // only once
    for (int i = 0; i < 2; ++i) {
        msc.output(hex("53008040"));
        TestClock::advance(5);
        QCOMPARE(msc.input(), hex("0658008040") + radio.bytes(0x0080, 64));
        TestClock::advance(2);
        QCOMPARE(msc.input(), QByteArray());
        TestClock::advance(1);
        QCOMPARE(msc.input(), extra);  // every time
    }

    // Write request 5 is answered twice, 30 ms apart; request 6 is lost.
    radio.lateSecondAck(5, 30);
    msc.output(writeFrame(0x0100, char(0x44), false));  // request 5
    TestClock::advance(21);
    QCOMPARE(msc.input(), Ack);
    msc.output(writeFrame(0x0110, char(0x55), true));  // request 6
    TestClock::advance(29);
    QCOMPARE(msc.input(), QByteArray());
    TestClock::advance(1);
    QCOMPARE(msc.input(), Ack);
    TestClock::advance(1000);
    QCOMPARE(msc.input(), QByteArray());
    QCOMPARE(radio.bytes(0x0100, 16), QByteArray(16, char(0x44)));
    QCOMPARE(radio.bytes(0x0110, 16), QByteArray(16, char(0xFF)));
    msc.output(writeFrame(0x0110, char(0x55), true));  // request 7: heard again
    TestClock::advance(22);
    QCOMPARE(msc.input(), Ack);
    QCOMPARE(radio.bytes(0x0110, 16), QByteArray(16, char(0x55)));
}

void TestSimRadio::fakePortsFollowThePlugs()
{
    SimRadio radio;
    FakeCommControl::plug(5, &radio);
    FakeCommControl::plug(9, nullptr);

    FakeCommControl a, b, c;
    a.setCommPort(4);
    QVERIFY(!a.setPortOpen(true));  // nothing plugged at COM4
    QVERIFY(a.errorString().contains(QStringLiteral("COM4")));
    a.setCommPort(5);
    b.setCommPort(5);
    QVERIFY(a.setPortOpen(true));
    QVERIFY(!a.setPortOpen(true));  // already open
    QVERIFY(!b.setPortOpen(true));  // the radio is held by a
    QVERIFY(a.setPortOpen(false));
    QVERIFY(b.setPortOpen(true));
    QCOMPARE(b.radio(), &radio);

    // An empty port opens, takes output, and never answers; it too has one holder.
    c.setCommPort(9);
    QVERIFY(c.setPortOpen(true));
    c.output(Handshake);
    QCOMPARE(c.written(), Handshake);
    FakeCommControl d;
    d.setCommPort(9);
    QVERIFY(!d.setPortOpen(true));
    c.setPortOpen(false);
    QVERIFY(d.setPortOpen(true));

    // Output on a closed port goes nowhere.
    a.output(Handshake);
    QCOMPARE(radio.requestCount(), 0);
}

QTEST_MAIN(TestSimRadio)
#include "tst_simradio.moc"
