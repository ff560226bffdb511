// The 5-tone editor window in a person's hands, shown, with real mouse and
// key events: the tabs clicked where they are seen (their captions shown
// whole are checked with every window's, in tests/app/tst_controls), a
// standard's name and a code's number clicked, the standard list opened on
// a standard beyond it, and a frame code of the wrong length, which keeps
// its editor open whichever way the user tries to leave it.
#include "FiveToneFixture.h"
#include "support/OnScreenMessageBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "link/LinkSession.h"
#include "memory/FiveToneTables.h"
#include "platform/FileState.h"
#include "platform/GridCellEditor.h"
#include "signalling/FiveToneArea.h"

using namespace FiveToneFixture;
using namespace FiveToneArea;
using Bytes = QList<int>;

class TstFiveToneUse : public QObject, FiveToneBench
{
    Q_OBJECT

private slots:
    void init() { setUpFiveTone(); }
    void cleanup() { tearDownFiveTone(); }

    void tabsClickedWhereSeen_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("tabs");
        QTest::newRow("English") << 0 << QStringList{"Standard", "Encode"};
        QTest::newRow("Chinese") << -1 << QStringList{"标准", "编解码"};
    }
    void tabsClickedWhereSeen()
    {
        QFETCH(int, language);
        QFETCH(QStringList, tabs);
        LanguageFlag = qint16(language);
        FiveToneWindow *w = load();
        QCOMPARE((QStringList{w->TabStrip1->tabText(0), w->TabStrip1->tabText(1)}), tabs);
        QVERIFY(w->TabStrip1->height() >= w->TabStrip1->tabRect(0).height());
        for (int tab : {1, 0, 1}) {
            QVERIFY(clickTab(w, tab));
            QCOMPARE(w->Frame_std->isVisible(), tab == 0);
            QCOMPARE(w->Frame_Encode->isVisible(), tab == 1);
            QVERIFY(!w->Frame_Decode->isVisible());
        }
        // What the encode page holds answers the mouse where it is seen.
        QVERIFY(clickWhereSeen(w->Frame_Encode->Check_Decode_HJ[1]));
        QCOMPARE(int(MemoryImage[SettingsRow][CallFramesByte]), 3);
    }

    // A click on a standard's name selects it and shows its frequencies; an
    // open period list is hidden, and the table shows what is stored.
    void standardNameClicked_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("CCIR1") << 1 << "CCIR1";
        QTest::newRow("PCCIR, the row being edited") << 3 << "PCCIR";
        QTest::newRow("EEA") << 10 << "EEA";
        QTest::newRow("MODAT") << 15 << "MODAT";
    }
    void standardNameClicked()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        FiveToneWindow *w = load();
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 3, 1));
        QVERIFY(w->Frame_std->Combo_edit->isVisible());
        QTest::keyClick(w->Frame_std->Combo_edit, Qt::Key_Down);  // "80", stored at the pick
        auto expected = MemoryImage;
        QCOMPARE(int(expected[standardRow(2)][PeriodByte]), 6);
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, row, 0));
        QCOMPARE(w->Frame_std->Combo_stxh->text(), name);
        QStringList shown, table;
        for (int d = 0; d < 16; ++d) {
            shown << w->Frame_std->Label_freq[d]->text();
            table << FiveToneTables.text[row - 1][d].trimmed();
        }
        QCOMPARE(shown, table);
        QVERIFY(!w->Frame_std->Combo_edit->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->Frame_std->MSF_Chann);
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(3, 1), "80");
        QVERIFY(MemoryImage == expected);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        // The cell opens again as before.
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 3, 1));
        QVERIFY(w->Frame_std->Combo_edit->isVisible());
        QCOMPARE(w->Frame_std->Combo_edit->text(), "80");
    }

    // The standards table's list, left open on the first page, is closed by
    // a click on a code number of the encode list or of the decode list:
    // its pick is kept, nothing else is stored, the table shows the image
    // and the focus stays on the list where the person clicked (the decode
    // list also shows that code's function boxes).
    void codeNumberClosesStandardsEditor_data()
    {
        QTest::addColumn<int>("downs");   // cursor-down picks made in the open list
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("decode");  // the decode list's number clicked
        QTest::newRow("encode, after a pick") << 2 << "90" << false;
        QTest::newRow("encode, without a pick") << 0 << "70" << false;
        QTest::newRow("decode, after a pick") << 2 << "90" << true;
        QTest::newRow("decode, without a pick") << 0 << "70" << true;
    }
    void codeNumberClosesStandardsEditor()
    {
        QFETCH(int, downs);
        QFETCH(QString, shown);
        QFETCH(bool, decode);
        FiveToneWindow *w = load();
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 3, 1));  // PCCIR's period, 70 ms
        QCOMPARE(QApplication::focusWidget(), w->Frame_std->Combo_edit);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(w->Frame_std->Combo_edit, Qt::Key_Down);
        auto expected = MemoryImage;
        QCOMPARE(int(expected[standardRow(2)][PeriodByte]), 5 + downs);
        if (decode)
            w->TabStrip1_Click(3);  // no tab shows the decode page
        else
            QVERIFY(clickTab(w, 1));
        QVERIFY(w->standardEditor()->isOpen());  // hidden with its page, still open
        FlexGrid *codes = decode ? w->Frame_Decode->MSF_Decode : w->Frame_Encode->MSF_Encode;
        QVERIFY(clickGridCellWhereSeen(codes, 3, 0));  // code 3's number
        QVERIFY(!w->standardEditor()->isOpen());
        QCOMPARE(QApplication::focusWidget(), codes);
        QCOMPARE((QList<int>{codes->row(), codes->col()}), (QList<int>{1, 1}));
        QVERIFY(!w->Frame_Encode->Text_Encode->isVisible());
        QVERIFY(!w->Frame_Decode->Text_Decode->isVisible());
        if (decode)
            QCOMPARE(w->Frame_Decode->Frame_Dec_xx->title(), "Execute after Code 3 Decode Succeeded ");
        QVERIFY(MemoryImage == expected);
        if (decode)
            QVERIFY(clickTab(w, 1));  // the strip still stands on the first tab
        QVERIFY(clickTab(w, 0));
        QVERIFY(w->Frame_std->isVisible());
        QVERIFY(!w->Frame_std->Combo_edit->isVisible());
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(3, 1), shown);
        QVERIFY(MemoryImage == expected);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // The standard list of a code opens on the code's standard; a standard
    // beyond the list opens on "MODAT", which is stored as a pick is.
    void encodeStandardList_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("cellBefore");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("0xFF") << 0xFF << "" << "MODAT" << 14;
        QTest::newRow("15, one beyond") << 15 << "" << "MODAT" << 14;
        QTest::newRow("200") << 200 << "" << "MODAT" << 14;
        QTest::newRow("ZVEI3, in the list") << 5 << "ZVEI3" << "ZVEI3" << 5;
        QTest::newRow("MODAT itself") << 14 << "MODAT" << "MODAT" << 14;
    }
    void encodeStandardList()
    {
        QFETCH(int, stored);
        QFETCH(QString, cellBefore);
        QFETCH(QString, shown);
        QFETCH(int, after);
        for (int i = 0; i < 5; ++i)
            MemoryImage[encodeRow(5)][i] = qint16(i + 1);
        MemoryImage[encodeRow(5)][EncodeStandardByte] = qint16(stored);
        auto expected = MemoryImage;
        expected[encodeRow(5)][EncodeStandardByte] = qint16(after);
        FiveToneWindow *w = load();
        QVERIFY(clickTab(w, 1));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(5, 4), cellBefore);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 5, 4));
        QVERIFY(w->Frame_Encode->Combo_Encode->isVisible());
        QCOMPARE(w->Frame_Encode->Combo_Encode->text(), shown);
        QVERIFY(MemoryImage == expected);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 5, 1));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(5, 4), shown);
        QVERIFY(MemoryImage == expected);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // A frame of 1 to 4 or 6 digits cannot be left: one warning for each
    // try, then the box is open on its cell with the focus and the text as
    // typed; nothing is stored, saved or sent.
    void wrongLengthFrameKeptOpen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("warnings");
        for (const char *typed : {"12", "123456"}) {
            for (const char *how : {"click cell", "click row", "Tab", "Save", "Write", "Standard tab, Save"})
                QTest::addRow("%s, %s", typed, how) << typed << how << 0 << 1;
        }
        QTest::newRow("12, Return") << "12" << "Return" << 0 << 1;
        QTest::newRow("123456, Return: refused by the key filter") << "123456" << "Return" << 0 << 0;
        QTest::newRow("12, click cell, Chinese") << "12" << "click cell" << -1 << 1;
    }
    void wrongLengthFrameKeptOpen()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(int, language);
        QFETCH(int, warnings);
        LanguageFlag = qint16(language);
        FiveToneWindow *w = load();
        // Each box is shown and takes the focus while it is open.
        MsgBoxRecorder::install(answerOnScreen);
        const auto before = MemoryImage;
        QVERIFY(clickTab(w, 1));
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 2));  // code 1, frame 2: "34567"
        QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
        w->Frame_Encode->Text_Encode->selectAll();
        QTest::keyClicks(w->Frame_Encode->Text_Encode, typed);
        if (how == "click cell")
            QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 3));
        else if (how == "click row")
            QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 9, 1));
        else if (how == "Tab")
            QTest::keyClick(w->Frame_Encode->Text_Encode, Qt::Key_Tab);
        else if (how == "Return")
            QTest::keyClick(w->Frame_Encode->Text_Encode, Qt::Key_Return);
        else if (how == "Save")
            QVERIFY(clickWhereSeen(w->Command_save));
        else if (how == "Write")
            QVERIFY(clickWhereSeen(w->Command_Write));
        else if (how == "Standard tab, Save") {
            QVERIFY(clickTab(w, 0));
            QVERIFY(!w->Frame_Encode->Text_Encode->isVisible());
            QVERIFY(clickWhereSeen(w->Command_save));
        }
        const QString warning = language ? "编码位数为 5 位 ！" : "Encode Digit is 5 Bits.";
        QCOMPARE(boxTexts(), QStringList(warnings, warning));
        if (warnings)
            QCOMPARE(MsgBoxRecorder::boxes().first().title, language ? QString("操作提示") : QString("Operate Prompt\""));
        QVERIFY(w->Frame_Encode->isVisible());
        QVERIFY(w->Frame_Encode->Text_Encode->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
        QCOMPARE(w->Frame_Encode->Text_Encode->text(), typed);
        QCOMPARE((QList<int>{w->Frame_Encode->MSF_Encode->row(), w->Frame_Encode->MSF_Encode->col()}),
                 (QList<int>{1, 2}));
        QCOMPARE(w->Frame_Encode->Text_Encode->geometry(),
                 w->Frame_Encode->MSF_Encode->cellRect(1, 2).translated(w->Frame_Encode->MSF_Encode->pos()));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 2), "34567");
        QVERIFY(MemoryImage == before);
        QVERIFY(!Windows::isLoaded(WindowName::Form_save_chann));
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QVERIFY(radio->frameBytes().isEmpty());
    }

    // The kept frame, completed or emptied, lets its cell be left; Save then
    // goes on.
    void keptFrameCompletedOrEmptied_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<Bytes>("frame");
        QTest::newRow("completed") << "345" << "12345" << Bytes{1, 2, 3, 4, 5};
        QTest::newRow("emptied") << "" << "     " << Bytes(5, 0xFF);
    }
    void keptFrameCompletedOrEmptied()
    {
        QFETCH(QString, keys);
        QFETCH(QString, cell);
        QFETCH(Bytes, frame);
        FiveToneWindow *w = load();
        QVERIFY(clickTab(w, 1));
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 2));
        QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
        w->Frame_Encode->Text_Encode->selectAll();
        QTest::keyClicks(w->Frame_Encode->Text_Encode, "12");
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 4, 1));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        if (keys.isEmpty()) {
            w->Frame_Encode->Text_Encode->selectAll();
            QTest::keyClick(w->Frame_Encode->Text_Encode, Qt::Key_Delete);
        } else {
            QTest::keyClicks(w->Frame_Encode->Text_Encode, keys);
        }
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 4, 1));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 2), cell);
        QCOMPARE(row(encodeRow(1)).mid(frameByte(2), 5), frame);
        QCOMPARE(row(encodeRow(1)).mid(0, 5), (Bytes{1, 2, 3, 4, 5}));
        QCOMPARE((QList<int>{w->Frame_Encode->MSF_Encode->row(), w->Frame_Encode->MSF_Encode->col()}),
                 (QList<int>{4, 1}));
        QVERIFY(w->Frame_Encode->Text_Encode->isVisible());  // code 4's own editor
        QCOMPARE(w->Frame_Encode->Text_Encode->text(), "     ");
        QTest::keyClick(w->Frame_Encode->Text_Encode, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->MSF_Encode);
        QVERIFY(clickWhereSeen(w->Command_save));
        QVERIFY(Windows::isLoaded(WindowName::Form_save_chann));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }

    // The decode page (no tab shows it) keeps a code of the wrong length
    // open the same way; emptied, the cell keeps its text.
    void decodeCodeKeptOpen()
    {
        FiveToneWindow *w = load();
        w->TabStrip1_Click(3);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 1));
        w->Frame_Decode->Combo_Decode->setListIndex(10);  // EIA
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 2));
        QCOMPARE(QApplication::focusWidget(), w->Frame_Decode->Text_Decode);
        QTest::keyClicks(w->Frame_Decode->Text_Decode, "12345");
        QTest::keyClick(w->Frame_Decode->Text_Decode, Qt::Key_Tab);
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 2), "12345");
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 8));
        QCOMPARE(QApplication::focusWidget(), w->Frame_Decode->Text_Decode);
        QTest::keyClicks(w->Frame_Decode->Text_Decode, "AB");
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 6, 1));
        QTest::keyClick(w->Frame_Decode->Text_Decode, Qt::Key_Tab);
        QCOMPARE(boxTexts(), QStringList(2, "Encode Digit is 5 Bits."));
        QCOMPARE(QApplication::focusWidget(), w->Frame_Decode->Text_Decode);
        QCOMPARE(w->Frame_Decode->Text_Decode->text(), "AB");
        QCOMPARE((QList<int>{w->Frame_Decode->MSF_Decode->row(), w->Frame_Decode->MSF_Decode->col()}),
                 (QList<int>{4, 8}));
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 8), "");
        QTest::keyClicks(w->Frame_Decode->Text_Decode, "CDE");
        QTest::keyClick(w->Frame_Decode->Text_Decode, Qt::Key_Return);
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 8), "ABCDE");
        QCOMPARE(QApplication::focusWidget(), w->Frame_Decode->MSF_Decode);
        QVERIFY(!w->Frame_Decode->Text_Decode->isVisible());
        // Emptied: the cell keeps its code.
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 2));
        QCOMPARE(QApplication::focusWidget(), w->Frame_Decode->Text_Decode);
        w->Frame_Decode->Text_Decode->selectAll();
        QTest::keyClick(w->Frame_Decode->Text_Decode, Qt::Key_Delete);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 8));
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 2), "12345");
        QCOMPARE(MsgBoxRecorder::boxes().size(), 2);
    }

    // A double click on a code's number blanks its row on screen only; a
    // code kept open (wrong length) is not left for it.
    void codeNumberDoubleClicked_data()
    {
        QTest::addColumn<QString>("open");
        QTest::newRow("no edit open") << "";
        QTest::newRow("a frame of two digits open") << "12";
    }
    void codeNumberDoubleClicked()
    {
        QFETCH(QString, open);
        FiveToneWindow *w = load();
        const auto before = MemoryImage;
        QVERIFY(clickTab(w, 1));
        if (!open.isEmpty()) {
            QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 15, 2));
            QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
            w->Frame_Encode->Text_Encode->selectAll();
            QTest::keyClicks(w->Frame_Encode->Text_Encode, open);
        }
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 0, true));  // code 1's number
        QVERIFY(MemoryImage == before);
        if (open.isEmpty()) {
            QVERIFY(MsgBoxRecorder::boxes().isEmpty());
            for (int c = 1; c <= 4; ++c)
                QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, c), "");
            w->ShowFiveTone();
            QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 1), "12345");
        } else {
            QCOMPARE(boxTexts(), QStringList{"Encode Digit is 5 Bits."});
            QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 1), "12345");
            QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
            QCOMPARE(w->Frame_Encode->Text_Encode->text(), open);
            QCOMPARE((QList<int>{w->Frame_Encode->MSF_Encode->row(), w->Frame_Encode->MSF_Encode->col()}),
                     (QList<int>{15, 2}));
        }
    }
};

QTEST_MAIN(TstFiveToneUse)
#include "tst_fivetoneuse.moc"
