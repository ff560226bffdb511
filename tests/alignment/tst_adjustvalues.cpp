// The alignment editor's value boxes, lists and flags as pure rules: which
// texts a box takes and which it refuses, which cell each box and list
// edits, and how the range type and the initialise flag share their cell.
#include "alignment/AdjustLayout.h"
#include "alignment/AdjustSettings.h"
#include "alignment/AdjustValueBoxes.h"
#include "memory/AdjustDefaults.h"

#include <QtTest>

class TestAdjustValues : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetMemoryState();
        BuildAdjustDefaults();
    }

    // upper < 0 in the table: the box warns.
    void valueText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("stored");
        QTest::newRow("empty is 0") << "" << 63 << 0;
        QTest::newRow("blanks only are 0") << "   " << 63 << 0;
        QTest::newRow("blanks around") << " 7 " << 63 << 7;
        QTest::newRow("leading zeros") << "007" << 63 << 7;
        QTest::newRow("power top") << "63" << 63 << 63;
        QTest::newRow("power above") << "64" << 63 << -1;
        QTest::newRow("level top") << "100" << 100 << 100;
        QTest::newRow("level above") << "101" << 100 << -1;
        QTest::newRow("offset top") << "10" << 10 << 10;
        QTest::newRow("offset above") << "11" << 10 << -1;
        QTest::newRow("minus") << "-1" << 63 << -1;
        QTest::newRow("plus") << "+5" << 63 << -1;
        QTest::newRow("point") << "5.0" << 63 << -1;
        QTest::newRow("inner blank") << "1 2" << 63 << -1;
        QTest::newRow("letter") << "1a" << 63 << -1;
        QTest::newRow("full-width digit") << QString::fromUtf8("１") << 63 << -1;
        QTest::newRow("tab is not a blank") << "\t5" << 63 << -1;
        QTest::newRow("twenty nines") << QString(20, QLatin1Char('9')) << 100 << -1;
        QTest::newRow("long zeros") << QString(30, QLatin1Char('0')) + "5" << 10 << 5;
    }
    void valueText()
    {
        QFETCH(QString, text);
        QFETCH(int, upper);
        QFETCH(int, stored);
        const std::optional<int> v = CheckAdjustValueText(text, upper);
        if (stored < 0)
            QVERIFY(!v);
        else
            QCOMPARE(v, std::optional<int>(stored));
    }

    void warningTexts()
    {
        QCOMPARE(AdjustValueWarning(63), QString::fromUtf8(" 输入数字范围为 0 - 63 ！"));
        QCOMPARE(AdjustValueWarning(100), QString::fromUtf8(" 输入数字范围为 0 - 100 ！"));
        QCOMPARE(AdjustValueWarning(10), QString::fromUtf8(" 输入数字范围为 0 - 10 ！"));
    }

    // Every family edits its own row, and the factory value of each of its
    // cells is one the box accepts (the reset after a warning relies on it).
    void familyRows()
    {
        QSet<int> rows;
        for (const AdjustValueFamily &f : AdjustValueFamilies) {
            for (int tab = 0; tab < AdjustTabCount; ++tab) {
                const int row = AdjustValueRow(f, tab);
                if (f.kind == AdjustValueKind::Power) {
                    QCOMPARE(row, tab <= TabMiddlePower ? 4 * tab + f.band : -1);
                } else {
                    QCOMPARE(row, f.kind == AdjustValueKind::SquelchLevel ? 8 + 2 * f.band
                                                                          : 9 + 2 * f.band);
                }
                if (row < 0)
                    continue;
                rows.insert(row);
                for (int c = 0; c < f.boxes; ++c)
                    QVERIFY(CheckAdjustValueText(QString::number(AdjustDefaults[row][c]), f.upper));
            }
            QCOMPARE(f.upper, AdjustValueUpper(f.kind));
        }
        QCOMPARE(rows.size(), 16);  // rows 0 to 15, each edited by one family
    }

    void numericLists()
    {
        QSet<QPair<int, int>> cells;
        for (const AdjustListInfo &l : AdjustNumericLists) {
            const QStringList entries = AdjustNumericEntries(l.last);
            QCOMPARE(entries.size(), l.last + 1);
            QCOMPARE(entries.first(), QStringLiteral(" 0"));
            QCOMPARE(entries.last(), QStringLiteral(" ") + QString::number(l.last));
            cells.insert({l.row, l.col});
            // The factory value is an entry of the list.
            QVERIFY(AdjustDefaults[l.row][l.col] >= 0 && AdjustDefaults[l.row][l.col] <= l.last);
        }
        QCOMPARE(cells.size(), AdjustNumericListCount);
        QCOMPARE(AdjustNumericLists[3].name, "Combo_Wide_C");
        QCOMPARE(AdjustNumericLists[3].col, 3);
        QCOMPARE(AdjustNumericLists[13].name, "Combo_Tone_Dev");
        QCOMPARE(AdjustNumericLists[13].last, 127);
    }

    // The range type and the initialise flag share cell (31, 15).
    void sharedFlagsCell_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("rangeEntry");   // -1: the list is not picked
        QTest::addColumn<int>("tick");         // -1: the box is not clicked
        QTest::addColumn<int>("stored");
        QTest::newRow("flag set, pick first type") << 18 << 0 << -1 << 16;
        QTest::newRow("then clear the flag") << 16 << -1 << 0 << 0;
        QTest::newRow("high bits, pick second type") << 35 << 1 << -1 << 33;
        QTest::newRow("high bits, tick") << 35 << -1 << 1 << 19;
        QTest::newRow("high bits, clear") << 35 << -1 << 0 << 3;
        QTest::newRow("pick keeps the flag") << 17 << 3 << -1 << 19;
    }
    void sharedFlagsCell()
    {
        QFETCH(int, cell);
        QFETCH(int, rangeEntry);
        QFETCH(int, tick);
        QFETCH(int, stored);
        qint16 v = qint16(cell);
        if (rangeEntry >= 0)
            v = StoreRangeType(v, rangeEntry);
        if (tick >= 0)
            v = StoreInitialiseFlag(v, tick == 1);
        QCOMPARE(int(v), stored);
    }

    // The range type shows bits 0-3; the initialise box is ticked when the
    // cell / 16, rounded half to even, is not 0. For what the controls store
    // (0-3, 16-19) that is the flag value 16; for other cells it is not bit 4.
    void flagsShown_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("entry");
        QTest::newRow("0") << 0 << false << 0;
        QTest::newRow("3") << 3 << false << 3;
        QTest::newRow("7") << 7 << false << 7;
        QTest::newRow("8: a half, to the even 0") << 8 << false << 8;
        QTest::newRow("9") << 9 << true << 9;
        QTest::newRow("15") << 15 << true << 15;
        QTest::newRow("16: the flag") << 16 << true << 0;
        QTest::newRow("18") << 18 << true << 2;
        QTest::newRow("19") << 19 << true << 3;
        QTest::newRow("24: 1.5 to 2") << 24 << true << 8;
        QTest::newRow("35: bit 4 clear, still ticked") << 35 << true << 3;
        QTest::newRow("40: 2.5 to 2") << 40 << true << 8;
        QTest::newRow("255") << 255 << true << 15;
        // Only a file brings these.
        QTest::newRow("-8: a half, to the even 0") << -8 << false << 8;
        QTest::newRow("-9") << -9 << true << 7;
    }
    void flagsShown()
    {
        QFETCH(int, cell);
        QFETCH(bool, ticked);
        QFETCH(int, entry);
        QCOMPARE(InitialiseFlagShown(qint16(cell)), ticked);
        QCOMPARE(RangeTypeShown(qint16(cell)), entry);
    }

    void layout()
    {
        QCOMPARE(AdjustTabForKey("Adj_Txp_Low"), 1);
        QCOMPARE(AdjustTabForKey("Adj_Other"), 4);
        QCOMPARE(AdjustTabForKey("adj_other"), -1);
        QCOMPARE(AdjustPointLabel(0, 0), QStringLiteral("130MHZ"));
        QCOMPARE(AdjustPointLabel(0, 15), QStringLiteral("190MHZ"));
        QCOMPARE(AdjustPointLabel(1, 15), QStringLiteral("220MHZ"));
        QCOMPARE(AdjustPointLabel(2, 15), QStringLiteral("520MHZ"));
        QCOMPARE(AdjustPointLabel(3, 15), QStringLiteral("460MHZ"));
        QList<int> marked;
        for (int b = 0; b < AdjustBandCount; ++b)
            for (int i = 0; i < AdjustPoints; ++i)
                if (AdjustPointMarked(b, i))
                    marked << b * 100 + i;
        QCOMPARE(marked, (QList<int>{13, 14, 15}));
        QCOMPARE(AdjustOffsetPointLabel(0, 15), QStringLiteral("190"));
        QCOMPARE(AdjustLevelLabel(2, 5), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestAdjustValues)
#include "tst_adjustvalues.moc"
