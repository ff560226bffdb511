// The reply gate alone: block replies as a serial adapter hands them over,
// with a byte too many at every lateness an adapter produces, a good reply
// in bursts, the password block, the Acks of a write and the early bytes.
#include <QtTest>
#include <cmath>

#include "link/Frames.h"
#include "link/ReplyGate.h"

namespace {
using Reply = ReplyGate::Reply;
using Verdict = ReplyGate::Verdict;

constexpr double ByteMs = Frame::ByteMs;
// When the 69th byte of the block under test is seen.
constexpr double BlockInMs = 100;
// The next request (Ack + 'S' hi lo len) goes out 14 ms behind the block and
// has crossed the line five bytes later; its reply is seen whole later on.
constexpr double NextFrameMs = BlockInMs + 14;
constexpr double NextCrossedMs = NextFrameMs + 5 * ByteMs;
constexpr double NextReplyMs = NextCrossedMs + 69 * ByteMs;

QByteArray block(quint8 seed = 0)
{
    QByteArray b = QByteArray::fromHex("0658000040");
    for (int i = 0; i < 64; ++i)
        b.append(char(seed + i));
    return b;
}

// A gate whose request crossed the line at 10 ms.
ReplyGate awaiting(Reply reply)
{
    ReplyGate gate;
    gate.frameStarted();
    gate.frameOut(10, reply);
    return gate;
}
}

Q_DECLARE_METATYPE(Verdict)

class TestReplyGate : public QObject
{
    Q_OBJECT

private slots:
    // A byte beyond a block, seen `late` ms behind its 69th byte, refuses
    // something before any block after it is taken whole: the block itself
    // while nothing has crossed the line behind it, else the next reply,
    // which it makes one byte too long. Behind the last block the line must
    // stay quiet for 40 ms before the read is complete.
    void aByteTooManyIsNeverTaken_data()
    {
        QTest::addColumn<double>("late");
        QTest::addColumn<bool>("lastBlock");
        QTest::addColumn<bool>("refusesTheBlock");  // else the next reply
        for (const bool last : {false, true})
            for (const double late : {0.0, 2.0, 6.0, 10.0, 15.0, 16.0, 17.0, 19.0, 30.0, 40.0})
                QTest::addRow("%s block, %g ms late", last ? "last" : "middle", late)
                    << late << last << (last || BlockInMs + late < NextCrossedMs);
    }
    void aByteTooManyIsNeverTaken()
    {
        QFETCH(double, late);
        QFETCH(bool, lastBlock);
        QFETCH(bool, refusesTheBlock);
        ReplyGate gate = awaiting(Reply::Block);
        // What is seen with the 69th byte, and what the adapter hands over
        // later, in the order the engine meets it.
        const double extraMs = BlockInMs + late;
        QCOMPARE(gate.bytesIn(block().left(68), BlockInMs - 5), Verdict::Wait);
        if (late == 0) {
            QCOMPARE(gate.bytesIn(block().right(1) + char(0xA5), BlockInMs), Verdict::Refuse);
            QVERIFY(gate.refused());
            return;
        }
        QCOMPARE(gate.bytesIn(block().right(1), BlockInMs), Verdict::Take);
        QVERIFY(gate.blockStands());
        if (lastBlock) {
            // The read completes only after 40 ms of quiet: the byte comes first.
            QVERIFY(late <= ReplyGate::QuietBehindBlockMs);
            QCOMPARE(gate.bytesIn(QByteArray(1, char(0xA5)), extraMs), Verdict::Refuse);
            return;
        }
        bool frameOut = false;
        auto sendNextFrameBy = [&](double ms) {
            if (frameOut || ms < NextFrameMs)
                return;
            gate.frameStarted();
            gate.frameOut(NextCrossedMs, Reply::Block);
            frameOut = true;
        };
        sendNextFrameBy(extraMs);
        const Verdict extra = gate.bytesIn(QByteArray(1, char(0xA5)), extraMs);
        if (refusesTheBlock) {
            QCOMPARE(extra, Verdict::Refuse);
            return;
        }
        QCOMPARE(extra, Verdict::Wait);
        sendNextFrameBy(NextReplyMs);
        QCOMPARE(gate.bytesIn(block(64), NextReplyMs), Verdict::Refuse);
    }

    // A healthy radio behind an adapter: each block reaches the program in
    // packets of what crossed the line in each 16 ms; block after block is
    // taken and nothing is refused.
    void packetsEvery16msAreTaken()
    {
        ReplyGate gate;
        double t = 0;
        for (int n = 0; n < 20; ++n) {
            gate.frameStarted();
            const double crossed = t + 5 * ByteMs;
            gate.frameOut(crossed, Reply::Block);
            const QByteArray reply = block(quint8(n));
            Verdict last = Verdict::Wait;
            int sent = 0;
            for (double seen = std::ceil(crossed / 16) * 16; sent < reply.size(); seen += 16) {
                const int crossedBy = std::min(int(reply.size()), int((seen - crossed) / ByteMs));
                if (crossedBy > sent) {
                    last = gate.bytesIn(reply.mid(sent, crossedBy - sent), seen);
                    sent = crossedBy;
                }
                QVERIFY(last != Verdict::Refuse);
                t = seen;
            }
            QCOMPARE(last, Verdict::Take);
            QCOMPARE(gate.reply(), reply);
            t += 14;
        }
        QVERIFY(!gate.refused());
    }

    // The password block: 20 bytes, or 21 behind the radio's Ack; a byte
    // beyond it, inside or behind, refuses it.
    void passwordBlock_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<Verdict>("verdict");
        const QByteArray frame = QByteArray::fromHex("583DF010") + QByteArray(16, ' ');
        QTest::newRow("20 bytes") << frame << Verdict::Take;
        QTest::newRow("21 behind an Ack") << QByteArray(1, char(0x06)) + frame << Verdict::Take;
        QTest::newRow("a stray byte inside") << frame.left(8) + char(0xA5) + frame.mid(8) << Verdict::Refuse;
        QTest::newRow("a stray byte behind") << frame + char(0xA5) << Verdict::Refuse;
        QTest::newRow("a stray byte behind the Ack'd one")
            << QByteArray(1, char(0x06)) + frame + char(0x06) << Verdict::Refuse;
        QTest::newRow("19 bytes") << frame.left(19) << Verdict::Wait;
    }
    void passwordBlock()
    {
        QFETCH(QByteArray, reply);
        QFETCH(Verdict, verdict);
        ReplyGate gate = awaiting(Reply::PasswordBlock);
        QCOMPARE(gate.bytesIn(reply, 50), verdict);
        if (verdict == Verdict::Take)
            QCOMPARE(gate.reply(), reply);
    }

    // Bytes seen before the frame on the line has crossed it answer nothing:
    // dropped, unless a block taken last still stands (then they refuse it).
    void earlyBytes()
    {
        ReplyGate gate;
        gate.frameStarted();
        gate.frameOut(20, Reply::WriteAck);
        QCOMPARE(gate.bytesIn(QByteArray(1, char(0x06)), 19.5), Verdict::Wait);  // a second Ack
        QCOMPARE(gate.dropped(), 1);
        QCOMPARE(gate.bytesIn(QByteArray::fromHex("4106"), 20), Verdict::Take);  // the Ack behind a stray byte
        gate.frameStarted();  // the next row goes out
        QCOMPARE(gate.bytesIn(QByteArray(1, char(0x06)), 21), Verdict::Wait);
        QVERIFY(!gate.refused());

        ReplyGate read = awaiting(Reply::Block);
        QCOMPARE(read.bytesIn(block(), 9), Verdict::Wait);  // all before the request crossed
        QCOMPARE(read.dropped(), 69);
        QCOMPARE(read.bytesIn(block(), 90), Verdict::Take);
        read.frameStarted();
        QCOMPARE(read.bytesIn(QByteArray(1, 0), 91), Verdict::Refuse);  // while the next frame goes out
        // Once refused, nothing more is taken in this attempt.
        read.frameOut(95, Reply::Block);
        QCOMPARE(read.bytesIn(block(), 170), Verdict::Wait);
        read.reset();
        QVERIFY(!read.refused());
    }

    // The identification is its first 50 bytes; what follows it is dropped,
    // and one that is no identification lets the next 50 be looked at.
    void identification()
    {
        ReplyGate gate = awaiting(Reply::Ident);
        QCOMPARE(gate.bytesIn(QByteArray(49, 'a'), 30), Verdict::Wait);
        QCOMPARE(gate.bytesIn(QByteArray(3, 'b'), 31), Verdict::Take);
        QCOMPARE(gate.reply(), QByteArray(49, 'a') + 'b');
        QCOMPARE(gate.bytesIn(QByteArray(60, 'c'), 32), Verdict::Wait);
        gate.awaitAgain();
        QCOMPARE(gate.bytesIn(QByteArray(50, 'd'), 33), Verdict::Take);
        QVERIFY(!gate.blockStands());
    }
};

QTEST_APPLESS_MAIN(TestReplyGate)
#include "tst_replygate.moc"
