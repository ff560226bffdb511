// The channel record codec and the grid row routines: stored bytes to the
// cells of a row, new-channel defaults and the two clearing routines.
#include "channels/ChannelFrequencyText.h"
#include "channels/ChannelLink.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "memory/ToneNames.h"
#include "platform/FlexGrid.h"

#include <QTest>

using namespace ChannelGrid;

namespace {
using Bytes = QList<int>;

// A channel in use on 145.50000 / 145.50000 whose other bytes come from the case.
void putRecord(int ch, const Bytes &b8to15)
{
    const int freq[8] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14};
    for (int k = 0; k < 8; ++k)
        MemoryImage[ch][k] = qint16(freq[k]);
    for (int k = 0; k < 8; ++k)
        MemoryImage[ch][8 + k] = qint16(b8to15.value(k));
}

void putName(int ch, const Bytes &bytes)
{
    for (int k = 0; k < 16; ++k)
        MemoryImage[256 + ch][k] = qint16(bytes.value(k, 0xFF));
}

QStringList rowTexts(const FlexGrid &g, int r)
{
    QStringList l;
    for (int c = 1; c < ColumnCount; ++c)
        l << g.textMatrix(r, c);
    return l;
}

void grid(FlexGrid &g)
{
    g.setCols(ColumnCount);
    g.setRows(201);
}
}

class TstChannelRecord : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void optionBytesShowTheirTexts_data();
    void optionBytesShowTheirTexts();
    void toneWords_data();
    void toneWords();
    void emptyChannelBlanksRowAndErasesBothRecords();
    void transmitterOff();
    void nameRecords_data();
    void nameRecords();
    void setChannelDefaultsKeepsFrequenciesAndErasesName();
    void clearingRoutinesLeaveTheirCells();
    void rawNamesAfterARead_data();
    void rawNamesAfterARead();
    void substituteText_data();
    void substituteText();
    void completedText_data();
    void completedText();
    void optionFieldsNeverOverlap();
    void typedFrequencyTexts_data();
    void typedFrequencyTexts();
    void typedNames_data();
    void typedNames();
    void storedBlanksOutliveAnEditElsewhere_data();
    void storedBlanksOutliveAnEditElsewhere();
};

void TstChannelRecord::init()
{
    resetMemoryState();
    BuildSharedTables();
    ChannelCount = 200;
}

void TstChannelRecord::optionBytesShowTheirTexts_data()
{
    // Bytes 12 to 15, and the texts of columns 6 to 14.
    QTest::addColumn<Bytes>("b12to15");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("new channel") << Bytes{0, 0, 0, 4}
        << QStringList{"HIGH", "W", "OFF", "OFF", "ON", "1", "OFF", "QT", "OFF"};
    QTest::newRow("byte 15 = 0x4D") << Bytes{0, 0, 0, 0x4D}
        << QStringList{"HIGH", "N", "BOT", "ON", "ON", "1", "OFF", "QT", "OFF"};
    QTest::newRow("code 15 shows 15") << Bytes{0x3E, 0x21, 0x10, 0x02}
        << QStringList{"HIGH", "W", "EOT", "OFF", "OFF", "15", "DTMF", "OR", "ON"};
    QTest::newRow("code nibble 15 is blank") << Bytes{0x0F, 0x34, 0x20, 0x03}
        << QStringList{"HIGH", "W", "BOTH", "OFF", "OFF", "", "", "", ""};
    QTest::newRow("high nibble of byte 12 ignored") << Bytes{0xF2, 0x13, 0x01, 0x08}
        << QStringList{"LOW", "W", "OFF", "ON", "OFF", "3", "5TONE", "AND", "OFF"};
    QTest::newRow("power from bits 0-2: 0x09 low") << Bytes{0, 0, 0x09, 0}
        << QStringList{"LOW", "W", "OFF", "OFF", "OFF", "1", "OFF", "QT", "OFF"};
    QTest::newRow("power from bits 0-2: 0x05 high") << Bytes{0, 0, 0x05, 0}
        << QStringList{"HIGH", "W", "OFF", "OFF", "OFF", "1", "OFF", "QT", "OFF"};
    QTest::newRow("power 0x03 high") << Bytes{0, 0, 0x03, 0}
        << QStringList{"HIGH", "W", "OFF", "OFF", "OFF", "1", "OFF", "QT", "OFF"};
}

void TstChannelRecord::optionBytesShowTheirTexts()
{
    QFETCH(Bytes, b12to15);
    QFETCH(QStringList, texts);
    putRecord(7, Bytes{0, 0, 0, 0} + b12to15);
    FlexGrid g;
    grid(g);
    FillChannelRow(g, 8);
    QCOMPARE(rowTexts(g, 8).mid(ColPower - 1, 9), texts);
    QCOMPARE(g.textMatrix(8, ColBand), QStringLiteral("VHF/UHF "));
    QCOMPARE(g.textMatrix(8, ColRxFreq), QStringLiteral("145.50000"));
    QCOMPARE(g.textMatrix(8, ColTxFreq), QStringLiteral("145.50000"));
}

void TstChannelRecord::toneWords_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QString>("rx");  // column 4, DCS names as stored
    QTest::addColumn<QString>("tx");  // column 5, trimmed
    QTest::newRow("none 00 00") << 0x00 << 0x00 << "OFF" << "OFF";
    QTest::newRow("none FF FF") << 0xFF << 0xFF << "OFF" << "OFF";
    QTest::newRow("88.5") << 0x75 << 0x03 << "88.5" << "88.5";
    QTest::newRow("60.0") << 0x58 << 0x02 << "60.0" << "60.0";
    QTest::newRow("100.0") << 0xE8 << 0x03 << "100.0" << "100.0";
    QTest::newRow("first DCS") << 0x01 << 0x00 << ToneName(51) << "D023N";
    QTest::newRow("last DCS") << 210 << 0x00 << ToneName(260) << "D754I";
    // Words of no form show a blank cell and are left as they are.
    QTest::newRow("DCS beyond the list") << 211 << 0x00 << "" << "";
    QTest::newRow("high byte 0x80") << 0x10 << 0x80 << "" << "";
    QTest::newRow("FF with low 0") << 0x00 << 0xFF << "" << "";
}

void TstChannelRecord::toneWords()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    putRecord(0, Bytes{low, high, low, high, 0, 0, 0, 4});
    FlexGrid g;
    grid(g);
    FillChannelRow(g, 1);
    QCOMPARE(g.textMatrix(1, ColRxTone), rx);
    QCOMPARE(g.textMatrix(1, ColTxTone), tx);
    QCOMPARE(int(MemoryImage[0][8]), low);
    QCOMPARE(int(MemoryImage[0][9]), high);
}

void TstChannelRecord::emptyChannelBlanksRowAndErasesBothRecords()
{
    putRecord(3, Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    MemoryImage[3][0] = 0xFF;
    putName(3, Bytes{0x41, 0x42});
    FlexGrid g;
    grid(g);
    for (int c = 1; c < ColumnCount; ++c)
        g.setTextMatrix(4, c, QStringLiteral("x"));
    g.setTextMatrix(4, 0, QStringLiteral("3"));
    FillChannelRow(g, 4);
    QCOMPARE(rowTexts(g, 4), QStringList(15, QString()));
    QCOMPARE(g.textMatrix(4, 0), QStringLiteral("3"));
    for (int k = 0; k < 16; ++k) {
        QCOMPARE(int(MemoryImage[3][k]), 0xFF);
        QCOMPARE(int(MemoryImage[259][k]), 0xFF);
    }
}

void TstChannelRecord::transmitterOff()
{
    putRecord(0, Bytes{0x9E, 0x02, 0x9E, 0x02, 0, 0, 0, 4});
    MemoryImage[0][4] = 0xFF;
    FlexGrid g;
    grid(g);
    FillChannelRow(g, 1);
    QCOMPARE(g.textMatrix(1, ColTxFreq), QString());
    QCOMPARE(g.textMatrix(1, ColTxTone), QString());
    QCOMPARE(g.textMatrix(1, ColRxTone), QStringLiteral("67.0"));
}

void TstChannelRecord::nameRecords_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("inner blanks shown, other bytes skipped") << Bytes{0x41, 0xFF, 0x42, 0x20, 0x61, 0x33, 0xFF, 0xFF} << "A B 3";
    QTest::newRow("0xFF inside") << Bytes{0x48, 0x4F, 0x4D, 0x45, 0xFF, 0x32, 0xFF, 0xFF} << "HOME 2";
    QTest::newRow("0x20 inside") << Bytes{0x48, 0x4F, 0x4D, 0x45, 0x20, 0x32, 0xFF, 0xFF} << "HOME 2";
    QTest::newRow("two blanks inside") << Bytes{0x41, 0x20, 0xFF, 0x42} << "A  B";
    QTest::newRow("blanks at both ends trimmed") << Bytes{0x20, 0x41, 0x42, 0x20, 0x20, 0xFF, 0xFF, 0xFF} << "AB";
    QTest::newRow("byte 0 FF: no name") << Bytes{0xFF, 0x41, 0x42, 0x43} << "";
    QTest::newRow("eight characters") << Bytes{0x5A, 0x51, 0x37, 0x33, 0x31, 0x30, 0x2D, 0x41} << "ZQ7310A";
    QTest::newRow("bytes 8-15 not read") << Bytes{0x43, 0x48, 0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x41} << "CH1";
}

void TstChannelRecord::nameRecords()
{
    QFETCH(Bytes, bytes);
    QFETCH(QString, shown);
    putRecord(9, Bytes{0, 0, 0, 0, 0, 0, 0, 4});
    putName(9, bytes);
    FlexGrid g;
    grid(g);
    FillChannelRow(g, 10);
    QCOMPARE(g.textMatrix(10, ColName), shown);
}

void TstChannelRecord::setChannelDefaultsKeepsFrequenciesAndErasesName()
{
    putRecord(4, Bytes{0x75, 0x03, 0x75, 0x03, 0x3E, 0x21, 0x11, 0x4F});
    putName(4, Bytes{0x41, 0x42});
    FlexGrid g;
    grid(g);
    FillChannelRow(g, 5);
    SetChannelDefaults(g, 5);
    QCOMPARE(rowTexts(g, 5),
             QStringList({"VHF/UHF ", "145.50000", "145.50000", "OFF", "OFF", "HIGH", "W", "OFF",
                          "OFF", "ON", "1", "OFF", "QT", "OFF", ""}));
    const int expected[16] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int k = 0; k < 16; ++k) {
        QCOMPARE(int(MemoryImage[4][k]), expected[k]);
        QCOMPARE(int(MemoryImage[260][k]), 0xFF);
    }
}

void TstChannelRecord::clearingRoutinesLeaveTheirCells()
{
    FlexGrid g;
    grid(g);
    for (int r : {1, 2}) {
        putRecord(r - 1, Bytes{0, 0, 0, 0, 0, 0, 0, 4});
        putName(r - 1, Bytes{0x41});
        FillChannelRow(g, r);
    }
    ClearChannel(g, 1);
    ClearChannelOptions(g, 2);
    QCOMPARE(rowTexts(g, 1), QStringList({"VHF/UHF "}) + QStringList(14, QString()));
    QCOMPARE(rowTexts(g, 2), QStringList({"", "145.50000", "145.50000"}) + QStringList(12, QString()));
    for (int ch : {0, 1})
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(int(MemoryImage[ch][k]), 0xFF);
            QCOMPARE(int(MemoryImage[256 + ch][k]), 0xFF);
        }
}

void TstChannelRecord::rawNamesAfterARead_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name codes 17, 18") << Bytes{17, 18, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF} << "AB";
    QTest::newRow("character codes") << Bytes{0x43, 0x48, 253, 0x37, 0x2D, 0xFF, 0xFF, 0xFF} << "CH-7";
    QTest::newRow("digits 0-9 as codes") << Bytes{0, 9, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF} << "095";
    // A blank inside a name shows as one, as in the editor's own display
    // (0x20 is no "P" here), and the blanks at the ends go.
    QTest::newRow("blanks inside") << Bytes{'H', 'O', 0x20, 'M', 0xFF, '2', 0xFF, 0xFF} << "HO M 2";
    QTest::newRow("a lone blank") << Bytes{32, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF} << "";
    QTest::newRow("251 and 253") << Bytes{251, 253, 252, 10, 38, 254, 0xFF, 0xFF} << "+-";
    QTest::newRow("first byte FF") << Bytes{0xFF, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF} << "";
}

void TstChannelRecord::rawNamesAfterARead()
{
    QFETCH(Bytes, bytes);
    QFETCH(QString, shown);
    quint8 raw[8];
    for (int k = 0; k < 8; ++k)
        raw[k] = quint8(bytes.at(k));
    QCOMPARE(DecodeRawNameBytes(raw), shown);
}

void TstChannelRecord::substituteText_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<QString>("text");
    QTest::newRow("136") << 136.0 << "136.00000";
    QTest::newRow("400") << 400.0 << "400.00000";
    QTest::newRow("two digits") << 66.0 << "66.00000";
    QTest::newRow("with a fraction") << 136.5 << "136.50000";
    QTest::newRow("one digit") << 5.0 << "5.000000";
}

void TstChannelRecord::substituteText()
{
    QFETCH(double, lower);
    QFETCH(QString, text);
    BandLimits[0] = {lower, lower + 10};
    QCOMPARE(SubstituteFrequencyText(), text);
}

void TstChannelRecord::completedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("145") << "145" << "145.00000";
    QTest::newRow("145.5") << "145.5" << "145.50000";
    QTest::newRow("long text cut to 9") << "145.1234567" << "145.12345";
    QTest::newRow("below 100") << "88" << "88.00000";
    QTest::newRow("already complete") << "438.00625" << "438.00625";
}

void TstChannelRecord::completedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QCOMPARE(CompletedFrequencyText(typed), text);
}

void TstChannelRecord::optionFieldsNeverOverlap()
{
    // The option columns share bytes 12-15: a pick in one must never change
    // another's bits, nor the frequency or tone bytes.
    const auto &fields = ChannelOptionFields();
    for (size_t a = 0; a < fields.size(); ++a) {
        QVERIFY2(fields[a].stored.offset >= 12 && fields[a].stored.offset <= 15,
                 qPrintable(QString::number(fields[a].col)));
        for (size_t b = a + 1; b < fields.size(); ++b)
            QVERIFY2(!FieldsOverlap(fields[a].stored, fields[b].stored),
                     qPrintable(QStringLiteral("columns %1 and %2").arg(fields[a].col).arg(fields[b].col)));
    }
    // Every list item fits its field, so a pick never spills into a neighbour.
    for (const ChannelOptionField &f : fields)
        QVERIFY(ChannelListItems(f.col).size() - 1 <= f.stored.mask);
}

void TstChannelRecord::typedFrequencyTexts_data()
{
    // The start-up limits: 136-174 and 400-480 MHz.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("point") << "440.5" << true;
    QTest::newRow("comma is the point") << "440,5" << true;
    QTest::newRow("whole number") << "145" << true;
    QTest::newRow("trailing point") << "145." << true;
    QTest::newRow("blanks around and inside") << " 14 5.5 " << true;
    QTest::newRow("a unit after the number") << "146.5MHz" << false;
    QTest::newRow("a letter after the number") << "145x" << false;
    QTest::newRow("a second point") << "440.5.1" << false;
    QTest::newRow("point and comma") << "440.5,1" << false;
    QTest::newRow("two commas") << "440,5,1" << false;
    QTest::newRow("an exponent") << "1.45E2" << false;
    QTest::newRow("letters only") << "abc" << false;
    QTest::newRow("full-width digits") << QStringLiteral("１４５") << false;
    QTest::newRow("a number outside the limits") << "500,5" << false;
    QTest::newRow("a negative number") << "-145" << false;
}

void TstChannelRecord::typedFrequencyTexts()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    SetStartupBandLimits();
    QCOMPARE(FrequencyTextAccepted(TypedFrequencyText(typed)), accepted);
}

void TstChannelRecord::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("verdict");
    const int kept = int(NameVerdict::Kept);
    const int cut = int(NameVerdict::Cut);
    const int refused = int(NameVerdict::Refused);
    QTest::newRow("capitals and digits") << "CH12" << "CH12" << kept;
    QTest::newRow("lower case becomes capitals") << "abc" << "ABC" << kept;
    QTest::newRow("blanks around, one inside") << "  ab c  " << "AB C" << kept;
    QTest::newRow("empty") << "" << "" << kept;
    QTest::newRow("eight") << "12345678" << "12345678" << kept;
    QTest::newRow("nine: cut") << "123456789" << "12345678" << cut;
    QTest::newRow("cut, then trimmed") << "abcdefg hij" << "ABCDEFG" << cut;
    QTest::newRow("a leading sign") << "-abc" << "" << refused;
    QTest::newRow("a sign inside") << "ch-1" << "" << refused;
    QTest::newRow("an accented letter") << QStringLiteral("café") << "" << refused;
    QTest::newRow("Chinese characters") << QStringLiteral("频道一") << "" << refused;
    QTest::newRow("too long and a bad character") << "abcdefghi!" << "" << refused;
    QTest::newRow("a tab inside") << "ab\tc" << "" << refused;
    QTest::newRow("full-width capitals") << QStringLiteral("ＡＢ") << "" << refused;
}

void TstChannelRecord::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(int, verdict);
    NameVerdict found = NameVerdict::Kept;
    QCOMPARE(NormalizeChannelName(typed, &found), name);
    QCOMPARE(int(found), verdict);
}

// A stored name shown, changed by the user somewhere else, and stored again:
// a blank stored inside it keeps its byte (0x20 from the radio, or 0xFF, the
// byte of a typed blank) where the text still has a blank.
void TstChannelRecord::storedBlanksOutliveAnEditElsewhere_data()
{
    QTest::addColumn<Bytes>("stored");  // bytes 0-7
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Bytes>("after");
    QTest::newRow("0xFF, last letter changed") << Bytes{'H', 'O', 'M', 'E', 0xFF, '2', 0xFF, 0xFF}
        << "HOME 2" << "HOME 3" << Bytes{'H', 'O', 'M', 'E', 0xFF, '3', 0xFF, 0xFF};
    QTest::newRow("0x20, last letter changed") << Bytes{'H', 'O', 'M', 'E', 0x20, '2', 0xFF, 0xFF}
        << "HOME 2" << "home 3" << Bytes{'H', 'O', 'M', 'E', 0x20, '3', 0xFF, 0xFF};
    QTest::newRow("0x20, a letter added") << Bytes{'A', 0x20, 'B', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}
        << "A B" << "A BC" << Bytes{'A', 0x20, 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF};
    // A blank typed where none was stored is the typed blank's byte; a
    // blank the user moved is stored where it now stands.
    QTest::newRow("0x20, the blank moved") << Bytes{'A', 0x20, 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF}
        << "A BC" << "AB C" << Bytes{'A', 'B', 0xFF, 'C', 0xFF, 0xFF, 0xFF, 0xFF};
    QTest::newRow("trailing 0x20 is no blank of the name") << Bytes{'A', 'B', 0x20, 0x20, 0xFF, 0xFF, 0xFF, 0xFF}
        << "AB" << "AB C" << Bytes{'A', 'B', 0xFF, 'C', 0xFF, 0xFF, 0xFF, 0xFF};
}

void TstChannelRecord::storedBlanksOutliveAnEditElsewhere()
{
    QFETCH(Bytes, stored);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(Bytes, after);
    putRecord(9, Bytes{0, 0, 0, 0, 0, 0, 0, 4});
    putName(9, stored + Bytes(8, 0x11));
    QCOMPARE(ChannelNameText(9), shown);
    NameVerdict verdict = NameVerdict::Refused;
    StoreChannelName(9, NormalizeChannelName(typed, &verdict));
    QCOMPARE(int(verdict), int(NameVerdict::Kept));
    Bytes bytes;
    for (int k = 0; k < 16; ++k)
        bytes << int(MemoryImage[256 + 9][k]);
    QCOMPARE(bytes, after + Bytes(8, 0x11));
    QCOMPARE(ChannelNameText(9), NormalizeChannelName(typed, nullptr));
}

QTEST_MAIN(TstChannelRecord)
#include "tst_channelrecord.moc"
