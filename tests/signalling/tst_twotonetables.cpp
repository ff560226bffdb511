// The 2-tone editor's logic without its window: encode and decode tones as
// text and bytes, the decode cells and their lists, the timing lists.
#include "memory/MemoryImage.h"
#include "memory/TwoToneDefaults.h"
#include "signalling/TwoToneDecodeCells.h"
#include "signalling/TwoToneLayout.h"
#include "signalling/TwoToneTexts.h"
#include "signalling/TwoToneTimings.h"
#include "signalling/TwoToneTones.h"

#include <QtTest>

using Bytes = QList<int>;
Q_DECLARE_METATYPE(TwoToneEntry::Kind)

namespace {
const qint16 Marker = 0x42;

void markImage()
{
    for (auto &row : MemoryImage)
        row.fill(Marker);
}

// Every cell holds the marker but (row, cols).
bool onlyChanged(int row, const QList<int> &cols)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < ImageCols; ++c)
            if (!(r == row && cols.contains(c)) && MemoryImage[r][c] != Marker)
                return false;
    return true;
}

Bytes bytes(int row, const QList<int> &cols)
{
    Bytes b;
    for (int c : cols)
        b << MemoryImage[row][c];
    return b;
}

QStringList english()
{
    QStringList r;
    for (const BiText &t : TwoToneTexts::Responses)
        r << t.english();
    return r;
}
} // namespace

class TestTwoToneTables : public QObject {
    Q_OBJECT
private slots:
    void init() { resetMemoryState(); }

    void encodeToneText_data()
    {
        QTest::addColumn<int>("hz");
        QTest::addColumn<QString>("text");
        QTest::newRow("299") << 299 << "";
        QTest::newRow("300") << 300 << "300.0";
        QTest::newRow("1124") << 1124 << "1124.0";
        QTest::newRow("3000") << 3000 << "3000.0";
        QTest::newRow("3001") << 3001 << "";
        QTest::newRow("none") << 0 << "";
        QTest::newRow("FF FF") << 0xFFFF << "";
    }
    void encodeToneText()
    {
        QFETCH(int, hz);
        QFETCH(QString, text);
        QCOMPARE(EncodeToneText(hz), text);
        // The grid cell reads the same from the stored bytes.
        StoreEncodeTone(7, 2, hz);
        QCOMPARE(StoredEncodeToneText(7, 2), text);
    }

    void encodeEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TwoToneEntry::Kind>("kind");
        QTest::addColumn<int>("hz");
        using K = TwoToneEntry;
        QTest::newRow("1000") << "1000" << K::Accepted << 1000;
        QTest::newRow("3000") << "3000" << K::Accepted << 3000;
        QTest::newRow("300") << "300" << K::Accepted << 300;
        QTest::newRow("2999.5 rounds up") << "2999.5" << K::Accepted << 3000;
        QTest::newRow("1000.5 rounds up") << "1000.5" << K::Accepted << 1001;
        QTest::newRow("shown text") << "1124.0" << K::Accepted << 1124;
        QTest::newRow("pasted 1000abc") << "1000abc" << K::Accepted << 1000;
        QTest::newRow("299.9") << "299.9" << K::OutOfRange << 0;
        QTest::newRow("3000.2") << "3000.2" << K::OutOfRange << 0;
        QTest::newRow("only a point") << "." << K::OutOfRange << 0;
        QTest::newRow("0") << "0" << K::OutOfRange << 0;
        QTest::newRow("too large for a number") << QString(400, '9') << K::OutOfRange << 0;
        QTest::newRow("empty") << "" << K::Blank << 0;
        QTest::newRow("spaces") << "   " << K::Blank << 0;
    }
    void encodeEntry()
    {
        QFETCH(QString, text);
        QFETCH(TwoToneEntry::Kind, kind);
        QFETCH(int, hz);
        const TwoToneEntry e = ParseEncodeTone(text);
        QCOMPARE(e.kind, kind);
        QCOMPARE(e.hz, hz);
    }

    void encodeStore_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("hz");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("cols");
        QTest::addColumn<Bytes>("stored");
        QTest::newRow("code 3, 1000 Hz at 0x2D20")
            << 3 << 1 << 1000 << 0x2D2 << QList<int>{0, 1} << Bytes{0xE8, 0x03};
        QTest::newRow("code 1, 3000 Hz second tone")
            << 1 << 2 << 3000 << 0x2D0 << QList<int>{8, 9} << Bytes{0xB8, 0x0B};
        QTest::newRow("code 15, none") << 15 << 2 << 0 << 0x2DE << QList<int>{8, 9} << Bytes{0, 0};
    }
    void encodeStore()
    {
        QFETCH(int, code);
        QFETCH(int, column);
        QFETCH(int, hz);
        QFETCH(int, row);
        QFETCH(QList<int>, cols);
        QFETCH(Bytes, stored);
        markImage();
        StoreEncodeTone(code, column, hz);
        QCOMPARE(bytes(row, cols), stored);
        QVERIFY(onlyChanged(row, cols));
    }

    void encodeStoreOutsideTheCellsWritesNothing()
    {
        markImage();
        StoreEncodeTone(0, 1, 1000);
        StoreEncodeTone(16, 1, 1000);
        StoreEncodeTone(1, 0, 1000);
        StoreEncodeTone(1, 3, 1000);
        StoreEncodeTone(1, 1, 0x10000);
        QVERIFY(onlyChanged(-1, {}));
    }

    void decodeEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TwoToneEntry::Kind>("kind");
        QTest::addColumn<int>("hz");
        using K = TwoToneEntry;
        QTest::newRow("1000") << "1000" << K::Accepted << 1000;
        QTest::newRow("299.5 to the even 300") << "299.5" << K::Accepted << 300;
        QTest::newRow("300.5 to the even 300") << "300.5" << K::Accepted << 300;
        QTest::newRow("301.5 to the even 302") << "301.5" << K::Accepted << 302;
        QTest::newRow("3000.5 to the even 3000") << "3000.5" << K::Accepted << 3000;
        QTest::newRow("1000.0 as shown") << "1000.0" << K::Accepted << 1000;
        QTest::newRow("299.4") << "299.4" << K::OutOfRange << 0;
        QTest::newRow("3000.6") << "3000.6" << K::OutOfRange << 0;
        QTest::newRow("3001.5 to the even 3002") << "3001.5" << K::OutOfRange << 0;
        QTest::newRow("only a point") << "." << K::OutOfRange << 0;
        QTest::newRow("past 32 bits") << "4294968296" << K::OutOfRange << 0;
        QTest::newRow("too large for a number") << QString(400, '9') << K::OutOfRange << 0;
        QTest::newRow("empty") << "" << K::Blank << 0;
        QTest::newRow("spaces") << "  " << K::Blank << 0;
    }
    void decodeEntry()
    {
        QFETCH(QString, text);
        QFETCH(TwoToneEntry::Kind, kind);
        QFETCH(int, hz);
        const TwoToneEntry e = ParseDecodeTone(text);
        QCOMPARE(e.kind, kind);
        QCOMPARE(e.hz, hz);
    }

    // A tone and its count, low byte first; no tone is four 0xFF bytes.
    void decodeStore_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("tone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Bytes>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1000 Hz, count 10040") << 0 << 0 << "1000" << Bytes{0xE8, 0x03, 0x38, 0x27} << "1000.0";
        QTest::newRow("300 Hz, count 33467") << 4 << 1 << "300" << Bytes{0x2C, 0x01, 0xBB, 0x82} << "300.0";
        QTest::newRow("3000 Hz, count 3347") << 14 << 3 << "3000" << Bytes{0xB8, 0x0B, 0x13, 0x0D} << "3000.0";
        QTest::newRow("empty") << 6 << 2 << "" << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "";
        QTest::newRow("refused") << 6 << 2 << "3001" << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "";
    }
    void decodeStore()
    {
        QFETCH(int, code);
        QFETCH(int, tone);
        QFETCH(QString, text);
        QFETCH(Bytes, stored);
        QFETCH(QString, shown);
        markImage();
        StoreDecodeTone(code, tone, ParseDecodeTone(text));
        const int row = 0x2F0 + code;
        const QList<int> cols{2 * tone, 2 * tone + 1, 2 * tone + 8, 2 * tone + 9};
        QCOMPARE(bytes(row, cols), stored);
        QVERIFY(onlyChanged(row, cols));
        QCOMPARE(DecodeToneText(code, tone), shown);
    }

    void decodeToneText_data()
    {
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::addColumn<QString>("text");
        QTest::newRow("none: 0") << 0 << 0 << "";
        QTest::newRow("none: FF FF") << 0xFF << 0xFF << "";
        QTest::newRow("255 alone is shown") << 0xFF << 0 << "255.0";
        QTest::newRow("no range test") << 0x10 << 0x27 << "10000.0";
    }
    void decodeToneText()
    {
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(QString, text);
        MemoryImage[0x2F3][4] = qint16(lo);
        MemoryImage[0x2F3][5] = qint16(hi);
        QCOMPARE(DecodeToneText(3, 2), text);
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<bool>("encodePasses");
        QTest::addColumn<bool>("boxPasses");
        for (char c : QByteArray("0123456789."))
            QTest::addRow("'%c'", c) << int(c) << "" << true << true;
        QTest::newRow("Enter") << 13 << "" << true << true;
        QTest::newRow("Backspace") << 8 << "12" << false << false;
        QTest::newRow("minus") << int('-') << "" << false << false;
        QTest::newRow("letter") << int('e') << "" << false << false;
        QTest::newRow("7th character") << int('1') << "123456" << true << true;
        QTest::newRow("8th character") << int('1') << "1234567" << true << false;
        QTest::newRow("Enter at 7") << 13 << "1234567" << true << false;
        QTest::newRow("spaces not counted") << int('1') << " 123456 " << true << true;
    }
    void keyFilters()
    {
        QFETCH(int, key);
        QFETCH(QString, boxText);
        QFETCH(bool, encodePasses);
        QFETCH(bool, boxPasses);
        QCOMPARE(TwoToneEncodeKey(key), encodePasses ? key : 0);
        QCOMPARE(TwoToneToneBoxKey(key, boxText), boxPasses ? key : 0);
    }

    void columns()
    {
        using C = TwoToneDecodeColumn;
        const QList<C> kinds{C::Code, C::Pair, C::Response, C::Alert, C::Pair, C::Response,
                             C::Alert, C::Pair, C::Response, C::Alert, C::Pair, C::Response,
                             C::Alert, C::Code};
        for (int c = 0; c <= 13; ++c)
            QCOMPARE(DecodeColumnKind(c), kinds[c]);
        QCOMPARE(DecodePairColumn(6), 4);
        QCOMPARE(DecodePairColumn(12), 10);
        QCOMPARE(DecodePairColumn(1), 1);
    }

    void cellTexts_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("text");
        QTest::newRow("pair 0") << 1 << 0 << "A-B";
        QTest::newRow("pair 11") << 4 << 11 << "D-C";
        QTest::newRow("pair 12") << 7 << 12 << "";
        QTest::newRow("response 3") << 2 << 3 << "3.Alert+Transpond";
        QTest::newRow("response 4 shows entry 0") << 5 << 4 << "0.None";
        QTest::newRow("response 254 shows entry 0") << 8 << 254 << "0.None";
        QTest::newRow("response 255") << 11 << 255 << "";
        QTest::newRow("alert 1") << 3 << 1 << "1";
        QTest::newRow("alert 16") << 6 << 16 << "16";
        QTest::newRow("alert 17") << 9 << 17 << "";
        QTest::newRow("alert 255") << 12 << 255 << "";
    }
    void cellTexts()
    {
        QFETCH(int, column);
        QFETCH(int, byte);
        QFETCH(QString, text);
        MemoryImage[0x2E3][column - 1] = qint16(byte);
        QCOMPARE(DecodeCellText(4, column, english()), text);
    }

    void chineseResponse()
    {
        QStringList zh;
        for (const BiText &t : TwoToneTexts::Responses)
            zh << t.chinese();
        QCOMPARE(ResponseName(4, zh), QString("0.无"));
        QCOMPARE(DecodeListItems(TwoToneDecodeColumn::Response, zh).last(), QString("3.提醒并回"));
    }

    void factoryAlertsKeepTheirNumbers()
    {
        // Code 15's entries hold alerts 4, 3, 2, 1; the cell shows that number,
        // and a pick of the item with that text stores the same byte.
        BuildTwoToneDefaults();
        const QStringList items = DecodeListItems(TwoToneDecodeColumn::Alert, english());
        for (int entry = 0; entry < 4; ++entry) {
            const int c = 3 * entry + 3;
            const int byte = MemoryImage[0x2EE][c - 1];
            QCOMPARE(DecodeCellText(15, c, english()), QString::number(4 - entry));
            const int item = int(items.indexOf(QString::number(4 - entry)));
            QCOMPARE(DecodePickByte(TwoToneDecodeColumn::Alert, item), byte);
        }
    }

    // What a pick stores, and where the list opens for a stored byte.
    void picks_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("itemText");
        QTest::newRow("pair A-B") << 4 << 0 << 0 << "A-B";
        QTest::newRow("pair D-C") << 10 << 11 << 11 << "D-C";
        QTest::newRow("response 2") << 2 << 2 << 2 << "2.Transpond";
        QTest::newRow("alert item 1") << 3 << 0 << 1 << "1";
        QTest::newRow("alert item 5") << 6 << 4 << 5 << "5";
        QTest::newRow("alert item 16") << 12 << 15 << 16 << "16";
    }
    void picks()
    {
        QFETCH(int, column);
        QFETCH(int, item);
        QFETCH(int, byte);
        QFETCH(QString, itemText);
        const TwoToneDecodeColumn kind = DecodeColumnKind(column);
        QCOMPARE(DecodeListItems(kind, english()).value(item), itemText);
        markImage();
        StoreDecodePick(4, column, item);
        QCOMPARE(int(MemoryImage[0x2E3][column - 1]), byte);
        QVERIFY(onlyChanged(0x2E3, {column - 1}));
        // The cell then shows the picked item's text.
        QCOMPARE(DecodeCellText(4, column, english()), itemText);
    }

    void picksOutsideStoreNothing()
    {
        markImage();
        StoreDecodePick(0, 1, 0);
        StoreDecodePick(16, 1, 0);
        StoreDecodePick(1, 0, 0);
        StoreDecodePick(1, 13, 0);
        StoreDecodePick(1, 1, 12);
        StoreDecodePick(1, 2, 4);
        StoreDecodePick(1, 3, 16);
        StoreDecodePick(1, 3, -1);
        QVERIFY(onlyChanged(-1, {}));
    }

    void timingLists_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        QTest::newRow("1st tone") << 0 << 0x2DF << 0 << 101 << "1000";
        QTest::newRow("2nd tone") << 1 << 0x2DF << 1 << 101 << "1000";
        QTest::newRow("gap") << 2 << 0x2DF << 2 << 101 << "1000";
        QTest::newRow("reset") << 3 << 0x2FF << 0 << 80 << "8000";
    }
    void timingLists()
    {
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(int, byte);
        QFETCH(int, count);
        QFETCH(QString, last);
        const TwoToneTiming &t = TwoToneTimings()[list];
        QCOMPARE(t.row, row);
        QCOMPARE(t.byte, byte);
        QCOMPARE(t.items.size(), count);
        QCOMPARE(t.items.last(), last);
        // A byte beyond the list (an erased or corrupt byte) shows the last
        // item and is stored back as its index; a byte in the list is shown
        // as it is and left alone. Nothing but the list's byte changes.
        for (const auto &[stored, shown] : {std::pair{255, count - 1}, std::pair{count, count - 1},
                                            std::pair{count - 1, count - 1}, std::pair{0, 0}}) {
            markImage();
            MemoryImage[row][byte] = qint16(stored);
            QCOMPARE(StoreTwoToneTimingInRange(t), shown);
            QCOMPARE(int(MemoryImage[row][byte]), shown);
            QVERIFY(onlyChanged(row, {byte}));
        }
        markImage();
        StoreTwoToneTiming(t, count - 1);
        StoreTwoToneTiming(t, count);
        StoreTwoToneTiming(t, -1);
        QCOMPARE(int(MemoryImage[row][byte]), count - 1);
        QVERIFY(onlyChanged(row, {byte}));
    }

    void factoryTimings()
    {
        BuildTwoToneDefaults();
        QStringList shown;
        for (const TwoToneTiming &t : TwoToneTimings())
            shown << t.items[StoreTwoToneTimingInRange(t)];
        QCOMPARE(shown, (QStringList{"600", "600", "300", "6000"}));
    }
};

QTEST_GUILESS_MAIN(TestTwoToneTables)
#include "tst_twotonetables.moc"
