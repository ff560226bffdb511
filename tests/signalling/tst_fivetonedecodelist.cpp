// The decode list's own logic: the function boxes against the function
// table, the check of a typed decode code and the function frame's caption.
#include "FiveToneFixture.h"
#include "platform/Language.h"
#include "signalling/FiveToneDecodeList.h"
#include "signalling/FiveToneTexts.h"

#include <QtTest>

class TestFiveToneDecodeList : public QObject
{
    Q_OBJECT
private slots:
    void init() { FiveToneFixture::resetArea(); }

    void boxesToTable()
    {
        DecodeFunctionGrid table{};
        DecodeFrameBoxes boxes;
        boxes.led = true;         // frame 2's lamp box
        boxes.alert = true;
        boxes.group = {true, false, false, false, true};
        StoreDecodeFrameBoxes(table, 3, 1, boxes);
        QCOMPARE(table[3][2], 10);
        QCOMPARE(table[3][3], 17);
        QCOMPARE(table[3][0], 0);
        QVERIFY(DecodeFrameBoxesOf(table, 3, 1) == boxes);
        QVERIFY(DecodeFrameBoxesOf(table, 3, 0) == DecodeFrameBoxes{});

        table[3][7] = 5;
        ClearDecodeFunctions(table, 3);
        for (int c = 0; c <= 7; ++c)
            QCOMPARE(table[3][c], 0);
    }

    void codeWarnings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("characterWarnings");
        QTest::addColumn<bool>("lengthWarning");
        QTest::newRow("five digits") << "12AF0" << 0 << false;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("lower case") << "12a" << 1 << false;
        QTest::newRow("inner blank") << "1 2" << 1 << false;
        QTest::newRow("leading blank") << " 12" << 1 << false;
        QTest::newRow("five wrong") << "ggggg" << 5 << false;
        QTest::newRow("sixth character") << "123456" << 0 << true;
    }
    void codeWarnings()
    {
        QFETCH(QString, text);
        QFETCH(int, characterWarnings);
        QFETCH(bool, lengthWarning);
        const QList<BiText> warnings = DecodeCodeWarnings(text);
        QCOMPARE(warnings.size(), characterWarnings + (lengthWarning ? 1 : 0));
        for (const BiText &w : warnings)
            QCOMPARE(w.english(), lengthWarning ? QString("Decode Digit is 5 Bits.")
                                                : QString("Group Digits only by 0 to 9 and A to F."));
    }

    void caption()
    {
        QCOMPARE(DecodeActionsCaption(3), "Execute after Code 3 Decode Succeeded ");
        LanguageFlag = -1;
        QCOMPARE(DecodeActionsCaption(12), QString::fromUtf8("12 信息码各组编码成功解码后执行操作"));
    }
};

QTEST_GUILESS_MAIN(TestFiveToneDecodeList)
#include "tst_fivetonedecodelist.moc"
