// The tone names and the two-byte stored tone.
#include "memory/MemoryImage.h"
#include "memory/ToneCodec.h"
#include "memory/ToneNames.h"

#include <QtTest>

class TestToneCodec : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetMemoryState();
        BuildToneNames();
        for (auto &row : MemoryImage)
            row.fill(0x77);
    }

    void names_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("OFF") << 0 << "   OFF      ";
        QTest::newRow("first CTCSS") << 1 << "   67.0    ";
        QTest::newRow("ninth CTCSS") << 9 << "   88.5    ";
        QTest::newRow("tenth CTCSS") << 10 << "  91.5    ";
        QTest::newRow("first five-character tone") << 13 << "  100.0   ";
        QTest::newRow("last CTCSS") << 50 << "  254.1   ";
        QTest::newRow("first DCS") << 51 << "  D023N   ";
        QTest::newRow("position 99") << 99 << "  D266N   ";
        QTest::newRow("position 100") << 100 << " D271N   ";
        QTest::newRow("last normal DCS") << 155 << " D754N   ";
        QTest::newRow("first inverted DCS") << 156 << " D023I   ";
        QTest::newRow("last") << 260 << " D754I   ";
    }
    void names()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QCOMPARE(ToneName(position), name);
    }

    void nameWidths()
    {
        for (int p = 0; p < ToneNameCount; ++p) {
            const int width = p == 0 ? 12 : p <= 9 ? 11 : p <= 99 ? 10 : 9;
            QCOMPARE(ToneNames[p].size(), width);
        }
        QVERIFY(ToneName(-1).isEmpty());
        QVERIFY(ToneName(261).isEmpty());
    }

    void storeToneText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("67.0") << "67.0" << true << 0x9E << 0x02;
        QTest::newRow("254.1") << "254.1" << true << 0xED << 0x09;
        QTest::newRow("FF") << "FF" << true << 0xFF << 0xFF;
        QTest::newRow("blanks around") << "  100.0 " << true << 0xE8 << 0x03;
        QTest::newRow("tenths reaching 256 carry") << "25.59" << true << 0x00 << 0x01;
        QTest::newRow("hundredths rounded") << "67.04" << true << 0x9E << 0x02;
        QTest::newRow("just below 255") << "254.99" << true << 0xF6 << 0x09;
        QTest::newRow("zero") << "0" << false << 0x77 << 0x77;
        QTest::newRow("300") << "300" << false << 0x77 << 0x77;
        QTest::newRow("255") << "255" << false << 0x77 << 0x77;
        QTest::newRow("negative") << "-67" << false << 0x77 << 0x77;
        QTest::newRow("not a number") << "OFF" << false << 0x77 << 0x77;
        QTest::newRow("lower-case ff") << "ff" << false << 0x77 << 0x77;
    }
    void storeToneText()
    {
        QFETCH(QString, text);
        QFETCH(bool, stored);
        QFETCH(int, low);
        QFETCH(int, high);
        QCOMPARE(StoreToneText(text, 3, 10), stored);
        QCOMPARE(int(MemoryImage[3][10]), low);
        QCOMPARE(int(MemoryImage[3][11]), high);
        QCOMPARE(MemoryImage[3][9], qint16(0x77));
        QCOMPARE(MemoryImage[3][12], qint16(0x77));
    }

    void storeToneTextOutsideImage()
    {
        QVERIFY(!StoreToneText(QStringLiteral("67.0"), 1025, 0));
        QVERIFY(!StoreToneText(QStringLiteral("67.0"), 0, 15));
        QVERIFY(!StoreToneText(QStringLiteral("FF"), -1, 0));
    }

    void positionOfStoredTone_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("position");
        QTest::newRow("none 0,0") << 0 << 0 << 0;
        QTest::newRow("none FF,FF") << 0xFF << 0xFF << 0;
        QTest::newRow("67.0") << 0x9E << 0x02 << 1;
        QTest::newRow("254.1") << 0xED << 0x09 << 50;
        QTest::newRow("D023N") << 1 << 0 << 51;
        QTest::newRow("D754N") << 105 << 0 << 155;
        QTest::newRow("D023I") << 106 << 0 << 156;
        QTest::newRow("D754I") << 210 << 0 << 260;
        QTest::newRow("DCS beyond list") << 211 << 0 << -1;
        QTest::newRow("CTCSS not listed") << 0x9F << 0x02 << -1;
        QTest::newRow("FF low only") << 0xFF << 0x00 << -1;
        QTest::newRow("negative") << -1 << 0 << -1;
        QTest::newRow("above a byte") << 256 << 0 << -1;
    }
    void positionOfStoredTone()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, position);
        QCOMPARE(ToneIndexPosition(low, high), position);
    }

    // Every listed tone goes in and comes back out by its list position.
    void everyToneRoundTrips()
    {
        for (int p = 1; p <= CtcssCount; ++p) {
            QVERIFY(StoreToneText(ToneNames[p].trimmed(), 0, 0));
            QCOMPARE(ToneIndexPosition(MemoryImage[0][0], MemoryImage[0][1]), p);
        }
        for (int p = 0; p < ToneNameCount; ++p)
            QCOMPARE(ToneIndexPosition(ToneIndexLow[p], ToneIndexHigh[p]), p);
    }
};

QTEST_MAIN(TestToneCodec)
#include "tst_tonecodec.moc"
