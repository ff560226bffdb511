// The alignment editor window without the radio: what the load shows, the
// tabs, every family of value boxes with its warnings, the lists and flags,
// the band limits and passwords, Default, the file requests served by Timer4
// and the buttons that open and close dialogs; and the refusals while the
// window's exchange runs (against a radio that does not answer). The editor
// opens in the main-window stand-in, as the program shows it, and every
// button and check box is clicked where a person sees it.
#include "support/AdjustEditorFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>

#include "alignment/AdjustFile.h"
#include "alignment/AdjustTexts.h"
#include "link/LinkSession.h"
#include "memory/AdjustDefaults.h"
#include "platform/FileState.h"
#include "platform/PickList.h"
#include "platform/StatusBar.h"
#include "platform/TextBox.h"

using namespace AdjustEditorFixture;

namespace {
QList<int> factoryBlock()
{
    QList<int> out;
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 16; ++c)
            out << AdjustDefaults[r][c];
    return out;
}

const QString Chinese = QString::fromUtf8("操作提示");
}

class TestAdjustWindow : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;
    AdjustEditorWindow *w = nullptr;

    // A click on the tick square of check box c, where it is seen.
    [[nodiscard]] static bool tick(QCheckBox *c) { return clickWhereSeen(c, indicatorCentre(c)); }

private slots:
    void init()
    {
        setUpBench();
        useFakePorts();
        reset();
        plugRadio(1);
        main = std::make_unique<MainStandIn>();
        QVERIFY(main->waitActive());
        w = load();
        QVERIFY(w);
        MsgBoxRecorder::clear();
    }
    void cleanup()
    {
        AdjustEditorFixture::cleanup();
        main.reset();
        tearDownBench();
    }

    void loadShowsTheHighPowerTab()
    {
        QCOMPARE(w->windowTitle(), QString::fromUtf8("发射功率调整（高功率）"));
        QCOMPARE(w->Frame_Frame->title(), QString::fromUtf8("发射功率调整（高功率）"));
        QCOMPARE(w->TabStrip1->count(), 5);
        QCOMPARE(w->TabStrip1->tabText(1), QString::fromUtf8("发射功率(中）"));
        QVERIFY(!w->Frame_Frame->isHidden());
        QVERIFY(w->Frame_Sql->isHidden() && w->Frame_Dev->isHidden() && w->Frame_Other->isHidden());
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->Label_TXP[0][0]->text(), QStringLiteral("130MHZ"));
        QCOMPARE(w->Label_TXP[0][15]->text(), QStringLiteral("190MHZ"));
        QCOMPARE(w->Label_TXP[2][15]->text(), QStringLiteral("520MHZ"));
        QCOMPARE(w->Label_Sq_Offset[0][15]->text(), QStringLiteral("190"));
        QCOMPARE(w->Label_Sql[1][9]->text(), QStringLiteral("0"));
        for (int b = 0; b < 4; ++b)
            for (int i = 0; i < 16; ++i)
                QCOMPARE(w->valueBoxes[b][i]->text(), QString::number(AdjustDefaults[b][i]));
        QCOMPARE(w->list("Combo_Voice_Dev")->listCount(), 128);
        QCOMPARE(w->list("Combo_Voice_Dev")->listItem(5), QStringLiteral(" 5"));
        QCOMPARE(w->Combo_Range_Type->listItem(3), QString::fromUtf8("FCC 规范 "));
        QCOMPARE(block(), factoryBlock());
        QVERIFY(boxTexts().isEmpty());
        // English or Chinese, the captions are Chinese.
        QCOMPARE(w->Command_def->text(), QString::fromUtf8("默认值"));
    }

    void tabsShareThePowerBoxes()
    {
        w->TabStrip1_Click(TabMiddlePower);
        QCOMPARE(w->windowTitle(), QString::fromUtf8("发射功率调整（中功率）"));
        QCOMPARE(w->Frame_Frame->title(), QString::fromUtf8("发射功率调整（中功率）"));
        QCOMPARE(w->valueBox("Text_TXP_UHF2", 0)->text(), QStringLiteral("15"));
        w->valueBox("Text_TXP_VHF", 2)->setText("33");
        QCOMPARE(AdjustImage[4][2], qint16(33));
        w->TabStrip1_Click(TabHighPower);
        QCOMPARE(w->valueBox("Text_TXP_VHF", 2)->text(), QStringLiteral("60"));
        QCOMPARE(AdjustImage[0][2], qint16(60));
        w->TabStrip1_Click(TabMiddlePower);
        QCOMPARE(w->valueBox("Text_TXP_VHF", 2)->text(), QStringLiteral("33"));

        w->TabStrip1_Click(TabRange);
        QCOMPARE(w->windowTitle(), QString::fromUtf8("频率范围"));
        QVERIFY(w->Frame_Frame->isHidden() && !w->Frame_Other->isHidden());
        // The power frame keeps the caption of the last power tab.
        QCOMPARE(w->Frame_Frame->title(), QString::fromUtf8("发射功率调整（中功率）"));
        QList<int> expected = factoryBlock();
        expected[16 * 4 + 2] = 33;
        QCOMPARE(block(), expected);
        QVERIFY(boxTexts().isEmpty());
    }

    // stored < 0: the warning of the family and the cell's factory value.
    void valueBoxes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("warning");
        QTest::newRow("power top") << 0 << "Text_TXP_UHF1" << 4 << "63" << 2 << 63 << "";
        QTest::newRow("power above") << 0 << "Text_TXP_UHF1" << 4 << "64" << 2 << -1 << " 输入数字范围为 0 - 63 ！";
        QTest::newRow("middle power row") << 1 << "Text_TXP_UHF2" << 15 << "7" << 7 << 7 << "";
        QTest::newRow("empty is 0") << 0 << "Text_TXP_VHF" << 0 << "" << 0 << 0 << "";
        QTest::newRow("level top") << 2 << "Text_SQ_UHF0" << 9 << "100" << 10 << 100 << "";
        QTest::newRow("level above") << 2 << "Text_SQ_UHF0" << 9 << "101" << 10 << -1 << " 输入数字范围为 0 - 100 ！";
        QTest::newRow("offset top") << 2 << "Text_Sq_Offset_VHF" << 15 << "10" << 9 << 10 << "";
        QTest::newRow("offset above") << 2 << "Text_Sq_Offset_UHF2" << 3 << "11" << 15 << -1 << " 输入数字范围为 0 - 10 ！";
        QTest::newRow("sign") << 2 << "Text_SQ_VHF" << 0 << "-1" << 8 << -1 << " 输入数字范围为 0 - 100 ！";
        QTest::newRow("point") << 0 << "Text_TXP_VHF" << 1 << "5.5" << 0 << -1 << " 输入数字范围为 0 - 63 ！";
        QTest::newRow("twenty nines") << 2 << "Text_SQ_UHF2" << 2 << QString(20, '9') << 14 << -1 << " 输入数字范围为 0 - 100 ！";
    }
    void valueBoxes()
    {
        QFETCH(int, tab);
        QFETCH(QString, family);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(int, stored);
        QFETCH(QString, warning);
        w->TabStrip1_Click(tab);
        const QList<int> before = block();
        TextBox *box = w->valueBox(qPrintable(family), index);
        QVERIFY(box);
        box->setText(text);
        if (stored >= 0) {
            QCOMPARE(int(AdjustImage[row][index]), stored);
            QCOMPARE(box->text(), text);
            QVERIFY(boxTexts().isEmpty());
        } else {
            QCOMPARE(boxTexts(), QStringList{warning});
            const MsgRecord &r = MsgBoxRecorder::boxes().first();
            QCOMPARE(r.title, Chinese);  // in English too
            QCOMPARE(r.icon, MsgIcon::Information);
            QCOMPARE(box->text(), QString::number(AdjustDefaults[row][index]));
            QCOMPARE(AdjustImage[row][index], AdjustDefaults[row][index]);
        }
        // Nothing else of the block moved.
        QList<int> after = block();
        after[16 * row + index] = before[16 * row + index];
        QCOMPARE(after, before);
    }

    // A cell that its box cannot take warns when shown and takes its factory
    // value; a hidden box does not take the focus.
    void badCellsWarnWhenShown()
    {
        AdjustImage[1][0] = 255;
        AdjustImage[1][1] = 64;
        AdjustImage[9][3] = 11;
        AdjustImage[0][0] = 5;  // a good value that differs from the default stays
        w->ShowAdjustTab();
        QCOMPARE(boxTexts(), QStringList(2, QString::fromUtf8(" 输入数字范围为 0 - 63 ！")));
        QCOMPARE(cells(1, 0, 2), (QList<int>{50, 50}));
        QCOMPARE(AdjustImage[0][0], qint16(5));
        MsgBoxRecorder::clear();
        w->TabStrip1_Click(TabDeviation);
        QCOMPARE(boxTexts(), QStringList{QString::fromUtf8(" 输入数字范围为 0 - 10 ！")});
        QCOMPARE(AdjustImage[9][3], qint16(5));
        QVERIFY(!w->valueBox("Text_Sq_Offset_VHF", 3)->hasFocus());
    }

    void listsStoreTheirPick()
    {
        w->TabStrip1_Click(TabDeviation);
        w->list("Combo_Wide_C")->setListIndex(5);
        QCOMPARE(AdjustImage[16][3], qint16(5));
        w->list("Combo_Tone_Dev")->setListIndex(127);
        QCOMPARE(AdjustImage[16][13], qint16(127));
        QTest::keyClicks(w->list("Combo_Wide_C"), "7a");
        QCOMPARE(AdjustImage[16][3], qint16(5));
        QCOMPARE(w->list("Combo_Wide_C")->listIndex(), 5);
        // A cell beyond its list shows no entry and stays as it is.
        AdjustImage[16][0] = 200;
        w->ShowAdjustTab();
        QCOMPARE(w->list("Combo_Voice_Dev")->listIndex(), -1);
        QCOMPARE(AdjustImage[16][0], qint16(200));
        w->TabStrip1_Click(TabRange);
        w->list("Combo_Adj_Txp_Low")->setListIndex(63);
        QCOMPARE(AdjustImage[31][14], qint16(63));
    }

    void flagsCell()
    {
        AdjustImage[31][15] = 18;
        w->TabStrip1_Click(TabRange);
        QVERIFY(w->Check_Csh_Type->isChecked());
        QCOMPARE(w->Combo_Range_Type->listIndex(), 2);
        QCOMPARE(AdjustImage[31][15], qint16(18));
        w->Combo_Range_Type->setListIndex(0);
        QCOMPARE(AdjustImage[31][15], qint16(16));
        QVERIFY(tick(w->Check_Csh_Type));
        QCOMPARE(AdjustImage[31][15], qint16(0));

        // 35 / 16 rounds to 2: shown ticked though bit 4 is clear; showing
        // keeps the cell, and a click clears the box, keeping bits 0-3 only.
        AdjustImage[31][15] = 35;
        w->ShowAdjustTab();
        QVERIFY(w->Check_Csh_Type->isChecked());
        QCOMPARE(w->Combo_Range_Type->listIndex(), 3);
        QCOMPARE(AdjustImage[31][15], qint16(35));
        QVERIFY(tick(w->Check_Csh_Type));
        QCOMPARE(AdjustImage[31][15], qint16(3));
        QVERIFY(tick(w->Check_Csh_Type));
        QCOMPARE(AdjustImage[31][15], qint16(19));

        AdjustImage[26][7] = 5;
        w->ShowAdjustTab();
        QVERIFY(w->Check_Tx[2]->isChecked());
        QCOMPARE(AdjustImage[26][7], qint16(5));
        QVERIFY(tick(w->Check_Tx[2]));
        QCOMPARE(AdjustImage[26][7], qint16(0));
        QVERIFY(tick(w->Check_Tx[2]));
        QCOMPARE(AdjustImage[26][7], qint16(1));
    }

    void limitsShownAndChecked()
    {
        const qint16 row[8] = {1, 3, 0, 1, 7, 9, 0, 1};
        std::copy(row, row + 8, AdjustImage[24].begin());
        w->TabStrip1_Click(TabRange);
        QCOMPARE(w->Text_Freq_L[0]->text(), QStringLiteral(" 130"));
        QCOMPARE(w->Text_Freq_H[0]->text(), QStringLiteral(" 179"));
        QVERIFY(w->Check_Tx[0]->isChecked());
        const QList<int> before = block();

        w->Text_Freq_H[0]->setText("180");
        w->Text_Freq_H_LostFocus(0);
        QCOMPARE(boxTexts(), QStringList{"Receive frequency of upper limit can't more than the highest of work frequency. "});
        QCOMPARE(MsgBoxRecorder::boxes().first().icon, MsgIcon::Exclamation);
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QStringLiteral("Operate Prompt"));
        QCOMPARE(w->Text_Freq_H[0]->text(), QStringLiteral("179"));
        QCOMPARE(block(), before);

        MsgBoxRecorder::clear();
        LanguageFlag = -1;
        w->Text_Freq_L[2]->setText("399");
        w->Text_Freq_L_LostFocus(2);
        QCOMPARE(boxTexts(), QStringList{QString::fromUtf8("下限频率不可小于该频段最低工作频率")});
        QCOMPARE(w->Text_Freq_L[2]->text(), QStringLiteral("400"));
        QCOMPARE(block(), before);
        LanguageFlag = 0;

        // A check that passes stores its own band only, rounded as a whole.
        MsgBoxRecorder::clear();
        w->Text_Freq_L[1]->setText("abc");  // another band's box, not checked
        w->Text_Freq_L[0]->setText("139.5");
        w->Text_Freq_L_LostFocus(0);
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(cells(24, 0, 6), (QList<int>{1, 4, 0, 1, 7, 9}));
        QCOMPARE(cells(25, 0, 6), before.mid(16 * 25, 6));
    }

    void passwordsCentred()
    {
        const qint16 codes[6] = {32, 65, 66, 67, 68, 32};
        std::copy(codes, codes + 6, AdjustImage[31].begin());
        w->TabStrip1_Click(TabRange);
        QCOMPARE(w->Text_user_PassWord->text(), QStringLiteral("ABCD "));
        QCOMPARE(cells(31, 0, 6), (QList<int>{32, 65, 66, 67, 68, 32}));
        QCOMPARE(w->Text_Super_PassWord->text(), QStringLiteral("000000"));
        w->Text_user_PassWord->setText("x");
        QCOMPARE(cells(31, 0, 6), (QList<int>{32, 32, 88, 32, 32, 32}));
        w->Text_Super_PassWord->setText("a b");
        QCOMPARE(cells(31, 6, 6), (QList<int>{32, 65, 11, 66, 32, 32}));
        // Stored off centre, a password is stored centred once shown.
        const qint16 left[6] = {65, 66, 32, 32, 32, 32};
        std::copy(left, left + 6, AdjustImage[31].begin());
        w->ShowAdjustTab();
        QCOMPARE(cells(31, 0, 6), (QList<int>{32, 32, 65, 66, 32, 32}));
    }

    void defaultRestoresTheWholeBlock()
    {
        for (int r = 0; r < 32; ++r)
            AdjustImage[r].fill(3);
        w->ProgressBar1->show();
        w->Label_tr_count->setText("x");
        w->TabStrip1_Click(TabRange);
        QVERIFY(clickWhereSeen(w->Command_def));
        QCOMPARE(block(), factoryBlock());
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->Label_tr_count->text(), QString());
        QCOMPARE(w->Text_Freq_H[3]->text(), QStringLiteral(" 480"));
        QVERIFY(boxTexts().isEmpty());
    }

    void dialogsOpenAndClose()
    {
        QVERIFY(clickWhereSeen(w->Command_open));
        QVERIFY(clickWhereSeen(w->Command_open));
        QVERIFY(Windows::isLoaded("Form_open_adj"));
        QVERIFY(clickWhereSeen(w->Command_save));
        QVERIFY(Windows::isLoaded("Form_save_adj"));
        QVERIFY(Windows::load("Form_open_menu"));
        QVERIFY(clickWhereSeen(w->Command_close));
        QVERIFY(!Windows::isLoaded("frm_Adj_Txp"));
        QVERIFY(!Windows::isLoaded("Form_open_menu"));
        QVERIFY(Windows::isLoaded("Form_open_adj"));
        QVERIFY(boxTexts().isEmpty());
    }

    // While the exchange runs (here: a radio that does not answer) Default,
    // Open, Save, Close, Read and Write refuse; the edits do not.
    void refusalsWhileTheExchangeRuns()
    {
        radio->setSilence(0);
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(w->session()->ReadBusy, qint16(-1));
        AdjustImage[20][0] = 1;
        const QList<int> before = block();
        for (QPushButton *b : {w->Command_def, w->Command_open, w->Command_save, w->Command_Write,
                               w->Command_read})
            QVERIFY(clickWhereSeen(b));
        QCOMPARE(boxTexts(), QStringList(5, "Read-write operating with transceiver ."));
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QStringLiteral("Operate prompt"));
        QCOMPARE(block(), before);
        QVERIFY(!Windows::isLoaded("Form_open_adj"));
        MsgBoxRecorder::clear();
        QVERIFY(clickWhereSeen(w->Command_close));
        QCOMPARE(boxTexts(), QStringList{"Read-write operating，don't close the window.,"});
        QVERIFY(Windows::isLoaded("frm_Adj_Txp"));
        // Still the one opening command: the refused presses started nothing.
        TestClock::advance(100);
        QCOMPARE(radio->receivedBytes().size(), 8);
        w->valueBox("Text_TXP_VHF", 0)->setText("1");
        QCOMPARE(AdjustImage[0][0], qint16(1));
    }

    void fileRequestsServedByTimer4()
    {
        QTemporaryDir dir;
        AdjustGrid saved = AdjustDefaults;
        saved[0][5] = 1;
        saved[20][3] = 200;  // a cell no control shows
        const QString good = dir.filePath("good.adj");
        QVERIFY(WriteAdjustFile(good, saved).ok());
        FilePath = good;
        AdjustFileRequestOpen = -1;
        w->ProgressBar1->show();
        TestClock::advance(500);
        QCOMPARE(AdjustFileRequestOpen, qint16(0));
        QCOMPARE(AdjustImage[20][3], qint16(200));
        QCOMPARE(w->valueBox("Text_TXP_VHF", 5)->text(), QStringLiteral("1"));
        QCOMPARE(boxTexts(), QStringList{"Succeed fold the optional parameters from file."});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, QStringLiteral("Operate Prompt"));
        QVERIFY(w->ProgressBar1->isHidden());

        // A bad file changes nothing and names its line; no success box.
        MsgBoxRecorder::clear();
        const QString bad = dir.filePath("bad.adj");
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray bytes = AdjustFileBytes(AdjustDefaults);
        bytes.replace(0, 3, " 300");
        f.write(bytes);
        f.close();
        const QList<int> before = block();
        FilePath = bad;
        AdjustFileRequestOpen = -1;
        TestClock::advance(500);
        QCOMPARE(block(), before);
        QCOMPARE(boxTexts(), QStringList{"Loading the optional parameters from file failed; the parameters are unchanged.\n"
                                         "Line 1 of the file holds the value 300, outside 0 to 255."});

        // Both requests at one tick: the load, then the save of what it loaded.
        MsgBoxRecorder::clear();
        const QString out = dir.filePath("out.adj");
        FilePath = good;
        AdjustFileRequestOpen = -1;
        TestClock::advance(500);
        FilePath = out;
        AdjustFileRequestSave = -1;
        TestClock::advance(500);
        QFile o(out);
        QVERIFY(o.open(QIODevice::ReadOnly));
        QCOMPARE(o.readAll(), AdjustFileBytes(saved));
        QCOMPARE(boxTexts(), (QStringList{"Succeed fold the optional parameters from file.",
                                          "Complete storing optional parameters."}));
    }

    // A request that comes while the exchange runs waits until it has ended.
    void fileRequestWaitsForTheExchange()
    {
        QTemporaryDir dir;
        AdjustGrid saved = AdjustDefaults;
        saved[0][0] = 2;
        QVERIFY(WriteAdjustFile(dir.filePath("a.adj"), saved).ok());
        radio->setSilence(0);
        QVERIFY(clickWhereSeen(w->Command_Write));
        FilePath = dir.filePath("a.adj");
        AdjustFileRequestOpen = -1;
        TestClock::advance(1500);
        QCOMPARE(AdjustFileRequestOpen, qint16(-1));
        QCOMPARE(AdjustImage[0][0], qint16(60));
        TestClock::advance(4 * 3000 + 1000);  // four attempts, then the failure
        QCOMPARE(MainPanel(2), QStringLiteral("Communication fault."));
        QCOMPARE(AdjustFileRequestOpen, qint16(0));
        QCOMPARE(AdjustImage[0][0], qint16(2));
    }
};

QTEST_MAIN(TestAdjustWindow)
#include "tst_adjustwindow.moc"
