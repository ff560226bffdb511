// The five-tone standards: names, frequency texts, byte tables and their copy
// in the image, and the 5-tone area defaults.
#include "memory/FiveToneDefaults.h"
#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "memory/TwoToneDefaults.h"
#include "platform/NumberText.h"

#include <QtTest>

namespace {
int at(int address)
{
    return MemoryImage[address / 16][address % 16];
}
} // namespace

class TestFiveToneTables : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetMemoryState();
        for (auto &row : MemoryImage)
            row.fill(0xFF);
        BuildFiveToneTables();
    }

    // The 15 standards in their stored order, each with the frequency of
    // its digits "0" to "F" (0.0: the standard has no such digit).
    void standards_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("hertz");
        QTest::newRow("CCIR1") << 0 << "CCIR1"
            << QStringList{"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0", "2400.0", "930.0", "2247.0", "991.0", "2110.0", "1055.0"};
        QTest::newRow("CCIR2") << 1 << "CCIR2"
            << QStringList{"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0", "2400.0", "930.0", "2247.0", "991.0", "2110.0", "1055.0"};
        QTest::newRow("PCCIR") << 2 << "PCCIR"
            << QStringList{"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0", "1050.0", "930.0", "2400.0", "991.0", "2110.0", "0.0"};
        QTest::newRow("ZVEI1") << 3 << "ZVEI1"
            << QStringList{"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "2200.0", "2800.0", "810.0", "970.0", "885.0", "2600.0", "680.0"};
        QTest::newRow("ZVEI2") << 4 << "ZVEI2"
            << QStringList{"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "2200.0", "885.0", "810.0", "740.0", "680.0", "970.0", "2600.0"};
        QTest::newRow("ZVEI3") << 5 << "ZVEI3"
            << QStringList{"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "885.0", "0.0", "0.0", "0.0", "2400.0", "0.0"};
        QTest::newRow("PZVEI") << 6 << "PZVEI"
            << QStringList{"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "2200.0", "970.0", "810.0", "2800.0", "885.0", "2600.0", "680.0"};
        QTest::newRow("DZVEI") << 7 << "DZVEI"
            << QStringList{"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "825.0", "740.0", "2600.0", "885.0", "2400.0", "680.0"};
        QTest::newRow("PDZVEI") << 8 << "PDZVEI"
            << QStringList{"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "825.0", "886.0", "2600.0", "856.0", "2400.0", "0.0"};
        QTest::newRow("EEA") << 9 << "EEA"
            << QStringList{"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0", "1055.0", "930.0", "2400.0", "991.0", "2110.0", "2247.0"};
        QTest::newRow("EIA") << 10 << "EIA"
            << QStringList{"600.0", "741.0", "882.0", "1023.0", "1164.0", "1305.0", "1446.0", "1587.0", "1728.0", "1869.0", "2151.0", "2433.0", "2010.0", "2292.0", "459.0", "1091.0"};
        QTest::newRow("EURO") << 11 << "EURO"
            << QStringList{"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8", "0.0", "0.0", "0.0", "0.0", "1062.9", "0.0"};
        QTest::newRow("CCITT") << 12 << "CCITT"
            << QStringList{"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1633.0", "1800.0", "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"};
        QTest::newRow("NATEL") << 13 << "NATEL"
            << QStringList{"1633.0", "631.0", "697.0", "770.0", "852.0", "941.0", "1040.0", "1209.0", "1336.0", "1477.0", "1995.0", "571.0", "2205.0", "2437.0", "1805.0", "2694.0"};
        QTest::newRow("MODAT") << 14 << "MODAT"
            << QStringList{"657.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5", "1987.5", "0.0", "0.0", "0.0", "0.0", "487.5", "0.0"};
    }
    void standards()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QStringList, hertz);
        QCOMPARE(FiveToneStandardName(index), name);
        QString lookup = name;
        QCOMPARE(FiveToneStandardIndex(lookup), index);
        QStringList texts;
        for (int d = 0; d < 16; ++d) {
            const QString text = FiveToneTables.text[index][d];
            // Three blanks before the value, blanks after it up to 11 characters.
            QCOMPARE(text, QStringLiteral("   ") + hertz[d].leftJustified(8));
            texts << text.trimmed();
            const int hz = int(hertz[d].toDouble());  // the fraction dropped
            QCOMPARE(int(MemoryImage[512 + index][d]) + 256 * int(MemoryImage[528 + index][d]), hz);
            const int count = hz ? 10040000 / hz : 0;
            QCOMPARE(int(MemoryImage[544 + index][d]) + 256 * int(MemoryImage[560 + index][d]), count);
        }
        QCOMPARE(texts, hertz);
    }

    void radioBytes_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::newRow("CCIR1 0 Hz low") << 0x2000 << 0xBD;
        QTest::newRow("CCIR1 0 Hz high") << 0x2100 << 0x07;
        QTest::newRow("CCIR1 0 count low") << 0x2200 << 0xCC;
        QTest::newRow("CCIR1 0 count high") << 0x2300 << 0x13;
        QTest::newRow("ZVEI1 1 count low (9471, cut)") << 0x2231 << 0xFF;
        QTest::newRow("ZVEI1 1 count high") << 0x2331 << 0x24;
        QTest::newRow("EURO 0 Hz low (979.8 cut)") << 0x20B0 << 0xD3;
        QTest::newRow("EURO 0 Hz high") << 0x21B0 << 0x03;
        QTest::newRow("EURO 0 count low (10255)") << 0x22B0 << (10255 % 256);
        QTest::newRow("EURO 0 count high") << 0x23B0 << (10255 / 256);
        QTest::newRow("ZVEI3 B Hz low") << 0x205B << 0;
        QTest::newRow("ZVEI3 B Hz high") << 0x215B << 0;
        QTest::newRow("ZVEI3 B count low") << 0x225B << 0;
        QTest::newRow("ZVEI3 B count high") << 0x235B << 0;
        QTest::newRow("CCITT 0 count (400 Hz, largest)") << 0x22C0 << (25100 % 256);
        QTest::newRow("CCITT 0 count high") << 0x23C0 << (25100 / 256);
        QTest::newRow("MODAT 0 Hz low (657.5 cut)") << 0x20E0 << (657 % 256);
        QTest::newRow("standard 15 not written") << 0x20F0 << 0xFF;
        QTest::newRow("standard 15 count high not written") << 0x23FF << 0xFF;
    }
    void radioBytes()
    {
        QFETCH(int, address);
        QFETCH(int, value);
        QCOMPARE(at(address), value);
    }

    void frequencyTexts_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("text");
        QTest::newRow("CCIR1 0") << 0 << 0 << "   1981.0  ";
        QTest::newRow("CCIR1 B") << 0 << 11 << "   930.0   ";
        QTest::newRow("ZVEI3 B none") << 5 << 11 << "   0.0     ";
        QTest::newRow("EURO 0") << 11 << 0 << "   979.8   ";
        QTest::newRow("MODAT E") << 14 << 14 << "   487.5   ";
        QTest::newRow("standard 15 empty") << 15 << 0 << "";
    }
    void frequencyTexts()
    {
        QFETCH(int, standard);
        QFETCH(int, digit);
        QFETCH(QString, text);
        QCOMPARE(FiveToneTables.text[standard][digit], text);
    }

    // The byte tables follow from the texts: Hz cut, count cut, both copied.
    void tablesAgreeWithTexts()
    {
        for (int s = 0; s < FiveToneStandardCount; ++s) {
            for (int d = 0; d < 16; ++d) {
                const QString text = FiveToneTables.text[s][d];
                QCOMPARE(text.size(), 11);
                const int hz = int(TextToNumber(text));
                const int count = hz ? 10040000 / hz : 0;
                QCOMPARE(256 * FiveToneTables.hzHigh[s][d] + FiveToneTables.hzLow[s][d], hz);
                QCOMPARE(256 * FiveToneTables.countHigh[s][d] + FiveToneTables.countLow[s][d], count);
                QCOMPARE(MemoryImage[512 + s][d], FiveToneTables.hzLow[s][d]);
                QCOMPARE(MemoryImage[528 + s][d], FiveToneTables.hzHigh[s][d]);
                QCOMPARE(MemoryImage[544 + s][d], FiveToneTables.countLow[s][d]);
                QCOMPARE(MemoryImage[560 + s][d], FiveToneTables.countHigh[s][d]);
            }
        }
    }

    void countsCutWhereTwoToneRounds()
    {
        QCOMPARE(FiveToneCount(1197), 8387);
        QCOMPARE(TwoToneCount(1197), 8388);
        QCOMPARE(FiveToneCount(0), 0);
    }

    void standardName_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "CCIR1";
        QTest::newRow("8") << 8 << "PDZVEI";
        QTest::newRow("14") << 14 << "MODAT";
        QTest::newRow("15") << 15 << "";
        QTest::newRow("255") << 255 << "";
        QTest::newRow("negative") << -1 << "";
    }
    void standardName()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(FiveToneStandardName(index), name);
    }

    void standardIndex_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks around") << "  EIA  " << 10 << "EIA";
        QTest::newRow("exact") << "MODAT" << 14 << "MODAT";
        QTest::newRow("lower case") << "eia" << 255 << "eia";
        QTest::newRow("empty") << "" << 255 << "";
        QTest::newRow("prefix only") << "ZVEI" << 255 << "ZVEI";
    }
    void standardIndex()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, trimmed);
        QCOMPARE(FiveToneStandardIndex(name), index);
        QCOMPARE(name, trimmed);
    }

    // The defaults write the standards' first three bytes, the encode list and
    // the settings, and leave the rest of the standard rows and row 591.
    void defaultsKeepWhatTheyDoNotOwn()
    {
        for (int r = 576; r <= 591; ++r)
            MemoryImage[r].fill(0x42);
        for (int r : {527, 543, 559, 575})
            MemoryImage[r].fill(0x42);
        BuildFiveToneDefaults();
        for (int r = 576; r <= 590; ++r)
            for (int c = 3; c < 16; ++c)
                QCOMPARE(MemoryImage[r][c], qint16(0x42));
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(MemoryImage[591][c], qint16(0x42));
            for (int r : {527, 543, 559, 575})
                QCOMPARE(MemoryImage[r][c], qint16(0x42));
        }
        QCOMPARE(MemoryImage[576][0], qint16(8));
        QCOMPARE(MemoryImage[577][0], qint16(5));
        QCOMPARE(MemoryImage[590][0], qint16(2));
    }
};

QTEST_MAIN(TestFiveToneTables)
#include "tst_fivetonetables.moc"
