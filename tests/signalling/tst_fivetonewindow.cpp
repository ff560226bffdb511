// The 5-tone editor window driven as a user drives it: captions, the
// factory display, the standards table, the encode list and settings, the
// hidden decode page, Default, the refusals while its exchange runs, the
// redraw on activation and the ".sig" requests that Timer4 serves.
#include "FiveToneFixture.h"
#include "support/MdiStage.h"
#include "support/TextFits.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "link/LinkSession.h"
#include "memory/FiveToneDefaults.h"
#include "platform/FileState.h"
#include "platform/GridCellEditor.h"
#include "platform/VbTimer.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneState.h"

using namespace FiveToneFixture;
using namespace FiveToneArea;
using Bytes = QList<int>;

class TstFiveToneWindow : public QObject, FiveToneBench
{
    Q_OBJECT

private slots:
    void init() { setUpFiveTone(); }
    void cleanup() { tearDownFiveTone(); }

    void captionsByLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << 0
            << QStringList{"5 Tone Encode/Decode ", "Standard", "Encode", "Read", "Write", "Default", "Save",
                           "Open", "Close", "Delay 1 (MS) ", "Period(ms)", " Frame 1 ", "1 frame"};
        QTest::newRow("Chinese") << -1
            << QStringList{"5音信令编解码参数编辑", "标准", "编解码", "读 取", "写  入", "默 认", "保  存",
                           "打  开", "关  闭", "发送第1组码前的延迟时间（MS）", "发送时长(ms)", "第 1 帧编码",
                           "第 1 帧"};
    }
    void captionsByLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        LanguageFlag = qint16(language);
        FiveToneWindow *w = load();
        const QStringList shown{w->windowTitle(), w->TabStrip1->tabText(0), w->TabStrip1->tabText(1),
                                w->Command_read->text(), w->Command_Write->text(), w->Command_def->text(),
                                w->Command_save->text(), w->Command_open->text(), w->Command_close->text(),
                                w->Frame_Encode->Label_enc_ys[0]->text(), w->Frame_std->MSF_Chann->textMatrix(0, 1),
                                w->Frame_Encode->MSF_Encode->textMatrix(0, 1),
                                w->Frame_Encode->Check_Decode_HJ[0]->text()};
        QCOMPARE(shown, texts);
        QCOMPARE(w->TabStrip1->count(), 2);  // no tab for the decode page
        QCOMPARE(w->Frame_Decode->MSF_Decode->cols(), 9);
    }

    // The factory image as the window first shows it.
    void factoryDisplay()
    {
        FiveToneWindow *w = load();
        QStringList periods, groups, repeats;
        for (int r = 1; r <= 15; ++r) {
            periods << w->Frame_std->MSF_Chann->textMatrix(r, 1);
            groups << w->Frame_std->MSF_Chann->textMatrix(r, 2);
            repeats << w->Frame_std->MSF_Chann->textMatrix(r, 3);
        }
        QCOMPARE(periods, (QStringList{"100", "70", "70", "70", "70", "70", "70", "70", "70", "40", "30",
                                       "100", "70", "70", "40"}));
        QCOMPARE(groups, QStringList(15, "A"));
        QCOMPARE(repeats, QStringList(15, "E"));
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(10, 0), "EEA");
        QCOMPARE(w->Frame_std->Combo_stxh->text(), "CCIR1");
        QCOMPARE(w->Frame_std->Label_freq[0]->text(), "1981.0");
        QCOMPARE(w->Frame_std->Label_freq[15]->text(), "1055.0");
        QCOMPARE(w->Frame_std->Label_code[11]->text(), "B");
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 1), "12345");
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(15, 4), "MODAT");
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(2, 1), "     ");
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(7, 0), "7");
        QStringList delays;
        for (PickList *l : w->Frame_Encode->Combo_Enc_ys)
            delays << l->text();
        QCOMPARE(delays, (QStringList{"200", "200", "200", "0"}));
        QCOMPARE(w->Frame_Encode->Combo_Decode_Std->text(), "CCIR1");
        QCOMPARE(w->Frame_Encode->Combo_Dec_Res_Time->text(), "6000");
        const QList<bool> call{w->Frame_Encode->Check_Decode_HJ[0]->isChecked(),
                               w->Frame_Encode->Check_Decode_HJ[1]->isChecked(),
                               w->Frame_Encode->Check_Decode_HJ[2]->isChecked()};
        const QList<bool> disp{w->Frame_Encode->Check_Decode_Disp[0]->isChecked(),
                               w->Frame_Encode->Check_Decode_Disp[1]->isChecked(),
                               w->Frame_Encode->Check_Decode_Disp[2]->isChecked()};
        QCOMPARE(call, (QList<bool>{true, false, false}));
        QCOMPARE(disp, (QList<bool>{false, true, true}));
        QVERIFY(w->Frame_std->isVisible());
        QVERIFY(!w->Frame_Encode->isVisible());
        QVERIFY(!w->Frame_Decode->isVisible());
        QVERIFY(w->ProgressBar1->isHidden());
        QVERIFY(!w->Text_PassWord->isVisible());
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // The settings lists on bytes in and beyond their lists: a byte beyond
    // shows the last entry and is stored as its position; an in-range byte,
    // the frame bytes and the other bytes of the row stay as they are.
    void settingsBytesBeyondTheirLists_data()
    {
        QTest::addColumn<Bytes>("stored");     // bytes 0-3, 8, 11 as the window finds them
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<Bytes>("after");
        QTest::newRow("blank radio") << Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}
                                     << QStringList{"1000", "1000", "1000", "1000", "MODAT", "8000"}
                                     << Bytes{100, 100, 100, 100, 14, 79};
        QTest::newRow("one beyond") << Bytes{101, 101, 101, 101, 15, 80}
                                    << QStringList{"1000", "1000", "1000", "1000", "MODAT", "8000"}
                                    << Bytes{100, 100, 100, 100, 14, 79};
        QTest::newRow("last entries") << Bytes{100, 100, 100, 100, 14, 79}
                                      << QStringList{"1000", "1000", "1000", "1000", "MODAT", "8000"}
                                      << Bytes{100, 100, 100, 100, 14, 79};
        QTest::newRow("mixed") << Bytes{0, 200, 37, 255, 3, 120}
                               << QStringList{"0", "1000", "370", "1000", "ZVEI1", "8000"}
                               << Bytes{0, 100, 37, 100, 3, 79};
    }
    void settingsBytesBeyondTheirLists()
    {
        QFETCH(Bytes, stored);
        QFETCH(QStringList, shown);
        QFETCH(Bytes, after);
        const int listBytes[6] = {0, 1, 2, 3, DecodeStandardByte, ResetTimeByte};
        for (int c = 0; c < 16; ++c) {
            MemoryImage[SettingsRow][c] = 0xFF;
            MemoryImage[standardRow(4)][c] = 0xFF;
        }
        for (int i = 0; i < 6; ++i)
            MemoryImage[SettingsRow][listBytes[i]] = qint16(stored[i]);
        auto expected = MemoryImage;
        for (int i = 0; i < 6; ++i)
            expected[SettingsRow][listBytes[i]] = qint16(after[i]);
        FiveToneWindow *w = load();
        const QStringList texts{w->Frame_Encode->Combo_Enc_ys[0]->text(), w->Frame_Encode->Combo_Enc_ys[1]->text(),
                                w->Frame_Encode->Combo_Enc_ys[2]->text(), w->Frame_Encode->Combo_Enc_ys[3]->text(),
                                w->Frame_Encode->Combo_Decode_Std->text(),
                                w->Frame_Encode->Combo_Dec_Res_Time->text()};
        QCOMPARE(texts, shown);
        QVERIFY(MemoryImage == expected);
        // The frame boxes read bits 0-2 alone; a standard of 0xFF bytes is
        // shown as computed and stays as it is.
        for (int k = 0; k < 3; ++k)
            QVERIFY(w->Frame_Encode->Check_Decode_HJ[k]->isChecked()
                    && w->Frame_Encode->Check_Decode_Disp[k]->isChecked());
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(5, 1), "2570");
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(5, 2), " ");
        // What the lists show is what Save and Write take.
        for (int i = 0; i < 6; ++i) {
            PickList *list = i < 4    ? w->Frame_Encode->Combo_Enc_ys[i]
                             : i == 4 ? w->Frame_Encode->Combo_Decode_Std
                                      : w->Frame_Encode->Combo_Dec_Res_Time;
            QCOMPARE(list->listIndex(), after[i]);
        }
        // Unticking call frame 2 when byte 9 is 0xFF clears that bit alone.
        QVERIFY(clickTab(w, 1));
        QVERIFY(clickWhereSeen(w->Frame_Encode->Check_Decode_HJ[1]));
        QCOMPARE(int(MemoryImage[SettingsRow][CallFramesByte]), 0xFD);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void standardsTable()
    {
        FiveToneWindow *w = load();
        // The EEA row's period: the selector follows, the list opens on the cell's value.
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 10, 1));
        QCOMPARE(w->Frame_std->Combo_stxh->text(), "EEA");
        QCOMPARE(w->Frame_std->Label_freq[10]->text(), "1055.0");
        QVERIFY(w->Frame_std->Combo_edit->isVisible());
        QCOMPARE(w->Frame_std->Combo_edit->text(), "40");
        QCOMPARE(w->Frame_std->Combo_edit->listCount(), 19);
        QCOMPARE(QApplication::focusWidget(), w->Frame_std->Combo_edit);
        // Two steps down the list: "60", stored at each pick.
        QTest::keyClick(w->Frame_std->Combo_edit, Qt::Key_Down);
        QTest::keyClick(w->Frame_std->Combo_edit, Qt::Key_Down);
        QCOMPARE(int(MemoryImage[standardRow(9)][PeriodByte]), 4);
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(10, 1), "40");  // shown once left
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 1, 3));
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(10, 1), "60");
        QCOMPARE(w->Frame_std->Combo_edit->listCount(), 16);
        w->Frame_std->Combo_edit->setListIndex(12);  // "C"
        QCOMPARE(int(MemoryImage[standardRow(0)][RepeatToneByte]), 12);
        // Typing into the list changes nothing.
        QTest::keyClicks(w->Frame_std->Combo_edit, "7");
        QCOMPARE(int(MemoryImage[standardRow(0)][RepeatToneByte]), 12);
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 5, 2));
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(1, 3), "C");
        QCOMPARE(w->Frame_std->Combo_stxh->text(), "ZVEI2");
        QCOMPARE(w->Frame_std->Combo_edit->text(), "A");
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void encodeFrames()
    {
        FiveToneWindow *w = load();
        QVERIFY(clickTab(w, 1));
        QVERIFY(w->Frame_Encode->isVisible());
        QVERIFY(!w->Frame_std->isVisible());
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 3, 1));
        QVERIFY(w->Frame_Encode->Text_Encode->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
        w->Frame_Encode->Text_Encode->selectAll();
        QTest::keyClicks(w->Frame_Encode->Text_Encode, "1a2");
        // Three digits: the warning, nothing stored, and the box stays open on
        // its cell with the text as typed.
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 5, 2));
        QCOMPARE(boxTexts(), QStringList{"Encode Digit is 5 Bits."});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QString("Operate Prompt\""));
        QCOMPARE(row(encodeRow(3)), Bytes(16, 0xFF));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(3, 1), "     ");
        QCOMPARE(QApplication::focusWidget(), w->Frame_Encode->Text_Encode);
        QCOMPARE(w->Frame_Encode->Text_Encode->text(), "1a2");
        QCOMPARE((QList<int>{w->Frame_Encode->MSF_Encode->row(), w->Frame_Encode->MSF_Encode->col()}),
                 (QList<int>{3, 1}));
        // Five digits, lower case among them: stored and shown in capitals.
        QTest::keyClicks(w->Frame_Encode->Text_Encode, "bc9");   // the sixth passes the filter
        QTest::keyClicks(w->Frame_Encode->Text_Encode, "7g");    // a seventh does not, nor a g
        QCOMPARE(w->Frame_Encode->Text_Encode->text(), "1a2bc9");
        QTest::keyClick(w->Frame_Encode->Text_Encode, Qt::Key_Backspace);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 3, 2));
        QCOMPARE(row(encodeRow(3)).mid(0, 5), (Bytes{1, 10, 2, 11, 12}));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(3, 1), "1A2BC");
        QCOMPARE(row(encodeRow(3)).mid(5), Bytes(11, 0xFF));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }

    void encodeStandardAndEmptyFirstFrame()
    {
        FiveToneWindow *w = load();
        QVERIFY(clickTab(w, 1));
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 4));
        QVERIFY(w->Frame_Encode->Combo_Encode->isVisible());
        QCOMPARE(w->Frame_Encode->Combo_Encode->text(), "CCIR1");
        w->Frame_Encode->Combo_Encode->setListIndex(4);  // "ZVEI2"
        QCOMPARE(int(MemoryImage[encodeRow(1)][EncodeStandardByte]), 4);
        QCOMPARE(int(MemoryImage[encodeRow(15)][EncodeStandardByte]), 14);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 1));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 4), "ZVEI2");
        // Frame 1 emptied: the frame is cleared, the row blanked on screen,
        // and the code's other cells open nothing until the next redraw.
        w->Frame_Encode->Text_Encode->clear();
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 2, 1));
        QCOMPARE(row(encodeRow(1)).mid(0, 5), Bytes(5, 0xFF));
        QCOMPARE(row(encodeRow(1)).mid(5, 5), (Bytes{3, 4, 5, 6, 7}));
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(1, 2), "");
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 1, 2));
        QVERIFY(!w->Frame_Encode->Text_Encode->isVisible());
        QVERIFY(!w->Frame_Encode->Combo_Encode->isVisible());
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void settingsPicksAndBoxes()
    {
        FiveToneWindow *w = load();
        QVERIFY(clickTab(w, 1));
        w->Frame_Encode->Combo_Enc_ys[1]->setFocus();
        QTest::keyClick(w->Frame_Encode->Combo_Enc_ys[1], Qt::Key_Down);
        QCOMPARE(int(MemoryImage[SettingsRow][1]), 21);
        w->Frame_Encode->Combo_Dec_Res_Time->setListIndex(0);
        QCOMPARE(int(MemoryImage[SettingsRow][ResetTimeByte]), 0);
        w->Frame_Encode->Combo_Decode_Std->setListIndex(10);
        QCOMPARE(int(MemoryImage[SettingsRow][DecodeStandardByte]), 10);
        QVERIFY(clickWhereSeen(w->Frame_Encode->Check_Decode_HJ[2]));
        QCOMPARE(int(MemoryImage[SettingsRow][CallFramesByte]), 5);
        QVERIFY(clickWhereSeen(w->Frame_Encode->Check_Decode_Disp[1]));
        QCOMPARE(int(MemoryImage[SettingsRow][DisplayFramesByte]), 4);
        // Typing into a list changes neither its text nor the byte.
        QTest::keyClicks(w->Frame_Encode->Combo_Enc_ys[0], "5");
        QCOMPARE(w->Frame_Encode->Combo_Enc_ys[0]->text(), "200");
        QCOMPARE(int(MemoryImage[SettingsRow][0]), 20);
    }

    // Default rebuilds the area and the tables; the row at 0x24F0 stays.
    void defaultRebuilds()
    {
        FiveToneWindow *w = load();
        for (int r = TableFirstRow; r < FirstRow + Rows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = 0x42;
        auto expected = MemoryImage;
        BuildFiveToneDefaults();
        expected = MemoryImage;
        for (int r = TableFirstRow; r < FirstRow + Rows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = 0x42;
        w->ProgressBar1->show();
        w->Label_tr_count->setText("x");
        QVERIFY(clickWhereSeen(w->Command_def));
        QVERIFY(MemoryImage == expected);
        QCOMPARE(row(FirstRow + 15), Bytes(16, 0x42));
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(1, 1), "100");
        QCOMPARE(w->Frame_Encode->Combo_Dec_Res_Time->text(), "6000");
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->Label_tr_count->text(), "");
    }

    void refusalsWhileTransferRuns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Default") << "Command_def";
        QTest::newRow("Open") << "Command_open";
        QTest::newRow("Save") << "Command_save";
        QTest::newRow("Close") << "Command_close";
        QTest::newRow("title bar") << "";
    }
    void refusalsWhileTransferRuns()
    {
        QFETCH(QString, button);
        FiveToneWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(300);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        MemoryImage[encodeRow(3)][0] = 7;
        const auto before = MemoryImage;
        MsgBoxRecorder::clear();
        if (button.isEmpty())
            w->close();
        else
            QVERIFY(clickWhereSeen(w->findChild<QPushButton *>(button)));
        QCOMPARE(boxTexts(), QStringList{"Read-write operating with transceiver ."});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QString("Operate prompt"));
        QVERIFY(MemoryImage == before);
        QVERIFY(Windows::isLoaded(WindowName::frm_5tone));
        QVERIFY(!Windows::isLoaded(WindowName::Form_open_chann));
        QVERIFY(!Windows::isLoaded(WindowName::Form_save_chann));
    }

    void openSaveAndClose()
    {
        FiveToneWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_open));
        QVERIFY(Windows::isLoaded(WindowName::Form_open_chann));
        QVERIFY(clickWhereSeen(w->Command_save));
        QVERIFY(Windows::isLoaded(WindowName::Form_save_chann));
        Windows::load(WindowName::Form_open_menu);
        QVERIFY(clickWhereSeen(w->Command_close));
        QVERIFY(!Windows::isLoaded(WindowName::frm_5tone));
        QVERIFY(!Windows::isLoaded(WindowName::Form_open_menu));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // Another child window is active; the image changes (a file was opened);
    // a click into the 5-tone window shows the new image before it is handled.
    void clickIntoInactiveWindowRedrawsFirst()
    {
        MainStandIn stage;
        QMdiArea *area = stage.area;
        QVERIFY(QTest::qWaitForWindowActive(&stage.main));
        Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new DummyDialog; });
        FiveToneWindow *w = load();
        Windows::show(QStringLiteral("other"));
        QVERIFY(area->activeSubWindow() != Windows::frameOf(w));
        MemoryImage[standardRow(2)][PeriodByte] = 0;     // PCCIR 20 ms
        MemoryImage[standardRow(3)][GroupToneByte] = 3;  // ZVEI1 group tone 3
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 3, 1));
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(w));
        QCOMPARE(QApplication::focusWidget(), w->Frame_std->Combo_edit);
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(3, 1), "20");
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(4, 2), "3");
        QVERIFY(w->Frame_std->Combo_edit->isVisible());
        QCOMPARE(w->Frame_std->Combo_edit->text(), "20");  // the editor opened on the new value
        // Leaving without a pick writes nothing over the new image.
        QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, 6, 0));
        QCOMPARE(int(MemoryImage[standardRow(2)][PeriodByte]), 0);
        Windows::reset();
    }

    // Clicking through every editable cell and both tabs without an edit
    // changes no byte.
    void clickThroughChangesNothing()
    {
        MemoryImage[encodeRow(9)][frameByte(1)] = 0x20;  // a stray byte, shown as a blank
        auto before = MemoryImage;
        // Save that the standard list, opened on code 9's standard 0xFF,
        // shows "MODAT" and stores it.
        before[encodeRow(9)][EncodeStandardByte] = 14;
        FiveToneWindow *w = load();
        for (int r = 1; r <= 15; r += 7)
            for (int c = 0; c <= 3; ++c)
                QVERIFY(clickGridCellWhereSeen(w->Frame_std->MSF_Chann, r, c));
        QVERIFY(clickTab(w, 1));
        for (int r : {1, 9, 15})
            for (int c = 0; c <= 4; ++c)
                QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, r, c));
        QVERIFY(clickTab(w, 0));
        QVERIFY(clickTab(w, 1));
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 2, 2));
        QVERIFY(MemoryImage == before);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // The decode page, which no tab shows: the function boxes of the code
    // last clicked, its caption, and what the signal file takes from it.
    void decodePage()
    {
        FiveToneWindow *w = load();
        w->TabStrip1_Click(3);
        QVERIFY(w->Frame_Decode->isVisible());
        // No tab shows this page, so the window checks leave it out.
        const QStringList cut = textfits::cutCaptions(w->Frame_Decode);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 2));  // no standard yet: no editor
        QCOMPARE(w->Frame_Decode->Frame_Dec_xx->title(), "Execute after Code 4 Decode Succeeded ");
        QVERIFY(!w->Frame_Decode->Text_Decode->isVisible());
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 1));
        QVERIFY(w->Frame_Decode->Combo_Decode->isVisible());
        w->Frame_Decode->Combo_Decode->setListIndex(10);  // EIA
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 2));
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 1), "EIA");
        QVERIFY(w->Frame_Decode->Text_Decode->isVisible());
        QTest::keyClicks(w->Frame_Decode->Text_Decode, "12a");
        QCOMPARE(boxTexts(), QStringList{"Group Digits only by 0 to 9 and A to F."});
        QTest::keyClick(w->Frame_Decode->Text_Decode, Qt::Key_Backspace);
        QTest::keyClicks(w->Frame_Decode->Text_Decode, "ABC");
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 3));
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 2), "12ABC");
        w->Frame_Decode->Combo_Decode->setListIndex(8);
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 8));
        QCOMPARE(w->Frame_Decode->MSF_Decode->textMatrix(4, 3), "8.Revive");
        QVERIFY(clickWhereSeen(w->Frame_Decode->Check_Led[1]));
        QVERIFY(clickWhereSeen(w->Frame_Decode->Check_zh[4][0]));
        QCOMPARE(int(w->Frame_Decode->DecodeFunctionTable[3][2]), 2);
        QCOMPARE(int(w->Frame_Decode->DecodeFunctionTable[3][1]), 16);
        const SignalFileSheet sheet = w->signalFileSheet();
        SignalGrid file{};
        PackSignalFile(sheet, file);
        QCOMPARE(file[115][15], 10);
        QCOMPARE(file[115][0], 1);
        QCOMPARE(file[131][5], 8);
        QCOMPARE(file[131][9], 16);
        QCOMPARE(file[131][10], 2);
        // Another code's boxes show that code's bits, by a click on one of
        // its cells or on its number.
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 5, 1));
        QVERIFY(!w->Frame_Decode->Check_Led[1]->isChecked());
        QCOMPARE(w->Frame_Decode->Frame_Dec_xx->title(), "Execute after Code 5 Decode Succeeded ");
        QVERIFY(clickGridCellWhereSeen(w->Frame_Decode->MSF_Decode, 4, 0));
        QVERIFY(w->Frame_Decode->Check_Led[1]->isChecked());
        QCOMPARE(w->Frame_Decode->Frame_Dec_xx->title(), "Execute after Code 4 Decode Succeeded ");
    }

    // Timer4 serves both requests in one tick, the load first; a save and a
    // load give back the area and its display.
    void signalFileRequests()
    {
        QTemporaryDir dir;
        FiveToneWindow *w = load();
        MemoryImage[standardRow(6)][PeriodByte] = 17;
        MemoryImage[SettingsRow][CallFramesByte] = 6;
        const auto saved = MemoryImage;
        FilePath = dir.filePath("a.sig");
        FileRequestSave = -1;
        TestClock::advance(500);
        QCOMPARE(FileRequestSave, qint16(0));
        QCOMPARE(boxTexts(), QStringList{"Complete storing Signal parameters."});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QString("Operate Prompt"));

        for (int r = FirstRow; r < FirstRow + Rows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = 0x05;
        MsgBoxRecorder::clear();
        FileRequestOpen = -1;
        FileRequestSave = -1;
        TestClock::advance(500);
        QCOMPARE(FileRequestOpen, qint16(0));
        QCOMPARE(FileRequestSave, qint16(0));
        QCOMPARE(boxTexts(), (QStringList{"Succeed fold the Signal parameters from file.",
                                          "Complete storing Signal parameters."}));
        QVERIFY(MemoryImage == saved);
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(7, 1), "190");
        QVERIFY(w->Frame_Encode->Check_Decode_HJ[1]->isChecked());
        QVERIFY(!w->Frame_Encode->Check_Decode_HJ[0]->isChecked());
    }

    // A load while the window's write runs would send a mix of two images.
    void loadRefusedWhileTransferRuns()
    {
        QTemporaryDir dir;
        FiveToneWindow *w = load();
        FilePath = dir.filePath("a.sig");
        FileRequestSave = -1;
        TestClock::advance(500);
        MemoryImage[encodeRow(2)][0] = 9;
        const auto before = MemoryImage;
        MsgBoxRecorder::clear();
        QVERIFY(clickWhereSeen(w->Command_Write));
        FileRequestOpen = -1;
        TestClock::advance(500);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        QCOMPARE(FileRequestOpen, qint16(0));
        QCOMPARE(boxTexts(), QStringList{"Read-write operating with transceiver ."});
        QVERIFY(MemoryImage == before);
    }

    void badSignalFileChangesNothing()
    {
        QTemporaryDir dir;
        FiveToneWindow *w = load();
        QFile f(dir.filePath("bad.sig"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(" 1  2 \r\n 3  x \r\n");
        f.close();
        const auto before = MemoryImage;
        FilePath = f.fileName();
        FileRequestOpen = -1;
        TestClock::advance(500);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(boxTexts().first().startsWith("Loading the Signal parameters from file failed"));
        QVERIFY(boxTexts().first().contains("Line 2"));
        QVERIFY(MemoryImage == before);
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(1, 1), "100");
    }
};

QTEST_MAIN(TstFiveToneWindow)
#include "tst_fivetonewindow.moc"
