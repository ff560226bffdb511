// The FM channel record and its grid texts: the frequency digits and the
// name bytes shown, a row packed back, and what a changed cell becomes
// before it is stored.
#include "channels/FmCellRules.h"
#include "channels/FmRecord.h"
#include "channels/FmRows.h"
#include "memory/FmDefaults.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"

#include <QTest>

using namespace FmGrid;

namespace {
using Bytes = QList<int>;

void putRecord(int n, const Bytes &bytes)
{
    for (int k = 0; k < 16; ++k)
        MemoryImage[768 + n][k] = qint16(bytes.value(k, 0xFF));
}

Bytes record(int n)
{
    Bytes b;
    for (int k = 0; k < 16; ++k)
        b << MemoryImage[768 + n][k];
    return b;
}

constexpr int F = 0xFF;

void fmGrid(FlexGrid &g)
{
    g.setCols(ColumnCount);
    g.setRows(GridRows);
}
}

class TstFmRecord : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void digitsShowTheirFrequency_data();
    void digitsShowTheirFrequency();
    void recordsShowTheirCells_data();
    void recordsShowTheirCells();
    void factoryChannelsShowInTheGrid();
    void namePlacementByLength_data();
    void namePlacementByLength();
    void packedRowsShowBack_data();
    void packedRowsShowBack();
    void packRefusesWhatTheRecordCannotHold();
    void clearEmptiesTheWholeBlock();
    void typedFrequencies_data();
    void typedFrequencies();
    void typedNames_data();
    void typedNames();
    void storedBlanksOutliveAnEditElsewhere_data();
    void storedBlanksOutliveAnEditElsewhere();
};

void TstFmRecord::init()
{
    resetMemoryState();
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = 0xFF;
}

void TstFmRecord::digitsShowTheirFrequency_data()
{
    QTest::addColumn<Bytes>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("88.9") << Bytes{0, 8, 8, 9, 0, 0, 0, 0} << "88.90000";
    QTest::newRow("100.7") << Bytes{1, 0, 0, 7, 0, 0, 0, 0} << "100.70000";
    QTest::newRow("108") << Bytes{1, 0, 8, 0, 0, 0, 0, 0} << "108.00000";
    QTest::newRow("all eight digits") << Bytes{0, 8, 8, 2, 4, 6, 8, 1} << "88.24681";
    QTest::newRow("99.99999") << Bytes{0, 9, 9, 9, 9, 9, 9, 9} << "99.99999";
    // A point is added only when the number has none.
    QTest::newRow("units with a decimal") << Bytes{0, 0, 8, 5, 0, 0, 0, 0} << "8.500000";
    QTest::newRow("units alone") << Bytes{0, 0, 5, 0, 0, 0, 0, 0} << "5.000000";
}

void TstFmRecord::digitsShowTheirFrequency()
{
    QFETCH(Bytes, digits);
    QFETCH(QString, text);
    QCOMPARE(Cov_Freq(digits[0], digits[1], digits[2], digits[3], digits[4], digits[5], digits[6],
                      digits[7]),
             text);
}

void TstFmRecord::recordsShowTheirCells_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("name");
    QTest::newRow("centred name") << Bytes{0, 9, 5, 5, 0, 0, 0, 0, F, F, 'J', 'A', 'Z', F, F, F}
                                  << "95.50000" << "JAZ";
    QTest::newRow("name from byte 8") << Bytes{0, 8, 8, 9, 0, 0, 0, 0, 'M', 'U', 'S', 'I', 'C', F, F, F}
                                      << "88.90000" << "MUSIC";
    QTest::newRow("eight name bytes") << Bytes{1, 0, 1, 0, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}
                                      << "101.00000" << "ABCDEFGH";
    QTest::newRow("blank inside shown") << Bytes{0, 9, 0, 0, 0, 0, 0, 0, F, 'A', 'B', ' ', 'C', 'D', F, F}
                                        << "90.00000" << "AB CD";
    QTest::newRow("0xFF inside shown as a blank") << Bytes{0, 9, 0, 0, 0, 0, 0, 0, 'A', 'B', F, F, 'C', 'D', F, F}
                                                  << "90.00000" << "AB  CD";
    QTest::newRow("blanks around trimmed") << Bytes{0, 9, 0, 0, 0, 0, 0, 0, ' ', F, 'A', 'B', ' ', F, ' ', F}
                                           << "90.00000" << "AB";
    QTest::newRow("unprintable bytes left out") << Bytes{0, 9, 0, 0, 0, 0, 0, 0, 0, 'A', 0x07, 'B', 0, 0, 0, 0}
                                                << "90.00000" << "AB";
    QTest::newRow("no channel: 0, 0, 0") << Bytes{0, 0, 0, 5, 1, 2, 3, 4, 'A', 'B', 'C', 'D', 'E', F, F, F}
                                          << "" << "";
    QTest::newRow("cleared") << Bytes(16, 0) << "" << "";
    // An unprogrammed radio: every byte 0xFF is no channel, not 28333.33305.
    QTest::newRow("erased") << Bytes(16, F) << "" << "";
    QTest::newRow("a digit byte above 9") << Bytes{0, 8, 8, 0x0A, 0, 0, 0, 0, 'A', F, F, F, F, F, F, F}
                                          << "" << "";
}

void TstFmRecord::recordsShowTheirCells()
{
    QFETCH(Bytes, bytes);
    QFETCH(QString, frequency);
    QFETCH(QString, name);
    putRecord(6, bytes);
    FlexGrid g;
    fmGrid(g);
    g.setTextMatrix(7, ColFrequency, QStringLiteral("stale"));
    g.setTextMatrix(7, ColName, QStringLiteral("stale"));
    ShowFmChannels(g);
    QCOMPARE(g.textMatrix(7, ColFrequency), frequency);
    QCOMPARE(g.textMatrix(7, ColName), name);
    QCOMPARE(record(6), bytes);  // showing never writes
}

void TstFmRecord::factoryChannelsShowInTheGrid()
{
    BuildFmDefaults();
    FlexGrid g;
    fmGrid(g);
    ShowFmChannels(g);
    const QStringList freqs{"88.90000", "90.40000", "", "92.30000", "", "95.50000", "",
                            "96.90000", "", "98.30000", "", "103.90000", "", "100.70000", "",
                            "105.90000"};
    for (int r = 1; r <= 16; ++r) {
        QCOMPARE(g.textMatrix(r, ColFrequency), freqs[r - 1]);
        QCOMPARE(g.textMatrix(r, ColName).isEmpty(), freqs[r - 1].isEmpty());
    }
    QCOMPARE(g.textMatrix(17, ColFrequency), QString());
}

void TstFmRecord::namePlacementByLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Bytes>("nameBytes");  // bytes 8-15
    QTest::newRow("1") << "A" << Bytes{F, F, F, 'A', F, F, F, F};
    QTest::newRow("2") << "AB" << Bytes{F, F, F, 'A', 'B', F, F, F};
    QTest::newRow("3") << "ABC" << Bytes{F, F, 'A', 'B', 'C', F, F, F};
    QTest::newRow("4") << "ABCD" << Bytes{F, F, 'A', 'B', 'C', 'D', F, F};
    QTest::newRow("5") << "ABCDE" << Bytes{F, 'A', 'B', 'C', 'D', 'E', F, F};
    QTest::newRow("6") << "ABCDEF" << Bytes{'A', 'B', 'C', 'D', 'E', 'F', F, F};
    // A longer name keeps its first six; bytes 14 and 15 stay without one.
    QTest::newRow("7") << "ABCDEFG" << Bytes{'A', 'B', 'C', 'D', 'E', 'F', F, F};
    QTest::newRow("8") << "ABCDEFGH" << Bytes{'A', 'B', 'C', 'D', 'E', 'F', F, F};
    QTest::newRow("9") << "ABCDEFGHI" << Bytes{'A', 'B', 'C', 'D', 'E', 'F', F, F};
    QTest::newRow("sixth a blank") << "ABCDE GH" << Bytes{'A', 'B', 'C', 'D', 'E', ' ', F, F};
    QTest::newRow("cut before what it cannot hold") << QStringLiteral("ABCDEF电") << Bytes{'A', 'B', 'C', 'D', 'E', 'F', F, F};
    QTest::newRow("blank inside") << "AB CD" << Bytes{F, 'A', 'B', ' ', 'C', 'D', F, F};
    QTest::newRow("none") << "" << Bytes(8, F);
}

void TstFmRecord::namePlacementByLength()
{
    QFETCH(QString, name);
    QFETCH(Bytes, nameBytes);
    putRecord(3, Bytes(16, 0x33));
    QVERIFY(PackFmRecord(3, 88.9, name));
    QCOMPARE(record(3), Bytes({0, 8, 8, 9, 0, 0, 0, 0}) + nameBytes);
}

void TstFmRecord::packedRowsShowBack_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("shownFrequency");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("99.5") << "99.50000" << "" << Bytes{0, 9, 9, 5, 0, 0, 0, 0, F, F, F, F, F, F, F, F}
                          << "99.50000" << "";
    QTest::newRow("100") << "100.00000" << "POP" << Bytes{1, 0, 0, 0, 0, 0, 0, 0, F, F, 'P', 'O', 'P', F, F, F}
                         << "100.00000" << "POP";
    QTest::newRow("missing places") << "88.5" << "" << Bytes{0, 8, 8, 5, 0, 0, 0, 0, F, F, F, F, F, F, F, F}
                                    << "88.50000" << "";
    QTest::newRow("five digits after the point") << "88.24681" << "" << Bytes{0, 8, 8, 2, 4, 6, 8, 1, F, F, F, F, F, F, F, F}
                                                  << "88.24681" << "";
    QTest::newRow("leading zero") << "087.5" << "" << Bytes{0, 8, 7, 5, 0, 0, 0, 0, F, F, F, F, F, F, F, F}
                                  << "87.50000" << "";
    QTest::newRow("blank inside a name") << "90.00000" << "AB CD" << Bytes{0, 9, 0, 0, 0, 0, 0, 0, F, 'A', 'B', ' ', 'C', 'D', F, F}
                                         << "90.00000" << "AB CD";
    // A name that used all eight bytes (from the radio or a file) packs its
    // first six from byte 8.
    QTest::newRow("eight characters") << "98.30000" << "ABCDEFGH" << Bytes{0, 9, 8, 3, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', F, F}
                                      << "98.30000" << "ABCDEF";
    QTest::newRow("no frequency drops the name") << " " << "NEWS" << Bytes{0, 0, 0, 0, 0, 0, 0, 0, F, F, F, F, F, F, F, F}
                                                 << "" << "";
}

void TstFmRecord::packedRowsShowBack()
{
    QFETCH(QString, frequency);
    QFETCH(QString, name);
    QFETCH(Bytes, bytes);
    QFETCH(QString, shownFrequency);
    QFETCH(QString, shownName);
    FlexGrid g;
    fmGrid(g);
    g.setTextMatrix(16, ColFrequency, frequency);
    g.setTextMatrix(16, ColName, name);
    QVERIFY(PackFmChannel(g, 16));
    QCOMPARE(record(15), bytes);
    ShowFmChannel(g, 16);
    QCOMPARE(g.textMatrix(16, ColFrequency), shownFrequency);
    QCOMPARE(g.textMatrix(16, ColName), shownName);
}

void TstFmRecord::packRefusesWhatTheRecordCannotHold()
{
    const Bytes before = record(0);
    QVERIFY(!PackFmRecord(0, 88.0, QStringLiteral("电台")));
    QVERIFY(!PackFmRecord(0, 88.0, QStringLiteral("ABCDE电")));
    QVERIFY(!PackFmRecord(0, 1000.0, QString()));
    QVERIFY(!PackFmRecord(16, 88.0, QString()));
    QCOMPARE(record(0), before);
    // Row 17 of the grid is no channel: nothing there is ever stored.
    FlexGrid g;
    fmGrid(g);
    g.setTextMatrix(17, ColFrequency, QStringLiteral("88"));
    QVERIFY(!PackFmChannel(g, 17));
    QCOMPARE(MemoryImage[784][0], qint16(0xFF));
}

void TstFmRecord::clearEmptiesTheWholeBlock()
{
    BuildFmDefaults();
    ClearFmArea();
    for (int r = 768; r <= 783; ++r)
        for (int c = 0; c < 16; ++c)
            QCOMPARE(MemoryImage[r][c], qint16(0));
    QCOMPARE(MemoryImage[767][15], qint16(0xFF));
    QCOMPARE(MemoryImage[784][0], qint16(0xFF));
    for (int n = 0; n < 16; ++n)
        QVERIFY(FmRecordIsEmpty(n));
}

void TstFmRecord::typedFrequencies_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("shown");  // the cell after the row is stored
    const int acc = FmFrequencyCommit::Accepted;
    const int out = FmFrequencyCommit::OutOfRange;
    const int gone = FmFrequencyCommit::Emptied;
    QTest::newRow("88") << "88" << acc << "88.00000";
    QTest::newRow("100") << "100" << acc << "100.00000";
    QTest::newRow("low end") << "87" << acc << "87.00000";
    QTest::newRow("high end") << "108" << acc << "108.00000";
    QTest::newRow("just below") << "86.99" << out << "87.00000";
    QTest::newRow("just above") << "108.01" << out << "87.00000";
    QTest::newRow("99.5") << "99.5" << acc << "99.50000";
    QTest::newRow("cut to 10 Hz") << "88.246813" << acc << "88.24681";
    QTest::newRow("cut above 100") << "100.246813" << acc << "100.24681";
    QTest::newRow("point without decimals") << "88." << acc << "88.00000";
    QTest::newRow("leading zero") << "087.5" << acc << "87.50000";
    QTest::newRow("letters after the number") << "88.5abc" << acc << "88.50000";
    QTest::newRow("comma") << "88,5" << acc << "88.50000";
    QTest::newRow("blanks around") << "  95.5 " << acc << "95.50000";
    QTest::newRow("letters only") << "abc" << out << "87.00000";
    QTest::newRow("too large for a number") << "1e999" << out << "87.00000";
    QTest::newRow("empty") << "" << gone << "";
    QTest::newRow("blanks") << "   " << gone << "";
}

void TstFmRecord::typedFrequencies()
{
    QFETCH(QString, typed);
    QFETCH(int, outcome);
    QFETCH(QString, shown);
    const FmFrequencyCommit c = FmFrequencyCommitOf(typed);
    QCOMPARE(int(c.outcome), outcome);
    if (c.outcome == FmFrequencyCommit::Emptied)
        StoreEmptyFmRecord(4);
    else
        QVERIFY(PackFmRecord(4, c.mhz, QStringLiteral("ROCK")));
    QCOMPARE(FmFrequencyText(4), shown);
    QCOMPARE(FmNameText(4), shown.isEmpty() ? QString() : QStringLiteral("ROCK"));
}

void TstFmRecord::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("hasFrequency");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("tooLong");
    QTest::addColumn<QString>("name");
    QTest::newRow("capitals") << "news" << true << false << false << "NEWS";
    QTest::newRow("trimmed") << "  fm 1  " << true << false << false << "FM 1";
    QTest::newRow("six kept") << "abcdef" << true << false << false << "ABCDEF";
    QTest::newRow("seven cut to six") << "abcdefg" << true << false << true << "ABCDEF";
    QTest::newRow("eight cut to six") << "abcdefgh" << true << false << true << "ABCDEF";
    QTest::newRow("six between blanks") << "  abcdef  " << true << false << false << "ABCDEF";
    QTest::newRow("cut before a blank") << "abcde fgh" << true << false << true << "ABCDE";
    QTest::newRow("latin-1 letter") << "café" << true << false << false << "CAFÉ";
    QTest::newRow("capital beyond one byte") << "µ" << true << false << false << "µ";
    // 0xFF marks a byte without a character: ÿ could never be shown again.
    QTest::newRow("the no-character byte") << "ÿa" << true << true << false << "";
    QTest::newRow("chinese") << "电台" << true << true << false << "";
    // Only the six kept are looked at.
    QTest::newRow("chinese beyond the sixth") << QStringLiteral("abcdef电台") << true << false << true << "ABCDEF";
    QTest::newRow("chinese within the six of a long name") << QStringLiteral("abc电defg") << true << true << false << "";
    QTest::newRow("tab inside") << "a\tb" << true << true << false << "";
    QTest::newRow("no frequency") << "news" << false << false << false << "";
    QTest::newRow("no frequency, too long") << "abcdefghij" << false << false << true << "";
    QTest::newRow("empty") << "" << true << false << false << "";
}

void TstFmRecord::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(bool, hasFrequency);
    QFETCH(bool, refused);
    QFETCH(bool, tooLong);
    QFETCH(QString, name);
    const FmNameCommit c = FmNameCommitOf(typed, hasFrequency);
    QCOMPARE(c.refused, refused);
    QCOMPARE(c.tooLong, tooLong);
    QCOMPARE(c.name, name);
    if (!c.refused) {
        QVERIFY(PackFmRecord(2, 98.3, c.name));
        QCOMPARE(FmNameText(2), c.name);
    }
}

// A stored name shown, changed by the user somewhere else (or its row
// stored again for a new frequency), and packed again: a blank stored inside
// it keeps its byte where the text still has a blank there; a blank typed
// anywhere else is 0x20.
void TstFmRecord::storedBlanksOutliveAnEditElsewhere_data()
{
    QTest::addColumn<Bytes>("stored");  // bytes 8-15
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Bytes>("after");
    QTest::newRow("0xFF, last letter changed") << Bytes{F, 'A', 'B', F, 'C', 'D', F, F} << "AB CD" << "AB CE"
                                               << Bytes{F, 'A', 'B', F, 'C', 'E', F, F};
    QTest::newRow("0xFF, name stored as shown") << Bytes{F, 'A', 'B', F, 'C', 'D', F, F} << "AB CD" << "AB CD"
                                                << Bytes{F, 'A', 'B', F, 'C', 'D', F, F};
    QTest::newRow("0x20, last letter changed") << Bytes{F, 'A', 'B', ' ', 'C', 'D', F, F} << "AB CD" << "ab cx"
                                               << Bytes{F, 'A', 'B', ' ', 'C', 'X', F, F};
    // The 0xFF around a centred name is no blank of it.
    QTest::newRow("blank typed over the padding") << Bytes{F, F, 'A', 'B', 'C', 'D', F, F} << "ABCD" << "A BCDE"
                                                  << Bytes{'A', ' ', 'B', 'C', 'D', 'E', F, F};
}

void TstFmRecord::storedBlanksOutliveAnEditElsewhere()
{
    QFETCH(Bytes, stored);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(Bytes, after);
    putRecord(5, Bytes{0, 9, 5, 5, 0, 0, 0, 0} + stored);
    QCOMPARE(FmNameText(5), shown);
    const FmNameCommit c = FmNameCommitOf(typed, true);
    QVERIFY(!c.refused);
    QVERIFY(PackFmRecord(5, 95.5, c.name));
    QCOMPARE(record(5), Bytes({0, 9, 5, 5, 0, 0, 0, 0}) + after);
    QCOMPARE(FmNameText(5), c.name);
}

QTEST_MAIN(TstFmRecord)
#include "tst_fmrecord.moc"
