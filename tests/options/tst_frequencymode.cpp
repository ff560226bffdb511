// The frequency-mode records between their bytes and what the frames show:
// the frequency's normalisation and digits, the out-of-band replacement, the
// frequency box's key filter, the offset list and its positions, the tones.
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "options/FrequencyMode.h"

#include <QtTest>

using namespace FrequencyMode;
using Digits = QList<int>;

namespace {
void putBytes(int record, int from, const QList<int> &bytes)
{
    for (int k = 0; k < bytes.size(); ++k)
        setByte(record, from + k, bytes[k]);
}

QList<int> bytes(int record, int from, int count)
{
    QList<int> out;
    for (int k = 0; k < count; ++k)
        out << byteAt(record, from + k);
    return out;
}
} // namespace

class TstFrequencyMode : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void normalisation_data();
    void normalisation();
    void storeWritesOnlyTheFrequencyBytes();
    void frequencyText_data();
    void frequencyText();
    void replacementIsInBand_data();
    void replacementIsInBand();
    void keyFilter_data();
    void keyFilter();
    void offsetItems();
    void offsetPosition_data();
    void offsetPosition();
    void offsetStoreRoundTrips();
    void tonePosition_data();
    void tonePosition();
    void toneStore_data();
    void toneStore();
    void settingStoreKeepsTheRestOfTheRecord();
};

void TstFrequencyMode::init()
{
    resetMemoryState();
    BuildSharedTables();
    SetStartupBandLimits();
    BuildFactoryImage();
}

void TstFrequencyMode::normalisation_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Digits>("digits");
    QTest::newRow("whole") << 136.0 << "136.00000" << Digits{1, 3, 6, 0, 0, 0, 0, 0};
    QTest::newRow("5 kHz") << 136.005 << "136.00500" << Digits{1, 3, 6, 0, 0, 5, 0, 0};
    QTest::newRow("12.5 kHz") << 136.0125 << "136.01250" << Digits{1, 3, 6, 0, 1, 2, 5, 0};
    QTest::newRow("6.25 kHz") << 136.00625 << "136.00625" << Digits{1, 3, 6, 0, 0, 6, 2, 5};
    QTest::newRow("990 Hz") << 136.0099 << "136.00975" << Digits{1, 3, 6, 0, 0, 9, 7, 5};
    QTest::newRow("top") << 174.99999 << "174.99975" << Digits{1, 7, 4, 9, 9, 9, 7, 5};
    QTest::newRow("below 100 MHz") << 99.99 << "99.99000" << Digits{0, 9, 9, 9, 9, 0, 0, 0};
    QTest::newRow("half of 10 Hz rounds up") << 136.000245 << "136.00025" << Digits{1, 3, 6, 0, 0, 0, 2, 5};
    QTest::newRow("below 10 MHz") << 5.025 << "5.02500" << Digits{0, 0, 5, 0, 2, 5, 0, 0};
    QTest::newRow("nothing") << 0.0 << "0.00000" << Digits{0, 0, 0, 0, 0, 0, 0, 0};
}

void TstFrequencyMode::normalisation()
{
    QFETCH(double, typed);
    QFETCH(QString, text);
    QFETCH(Digits, digits);
    const NormalisedFrequency f = normalise(typed);
    QCOMPARE(f.text, text);
    QCOMPARE(Digits(f.digits.begin(), f.digits.end()), digits);
}

void TstFrequencyMode::storeWritesOnlyTheFrequencyBytes()
{
    const auto before = MemoryImage;
    storeFrequency(B, normalise(145.5).digits);
    QCOMPARE(bytes(B, 0, 8), (Digits{1, 4, 5, 5, 0, 0, 0, 0}));
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            if (!(r == 242 && c < 8))
                QCOMPARE(MemoryImage[r][c], before[r][c]);
}

void TstFrequencyMode::frequencyText_data()
{
    QTest::addColumn<Digits>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("mhz");
    QTest::newRow("136.025") << Digits{1, 3, 6, 0, 2, 5, 0, 0} << "136.02500" << 136.025;
    QTest::newRow("leading zero") << Digits{0, 9, 9, 9, 9, 0, 0, 0} << "099.99000" << 99.99;
    QTest::newRow("erased") << Digits(8, 0xFF) << "." << -1.0;
    QTest::newRow("one bad digit") << Digits{1, 3, 6, 0, 12, 5, 0, 0} << "136.0500" << -1.0;
}

void TstFrequencyMode::frequencyText()
{
    QFETCH(Digits, stored);
    QFETCH(QString, shown);
    QFETCH(double, mhz);
    putBytes(A, 0, stored);
    QCOMPARE(FrequencyMode::frequencyText(A), shown);
    QCOMPARE(frequencyMhz(A), mhz);
}

void TstFrequencyMode::replacementIsInBand_data()
{
    QTest::addColumn<Digits>("stored");
    QTest::addColumn<double>("firstLower");
    QTest::addColumn<QString>("replacement");
    QTest::newRow("VHF record") << Digits{1, 4, 5, 0, 0, 0, 0, 0} << 136.0 << "136.02500";
    QTest::newRow("UHF record") << Digits{4, 5, 0, 0, 0, 0, 0, 0} << 136.0 << "400.02500";
    QTest::newRow("record in no band") << Digits{2, 5, 0, 0, 0, 0, 0, 0} << 136.0 << "136.02500";
    QTest::newRow("erased record") << Digits(8, 0xFF) << 136.0 << "136.02500";
    // A first pair whose whole MHz plus 25 kHz lies below its own limit.
    QTest::newRow("fractional first limit") << Digits(8, 0xFF) << 136.5 << "136.02500";
}

void TstFrequencyMode::replacementIsInBand()
{
    QFETCH(Digits, stored);
    QFETCH(double, firstLower);
    QFETCH(QString, replacement);
    putBytes(A, 0, stored);
    BandLimits[0].lower = firstLower;
    const QString r = outOfBandReplacement(A);
    QCOMPARE(r, replacement);
    QCOMPARE(CheckBandFrequency(r.toDouble()), 0);
}

void TstFrequencyMode::keyFilter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("passes");
    QTest::newRow("point into empty box") << "" << int('.') << false;
    QTest::newRow("point into blanks") << "  " << int('.') << false;
    QTest::newRow("point after 136") << "136" << int('.') << true;
    QTest::newRow("point after nine characters") << "136.02500" << int('.') << true;
    QTest::newRow("digit after eight") << "136.0250" << int('0') << true;
    QTest::newRow("digit after nine") << "136.02500" << int('0') << false;
    QTest::newRow("backspace when full") << "136.02500" << 8 << true;
    QTest::newRow("letter") << "1" << int('a') << false;
    QTest::newRow("minus") << "" << int('-') << false;
    QTest::newRow("enter") << "136" << 13 << false;
}

void TstFrequencyMode::keyFilter()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, passes);
    QCOMPARE(frequencyKey(text, key), passes ? key : 0);
}

void TstFrequencyMode::offsetItems()
{
    QCOMPARE(OffsetItemText(0), QStringLiteral("00.000MHZ"));
    QCOMPARE(OffsetItemText(1), QStringLiteral("00.050MHZ"));
    QCOMPARE(OffsetItemText(20), QStringLiteral("01.000MHZ"));
    QCOMPARE(OffsetItemText(25), QStringLiteral("01.250MHZ"));
    QCOMPARE(OffsetItemText(1999), QStringLiteral("99.950MHZ"));
}

void TstFrequencyMode::offsetPosition_data()
{
    QTest::addColumn<Digits>("stored");
    QTest::addColumn<int>("position");
    QTest::newRow("50 kHz") << Digits{0, 0, 0, 0, 5, 0} << 1;
    QTest::newRow("25 kHz, half to even") << Digits{0, 0, 0, 0, 2, 5} << 0;
    QTest::newRow("75 kHz, half to even") << Digits{0, 0, 0, 0, 7, 5} << 2;
    QTest::newRow("factory 10.655 MHz") << Digits{0, 1, 0, 6, 5, 5} << 213;
    QTest::newRow("last item") << Digits{0, 9, 9, 9, 5, 0} << 1999;
    QTest::newRow("beyond the list") << Digits{0, 9, 9, 9, 9, 9} << 1999;
    QTest::newRow("two-digit bytes") << Digits{0, 0, 0, 0, 10, 0} << 2;
    QTest::newRow("erased") << Digits(6, 0xFF) << 1999;
}

void TstFrequencyMode::offsetPosition()
{
    QFETCH(Digits, stored);
    QFETCH(int, position);
    putBytes(C, OffsetByte, stored);
    QCOMPARE(FrequencyMode::offsetPosition(C), position);
}

void TstFrequencyMode::offsetStoreRoundTrips()
{
    const auto row = MemoryImage[240];
    for (int i : {0, 1, 25, 1999}) {
        storeOffset(A, i);
        QCOMPARE(FrequencyMode::offsetPosition(A), i);
    }
    QCOMPARE(bytes(A, OffsetByte, 6), (Digits{0, 9, 9, 9, 5, 0}));
    storeOffset(A, 25);
    QCOMPARE(bytes(A, OffsetByte, 6), (Digits{0, 0, 1, 2, 5, 0}));
    storeOffset(A, 2000);  // not an item: nothing
    QCOMPARE(bytes(A, OffsetByte, 6), (Digits{0, 0, 1, 2, 5, 0}));
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 14, 15})
        QCOMPARE(MemoryImage[240][c], row[c]);
}

void TstFrequencyMode::tonePosition_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("unlisted");
    QTest::newRow("67.0") << 0x9E << 0x02 << 1 << "";
    QTest::newRow("100.0") << 0xE8 << 0x03 << 13 << "";
    QTest::newRow("D023N") << 0x01 << 0x00 << 51 << "";
    QTest::newRow("D023I") << 0x6A << 0x00 << 156 << "";
    QTest::newRow("D754I") << 0xD2 << 0x00 << 260 << "";
    QTest::newRow("none") << 0x00 << 0x00 << 0 << "";
    QTest::newRow("high byte erased") << 0x00 << 0xFF << 0 << "";
    QTest::newRow("low byte erased") << 0xFF << 0x00 << 0 << "";
    QTest::newRow("unlisted CTCSS") << 0xED << 0x03 << -1 << "100.5";
    QTest::newRow("DCS beyond the list") << 0xD3 << 0x00 << -1 << "";
}

void TstFrequencyMode::tonePosition()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, position);
    QFETCH(QString, unlisted);
    putBytes(B, TxToneByte, {low, high});
    QCOMPARE(FrequencyMode::tonePosition(B, TxToneByte), position);
    QCOMPARE(unlistedToneText(B, TxToneByte), unlisted);
}

void TstFrequencyMode::toneStore_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<Digits>("stored");
    QTest::newRow("off") << 0 << Digits{0, 0};
    QTest::newRow("67.0") << 1 << Digits{0x9E, 0x02};
    QTest::newRow("254.1") << 50 << Digits{0xED, 0x09};
    QTest::newRow("D023N") << 51 << Digits{0x01, 0x00};
    QTest::newRow("D754I") << 260 << Digits{0xD2, 0x00};
    QTest::newRow("not an item") << 261 << Digits{0x11, 0x22};
}

void TstFrequencyMode::toneStore()
{
    QFETCH(int, position);
    QFETCH(Digits, stored);
    putBytes(D, RxToneByte, {0x11, 0x22});
    storeTone(D, RxToneByte, position);
    QCOMPARE(bytes(D, RxToneByte, 2), stored);
}

void TstFrequencyMode::settingStoreKeepsTheRestOfTheRecord()
{
    const auto before = MemoryImage;
    storeSetting(A, Step, 5);
    storeSetting(B, SignalCode, 14);
    QCOMPARE(MemoryImage[241][11], qint16(5));
    QCOMPARE(MemoryImage[243][4], qint16(14));
    QCOMPARE(settingValue(A, Step), 5);
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            if (!(r == 241 && c == 11) && !(r == 243 && c == 4))
                QCOMPARE(MemoryImage[r][c], before[r][c]);
}

QTEST_GUILESS_MAIN(TstFrequencyMode)
#include "tst_frequencymode.moc"
