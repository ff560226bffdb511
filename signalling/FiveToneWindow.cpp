#include "signalling/FiveToneWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "memory/FiveToneDefaults.h"
#include "memory/MemoryMap.h"
#include "platform/FileState.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneControls.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneTexts.h"

using namespace FiveToneArea;
using namespace FiveToneControls;
namespace T = FiveToneTexts;

FiveToneWindow::FiveToneWindow(QWidget *parent) : EditorWindow(parent)
{
    TabStrip1 = named(new QTabBar(this), QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    Command_def = addButton("Command_def");
    Command_save = addButton("Command_save");
    Command_open = addButton("Command_open");
    Command_close = addButton("Command_close");
    Timer4 = named(new VbTimer(this), QStringLiteral("Timer4"));
    Timer4->setEnabled(false);

    Frame_std = new FiveToneStandardsPage(this);
    Frame_Encode = new FiveToneEncodePage(this);
    Frame_Decode = new FiveToneDecodePage(this);
    connect(Frame_std, &FiveToneStandardsPage::imageWritten, this, &FiveToneWindow::rememberShown);
    connect(Frame_Encode, &FiveToneEncodePage::imageWritten, this, &FiveToneWindow::rememberShown);
    // A click on a code's number in the encode or decode list closes the
    // standards table's list.
    connect(Frame_Encode, &FiveToneEncodePage::codeNumberClicked, Frame_std,
            &FiveToneStandardsPage::hideStandardEditor);
    connect(Frame_Decode, &FiveToneDecodePage::codeNumberClicked, Frame_std,
            &FiveToneStandardsPage::hideStandardEditor);

    setCaptions({{"", T::Caption},
                 {"Frame_std", T::FrameStd},
                 {"Label_std_name", T::StdName},
                 {"Frame_Encode", T::FrameEncode},
                 {"Label_enc_ys1", T::Delay1},
                 {"Label_enc_ys2", T::Delay2},
                 {"Label_enc_ys3", T::Delay3},
                 {"Label_enc_ys4", T::Delay4},
                 {"Label_Decode_HJ", T::DecodeCall},
                 {"Label_Decode_Disp", T::DecodeDisp},
                 {"Label_Decode_Std", T::DecodeStd},
                 {"Label_Reset_Time", T::ResetTime},
                 {"Check_Decode_HJ_0", T::FrameBox[0]},
                 {"Check_Decode_HJ_1", T::FrameBox[1]},
                 {"Check_Decode_HJ_2", T::FrameBox[2]},
                 {"Check_Decode_Disp_0", T::FrameBox[0]},
                 {"Check_Decode_Disp_1", T::FrameBox[1]},
                 {"Check_Decode_Disp_2", T::FrameBox[2]},
                 {"Frame_Decode", T::FrameDecode},
                 {"Frame_Dec_xx", T::DecodeActions},
                 {"Label_F1", T::FrameLabel[0]},
                 {"Label_F2", T::FrameLabel[1]},
                 {"Label_F3", T::FrameLabel[2]},
                 {"Label_Disp", T::Disp},
                 {"Label_led", T::Led},
                 {"Label_ctrl", T::Ctrl},
                 {"Label_Tishi", T::Alert},
                 {"Command_read", T::Read},
                 {"Command_Write", T::Write},
                 {"Command_def", T::Default},
                 {"Command_save", T::Save},
                 {"Command_open", T::Open},
                 {"Command_close", T::Close},
                 {"Label_PassWord", T::PassWord}});

    bindLink(LinkProfile::fiveTone());
    session()->settings().show = [this] { ShowFiveTone(); };
    watchRows(MemoryMap::FiveToneAreaRow, Rows);

    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int i) { TabStrip1_Click(i + 1); });
    connect(Command_def, &QPushButton::clicked, this, &FiveToneWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &FiveToneWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &FiveToneWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &FiveToneWindow::Command_close_Click);
    connect(Timer4, &VbTimer::timer, this, &FiveToneWindow::Timer4_Timer);
}

FiveToneWindow::~FiveToneWindow() = default;

// ---------------------------------------------------------------- load

void FiveToneWindow::layOut()
{
    // Width and height: the main window's divided by 1.3 and 1.25.
    placeFromMainWindow(Screen::widthTwips() / 1.3, Screen::heightTwips() / 1.25);
    const int w = width();
    TabStrip1->setGeometry(px(120), px(120), int(w / 1.03), TabStrip1->sizeHint().height());
    const int top = TabStrip1->geometry().bottom() + px(200);
    const int client = int(w / 1.03);
    Frame_std->setGeometry(px(120), top, client, px(6100));
    Frame_Encode->setGeometry(px(120), top, client - px(2000), px(6100));
    Frame_Decode->setGeometry(px(120), top, client, px(6100));

    Frame_std->layOut();
    Frame_Encode->layOut();
    Frame_Decode->layOut();
    // The pages as tall as the tallest one's controls, the buttons under them.
    int frameHeight = 0;
    for (QWidget *page : {static_cast<QWidget *>(Frame_std), static_cast<QWidget *>(Frame_Encode),
                          static_cast<QWidget *>(Frame_Decode)})
        frameHeight = std::max(frameHeight, page->childrenRect().bottom() + 1 + px(120));
    for (QWidget *page : {static_cast<QWidget *>(Frame_std), static_cast<QWidget *>(Frame_Encode),
                          static_cast<QWidget *>(Frame_Decode)})
        page->resize(page->width(), frameHeight);

    // The buttons right under the pages, the progress bar and the status
    // line under the buttons.
    const int buttonsY = top + frameHeight + px(200);
    QPushButton *buttons[] = {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close};
    int x = px(600);
    for (QPushButton *b : buttons) {
        b->setGeometry(x, buttonsY, px(1000), px(450));
        x += px(1500);
    }
    Label_PassWord->setGeometry(x, buttonsY, px(1000), px(300));
    Text_PassWord->setGeometry(x + px(1050), buttonsY, px(900), px(300));
    const int barY = buttonsY + px(600);
    ProgressBar1->setGeometry(px(120), barY, px(5000), px(300));
    Label_tr_count->setGeometry(px(5300), barY, px(4000), px(300));
    Label_PassWord->hide();
    Text_PassWord->hide();
}

void FiveToneWindow::loadForm()
{
    Frame_std->setUpGrid();
    Frame_Encode->setUpGrid();
    Frame_Decode->setUpGrid();
    {
        const QSignalBlocker quiet(TabStrip1);
        while (TabStrip1->count() > 0)
            TabStrip1->removeTab(0);
        TabStrip1->addTab(T::TabStandard);
        TabStrip1->addTab(T::TabEncode);
        TabStrip1->setCurrentIndex(0);
    }
    layOut();  // after the tabs: the strip takes the height they need
    Frame_std->show();
    Frame_Encode->hide();
    Frame_Decode->hide();
    FillToneLists();
    Timer4->setInterval(500);
    Timer4->setEnabled(true);
}

void FiveToneWindow::formUnload()
{
    Timer4->setEnabled(false);
    EditorWindow::formUnload();
}

void FiveToneWindow::FillToneLists()
{
    Frame_std->fillLists();
    Frame_Encode->fillLists();
}

// ---------------------------------------------------------------- show

void FiveToneWindow::ShowFiveTone()
{
    Frame_std->showStandardsTable();
    Frame_Encode->showEncodeList();
    ProgressBar1->hide();
    rememberShown();
}

bool FiveToneWindow::editing() const
{
    return standardEditor()->busy() || encodeEditor()->busy() || decodeEditor()->busy();
}

bool FiveToneWindow::commitOpenEdit()
{
    // An edit kept open after its warning is shown on its page, with the
    // focus, and stops the rest (the decode page has no tab to show it on).
    const std::pair<GridCellEditor *, int> editors[] = {
        {standardEditor(), 0}, {encodeEditor(), 1}, {decodeEditor(), -1}};
    for (const auto &[editor, tab] : editors) {
        if (editor->commitOpenEdit())
            continue;
        if (tab >= 0) {
            TabStrip1->setCurrentIndex(tab);
            editor->open();
        }
        return false;
    }
    return true;
}

void FiveToneWindow::discardOpenEdit()
{
    standardEditor()->discardOpenEdit();
    encodeEditor()->discardOpenEdit();
    decodeEditor()->discardOpenEdit();
}

// ---------------------------------------------------------------- tabs

void FiveToneWindow::TabStrip1_Click(int index)
{
    Frame_std->setVisible(index == 1);
    Frame_Encode->setVisible(index == 2);
    Frame_Decode->setVisible(index == 3);
    if (index == 3)
        Frame_Decode->showFirstCode();
    encodeEditor()->hideEditor();
}

// ---------------------------------------------------------------- buttons

void FiveToneWindow::Command_def_Click()
{
    if (refuseWhileBusy(T::Busy))
        return;
    ProgressBar1->hide();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    discardOpenEdit();
    BuildFiveToneDefaults();
    ShowFiveTone();
}

void FiveToneWindow::Command_open_Click()
{
    openFileDialog(WindowName::Form_open_chann, T::Busy);
}

void FiveToneWindow::Command_save_Click()
{
    saveFileDialog(WindowName::Form_save_chann, T::Busy);
}

void FiveToneWindow::Command_close_Click()
{
    if (refuseWhileBusy(T::Busy))
        return;
    if (const LinkControls &c = linkControls(); c.MSC && c.MSC->portOpen())
        c.MSC->setPortOpen(false);
    if (!Windows::unload(objectName()))
        return;
    Windows::unload(WindowName::Form_open_menu);
    Windows::unload(WindowName::Form_save_menu);
}

// ---------------------------------------------------------------- signal file

void FiveToneWindow::Timer4_Timer()
{
    if (FileRequestOpen != 0) {
        FileRequestOpen = 0;
        LoadSignalFile();
    }
    if (FileRequestSave != 0) {
        FileRequestSave = 0;
        SaveSignalFile();
    }
}

void FiveToneWindow::LoadSignalFile()
{
    // Loading while the radio is being read or written would mix two images.
    if (LinkSession::anyExchangeRunning()) {
        busyBox(T::Busy);
        return;
    }
    const SignalFileStatus status = LoadSignalFileImage(FilePath);
    if (!status.ok()) {
        MsgBox(T::LoadFailed.text() + QLatin1Char('\n') + SignalFileFaultText(status), MsgIcon::Exclamation,
               PromptTitleCap);
        return;
    }
    discardOpenEdit();
    ShowFiveTone();
    MsgBox(T::Loaded, MsgIcon::Exclamation, PromptTitleCap);
    ProgressBar1->hide();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
}

void FiveToneWindow::SaveSignalFile()
{
    // The file takes the grids' values: an open edit is committed and the
    // grids show the image as it now is (it may have changed behind them).
    if (!commitOwnOpenEdit())
        return;
    refresh();
    const SignalFileStatus status = SaveSignalFileImage(FilePath, signalFileSheet());
    if (!status.ok()) {
        MsgBox(SaveFailureText(status, T::SaveFailed), MsgIcon::Exclamation, PromptTitleCap);
        return;
    }
    MsgBox(T::Saved, MsgIcon::Exclamation, PromptTitleCap);
}

SignalFileSheet FiveToneWindow::signalFileSheet() const
{
    SignalFileSheet sheet;
    Frame_std->addToSheet(sheet);
    Frame_Encode->addToSheet(sheet);
    Frame_Decode->addToSheet(sheet);
    return sheet;
}
