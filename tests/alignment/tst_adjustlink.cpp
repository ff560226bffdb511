// The alignment exchange's own frames and replies: the preamble, the row
// frames, which data replies count, and the unpacking of eight replies into
// the 32 rows of the block.
#include "alignment/AdjustLink.h"
#include "link/Frames.h"

#include <QtTest>

class TestAdjustLink : public QObject {
    Q_OBJECT
private slots:
    void preamble()
    {
        const QByteArray p = AdjustPreambleFrame();
        QCOMPARE(p.size(), 21);
        QCOMPARE(p.left(5), QByteArray("\x06\x58\x3B\x90\x10", 5));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(quint8(p.at(5 + i)), AdjustPreambleCode[i]);
        // Data bytes 8 to 15 are FF in every write.
        QCOMPARE(p.mid(13), QByteArray(8, char(0xFF)));
        QCOMPARE(AdjustPreambleFrame(), p);
    }

    void rowData()
    {
        AdjustGrid g{};
        for (int c = 0; c < 16; ++c)
            g[31][c] = qint16(240 + c);
        const auto d = AdjustRowData(g, 31);
        for (int c = 0; c < 16; ++c)
            QCOMPARE(d[c], quint8(240 + c));
        const QByteArray frame = writeFrame(AdjustBlockAddress + 16 * 31, d, true);
        QCOMPARE(frame.left(5), QByteArray("\x06\x58\x3D\xF0\x10", 5));
    }

    void replyCheck_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("used");
        QTest::newRow("good") << QByteArray("\x06\x58\x3C\x40\x40", 5) << 0x3C40 << true;
        QTest::newRow("good without Ack") << QByteArray("\x00\x58\x3C\x40\x40", 5) << 0x3C40 << true;
        QTest::newRow("X first") << QByteArray("\x58\x3C\x40\x40\x00", 5) << 0x3C40 << false;
        QTest::newRow("other address") << QByteArray("\x06\x58\x3C\x00\x40", 5) << 0x3C40 << false;
        QTest::newRow("other length") << QByteArray("\x06\x58\x3C\x40\x10", 5) << 0x3C40 << false;
        QTest::newRow("no X") << QByteArray("\x06\x59\x3C\x40\x40", 5) << 0x3C40 << false;
    }
    void replyCheck()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, address);
        QFETCH(bool, used);
        std::array<quint8, 69> reply{};
        for (int i = 0; i < head.size(); ++i)
            reply[i] = quint8(head.at(i));
        QCOMPARE(IsAdjustDataReply(reply.data(), address), used);
    }

    void replyAddresses()
    {
        QCOMPARE(AdjustReplyAddress(2), 0x3C00);
        QCOMPARE(AdjustReplyAddress(9), 0x3DC0);
    }

    void unpack()
    {
        CellGrid<ReplyRows, ReplyCols> replies{};
        for (auto &row : replies)
            row.fill(0xEE);
        for (int k = 0; k < 8; ++k)
            for (int j = 0; j < 64; ++j)
                replies[2 + k][5 + j] = qint16((k * 64 + j) % 251);
        AdjustGrid g{};
        g[32].fill(3);
        UnpackAdjustReplies(replies, g);
        for (int i = 0; i < 512; ++i)
            QCOMPARE(g[i / 16][i % 16], qint16(i % 251));
        QCOMPARE(g[32][0], qint16(3));
        QCOMPARE(g[0][16], qint16(0));
    }
};

QTEST_GUILESS_MAIN(TestAdjustLink)
#include "tst_adjustlink.moc"
