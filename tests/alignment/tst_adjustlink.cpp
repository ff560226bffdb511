// The alignment exchange's own frames and replies: the preamble, the row
// frames, and the unpacking of eight replies into the 32 rows of the block.
// Which replies count is the link's one check (tests/link/tst_frames.cpp,
// tests/link/tst_wrongblock.cpp, tests/alignment/tst_adjustexchange.cpp).
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
