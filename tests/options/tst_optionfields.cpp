// The option block's store routine and redisplay values, the DTMF code
// fields with the ANI check, and the power-on text.
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "memory/OptionDefaults.h"
#include "memory/OptionFields.h"
#include "options/OptionBlock.h"
#include "options/OptionCodes.h"
#include "platform/TextBox.h"

#include <QtTest>

using Bytes = QList<int>;
Q_DECLARE_METATYPE(OptionField)

namespace {
Bytes row(int r)
{
    Bytes out;
    for (int c = 0; c < 16; ++c)
        out << MemoryImage[r][c];
    return out;
}

Bytes padded(Bytes head, int fill)
{
    while (head.size() < 16)
        head << fill;
    return head;
}

// Every cell but those of `skipRow` equals `before`.
bool sameOutside(const CellGrid<ImageRows, ImageCols> &before, int skipRow)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            if (r != skipRow && MemoryImage[r][c] != before[r][c])
                return false;
    return true;
}
} // namespace

class TstOptionFields : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void everyOptionBoxHasItsOwnByte();
    void pickStoresItsByteOnly();
    void listsWithoutByteStoreNothing();
    void shownIndex_data();
    void shownIndex();
    void codeStore_data();
    void codeStore();
    void codeStoreSurvivesTheNextPick();
    void codeText_data();
    void codeText();
    void aniCheck_data();
    void aniCheck();
    void powerOnStore_data();
    void powerOnStore();
    void powerOnText_data();
    void powerOnText();
    void powerOnKey_data();
    void powerOnKey();
};

void TstOptionFields::init()
{
    resetMemoryState();
    BuildSharedTables();
    BuildFactoryImage();
    LoadOptionValues();
}

void TstOptionFields::everyOptionBoxHasItsOwnByte()
{
    QSet<int> bytes;
    int withByte = 0;
    for (const OptionBox &box : OptionBoxes()) {
        const int b = OptionFieldByte(box.field);
        // Every list has a factory setting: its byte's default, or the
        // setting a list without a byte shows, fixed.
        QVERIFY2(OptionFactoryIndex(box.field) >= 0, box.name);
        if (b < 0)
            continue;
        ++withByte;
        QVERIFY2(!bytes.contains(b), box.name);
        bytes.insert(b);
    }
    QCOMPARE(withByte, 32);
}

void TstOptionFields::pickStoresItsByteOnly()
{
    MemoryImage[224][5] = 7;  // Combo_tot
    LoadOptionValues();
    const auto before = MemoryImage;
    StoreOptionPick(OptionField::Combo_tot, 0);
    QCOMPARE(MemoryImage[224][5], qint16(0));
    QCOMPARE(OptionValues[5], qint16(0));
    MemoryImage[224][5] = before[224][5];
    QVERIFY(sameOutside(before, -1));
}

void TstOptionFields::listsWithoutByteStoreNothing()
{
    MemoryImage[224][0] = 6;  // Combo_Tdr's M+BC
    LoadOptionValues();
    const auto before = MemoryImage;
    const auto values = OptionValues;
    for (OptionField f : {OptionField::Combo_Vol, OptionField::Combo_save, OptionField::Combo_Abr,
                          OptionField::Combo_Disp_Sub, OptionField::Combo_MDF_A,
                          OptionField::Combo_MDF_B, OptionField::Combo_MDF_C,
                          OptionField::Combo_mf_fc, OptionField::Combo_sfc_fc,
                          OptionField::Combo_sub_fc, OptionField::Combo_voice}) {
        StoreOptionPick(f, 1);
        QCOMPARE(StoreOptionByteInRange(f, 2), -1);
    }
    QVERIFY(sameOutside(before, -1));
    QCOMPARE(OptionValues, values);
    QCOMPARE(StoreOptionByteInRange(OptionField::Combo_Tdr, 8), 6);
}

void TstOptionFields::shownIndex_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("after");  // the byte once shown
    QTest::newRow("first") << 0 << 10 << 0 << 0;
    QTest::newRow("last") << 9 << 10 << 9 << 9;
    QTest::newRow("one beyond") << 10 << 10 << 9 << 9;
    QTest::newRow("erased") << 255 << 10 << 9 << 9;
    QTest::newRow("negative cell") << -3 << 10 << 9 << 9;
    QTest::newRow("empty list") << 255 << 0 << -1 << 255;
}

void TstOptionFields::shownIndex()
{
    QFETCH(int, stored);
    QFETCH(int, count);
    QFETCH(int, shown);
    QFETCH(int, after);
    MemoryImage[224][2] = qint16(stored);  // Combo_Sql
    LoadOptionValues();
    const auto before = MemoryImage;
    // The redisplay stores what it shows into the list's byte alone.
    QCOMPARE(StoreOptionByteInRange(OptionField::Combo_Sql, count), shown);
    QCOMPARE(int(MemoryImage[224][2]), after);
    QCOMPARE(int(OptionValues[2]), after);
    MemoryImage[224][2] = before[224][2];
    QVERIFY(sameOutside(before, -1));
}

void TstOptionFields::codeStore_data()
{
    QTest::addColumn<OptionField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Bytes>("stored");
    const auto ani = OptionField::Text_ANI;
    const auto begin = OptionField::Text_PttId_Begin;
    const auto end = OptionField::Text_PttId_End;
    QTest::newRow("ANI 123") << ani << "123" << padded({1, 2, 3}, 0xFF);
    QTest::newRow("signs") << begin << "*0#D" << padded({11, 10, 12, 0}, 0xFF);
    QTest::newRow("small letter") << end << "a1" << padded({13, 1}, 0xFF);
    QTest::newRow("outer blanks") << ani << " 12 " << padded({1, 2}, 0xFF);
    QTest::newRow("inner blank") << ani << "1 2" << padded({1, 0xFF, 2}, 0xFF);
    QTest::newRow("empty") << begin << "" << Bytes(16, 0xFF);
    QTest::newRow("sixteen") << end << "1234567890*#ABCD"
                             << Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};
    QTest::newRow("seventeen keeps sixteen") << end << "1234567890*#ABCD9"
                                             << Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};
}

void TstOptionFields::codeStore()
{
    QFETCH(OptionField, field);
    QFETCH(QString, text);
    QFETCH(Bytes, stored);
    const int r = CodeFieldRow(field);
    const auto before = MemoryImage;
    StoreCodeText(field, text);
    QCOMPARE(row(r), stored);
    const int first = OptionFieldByte(field);
    for (int k = 0; k < 16; ++k)
        QCOMPARE(int(OptionValues[first + k]), stored[k]);
    QVERIFY(sameOutside(before, r));
}

void TstOptionFields::codeStoreSurvivesTheNextPick()
{
    StoreCodeText(OptionField::Text_ANI, QStringLiteral("123"));
    StoreOptionPick(OptionField::Combo_Beep, 0);
    QCOMPARE(row(237), padded({1, 2, 3}, 0xFF));
}

void TstOptionFields::codeText_data()
{
    QTest::addColumn<Bytes>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("gap") << padded({1, 0xFF, 2}, 0xFF) << "12";
    QTest::newRow("signs") << padded({10, 11, 12, 0}, 0xFF) << "0*#D";
    QTest::newRow("erased") << Bytes(16, 0xFF) << "";
    QTest::newRow("not codes") << padded({16, 3, 200}, 0xFF) << "3";
}

void TstOptionFields::codeText()
{
    QFETCH(Bytes, stored);
    QFETCH(QString, shown);
    for (int c = 0; c < 16; ++c)
        MemoryImage[238][c] = qint16(stored[c]);
    LoadOptionValues();
    QCOMPARE(CodeTextFromValues(OptionField::Text_PttId_Begin), shown);
    QCOMPARE(row(238), stored);  // reading the text stores nothing
}

void TstOptionFields::aniCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("problem");
    const int none = int(AniProblem::None), length = int(AniProblem::Length),
              range = int(AniProblem::Range);
    QTest::newRow("empty") << "" << length;
    QTest::newRow("two") << "12" << length;
    QTest::newRow("six") << "123456" << length;
    QTest::newRow("three") << "123" << none;
    QTest::newRow("four") << "1234" << none;
    QTest::newRow("top") << "99999" << none;
    QTest::newRow("blanks around") << "  123 " << none;
    QTest::newRow("letter first") << "A12" << range;
    QTest::newRow("hash first") << "#12" << range;
    QTest::newRow("star inside") << "1*2" << none;
    QTest::newRow("letter last") << "12A" << none;
}

void TstOptionFields::aniCheck()
{
    QFETCH(QString, text);
    QFETCH(int, problem);
    QCOMPARE(int(CheckAniCode(text)), problem);
}

void TstOptionFields::powerOnStore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Bytes>("stored");
    QTest::newRow("HELLO") << "HELLO" << padded({0x48, 0x45, 0x4C, 0x4C, 0x4F}, 0x20);
    QTest::newRow("inner blank") << "AB EF" << padded({0x41, 0x42, 0x20, 0x45, 0x46}, 0x20);
    QTest::newRow("outer blanks") << "  AB  " << padded({0x41, 0x42}, 0x20);
    QTest::newRow("fifteen") << "ABCDEFGHIJKLMNO"
                             << padded({65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79}, 0x20);
    QTest::newRow("sixteen keeps fifteen") << "ABCDEFGHIJKLMNOP"
                             << padded({65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79}, 0x20);
    QTest::newRow("no single byte") << QString::fromUtf8("A中B") << padded({0x41, 0x3F, 0x42}, 0x20);
    QTest::newRow("empty") << "" << Bytes(16, 0x20);
}

void TstOptionFields::powerOnStore()
{
    QFETCH(QString, text);
    QFETCH(Bytes, stored);
    const auto before = MemoryImage;
    StorePowerOnText(text);
    QCOMPARE(row(254), stored);
    QVERIFY(sameOutside(before, 254));
}

void TstOptionFields::powerOnText_data()
{
    QTest::addColumn<Bytes>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("inner blank kept") << padded({0x41, 0x42, 0x20, 0x43, 0x44}, 0x20) << "AB CD";
    QTest::newRow("ends trimmed") << padded({0x20, 0x20, 0x41, 0x20, 0x20, 0x42}, 0x20) << "A  B";
    QTest::newRow("factory after start-up")
        << Bytes{0x20, 'M', 'o', 'd', 'e', 'l', '-', 'Z', 'Q', '7', '3', '5', '0', 0x20, 0x20, 0xFF}
        << "Model-ZQ7350";
    QTest::newRow("erased") << Bytes(16, 0xFF) << "";
    QTest::newRow("control codes") << padded({0x00, 0x41, 0x07}, 0x20) << "A";
}

void TstOptionFields::powerOnText()
{
    QFETCH(Bytes, stored);
    QFETCH(QString, shown);
    for (int c = 0; c < 16; ++c)
        MemoryImage[254][c] = qint16(stored[c]);
    QCOMPARE(PowerOnTextFromImage(), shown);
    QCOMPARE(row(254), stored);
}

void TstOptionFields::powerOnKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");  // 1 passes, 0 dropped, -1 refused in words
    QTest::newRow("letter") << "ABC" << int('D') << 1;
    QTest::newRow("fifteenth") << "ABCDEFGHIJKLMN" << int('O') << 1;
    QTest::newRow("sixteenth") << "ABCDEFGHIJKLMNO" << int('P') << 0;
    QTest::newRow("blanks do not count") << "  ABCDEFGHIJKLMN  " << int('O') << 1;
    QTest::newRow("backspace when full") << "ABCDEFGHIJKLMNO" << 8 << 1;
    QTest::newRow("no single byte") << "A" << int(u'中') << -1;
    QTest::newRow("no single byte when full") << "ABCDEFGHIJKLMNO" << int(u'中') << -1;
    QTest::newRow("latin-1") << "A" << 0xE9 << 1;
    // 0xFF reads as unwritten memory, a control character as nothing.
    QTest::newRow("the byte 0xFF") << "A" << 0xFF << -1;
    QTest::newRow("a tab") << "A" << 9 << -1;
}

void TstOptionFields::powerOnKey()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, answer);
    QCOMPARE(PowerOnKey(text, key), answer == 1 ? key : answer == 0 ? 0 : int(TextBox::KeyRefused));
}

QTEST_GUILESS_MAIN(TstOptionFields)
#include "tst_optionfields.moc"
