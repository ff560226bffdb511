// The option editor window shown in a main window stand-in and driven with
// real mouse and key events: captions in both languages, placement, where
// the focus lands, a click into the inactive window, a click-through that
// changes nothing, Default, Open, Save and Close, the refusals while its
// exchange runs, and the redraw when the image changed behind its back.
#include "options/OptionWindowFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/OnScreenMessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "link/LinkSession.h"
#include "memory/MemoryMap.h"
#include "memory/OptionDefaults.h"
#include "options/FrequencyModeFrame.h"
#include "options/OptionBlock.h"

using namespace OptionWindowFixture;
using Image = CellGrid<ImageRows, ImageCols>;

namespace {
// Radio memory whose option area differs from the factory image.
void fillRadio(SimRadio &radio)
{
    QByteArray area(0x200, 0);
    for (int i = 0; i < area.size(); ++i)
        area[i] = char((i * 3 + 1) % 7);
    radio.setBytes(0x0E00, area);
}
} // namespace

class TstOptionWindow : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;

    OptionEditorWindow *loadShown();
    // Starts a read that the radio never answers, by a click on Read: the
    // transfer runs. False, with a warning, when it does not.
    [[nodiscard]] bool startSilentRead(OptionEditorWindow *w);

private slots:
    void init();
    void cleanup();
    void captionsByLanguage_data();
    void captionsByLanguage();
    void languageSwitchReachesMessagesOnly();
    void placedFromTheMainWindowAndShown();
    void focusLandsOnTheFirstList();
    void clickThroughChangesNoByte();
    void clickIntoInactiveWindowShowsTheImageFirst();
    void returnFromTopLevelWindowRedraws();
    void activationRedrawStoresWhatItShows();
    void typedFrequencyOutlivesOwnEditsAndRedraws();
    void frequencyEmptiedByTheWarningWaitsForTheUser();
    void powerOnTextKeepsItsInnerBlanks();
    void unlistedToneLooksChosen();
    void defaultRestoresTheFactoryOptions();
    void refusalsWhileTransferRuns_data();
    void refusalsWhileTransferRuns();
    void closeRefusedDuringReadThenShowsWhatWasRead();
    void closeBoxAndExitRefusedDuringWrite();
    void openSaveAndClose();
    void reopenedWindowShowsRecordsAAndB();
};

void TstOptionWindow::init()
{
    setUpBench();
    resetProgramState();
    defineWindows();
    useFakePorts();
    plugRadio(1);
    main = std::make_unique<MainStandIn>();
    QVERIFY(QTest::qWaitForWindowActive(&main->main));
}

void TstOptionWindow::cleanup()
{
    cleanupProgramState();
    main.reset();
    tearDownBench();
}

OptionEditorWindow *TstOptionWindow::loadShown()
{
    OptionEditorWindow *w = load();
    if (w)
        main->area->setActiveSubWindow(Windows::frameOf(w));
    return w;
}

bool TstOptionWindow::startSilentRead(OptionEditorWindow *w)
{
    radio->setSilence(0);
    if (!clickWhereSeen(w->Command_read))
        return false;
    TestClock::advance(100);
    if (w->session()->ReadBusy != -1) {
        qWarning("the read does not run (ReadBusy %d)", int(w->session()->ReadBusy));
        return false;
    }
    return true;
}

void TstOptionWindow::captionsByLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0
        << QStringList{"Optional Features", "Read", "Write", "Default", "Save", "Open", "Close", "TMR",
                       "A Frequency model parameters", "OFF", "HIGH"};
    QTest::newRow("Chinese") << -1
        << QStringList{"可选参数编辑", "读 取", "写  入", "默 认", "保  存", "打  开", "关  闭",
                       "多频守侯", "A 区频率模式参数", "关闭", "高功率"};
}

void TstOptionWindow::captionsByLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, captions);
    LanguageFlag = qint16(language);
    OptionEditorWindow *w = loadShown();
    QCOMPARE((QStringList{w->windowTitle(), w->Command_read->text(), w->Command_Write->text(),
                          w->Command_def->text(), w->Command_save->text(), w->Command_open->text(),
                          w->Command_close->text(), control<QLabel>(w, "Label_Tdr")->text(),
                          w->panel->Frame_A->title(), control<PickList>(w, "Combo_Tdr")->listItem(0),
                          control<PickList>(w, "Combo_txp_b")->listItem(0)}),
             captions);
    // The password box and its label are hidden in this window.
    QVERIFY(w->Text_PassWord->isHidden());
    QVERIFY(w->Label_PassWord->isHidden());
    QVERIFY(control<QRadioButton>(w, "Option_Select_C")->isHidden());
}

void TstOptionWindow::languageSwitchReachesMessagesOnly()
{
    OptionEditorWindow *w = loadShown();
    LanguageFlag = -1;
    QVERIFY(startSilentRead(w));
    QVERIFY(clickWhereSeen(w->Command_def));
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("正在与对讲机进行读写操作 ！")});
    QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("操作提示"));
    QCOMPARE(w->Command_def->text(), QStringLiteral("Default"));
    QCOMPARE(control<PickList>(w, "Combo_Beep")->listItem(0), QStringLiteral("OFF"));
    w->session()->stop();
    QVERIFY(Windows::unload(QStringLiteral("frm_option")));
    w = loadShown();
    QCOMPARE(w->Command_def->text(), QStringLiteral("默 认"));
    QCOMPARE(control<PickList>(w, "Combo_Beep")->listItem(0), QStringLiteral("关闭"));
}

void TstOptionWindow::placedFromTheMainWindowAndShown()
{
    const Image before = MemoryImage;
    OptionEditorWindow *w = loadShown();
    // Showing stores only the factory offsets as the items they show
    // (10.650 and 1.600 MHz).
    QCOMPARE(changedCells(before), (QStringList{"240:13", "242:12", "242:13"}));
    QMdiSubWindow *frame = Windows::frameOf(w);
    QVERIFY(frame);
    // The design's width, wider only where a list's longest item needs it;
    // no taller than the design, only as tall as what it holds; centred.
    QCOMPARE(frame->width(), std::max(int(main->main.width() / 1.48), frame->minimumSizeHint().width()));
    QVERIFY(frame->height() <= int(main->main.height() / 1.16));
    const QLayout *layout = w->layout();
    QCOMPARE(w->height(), layout->hasHeightForWidth() ? layout->totalHeightForWidth(w->width())
                                                      : layout->totalSizeHint().height());
    const QSize client = main->area->size();
    QCOMPARE(frame->x(), (client.width() - frame->width()) / 2);
    QVERIFY(qAbs(frame->y() - (client.height() - frame->height()) / 2) <= 1);
    QVERIFY(w->ProgressBar1->isHidden());
    QCOMPARE(w->Label_tr_count->text(), QString());
    QCOMPARE(w->session()->ReadBusy, qint16(0));
    QCOMPARE(control<PickList>(w, "Combo_Sql")->text(), QStringLiteral("5"));
    QCOMPARE(w->panel->Text_PttId_End->text(), QStringLiteral("34567"));
}

void TstOptionWindow::focusLandsOnTheFirstList()
{
    OptionEditorWindow *w = loadShown();
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(w, "Combo_Tdr"));
    // Tab walks the option lists in their columns, first down the first one.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(w, "Combo_Sql"));
}

void TstOptionWindow::clickThroughChangesNoByte()
{
    // An erased record B, an empty ANI code and a power-on row as start-up
    // leaves it (byte 15 still 0xFF).
    for (int c = 0; c < 16; ++c) {
        MemoryImage[242][c] = 0xFF;
        MemoryImage[237][c] = 0xFF;
    }
    OptionEditorWindow *w = loadShown();
    const Image before = MemoryImage;
    QTRY_VERIFY(QApplication::focusWidget());
    QSet<QWidget *> visited;
    for (int i = 0; i < 200; ++i) {
        QWidget *f = QApplication::focusWidget();
        if (!f || visited.contains(f))
            break;
        visited.insert(f);
        QTest::keyClick(f, Qt::Key_Tab);
    }
    QVERIFY(visited.contains(w->panel->Text_ANI));
    QVERIFY(visited.contains(w->panel->Frame_B->Text_Freq));
    QVERIFY(visited.contains(w->panel->Text_Model_Disp));
    // Clicks into the boxes as well.
    for (QWidget *b : {static_cast<QWidget *>(w->panel->Frame_A->Text_Freq),
                       static_cast<QWidget *>(w->panel->Frame_B->Text_Freq),
                       static_cast<QWidget *>(w->panel->Text_ANI),
                       static_cast<QWidget *>(w->panel->Text_Model_Disp)})
        QVERIFY(clickWhereSeen(b));
    QVERIFY(clickWhereSeen(control<QLabel>(w, "Label_Sql")));
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(changedCells(before), QStringList());
}

void TstOptionWindow::clickIntoInactiveWindowShowsTheImageFirst()
{
    OptionEditorWindow *w = loadShown();
    Windows::load(QStringLiteral("other"));
    main->area->setActiveSubWindow(Windows::frameOf(Windows::find(QStringLiteral("other"))));
    QCOMPARE(main->area->activeSubWindow(), Windows::frameOf(Windows::find(QStringLiteral("other"))));
    // The image changes behind the editor's back (a file was opened, say).
    for (int c = 0; c < 16; ++c)
        MemoryImage[237][c] = c < 3 ? qint16(9 - c) : qint16(0xFF);  // ANI 987
    MemoryImage[224][2] = 7;
    QVERIFY(clickWhereSeen(w->panel->Text_ANI));
    QCOMPARE(main->area->activeSubWindow(), Windows::frameOf(w));
    QCOMPARE(w->panel->Text_ANI->text(), QStringLiteral("987"));
    QCOMPARE(control<PickList>(w, "Combo_Sql")->text(), QStringLiteral("7"));
    QTRY_VERIFY(w->panel->Text_ANI->hasFocus());
    QTest::keyClick(w->panel->Text_ANI, Qt::Key_End);
    QTest::keyClick(w->panel->Text_ANI, Qt::Key_6);
    QCOMPARE(MemoryImage[237][3], qint16(6));
    QCOMPARE(MemoryImage[237][0], qint16(9));
}

void TstOptionWindow::returnFromTopLevelWindowRedraws()
{
    OptionEditorWindow *w = loadShown();
    DummyDialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // The dialog loads a file: the power-on text changes.
    const QByteArray hi("HI THERE");
    for (int c = 0; c < 16; ++c)
        MemoryImage[254][c] = c < hi.size() ? qint16(quint8(hi.at(c))) : qint16(0x20);
    QApplication::setActiveWindow(&main->main);
    QVERIFY(QTest::qWaitForWindowActive(&main->main));
    QTRY_COMPARE(w->panel->Text_Model_Disp->text(), QStringLiteral("HI THERE"));
}

void TstOptionWindow::activationRedrawStoresWhatItShows()
{
    OptionEditorWindow *w = loadShown();
    Windows::load(QStringLiteral("other"));
    main->area->setActiveSubWindow(Windows::frameOf(Windows::find(QStringLiteral("other"))));
    // Behind the editor's back (a file opened, say): an erased squelch byte,
    // an ANI code with a gap, a step of record B beyond its list.
    MemoryImage[224][2] = 0xFF;
    for (int c = 0; c < 16; ++c)
        MemoryImage[237][c] = c == 0 ? 1 : c == 2 ? 2 : 0xFF;
    MemoryImage[243][11] = 6;
    const Image before = MemoryImage;
    // A click where the ANI box is seen brings the window forward.
    TextBox *ani = w->panel->Text_ANI;
    QVERIFY(clickWhereSeen(ani));
    QCOMPARE(main->area->activeSubWindow(), Windows::frameOf(w));
    QCOMPARE(control<PickList>(w, "Combo_Sql")->text(), QStringLiteral("9"));
    QCOMPARE(ani->text(), QStringLiteral("12"));
    QCOMPARE(control<PickList>(w, "Combo_step_b")->text(), QStringLiteral("25.00 KHZ"));
    // The image holds what is shown, and nothing else changed.
    QCOMPARE(changedCells(before), (QStringList{"224:2", "237:1", "237:2", "243:11"}));
    QCOMPARE(MemoryImage[224][2], qint16(9));
    QCOMPARE(MemoryImage[237][1], qint16(2));
    QCOMPARE(MemoryImage[237][2], qint16(0xFF));
    QCOMPARE(MemoryImage[243][11], qint16(5));
    QCOMPARE(OptionValues[2], qint16(9));
    QCOMPARE(OptionValues[209], qint16(2));
    QTRY_VERIFY(ani->hasFocus());
    QCOMPARE(boxTexts(), QStringList());
}

void TstOptionWindow::typedFrequencyOutlivesOwnEditsAndRedraws()
{
    OptionEditorWindow *w = loadShown();
    PickList *sql = control<PickList>(w, "Combo_Sql");
    TextBox *freq = w->panel->Frame_A->Text_Freq;
    // A pick of the user's, then a frequency typed and the next list clicked:
    // the frequency is committed, not dropped by a redraw.
    sql->setFocus();
    QTest::keyClick(sql, Qt::Key_Down);
    QCOMPARE(MemoryImage[224][2], qint16(6));
    QVERIFY(clickWhereSeen(freq));
    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("145"));
    QCOMPARE(freq->text(), QStringLiteral("145"));
    QVERIFY(clickWhereSeen(control<PickList>(w, "Combo_tot")));
    if (QWidget *popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
    QCOMPARE(freq->text(), QStringLiteral("145.00000"));
    QCOMPARE(MemoryImage[240][1], qint16(4));

    // Typing, the focus goes to a top-level window that changes the image
    // elsewhere, and comes back: the redraw shows the change and keeps what
    // is being typed; leaving the box commits it.
    QVERIFY(clickWhereSeen(freq));
    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("150.5"));
    DummyDialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    MemoryImage[224][2] = 2;
    QApplication::setActiveWindow(&main->main);
    QVERIFY(QTest::qWaitForWindowActive(&main->main));
    QTRY_COMPARE(sql->text(), QStringLiteral("2"));
    QCOMPARE(freq->text(), QStringLiteral("150.5"));
    QTRY_VERIFY(freq->hasFocus());
    QTest::keyClick(freq, Qt::Key_Tab);
    QCOMPARE(freq->text(), QStringLiteral("150.50000"));
    QCOMPARE(MemoryImage[240][2], qint16(0));
    QCOMPARE(MemoryImage[240][3], qint16(5));
    QCOMPARE(boxTexts(), QStringList());
}

void TstOptionWindow::frequencyEmptiedByTheWarningWaitsForTheUser()
{
    // The warning shown for real and closed with Return; the window is
    // active again afterwards, as a window manager makes it.
    MsgBoxRecorder::install(answerOnScreen);
    OptionEditorWindow *w = loadShown();
    TextBox *freq = w->panel->Frame_A->Text_Freq;
    QCOMPARE(freq->text(), QStringLiteral("136.02500"));
    QVERIFY(clickWhereSeen(freq));
    QTRY_VERIFY(freq->hasFocus());
    QTest::keyClick(freq, Qt::Key_End);
    QTest::keyClicks(freq, QStringLiteral("."));  // the tenth character
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Over the range of  frequency .")});
    QTRY_VERIFY(freq->hasFocus());
    QCOMPARE(freq->text(), QString());
    // The focus goes to another window and comes back: the redraw on
    // activation leaves the box the user works in empty.
    DummyDialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.hide();
    QApplication::setActiveWindow(&main->main);
    QVERIFY(QTest::qWaitForWindowActive(&main->main));
    QTRY_VERIFY(freq->hasFocus());
    QCOMPARE(freq->text(), QString());
    // A click into the box, then the new frequency typed and the box left.
    QVERIFY(clickWhereSeen(freq));
    QCOMPARE(freq->text(), QString());
    QTest::keyClicks(freq, QStringLiteral("147.1"));
    QCOMPARE(freq->text(), QStringLiteral("147.1"));
    QTest::keyClick(freq, Qt::Key_Tab);
    QCOMPARE(freq->text(), QStringLiteral("147.10000"));
    QList<int> stored;
    for (int c = 0; c < 8; ++c)
        stored << MemoryImage[240][c];
    QCOMPARE(stored, (QList<int>{1, 4, 7, 1, 0, 0, 0, 0}));
    QCOMPARE(boxTexts().size(), 1);
}

void TstOptionWindow::powerOnTextKeepsItsInnerBlanks()
{
    const QByteArray text("AB CD");
    for (int c = 0; c < 16; ++c)
        MemoryImage[254][c] = c < text.size() ? qint16(text.at(c)) : qint16(0x20);
    OptionEditorWindow *w = loadShown();
    TextBox *pon = w->panel->Text_Model_Disp;
    QCOMPARE(pon->text(), QStringLiteral("AB CD"));
    QVERIFY(clickWhereSeen(pon));
    QTRY_VERIFY(pon->hasFocus());
    QTest::keyClick(pon, Qt::Key_End);
    QTest::keyClicks(pon, QStringLiteral("E"));
    QCOMPARE(pon->text(), QStringLiteral("AB CDE"));
    const QByteArray stored("AB CDE          ");
    for (int c = 0; c < 16; ++c)
        QCOMPARE(MemoryImage[254][c], qint16(stored.at(c)));
}

void TstOptionWindow::unlistedToneLooksChosen()
{
    // Record B's receive tone 100.5 Hz has no entry in the tone list.
    MemoryImage[243][0] = 0xED;
    MemoryImage[243][1] = 0x03;
    OptionEditorWindow *w = loadShown();
    PickList *tone = control<PickList>(w, "Combo_r_ctdcs_b");
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
    QCOMPARE(tone->listIndex(), -1);
    QCOMPARE(tone->unlistedText(), QStringLiteral("100.5"));
    QCOMPARE(MemoryImage[243][0], qint16(0xED));  // kept until the user picks
    // Drawn as a list beside it that has 100.5 chosen.
    auto *chosen = new PickList(tone->parentWidget());
    chosen->setFocusPolicy(Qt::NoFocus);
    chosen->addItem(QStringLiteral("100.5"));
    chosen->showIndex(0);
    chosen->setGeometry(tone->geometry().translated(0, tone->height()));
    chosen->show();
    QVERIFY(!tone->hasFocus());
    QCOMPARE(tone->grab().toImage(), chosen->grab().toImage());
    delete chosen;
}

void TstOptionWindow::defaultRestoresTheFactoryOptions()
{
    OptionEditorWindow *w = loadShown();
    w->ProgressBar1->show();
    w->ProgressBar1->setValue(40);
    w->Label_tr_count->setText(QStringLiteral("earlier"));
    for (int r = 224; r < 256; ++r)
        MemoryImage[r].fill(0x11);
    // What the defaults make of this image: the bytes they have no value
    // for are carried along as the image holds them.
    const Image changed = MemoryImage;
    LoadOptionValues();
    BuildOptionDefaults();
    Image expected = MemoryImage;
    // Shown, the factory offsets take the items they show: 10.650 and 1.600 MHz.
    expected[240][13] = 0;
    expected[242][12] = 0;
    expected[242][13] = 0;
    MemoryImage = changed;
    QVERIFY(clickWhereSeen(w->Command_def));
    QVERIFY(w->ProgressBar1->isHidden());
    QCOMPARE(w->ProgressBar1->value(), 0);
    QCOMPARE(w->Label_tr_count->text(), QString());
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(changedCells(expected), QStringList());
    QCOMPARE(MemoryImage[225][11], qint16(0x11));  // byte 27 has no default
    QCOMPARE(MemoryImage[254][15], qint16(0x11));
    QCOMPARE(control<PickList>(w, "Combo_Sql")->text(), QStringLiteral("5"));
    QCOMPARE(w->panel->Text_ANI->text(), QStringLiteral("12345"));
    QCOMPARE(w->panel->Frame_A->Text_Freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(w->panel->Text_Model_Disp->text(), QStringLiteral("Model-ZQ7350"));
    // The settings without a byte show their factory setting, fixed.
    for (auto [name, shown] : {std::pair{"Combo_Vol", "11"}, std::pair{"Combo_Abr", "20"},
                               std::pair{"Combo_save", "OFF"}, std::pair{"Combo_MDF_A", "Channel+Frequency"}}) {
        PickList *l = control<PickList>(w, name);
        QCOMPARE(l->text(), QString::fromLatin1(shown));
        QVERIFY(!l->isEnabled());
    }
}

void TstOptionWindow::refusalsWhileTransferRuns_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("Default") << "Command_def" << "Read-write operating with transceiver .";
    QTest::newRow("Open") << "Command_open" << "Read-write operating with transceiver .";
    QTest::newRow("Save") << "Command_save" << "Read-write operating with transceiver .";
    QTest::newRow("Close") << "Command_close" << "Read-write operating，don't close the window.,";
}

void TstOptionWindow::refusalsWhileTransferRuns()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    OptionEditorWindow *w = loadShown();
    MemoryImage[224][2] = 3;
    QVERIFY(startSilentRead(w));
    const Image before = MemoryImage;
    const auto values = OptionValues;
    QVERIFY(clickWhereSeen(control<QPushButton>(w, button.toLatin1())));
    QCOMPARE(boxTexts(), QStringList{message});
    QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
    QCOMPARE(MsgBoxRecorder::boxes()[0].icon, MsgIcon::Exclamation);
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(OptionValues, values);
    QVERIFY(Windows::isLoaded(QStringLiteral("frm_option")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_open_chann")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_save_chann")));
    QCOMPARE(w->session()->ReadBusy, qint16(-1));
}

void TstOptionWindow::closeRefusedDuringReadThenShowsWhatWasRead()
{
    fillRadio(*radio);
    OptionEditorWindow *w = loadShown();
    QSignalSpy done(w->session(), &LinkSession::readCompleted);
    LanguageFlag = -1;
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(100);
    QCOMPARE(w->session()->ReadBusy, qint16(-1));
    QVERIFY(clickWhereSeen(w->Command_close));
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("正在进行读写操作,请勿关窗口 ！,")});
    QVERIFY(Windows::isLoaded(QStringLiteral("frm_option")));
    TestClock::advance(60000);
    QCOMPARE(boxTexts().last(), QStringLiteral("从对讲机中读取数据完毕 ！"));
    QCOMPARE(done.count(), 1);
    // What was read, as shown: each byte beyond its list is its list's last
    // index, the offset of record A (2, 5, 1, 4, 0, 3: beyond 99.950 MHz)
    // the last item and that of record B (36.251 MHz) the nearest one.
    QByteArray shown = radio->bytes(0x0E00, 0x200);
    for (auto [at, value] : {std::pair{8, 1}, {15, 1}, {17, 2}, {20, 3}, {25, 1}, {45, 2}, {46, 3},
                             {0x108, 0}, {0x109, 9}, {0x10A, 9}, {0x10B, 9}, {0x10C, 5}, {0x10D, 0},
                             {0x115, 2}, {0x119, 1}, {0x12D, 0}, {0x135, 2}, {0x138, 1}, {0x139, 1},
                             {0x13A, 2}})
        shown[at] = char(value);
    QCOMPARE(LinkFrames::imageBytes(224, 32), shown);
    QCOMPARE(control<PickList>(w, "Combo_Language")->text(), QStringLiteral("Chinese"));
    QCOMPARE(control<PickList>(w, "Combo_Offset_A")->text(), QStringLiteral("99.950MHZ"));
    // Byte 2 (squelch) of the radio: (2 * 3 + 1) % 7 = 0.
    QCOMPARE(control<PickList>(w, "Combo_Sql")->text(), QStringLiteral("0"));
    QCOMPARE(w->panel->Frame_A->Text_Freq->text(), QStringLiteral("625.14036"));
}

void TstOptionWindow::closeBoxAndExitRefusedDuringWrite()
{
    radio->setSilence(0);
    OptionEditorWindow *w = loadShown();
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(100);
    QCOMPARE(w->session()->WriteBusy, qint16(-1));
    QVERIFY(!Windows::frameOf(w)->close());
    QVERIFY(!Windows::unload(QStringLiteral("frm_option")));
    QCOMPARE(boxTexts(), (QStringList{QStringLiteral("Read-write operating，don't close the window.,"),
                                      QStringLiteral("Read-write operating，don't close the window.,")}));
    QVERIFY(Windows::isLoaded(QStringLiteral("frm_option")));
    TestClock::advance(60000);  // four attempts, then the failure report
    QCOMPARE(w->session()->WriteBusy, qint16(0));
    QVERIFY(Windows::unload(QStringLiteral("frm_option")));
}

void TstOptionWindow::openSaveAndClose()
{
    OptionEditorWindow *w = loadShown();
    QVERIFY(clickWhereSeen(w->Command_open));
    QVERIFY(Windows::isLoaded(QStringLiteral("Form_open_chann")));
    QVERIFY(clickWhereSeen(w->Command_save));
    QWidget *save = Windows::find(QStringLiteral("Form_save_chann"));
    QVERIFY(save);
    QPointer<QWidget> first = save;
    QVERIFY(clickWhereSeen(w->Command_save));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Windows::isLoaded(QStringLiteral("Form_save_chann")));
    QVERIFY(first.isNull() || first != Windows::find(QStringLiteral("Form_save_chann")));
    Windows::load(QStringLiteral("Form_open_menu"));
    QVERIFY(clickWhereSeen(w->Command_close));
    QVERIFY(!Windows::isLoaded(QStringLiteral("frm_option")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_open_menu")));
    QVERIFY(Windows::isLoaded(QStringLiteral("Form_open_chann")));
    QVERIFY(Windows::isLoaded(QStringLiteral("Form_save_chann")));
    QCOMPARE(boxTexts(), QStringList());
}

void TstOptionWindow::reopenedWindowShowsRecordsAAndB()
{
    OptionEditorWindow *w = loadShown();
    QRadioButton *c = control<QRadioButton>(w, "Option_Select_C");
    // The C choice is hidden in this window: reached directly, as no person can.
    c->setChecked(true);
    w->panel->Frame_A->selectSecond_Click();
    QCOMPARE(w->panel->Frame_A->title(), QStringLiteral("C Frequency model parameters"));
    QCOMPARE(w->panel->Frame_A->Text_Freq->text(), QStringLiteral("450.02500"));
    QVERIFY(clickWhereSeen(w->Command_close));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = loadShown();
    QCOMPARE(w->panel->Frame_A->record(), int(FrequencyMode::A));
    QCOMPARE(w->panel->Frame_A->title(), QStringLiteral("A Frequency model parameters"));
    QCOMPARE(w->panel->Frame_A->Text_Freq->text(), QStringLiteral("136.02500"));
}

QTEST_MAIN(TstOptionWindow)
#include "tst_optionwindow.moc"
