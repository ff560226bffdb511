// Number <-> text conventions, also under a locale that writes ',' for the
// decimal point.
#include "platform/NumberText.h"

#include <QLocale>
#include <QtTest>
#include <clocale>
#include <cmath>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // The C library's locale too, where the system has it.
        m_germanC = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    void cleanupTestCase()
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }

    void toText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 145.0 << "145";
        QTest::newRow("fraction") << 145.5125 << "145.5125";
        QTest::newRow("below one keeps leading zero") << 0.5 << "0.5";
        QTest::newRow("negative") << -12.25 << "-12.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("rounding error hidden") << 155.025 * 1000 / 1000 << "155.025";
        QTest::newRow("sum of nibbles") << 100.0 + 40 + 5 + 0.5 + 0.01 + 0.002 + 0.0005 << "145.5125";
        QTest::newRow("large without exponent") << 1.5e20 << "150000000000000000000";
        QTest::newRow("small without exponent") << 1.25e-7 << "0.000000125";
        QTest::newRow("thousands without grouping") << 12345678.0 << "12345678";
    }
    void toText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberToText(value), text);
    }

    void germanLocaleStillUsesPoint()
    {
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(NumberToText(2.5), QStringLiteral("2.5"));
        QCOMPARE(TextToNumber(QStringLiteral("2.5")), 2.5);
        QCOMPARE(TextToNumber(QStringLiteral("2,5")), 2.0);
        if (!m_germanC)
            qInfo("de_DE.UTF-8 not installed: only the Qt default locale is German");
    }

    void toNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "145.5125" << 145.5125;
        QTest::newRow("blanks around") << "  12  " << 12.0;
        QTest::newRow("blanks inside digits") << "1 4 5. 5" << 145.5;
        QTest::newRow("sign then blank") << "- 5" << -5.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("stops at letter") << "12abc" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("D exponent") << "2d2" << 200.0;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("exponent sign without digits") << "3e-x" << 3.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only sign") << "-" << 0.0;
        QTest::newRow("only point") << "." << 0.0;
        QTest::newRow("tab and newline skipped") << "\t1\n2" << 12.0;
    }
    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(TextToNumber(text), value);
    }

    void overflowReadsAsInfinity()
    {
        QVERIFY(std::isinf(TextToNumber(QStringLiteral("1e400"))));
        QVERIFY(TextToNumber(QStringLiteral("-1e400")) < 0);
        QCOMPARE(TextToNumber(QStringLiteral("1e-400")), 0.0);
    }

    void roundTrip()
    {
        for (double v : {0.1, 145.5125, 438.00625, 1234567.891, -0.001})
            QCOMPARE(TextToNumber(NumberToText(v)), v);
    }

    void printForm_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("positive") << 5.0 << " 5";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative") << -12.0 << "-12";
        QTest::newRow("fraction") << 0.5 << " 0.5";
    }
    void printForm()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberPrintForm(value), text);
    }

private:
    bool m_germanC = false;
};

QTEST_MAIN(TestNumberText)
#include "tst_numbertext.moc"
