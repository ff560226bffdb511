// The range tab's rules: the limit boxes' key filter, their four checks,
// the store of a band as whole-MHz digits (rounded as a whole, only the band
// whose box changed), the shown limit text, and the passwords stored centred.
#include "alignment/AdjustLimits.h"
#include "alignment/AdjustPasswords.h"
#include "memory/AdjustDefaults.h"

#include <QtTest>

namespace {
AdjustGrid markedGrid()
{
    AdjustGrid g{};
    for (auto &row : g)
        row.fill(7);
    return g;
}

QList<int> cells(const AdjustGrid &g, int row, int from, int count)
{
    QList<int> out;
    for (int c = from; c < from + count; ++c)
        out << g[row][c];
    return out;
}
} // namespace

class TestAdjustRange : public QObject {
    Q_OBJECT
private slots:
    void keyFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("three") << "179" << true;
        QTest::newRow("three with blanks") << " 179 " << true;
        QTest::newRow("four") << "1790" << false;
        QTest::newRow("four with a blank") << " 17.5" << false;
    }
    void keyFilter()
    {
        QFETCH(QString, text);
        QFETCH(bool, allowed);
        QCOMPARE(AdjustLimitKeyAllowed(text), allowed);
    }

    void checks_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<bool>("upperBox");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<int>("warning");
        QTest::addColumn<QString>("reset");
        QTest::newRow("upper at bound") << 0 << true << " 130" << "179" << 0 << "";
        QTest::newRow("upper above bound") << 0 << true << " 130" << "180" << 1 << "179";
        QTest::newRow("upper fraction above") << 0 << true << " 130" << "179.5" << 1 << "179";
        QTest::newRow("upper below lower") << 0 << true << " 130" << "100" << 2 << "179";
        QTest::newRow("upper equals lower") << 2 << true << "450" << "450" << 0 << "";
        QTest::newRow("empty upper, lower 0") << 0 << true << "" << "" << 0 << "";
        QTest::newRow("empty upper") << 0 << true << "130" << "" << 2 << "179";
        QTest::newRow("upper UHF1 520") << 2 << true << "400" << "520" << 0 << "";
        QTest::newRow("lower at bound") << 0 << false << "130" << "179" << 0 << "";
        QTest::newRow("lower UHF1 399") << 2 << false << "399" << "480" << 3 << "400";
        QTest::newRow("empty lower") << 1 << false << "" << "179" << 3 << "130";
        QTest::newRow("lower above upper") << 0 << false << "170" << "150" << 4 << "130";
        QTest::newRow("lower not a number") << 0 << false << "abc" << "150" << 3 << "130";
        QTest::newRow("lower with trailing text") << 0 << false << "150MHz" << "170" << 0 << "";
    }
    void checks()
    {
        QFETCH(int, band);
        QFETCH(bool, upperBox);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(int, warning);
        QFETCH(QString, reset);
        const AdjustLimitWarning w = upperBox ? CheckUpperLimit(band, lower, upper)
                                              : CheckLowerLimit(band, lower, upper);
        QCOMPARE(int(w), warning);
        QCOMPARE(AdjustLimitResetText(band, w), reset);
    }

    void warningTexts()
    {
        LanguageFlag = 0;
        QCOMPARE(AdjustLimitWarningText(AdjustLimitWarning::UpperAboveBound).text(),
                 QStringLiteral("Receive frequency of upper limit can't more than the highest of work frequency. "));
        QCOMPARE(AdjustLimitWarningText(AdjustLimitWarning::LowerBelowBound).text(),
                 QStringLiteral("Receive frequency of lower limit can't less than the lowest of work frequency. "));
        LanguageFlag = -1;
        QCOMPARE(AdjustLimitWarningText(AdjustLimitWarning::UpperBelowLower).text(),
                 QString::fromUtf8("上限频率不可小于该频段下限频率"));
        QCOMPARE(AdjustLimitWarningText(AdjustLimitWarning::LowerAboveUpper).text(),
                 QString::fromUtf8("下限频率不可大于该频段上限频率"));
        LanguageFlag = 0;
    }

    // A limit is rounded as a whole, half to even, before it is split: no
    // digit is ever 10.
    void storeDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("digits");
        QTest::newRow("136") << "136" << QList<int>{1, 3, 6};
        QTest::newRow("174 with blanks") << " 174 " << QList<int>{1, 7, 4};
        QTest::newRow("520") << "520" << QList<int>{5, 2, 0};
        QTest::newRow("136.5 to even") << "136.5" << QList<int>{1, 3, 6};
        QTest::newRow("137.5 to even") << "137.5" << QList<int>{1, 3, 8};
        QTest::newRow("139.5 carries") << "139.5" << QList<int>{1, 4, 0};
        QTest::newRow("199.6 carries twice") << "199.6" << QList<int>{2, 0, 0};
        QTest::newRow("empty is 0") << "" << QList<int>{0, 0, 0};
        QTest::newRow("1000 keeps the cells") << "1000" << QList<int>{7, 7, 7};
        QTest::newRow("negative keeps the cells") << "-5" << QList<int>{7, 7, 7};
    }
    void storeDigits()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, digits);
        AdjustGrid g = markedGrid();
        StoreBandLimits(0, text, text, g);
        QCOMPARE(cells(g, 24, 0, 3), digits);
        QCOMPARE(cells(g, 24, 3, 3), digits);
    }

    // Only the band given is stored; its other cells and the other bands stay.
    void storeOneBand()
    {
        AdjustGrid g = markedGrid();
        StoreBandLimits(2, "400", "480", g);
        QCOMPARE(cells(g, 26, 0, 6), (QList<int>{4, 0, 0, 4, 8, 0}));
        for (int r = 0; r < AdjustRows; ++r)
            for (int c = 0; c < AdjustCols; ++c)
                if (r != 26 || c > 5)
                    QCOMPARE(g[r][c], qint16(7));
    }

    void limitText()
    {
        AdjustGrid g{};
        const qint16 row[8] = {1, 3, 0, 1, 7, 9, 0, 1};
        std::copy(row, row + 8, g[24].begin());
        QCOMPARE(AdjustLimitText(g, 0, false), QStringLiteral(" 130"));
        QCOMPARE(AdjustLimitText(g, 0, true), QStringLiteral(" 179"));
        g[25].fill(255);
        QCOMPARE(AdjustLimitText(g, 1, true), QStringLiteral(" 28305"));
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("2.4") << 2.4 << 2.0;
        QTest::newRow("2.6") << 2.6 << 3.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(RoundHalfEven(value), rounded);
    }

    void passwordStore_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("empty") << "" << QList<int>{32, 32, 32, 32, 32, 32};
        QTest::newRow("blanks only") << "   " << QList<int>{32, 32, 32, 32, 32, 32};
        QTest::newRow("one") << "7" << QList<int>{32, 32, 55, 32, 32, 32};
        QTest::newRow("two") << "AB" << QList<int>{32, 32, 65, 66, 32, 32};
        QTest::newRow("three") << "abc" << QList<int>{32, 65, 66, 67, 32, 32};
        QTest::newRow("four") << "1234" << QList<int>{32, 49, 50, 51, 52, 32};
        QTest::newRow("five") << "+-0Z9" << QList<int>{43, 45, 48, 90, 57, 32};
        QTest::newRow("six") << "ABCDEF" << QList<int>{65, 66, 67, 68, 69, 70};
        QTest::newRow("seventh ignored") << "ABCDEFG" << QList<int>{65, 66, 67, 68, 69, 70};
        QTest::newRow("inner blank is 11") << "A B" << QList<int>{32, 65, 11, 66, 32, 32};
        QTest::newRow("no code is 11") << "A?" << QList<int>{32, 32, 65, 11, 32, 32};
        QTest::newRow("trimmed first") << "  AB  " << QList<int>{32, 32, 65, 66, 32, 32};
    }
    void passwordStore()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        AdjustGrid g = markedGrid();
        StoreAdjustPassword(text, AdjustSuperPasswordCol, g);
        QCOMPARE(cells(g, 31, 6, 6), codes);
        QCOMPARE(cells(g, 31, 0, 6), (QList<int>{7, 7, 7, 7, 7, 7}));
        QCOMPARE(g[31][12], qint16(7));
    }

    void passwordShown_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QString>("text");
        QTest::newRow("centred four") << QList<int>{32, 65, 66, 67, 68, 32} << "ABCD ";
        QTest::newRow("inner blank lost") << QList<int>{65, 32, 66, 32, 32, 32} << "AB ";
        QTest::newRow("all 255") << QList<int>{255, 255, 255, 255, 255, 255} << "";
        QTest::newRow("all blank") << QList<int>{32, 32, 32, 32, 32, 32} << " ";
        QTest::newRow("six digits") << QList<int>{48, 48, 48, 48, 48, 48} << "000000";
        QTest::newRow("out of range") << QList<int>{-1, 300, 65, 0, 11, 66} << "AB";
    }
    void passwordShown()
    {
        QFETCH(QList<int>, codes);
        QFETCH(QString, text);
        AdjustGrid g{};
        for (int c = 0; c < 6; ++c)
            g[31][c] = qint16(codes[c]);
        QCOMPARE(AdjustPasswordText(g, AdjustUserPasswordCol), text);
    }

    // Shown and stored again, the factory passwords keep their cells.
    void factoryPasswordsRoundTrip()
    {
        resetMemoryState();
        BuildAdjustDefaults();
        AdjustGrid g = AdjustDefaults;
        for (int base : {AdjustUserPasswordCol, AdjustSuperPasswordCol})
            StoreAdjustPassword(AdjustPasswordText(g, base), base, g);
        QCOMPARE(g, AdjustDefaults);
    }
};

QTEST_GUILESS_MAIN(TestAdjustRange)
#include "tst_adjustrange.moc"
