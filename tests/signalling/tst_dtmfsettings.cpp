// The DTMF editor's logic without its window: what each code box, list and
// check box stores, the code boxes' key filter, what a stored area shows and
// what showing it stores back.
#include "memory/DtmfDefaults.h"
#include "memory/MemoryImage.h"
#include "signalling/DtmfCodeBoxes.h"
#include "signalling/DtmfLayout.h"
#include "signalling/DtmfSettings.h"
#include "signalling/DtmfView.h"
#include "platform/TextBox.h"

#include <QtTest>

#include <algorithm>

using Bytes = QList<int>;

namespace {
const qint16 Marker = 0x42;

void markImage()
{
    for (auto &row : MemoryImage)
        row.fill(Marker);
}

void fillArea(qint16 value)
{
    for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = value;
}

Bytes rowBytes(int row)
{
    Bytes b;
    for (int c = 0; c < 16; ++c)
        b << MemoryImage[row][c];
    return b;
}

// Rows other than `row` (and column 16 everywhere) still hold the marker.
bool onlyRowChanged(int row)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < ImageCols; ++c)
            if ((r != row || c == 16) && MemoryImage[r][c] != Marker)
                return false;
    return true;
}

const DtmfList &list(const char *name)
{
    for (const DtmfList &l : DtmfLists())
        if (l.name == QLatin1String(name))
            return l;
    qFatal("no list %s", name);
}

// What a window that already shows the area shows: every box its row's
// text, the ID control as its byte reads.
DtmfShown shownAsStored()
{
    const DtmfView now = ReadDtmfView();
    DtmfShown shown;
    shown.codes = now.codes;
    shown.idControlTicked = now.checks[0];
    return shown;
}

const DtmfCheck &check(const QString &name)
{
    for (const DtmfCheck &c : DtmfChecks())
        if (c.name == name)
            return c;
    qFatal("no check box %s", qPrintable(name));
}
} // namespace

class TestDtmfSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { resetMemoryState(); }

    void codeBoxRows()
    {
        // Encode codes at 0x2900 + 16 i, the function codes from 0x2A00, the IDs
        // at 0x2AD0 and 0x2AE0: no box owns 0x29F0, 0x2A60-0x2ACF or 0x2AF0.
        QSet<int> rows;
        for (const DtmfCodeBox &box : DtmfCodeBoxes())
            rows.insert(box.row);
        QCOMPARE(rows.size(), DtmfCodeBoxCount);
        for (int i = 0; i < 15; ++i)
            QVERIFY(rows.contains(0x290 + i));
        for (int k = 0; k < 6; ++k)
            QVERIFY(rows.contains(0x2A0 + k));
        QVERIFY(rows.contains(0x2AD) && rows.contains(0x2AE));
        QCOMPARE(DtmfCodeBoxes()[14].name, QString("Text_tx_Encode(14)"));
        QCOMPARE(DtmfCodeBoxes()[21].name, QString("Text_MID"));
    }

    void codeBoxStore_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("empty") << "" << Bytes(16, 0xFF);
        QTest::newRow("only D") << "D" << Bytes{0} + Bytes(15, 0xFF);
        QTest::newRow("sixteen D, no end mark") << QString(16, 'D') << Bytes(16, 0);
        QTest::newRow("lower case a as A") << "a" << Bytes{13} + Bytes(15, 0xFF);
        QTest::newRow("inner space keeps later places")
            << "1 2" << Bytes{1, 0xFF, 2} + Bytes(13, 0xFF);
        QTest::newRow("outer spaces not stored") << "  *#  " << Bytes{11, 12} + Bytes(14, 0xFF);
        QTest::newRow("pasted past 16: the first 16")
            << "12345678901234567890" << Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6};
    }
    void codeBoxStore()
    {
        QFETCH(QString, text);
        QFETCH(Bytes, bytes);
        // Every box writes its own 16 bytes and nothing else; encode code 15
        // never reaches the on/off-time row after it.
        for (const DtmfCodeBox &box : DtmfCodeBoxes()) {
            markImage();
            StoreDtmfCodeBox(box.row, text);
            QCOMPARE(rowBytes(box.row), bytes);
            QVERIFY2(onlyRowChanged(box.row), qPrintable(box.name));
        }
    }

    void codeStoreOutsideTheBoxesWritesNothing()
    {
        markImage();
        for (int row : {DtmfLayout::EncodeSettingsRow, 0x2A6, DtmfLayout::DecodeSettingsRow, 0, -1,
                        ImageRows})
            StoreDtmfCodeBox(row, QStringLiteral("123"));
        QVERIFY(onlyRowChanged(-1));
    }

    void codeKeyFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<int>("answer");  // 1 passes, 0 discarded, -1 refused in words
        const QString fifteen(15, '1'), sixteen(16, '1');
        for (char c : QByteArray("0123456789abcdABCD*#"))
            QTest::addRow("'%c'", c) << int(c) << QString() << 1;
        QTest::newRow("Enter") << 13 << "" << 1;
        QTest::newRow("e") << int('e') << "" << -1;
        QTest::newRow("E") << int('E') << "" << -1;
        QTest::newRow("space") << int(' ') << "" << 0;
        QTest::newRow("Backspace") << 8 << "12" << 0;
        QTest::newRow("Ctrl+V's control character") << 22 << "" << 0;
        QTest::newRow("full-width digit") << 0xFF11 << "" << -1;
        QTest::newRow("Chinese, box full") << int(u'中') << sixteen << -1;
        QTest::newRow("16th character") << int('1') << fifteen << 1;
        QTest::newRow("17th character") << int('1') << sixteen << 0;
        QTest::newRow("Enter at 16") << 13 << sixteen << 0;
        QTest::newRow("outer spaces not counted") << int('1') << "  " + fifteen + "  " << 1;
    }
    void codeKeyFilter()
    {
        QFETCH(int, key);
        QFETCH(QString, boxText);
        QFETCH(int, answer);
        QCOMPARE(DtmfCodeKey(key, boxText), answer == 1 ? key : answer == 0 ? 0 : int(TextBox::KeyRefused));
    }

    void listVocabularies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("on time") << "Combo_Enc_ys1" << 196 << "50" << "2000";
        QTest::newRow("off time") << "Combo_Enc_ys2" << 196 << "50" << "2000";
        QTest::newRow("group") << "Combo_Dec_qh" << 6 << "*" << "D";
        QTest::newRow("separator") << "Combo_Dec_Space_Code" << 6 << "*" << "D";
        QTest::newRow("delay") << "Combo_Dec_Proc_Ys" << 40 << "100" << "4000";
        QTest::newRow("reset") << "Combo_Dec_Res_Time" << 200 << "100" << "20000";
    }
    void listVocabularies()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const DtmfList &l = list(qPrintable(name));
        QCOMPARE(l.items.size(), count);
        QCOMPARE(l.items.first(), first);
        QCOMPARE(l.items.last(), last);
    }

    // A pick stores its byte; a stored byte shows its item or, when it names
    // none (a corrupt byte), no selection.
    void listBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("byte");
        QTest::newRow("on time 80 ms") << "Combo_Enc_ys1" << 3 << 3;
        QTest::newRow("off time 2000 ms") << "Combo_Enc_ys2" << 195 << 195;
        QTest::newRow("group *") << "Combo_Dec_qh" << 0 << 11;
        QTest::newRow("group D") << "Combo_Dec_qh" << 5 << 0;
        QTest::newRow("separator #") << "Combo_Dec_Space_Code" << 1 << 12;
        QTest::newRow("separator C") << "Combo_Dec_Space_Code" << 4 << 15;
        QTest::newRow("delay 500 ms") << "Combo_Dec_Proc_Ys" << 4 << 4;
        QTest::newRow("reset 20000 ms") << "Combo_Dec_Res_Time" << 199 << 199;
    }
    void listBytes()
    {
        QFETCH(QString, name);
        QFETCH(int, item);
        QFETCH(int, byte);
        const DtmfList &l = list(qPrintable(name));
        markImage();
        StoreDtmfListPick(l, item);
        QCOMPARE(int(MemoryImage[l.row][l.byte]), byte);
        MemoryImage[l.row][l.byte] = Marker;
        QVERIFY(onlyRowChanged(-1));
        QCOMPARE(DtmfListShownIndex(l, byte), item);
    }

    // What a stored byte that names no item shows and what showing it stores
    // back: a time beyond its list shows the last entry and is stored as that
    // index; a digit as group or separator code shows the digit, any other
    // character byte nothing, and neither is stored.
    void listBytesWithoutAnItem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("on time just past the list") << "Combo_Enc_ys1" << 196 << 195 << "2000" << 195;
        QTest::newRow("off time 255") << "Combo_Enc_ys2" << 255 << 195 << "2000" << 195;
        QTest::newRow("delay past the list") << "Combo_Dec_Proc_Ys" << 40 << 39 << "4000" << 39;
        QTest::newRow("reset 255") << "Combo_Dec_Res_Time" << 255 << 199 << "20000" << 199;
        QTest::newRow("reset: last entry kept") << "Combo_Dec_Res_Time" << 199 << 199 << "20000" << 199;
        QTest::newRow("reset: first entry kept") << "Combo_Dec_Res_Time" << 0 << 0 << "100" << 0;
        QTest::newRow("negative") << "Combo_Dec_Res_Time" << -1 << 199 << "20000" << 199;
        QTest::newRow("group: digit 5") << "Combo_Dec_qh" << 5 << -1 << "5" << 5;
        QTest::newRow("group: 1 is \"1\"") << "Combo_Dec_qh" << 1 << -1 << "1" << 1;
        QTest::newRow("group: 10 is \"0\"") << "Combo_Dec_qh" << 10 << -1 << "0" << 10;
        QTest::newRow("separator: digit 9") << "Combo_Dec_Space_Code" << 9 << -1 << "9" << 9;
        QTest::newRow("separator: no character") << "Combo_Dec_Space_Code" << 16 << -1 << "" << 16;
        QTest::newRow("separator: 255") << "Combo_Dec_Space_Code" << 255 << -1 << "" << 255;
        QTest::newRow("separator: D is 0") << "Combo_Dec_Space_Code" << 0 << 5 << "D" << 0;
    }
    void listBytesWithoutAnItem()
    {
        QFETCH(QString, name);
        QFETCH(int, byte);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, stored);
        const DtmfList &l = list(qPrintable(name));
        QCOMPARE(DtmfListShownIndex(l, byte), index);
        QCOMPARE(DtmfListShownText(l, byte), text);
        BuildDtmfDefaults();
        MemoryImage[l.row][l.byte] = qint16(byte);
        StoreDtmfViewBack(ReadDtmfView(shownAsStored()));
        QCOMPARE(int(MemoryImage[l.row][l.byte]), stored);
    }

    void pickOutsideTheListStoresNothing()
    {
        markImage();
        for (const DtmfList &l : DtmfLists())
            for (int i : {-1, int(l.items.size())})
                StoreDtmfListPick(l, i);
        QVERIFY(onlyRowChanged(-1));
    }

    // Each box sets or clears its own bit and keeps the others, bits 5-7 of
    // the rights bytes included.
    void checkBits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<int>("after");
        QTest::newRow("TX disable ticked over RX") << "Check_Tx" << 1 << true << 3;
        QTest::newRow("RX disable cleared") << "Check_RX" << 3 << false << 2;
        QTest::newRow("RX disable, high bits kept") << "Check_RX" << 0xF0 << true << 0xF1;
        QTest::newRow("master inspection") << "Check_M(0)" << 0 << true << 1;
        QTest::newRow("master revive cleared") << "Check_M(4)" << 0xFF << false << 0xEF;
        QTest::newRow("vice monitor") << "Check_S(1)" << 0xE0 << true << 0xE2;
        QTest::newRow("vice kill cleared") << "Check_S(3)" << 31 << false << 23;
        QTest::newRow("ID control on") << "Check_Ctrl_En" << 0 << true << 1;
        QTest::newRow("ID control on from 7") << "Check_Ctrl_En" << 7 << true << 1;
        QTest::newRow("ID control off") << "Check_Ctrl_En" << 1 << false << 0;
    }
    void checkBits()
    {
        QFETCH(QString, name);
        QFETCH(int, before);
        QFETCH(bool, tick);
        QFETCH(int, after);
        const DtmfCheck &c = check(name);
        const int row = DtmfLayout::DecodeSettingsRow;
        markImage();
        MemoryImage[row][c.field.offset] = qint16(before);
        StoreDtmfCheck(c, tick);
        QCOMPARE(int(MemoryImage[row][c.field.offset]), after);
        QCOMPARE(DtmfCheckTicked(c), tick);
        MemoryImage[row][c.field.offset] = Marker;
        QVERIFY(onlyRowChanged(-1));
    }

    void checkFieldsDoNotOverlap()
    {
        const auto &checks = DtmfChecks();
        for (int a = 0; a < DtmfCheckCount; ++a)
            for (int b = a + 1; b < DtmfCheckCount; ++b)
                QVERIFY2(!FieldsOverlap(checks[a].field, checks[b].field),
                         qPrintable(checks[a].name + " and " + checks[b].name));
    }

    void idControlledControls()
    {
        const QStringList names = DtmfIdControlledNames();
        QCOMPARE(names.size(), 12);
        QVERIFY(names.contains("Text_MID") && names.contains("Text_SID"));
        QVERIFY(names.contains("Check_M(4)") && names.contains("Check_S(0)"));
    }

    void factoryView()
    {
        BuildDtmfDefaults();
        const DtmfView v = ReadDtmfView();
        QCOMPARE(v.codes[0].size(), 5);
        QCOMPARE(v.codes[14].size(), 5);
        for (int i = 1; i < 14; ++i)
            QVERIFY(v.codes[i].isEmpty());
        for (int k = 15; k < 21; ++k)
            QCOMPARE(v.codes[k].size(), 3);
        QCOMPARE(v.codes[21].size(), 5);
        QCOMPARE(v.codes[22].size(), 5);
        // 80 ms, 80 ms, "*", "#", 500 ms, 16000 ms.
        QCOMPARE(v.lists, (std::array<int, 6>{3, 3, 0, 1, 4, 159}));
        // ID control, all master rights, vice inspection and monitor, no disable.
        const std::array<bool, 13> ticks{true,  true,  true,  true,  true,  true, true,
                                         true,  false, false, false, false, false};
        QCOMPARE(v.checks, ticks);
        QVERIFY(v.idControlsEnabled);
    }

    // An erased area shown by a window just opened: empty codes, the four
    // times at their last entries, empty group and separator, everything
    // ticked. Showing it stores the four last indexes and 1 for the ID
    // control it ticks, and leaves every other byte at 0xFF.
    void emptyAreaView()
    {
        markImage();
        fillArea(0xFF);
        const DtmfView v = ReadDtmfView();
        for (const QString &code : v.codes)
            QVERIFY(code.isEmpty());
        QCOMPARE(v.lists, (std::array<int, 6>{195, 195, -1, -1, 39, 199}));
        QCOMPARE(v.listTexts[0], QStringLiteral("2000"));
        QCOMPARE(v.listTexts[2], QString());
        for (bool tick : v.checks)
            QVERIFY(tick);
        QVERIFY(v.idControlsEnabled);
        StoreDtmfViewBack(v);
        QCOMPARE(rowBytes(DtmfLayout::EncodeSettingsRow), Bytes({195, 195}) + Bytes(14, 0xFF));
        QCOMPARE(rowBytes(DtmfLayout::DecodeSettingsRow),
                 Bytes({1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 39, 199}) + Bytes(8, 0xFF));
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::EncodeSettingsRow; ++r)
            QCOMPARE(rowBytes(r), Bytes(16, 0xFF));
        QCOMPARE(int(MemoryImage[DtmfLayout::FirstRow - 1][0]), int(Marker));
        // Shown again, it stores nothing more.
        QList<Bytes> area;
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
            area << rowBytes(r);
        const DtmfView again = ReadDtmfView(shownAsStored());
        QVERIFY(std::none_of(again.repack.begin(), again.repack.end(), [](bool r) { return r; }));
        QVERIFY(!again.idControlStored);
        StoreDtmfViewBack(again);
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
            QCOMPARE(rowBytes(r), area.at(r - DtmfLayout::FirstRow));
    }

    // The ID control's byte is stored as 1 only when the display turns the
    // box from cleared to ticked; a box already ticked keeps its byte, and a
    // byte of 0 is never written by a display.
    void idControlStoredWhenTurnedTicked_data()
    {
        QTest::addColumn<bool>("tickedBefore");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("stored");
        QTest::newRow("cleared, 255 becomes 1") << false << 0xFF << 1;
        QTest::newRow("cleared, 7 becomes 1") << false << 7 << 1;
        QTest::newRow("cleared, 1 stays") << false << 1 << 1;
        QTest::newRow("cleared, 0 stays") << false << 0 << 0;
        QTest::newRow("ticked, 7 stays") << true << 7 << 7;
        QTest::newRow("ticked, 255 stays") << true << 0xFF << 0xFF;
        QTest::newRow("ticked, 0 stays") << true << 0 << 0;
    }
    void idControlStoredWhenTurnedTicked()
    {
        QFETCH(bool, tickedBefore);
        QFETCH(int, byte);
        QFETCH(int, stored);
        BuildDtmfDefaults();
        const int row = DtmfLayout::DecodeSettingsRow;
        MemoryImage[row][DtmfLayout::IdControlByte] = qint16(byte);
        QList<Bytes> before;
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
            before << rowBytes(r);
        DtmfShown shown = shownAsStored();
        shown.idControlTicked = tickedBefore;
        const DtmfView v = ReadDtmfView(shown);
        QCOMPARE(v.checks[0], byte != 0);
        StoreDtmfViewBack(v);
        before[row - DtmfLayout::FirstRow][DtmfLayout::IdControlByte] = stored;
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
            QCOMPARE(rowBytes(r), before.at(r - DtmfLayout::FirstRow));
    }

    void codesReadBackPacked()
    {
        // Bytes without a character are skipped: "1", 0xFF, "2", 0x20 read "12".
        fillArea(0xFF);
        MemoryImage[0x290][0] = 1;
        MemoryImage[0x290][2] = 2;
        MemoryImage[0x290][3] = 0x20;
        MemoryImage[0x2AD][15] = 13;
        const DtmfView v = ReadDtmfView();
        QCOMPARE(v.codes[0], QString("12"));
        QCOMPARE(v.codes[21], QString("A"));
        MemoryImage[DtmfLayout::DecodeSettingsRow][0] = 0;
        QVERIFY(!ReadDtmfView().idControlsEnabled);
        // Shown by a window whose boxes read otherwise, the rows are packed
        // as the boxes now read: codes from byte 0 on, 0xFF after the last.
        // A row whose box's text stays is left alone.
        QCOMPARE(v.repack[0], true);
        QCOMPARE(v.repack[21], true);
        QCOMPARE(v.repack[1], false);
        StoreDtmfViewBack(v);
        QCOMPARE(rowBytes(0x290), Bytes({1, 2}) + Bytes(14, 0xFF));
        QCOMPARE(rowBytes(0x2AD), Bytes({13}) + Bytes(15, 0xFF));
        QCOMPARE(rowBytes(0x291), Bytes(16, 0xFF));
    }

    // A row is rewritten only when its box's text changes: blanks (0x20)
    // show nothing and stay blanks under an empty box, gaps stay under a box
    // that already reads the codes; a changed text is stored packed.
    void codeRowsStoredOnlyWhenTheTextChanges_data()
    {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<QString>("boxBefore");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Bytes>("stored");
        const Bytes gaps = Bytes({0xFF, 3, 0x20, 0, 0xFF, 12}) + Bytes(10, 0xFF);
        QTest::newRow("sixteen blanks, empty box") << Bytes(16, 0x20) << "" << "" << Bytes(16, 0x20);
        QTest::newRow("sixteen blanks, box held a code")
            << Bytes(16, 0x20) << "123" << "" << Bytes(16, 0xFF);
        QTest::newRow("gaps, box reads the codes") << gaps << "3D#" << "3D#" << gaps;
        QTest::newRow("gaps, box read otherwise")
            << gaps << "" << "3D#" << Bytes({3, 0, 12}) + Bytes(13, 0xFF);
        QTest::newRow("lower case typed is stored again as shown")
            << Bytes({13}) + Bytes(15, 0xFF) << "a" << "A" << Bytes({13}) + Bytes(15, 0xFF);
    }
    void codeRowsStoredOnlyWhenTheTextChanges()
    {
        QFETCH(Bytes, bytes);
        QFETCH(QString, boxBefore);
        QFETCH(QString, shown);
        QFETCH(Bytes, stored);
        markImage();
        BuildDtmfDefaults();
        const int row = DtmfLayout::functionCodeRow(4);  // Text_YB
        for (int c = 0; c < 16; ++c)
            MemoryImage[row][c] = qint16(bytes.at(c));
        DtmfShown before = shownAsStored();
        before.codes[19] = boxBefore;
        QList<Bytes> others;
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
            others << (r == row ? stored : rowBytes(r));
        const DtmfView v = ReadDtmfView(before);
        QCOMPARE(v.codes[19], shown);
        StoreDtmfViewBack(v);
        for (int r = DtmfLayout::FirstRow; r < DtmfLayout::FirstRow + DtmfLayout::RowCount; ++r)
            QCOMPARE(rowBytes(r), others.at(r - DtmfLayout::FirstRow));
        QCOMPARE(int(MemoryImage[DtmfLayout::FirstRow - 1][0]), int(Marker));
    }
};

QTEST_GUILESS_MAIN(TestDtmfSettings)
#include "tst_dtmfsettings.moc"
