// The commit of a changed FM cell: what the record and the row show after a
// frequency or a name, and the warnings on the way.
#include "channels/FmCellCommit.h"
#include "channels/FmRecord.h"
#include "channels/FmRows.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"

#include <QTest>

using namespace FmGrid;

namespace {
using Bytes = QList<int>;
constexpr int F = 0xFF;

Bytes record(int n)
{
    Bytes b;
    for (int k = 0; k < 16; ++k)
        b << MemoryImage[768 + n][k];
    return b;
}

void putRecord(int n, const Bytes &bytes)
{
    for (int k = 0; k < 16; ++k)
        MemoryImage[768 + n][k] = qint16(bytes.value(k, F));
}

// Channel 1 as the factory leaves it: 88.9 MHz, "MUSIC" from byte 8.
const Bytes Music{0, 8, 8, 9, 0, 0, 0, 0, 'M', 'U', 'S', 'I', 'C', F, F, F};
}

class TstFmCellCommit : public QObject
{
    Q_OBJECT
    FlexGrid *grid = nullptr;

private slots:
    void init()
    {
        resetMemoryState();
        LanguageFlag = 0;
        MsgBoxRecorder::install();
        for (int r = 0; r < ImageRows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = F;
        putRecord(0, Music);
        grid = new FlexGrid;
        grid->setCols(ColumnCount);
        grid->setRows(GridRows);
        ShowFmChannels(*grid);
    }
    void cleanup()
    {
        delete grid;
        MsgBoxRecorder::uninstall();
        LanguageFlag = 0;
    }

    void changedCells_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("written");
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("title");
        const QString none;
        QTest::newRow("frequency in the band, name moves to its place")
            << 1 << "100" << true << Bytes{1, 0, 0, 0, 0, 0, 0, 0, F, 'M', 'U', 'S', 'I', 'C', F, F}
            << "100.00000" << "MUSIC" << none << none;
        QTest::newRow("frequency out of the band")
            << 1 << "86.99" << true << Bytes{0, 8, 7, 0, 0, 0, 0, 0, F, 'M', 'U', 'S', 'I', 'C', F, F}
            << "87.00000" << "MUSIC" << "Over the range of receive frequency ." << "Operate prompt";
        QTest::newRow("frequency emptied")
            << 1 << " " << true << Bytes{0, 0, 0, 0, 0, 0, 0, 0, F, F, F, F, F, F, F, F}
            << "" << "" << none << none;
        QTest::newRow("name")
            << 2 << "news" << true << Bytes{0, 8, 8, 9, 0, 0, 0, 0, F, F, 'N', 'E', 'W', 'S', F, F}
            << "88.90000" << "NEWS" << none << none;
        QTest::newRow("name too long")
            << 2 << "abcdefgh" << true << Bytes{0, 8, 8, 9, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', F, F}
            << "88.90000" << "ABCDEF" << "The letter of channel name max 6 bit . " << "Operate Prompt";
        QTest::newRow("name of six")
            << 2 << "abcdef" << true << Bytes{0, 8, 8, 9, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', F, F}
            << "88.90000" << "ABCDEF" << none << none;
        QTest::newRow("name of characters the radio cannot hold")
            << 2 << "电台" << false << Music << "88.90000" << "MUSIC"
            << "The station name takes single-byte characters only (letters, digits, blank and signs) ."
            << "Operate Prompt";
        QTest::newRow("name emptied")
            << 2 << "" << true << Bytes{0, 8, 8, 9, 0, 0, 0, 0, F, F, F, F, F, F, F, F}
            << "88.90000" << "" << none << none;
    }
    void changedCells()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(bool, written);
        QFETCH(Bytes, bytes);
        QFETCH(QString, frequency);
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QString, title);
        QCOMPARE(CommitFmCell(*grid, 1, col, typed), written);
        QCOMPARE(record(0), bytes);
        QCOMPARE(grid->textMatrix(1, ColFrequency), frequency);
        QCOMPARE(grid->textMatrix(1, ColName), name);
        QCOMPARE(MsgBoxRecorder::boxes().size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty()) {
            QCOMPARE(MsgBoxRecorder::boxes()[0].text, box);
            QCOMPARE(MsgBoxRecorder::boxes()[0].title, title);
            QCOMPARE(MsgBoxRecorder::boxes()[0].icon, MsgIcon::Exclamation);
        }
        // Nothing outside the edited record.
        for (int n = 1; n < 16; ++n)
            QCOMPARE(record(n), Bytes(16, F));
    }

    void nameOnAnEmptyRowStoresNothing()
    {
        QVERIFY(!CommitFmCell(*grid, 2, ColName, QStringLiteral("abcdefghij")));
        QCOMPARE(grid->textMatrix(2, ColName), QString());
        QCOMPARE(record(1), Bytes(16, F));  // the erased record stays as it was
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);  // the length warning still comes
    }

    // A name that used all eight bytes (read from the radio or a file) shows
    // whole and stays as it is until its row is stored; then it keeps six,
    // and the user is told why it is shorter.
    void eightCharacterNameFromTheRadio()
    {
        const Bytes eight{0, 9, 8, 3, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
        putRecord(3, eight);
        ShowFmChannels(*grid);
        QCOMPARE(grid->textMatrix(4, ColName), QStringLiteral("ABCDEFGH"));
        QCOMPARE(record(3), eight);
        QVERIFY(CommitFmCell(*grid, 4, ColFrequency, QStringLiteral("99")));
        QCOMPARE(record(3), (Bytes{0, 9, 9, 0, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', F, F}));
        QCOMPARE(grid->textMatrix(4, ColName), QStringLiteral("ABCDEF"));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("The letter of channel name max 6 bit . "));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
        // A six-letter name moves no warning when its frequency changes.
        MsgBoxRecorder::clear();
        QVERIFY(CommitFmCell(*grid, 4, ColFrequency, QStringLiteral("100")));
        QCOMPARE(record(3), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', F, F}));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void frequencyOnAnErasedRecordMakesAChannel()
    {
        QVERIFY(CommitFmCell(*grid, 2, ColFrequency, QStringLiteral("99.5")));
        QCOMPARE(record(1), (Bytes{0, 9, 9, 5, 0, 0, 0, 0, F, F, F, F, F, F, F, F}));
        QCOMPARE(grid->textMatrix(2, ColFrequency), QStringLiteral("99.50000"));
    }

    void cellsWithoutAnEditorStoreNothing()
    {
        grid->setTextMatrix(17, ColFrequency, QStringLiteral("88"));
        QVERIFY(!CommitFmCell(*grid, 17, ColFrequency, QStringLiteral("88")));
        QVERIFY(!CommitFmCell(*grid, 1, ColNumber, QStringLiteral("5")));
        QVERIFY(!CommitFmCell(*grid, 0, ColName, QStringLiteral("X")));
        QCOMPARE(record(0), Music);
        QCOMPARE(MemoryImage[784][0], qint16(F));
        QVERIFY(!FmCellHasEditor(17, ColName));
        QVERIFY(!FmCellHasEditor(5, ColNumber));
        QVERIFY(FmCellHasEditor(16, ColName));
    }

    void warningsInChinese()
    {
        LanguageFlag = -1;
        CommitFmCell(*grid, 1, ColFrequency, QStringLiteral("120"));
        CommitFmCell(*grid, 1, ColName, QStringLiteral("abcdefghij"));
        const auto &b = MsgBoxRecorder::boxes();
        QCOMPARE(b.size(), 2);
        QCOMPARE(b[0].text, QStringLiteral("接收频率超出范围 ！"));
        QCOMPARE(b[0].title, QStringLiteral("操作提示"));
        QCOMPARE(b[1].text, QStringLiteral("信道名称的字符个数最大为 6 位 ！"));
    }
};

QTEST_MAIN(TstFmCellCommit)
#include "tst_fmcellcommit.moc"
