// Channel frequencies between text and packed BCD, FM digit frequencies, the
// band table and the band check.
#include "memory/BandTable.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

#include <QtTest>

using Bytes = QList<int>;

namespace {
Bytes cells(int row, int col, int count)
{
    Bytes out;
    for (int c = col; c < col + count; ++c)
        out << MemoryImage[row][c];
    return out;
}
} // namespace

class TestFrequencyCodec : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetMemoryState();
        for (auto &row : MemoryImage)
            row.fill(0x77);
    }

    void storeFrequency_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("on 6.25 raster only") << "438.00625" << "438.00625" << Bytes{0x25, 0x06, 0x80, 0x43};
        QTest::newRow("snaps down to 6.25") << "145.0063" << "145.00625" << Bytes{0x25, 0x06, 0x50, 0x14};
        QTest::newRow("snaps down to 2.5") << "145.0037" << "145.00250" << Bytes{0x50, 0x02, 0x50, 0x14};
        QTest::newRow("on both rasters") << "145.5125" << "145.51250" << Bytes{0x50, 0x12, 0x55, 0x14};
        QTest::newRow("whole MHz") << "145" << "145.00000" << Bytes{0x00, 0x00, 0x50, 0x14};
        QTest::newRow("below 100 MHz") << "45.5" << "45.500000" << Bytes{0x00, 0x00, 0x55, 0x04};
        QTest::newRow("short text with point") << "1.5" << "1.5000000" << Bytes{0x00, 0x00, 0x15, 0x00};
        QTest::newRow("sample channel") << "155.025" << "155.02500" << Bytes{0x00, 0x25, 0x50, 0x15};
        QTest::newRow("blanks inside") << " 1 45 .5 " << "145.50000" << Bytes{0x00, 0x00, 0x55, 0x14};
        QTest::newRow("trailing letters") << "146.5MHz" << "146.50000" << Bytes{0x00, 0x00, 0x65, 0x14};
        QTest::newRow("not a number") << "abc" << "0.0000000" << Bytes{0, 0, 0, 0};
        QTest::newRow("zero") << "0" << "0.0000000" << Bytes{0, 0, 0, 0};
        QTest::newRow("top of range") << "999.99999" << "999.99750" << Bytes{0x50, 0x97, 0x99, 0x99};
    }
    void storeFrequency()
    {
        QFETCH(QString, text);
        QFETCH(QString, normalised);
        QFETCH(Bytes, bytes);
        QVERIFY(StoreFrequency(text, 5, 4));
        QCOMPARE(text, normalised);
        QCOMPARE(cells(5, 4, 4), bytes);
        // Neighbours untouched.
        QCOMPARE(MemoryImage[5][3], qint16(0x77));
        QCOMPARE(MemoryImage[5][8], qint16(0x77));
        QCOMPARE(FrequencyText(bytes[0], bytes[1], bytes[2], bytes[3]).toDouble(), normalised.toDouble());
    }

    // Values the four packed bytes cannot hold are refused, nothing written.
    void storeFrequencyRefuses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("1000 MHz") << "1000" << 0 << 0;
        QTest::newRow("negative") << "-145" << 0 << 0;
        QTest::newRow("overflow") << "1e400" << 0 << 0;
        QTest::newRow("snaps up to 1000") << "999.9999995" << 0 << 0;
        QTest::newRow("row below image") << "145" << -1 << 0;
        QTest::newRow("row above image") << "145" << 1025 << 0;
        QTest::newRow("column too far right") << "145" << 0 << 14;
    }
    void storeFrequencyRefuses()
    {
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(int, col);
        const auto before = MemoryImage;
        QString caller = text;
        QVERIFY(!StoreFrequency(caller, row, col));
        QCOMPARE(caller, text);
        QVERIFY(MemoryImage == before);
    }

    void frequencyText_data()
    {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("145.5125") << Bytes{0x50, 0x12, 0x55, 0x14} << "145.51250";
        QTest::newRow("45 MHz has 8 characters") << Bytes{0x00, 0x00, 0x50, 0x04} << "45.00000";
        QTest::newRow("438.00625") << Bytes{0x25, 0x06, 0x80, 0x43} << "438.00625";
        QTest::newRow("145.5") << Bytes{0x00, 0x00, 0x55, 0x14} << "145.50000";
        QTest::newRow("1.5 gets no second point") << Bytes{0x00, 0x00, 0x15, 0x00} << "1.500000";
        QTest::newRow("zero") << Bytes{0, 0, 0, 0} << "0.000000";
        QTest::newRow("10 Hz") << Bytes{0x01, 0, 0, 0} << "0.000010";
        QTest::newRow("all nines") << Bytes{0x99, 0x99, 0x99, 0x99} << "999.99999";
        QTest::newRow("not decimal nibbles") << Bytes{0, 0, 0, 0xA0} << "1000.0000";
    }
    void frequencyText()
    {
        QFETCH(Bytes, bytes);
        QFETCH(QString, text);
        QCOMPARE(FrequencyText(bytes[0], bytes[1], bytes[2], bytes[3]), text);
    }

    // Every raster point of the radio's bands survives store and show.
    void rasterPointsRoundTrip_data()
    {
        QTest::addColumn<double>("lowMhz");
        QTest::addColumn<double>("highMhz");
        QTest::addColumn<double>("stepKhz");
        QTest::newRow("VHF 2.5 kHz") << 136.0 << 175.0 << 2.5;
        QTest::newRow("VHF 6.25 kHz") << 136.0 << 175.0 << 6.25;
        QTest::newRow("UHF 2.5 kHz") << 400.0 << 481.0 << 2.5;
        QTest::newRow("UHF 6.25 kHz") << 400.0 << 481.0 << 6.25;
        QTest::newRow("FM 2.5 kHz") << 60.0 << 110.0 << 2.5;
    }
    void rasterPointsRoundTrip()
    {
        QFETCH(double, lowMhz);
        QFETCH(double, highMhz);
        QFETCH(double, stepKhz);
        const qint64 first = qint64(lowMhz * 1000 / stepKhz);
        const qint64 last = qint64(highMhz * 1000 / stepKhz);
        for (qint64 k = first; k < last; ++k) {
            const double mhz = k * stepKhz / 1000.0;
            const QString expected = QString::number(mhz, 'f', 5);
            QString text = expected;
            QVERIFY(StoreFrequency(text, 0, 0));
            QCOMPARE(text, expected.size() < 9 ? expected + QLatin1Char('0') : expected);
            const QString shown = FrequencyText(MemoryImage[0][0], MemoryImage[0][1],
                                                MemoryImage[0][2], MemoryImage[0][3]);
            if (shown != expected)
                QFAIL(qPrintable(QStringLiteral("%1 shown as %2").arg(expected, shown)));
        }
    }

    void snapTiesKeep2p5()
    {
        QCOMPARE(SnapFrequency(145.5125), 145.5125);
        QCOMPARE(SnapFrequency(145.00624), 145.005);   // 2.5 rest 1.24 < 6.25 rest 6.24
        QCOMPARE(SnapFrequency(145.00749), 145.00625); // 6.25 rest 1.24 < 2.5 rest 2.49
    }

    void fmFrequencyDigits_data()
    {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<Bytes>("digits");
        QTest::newRow("88.9") << 88.9 << Bytes{0, 8, 8, 9, 0, 0, 0, 0};
        QTest::newRow("103.9") << 103.9 << Bytes{1, 0, 3, 9, 0, 0, 0, 0};
        QTest::newRow("92.3") << 92.3 << Bytes{0, 9, 2, 3, 0, 0, 0, 0};
        QTest::newRow("10 Hz kept") << 107.12345 << Bytes{1, 0, 7, 1, 2, 3, 4, 5};
        QTest::newRow("below 10 Hz cut") << 107.123459 << Bytes{1, 0, 7, 1, 2, 3, 4, 5};
        QTest::newRow("zero") << 0.0 << Bytes{0, 0, 0, 0, 0, 0, 0, 0};
    }
    void fmFrequencyDigits()
    {
        QFETCH(double, mhz);
        QFETCH(Bytes, digits);
        StoreFmFrequency(mhz, 15);
        QCOMPARE(cells(MemoryMap::FmAreaRow + 15, 0, 8), digits);
        QCOMPARE(MemoryImage[MemoryMap::FmAreaRow + 15][8], qint16(0x77));
    }

    void fmFrequencyRefuses()
    {
        const auto before = MemoryImage;
        StoreFmFrequency(88.9, 16);
        StoreFmFrequency(88.9, -1);
        StoreFmFrequency(1000.0, 0);
        StoreFmFrequency(-1.0, 0);
        QVERIFY(MemoryImage == before);
    }

    void bandCheck_data()
    {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<int>("result");
        QTest::newRow("lower limit") << 136.0 << 0;
        QTest::newRow("below") << 135.99 << 255;
        QTest::newRow("inside extra MHz") << 174.999 << 0;
        QTest::newRow("upper plus one") << 175.0 << 255;
        QTest::newRow("UHF extra") << 480.5 << 0;
        QTest::newRow("above UHF") << 481.0 << 255;
        QTest::newRow("between bands") << 300.0 << 255;
        QTest::newRow("zero") << 0.0 << 255;
    }
    void bandCheck()
    {
        QFETCH(double, mhz);
        QFETCH(int, result);
        SetStartupBandLimits();
        QCOMPARE(CheckBandFrequency(mhz), result);
    }

    void bandTable()
    {
        BuildBandTable();
        const qint16 expected[7][4] = {{130, 179, 400, 520}, {136, 174, 240, 250},
                                       {144, 146, 430, 440}, {400, 471, 0, 0},
                                       {450, 521, 0, 0},     {100, 701, 0, 0},
                                       {66, 89, 0, 0}};
        for (int r = 0; r < BandTableRows; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(BandTable[r][c], r < 7 && c < 4 ? expected[r][c] : qint16(0));
        QCOMPARE(BandRangeNames[0], QStringLiteral("VHF0/UHF0"));
        QCOMPARE(BandRangeNames[1], QStringLiteral("VHF1/UHF1"));
        QVERIFY(BandRangeNames[3].isEmpty());
        QCOMPARE(BandLimits[0].lower, 130.0);
        QCOMPARE(BandLimits[0].upper, 179.0);
        QCOMPARE(BandLimits[1].lower, 0.0);

        BandTableRow = 3;
        BuildBandTable();
        QCOMPARE(BandLimits[0].lower, 400.0);
        QCOMPARE(BandLimits[0].upper, 471.0);

        BandTableRow = 11; // not a row: limits stay
        BuildBandTable();
        QCOMPARE(BandLimits[0].upper, 471.0);
    }
};

QTEST_MAIN(TestFrequencyCodec)
#include "tst_frequencycodec.moc"
