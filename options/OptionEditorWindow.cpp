#include "options/OptionEditorWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/LinkControls.h"
#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "memory/OptionDefaults.h"
#include "options/FrequencyModeFrame.h"
#include "options/OptionPanel.h"
#include "options/OptionTexts.h"
#include "platform/CommControl.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/WindowNames.h"

namespace {
// The option area: the block, the frequency-mode records, the power-on text.
constexpr int OptionAreaRows = 32;
}

OptionEditorWindow::OptionEditorWindow(QWidget *parent) : EditorWindow(parent)
{
    panel = new OptionPanel(this);
    Command_def = addButton("Command_def");
    Command_save = addButton("Command_save");
    Command_open = addButton("Command_open");
    Command_close = addButton("Command_close");
    // This window's exchange asks for no password.
    Label_PassWord->hide();
    Text_PassWord->hide();

    setCaptions({{"", OptionTexts::Caption},
                 {"Command_read", OptionTexts::Read},
                 {"Command_Write", OptionTexts::Write},
                 {"Command_def", OptionTexts::Default},
                 {"Command_save", OptionTexts::Save},
                 {"Command_open", OptionTexts::Open},
                 {"Command_close", OptionTexts::Close},
                 {"Label_PassWord", OptionTexts::PassWord}});

    bindLink(LinkProfile::options());
    session()->settings().show = [this] { ShowOptions(); };
    watchRows(MemoryMap::OptionBlockRow, OptionAreaRows);
    // The user's own edits are shown already: no redraw for them.
    connect(panel, &OptionPanel::imageWritten, this, &OptionEditorWindow::rememberShown);

    connect(Command_def, &QPushButton::clicked, this, &OptionEditorWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &OptionEditorWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &OptionEditorWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &OptionEditorWindow::Command_close_Click);
    layOut();

    // Tab runs through the settings first, then the buttons.
    QList<QWidget *> order = panel->tabOrder();
    order << Command_read << Command_Write << Command_def << Command_save << Command_open << Command_close;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

OptionEditorWindow::~OptionEditorWindow() = default;

void OptionEditorWindow::layOut()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(panel, 1);

    auto *progress = new QHBoxLayout;
    progress->addWidget(ProgressBar1, 2);
    progress->addWidget(Label_tr_count, 1);
    progress->addWidget(Label_PassWord);
    progress->addWidget(Text_PassWord);
    outer->addLayout(progress);
    keepRoomForProgress();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {Command_read, Command_Write, Command_def, Command_save, Command_open,
                           Command_close}) {
        buttons->addWidget(b);
        buttons->addStretch(1);
    }
    outer->addLayout(buttons);
}

void OptionEditorWindow::loadForm()
{
    // Records A and B in the two frames, whatever the last instance chose.
    panel->Frame_A->Option_Select_First->setChecked(true);
    panel->Frame_B->Option_Select_First->setChecked(true);
    panel->setCaptions();
    // The main window's size divided by 1.48 and 1.16, centred in its client area.
    placeFromMainWindow(Screen::widthTwips() / 1.48, Screen::heightTwips() / 1.16);
    panel->FillOptionLists();
    panel->optionLists.front()->setFocus();
}

void OptionEditorWindow::showImage() { ShowOptions(); }

void OptionEditorWindow::ShowOptions()
{
    panel->ShowOptions();
    rememberShown();
}

bool OptionEditorWindow::editing() const { return panel->editing(); }

bool OptionEditorWindow::commitOpenEdit() { return panel->commitOpenEdit(); }
void OptionEditorWindow::discardOpenEdit() { panel->discardOpenEdit(); }

BiText OptionEditorWindow::unloadBusyText() const { return OptionTexts::CloseBusy; }

void OptionEditorWindow::Command_def_Click()
{
    // Refused while a transfer runs: a write would send the radio a mix of
    // the old and the factory options.
    if (refuseWhileBusy(OptionTexts::Busy))
        return;
    ProgressBar1->hide();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    ChannelCount = 200;
    discardOpenEdit();
    BuildOptionDefaults();
    ShowOptions();
}

void OptionEditorWindow::Command_open_Click()
{
    openFileDialog(WindowName::Form_open_chann, OptionTexts::Busy);
}

void OptionEditorWindow::Command_save_Click()
{
    if (refuseWhileBusy(OptionTexts::Busy))
        return;
    // What is shown is what is saved; an edit that cannot be committed now
    // stops the save.
    if (!commitOwnOpenEdit())
        return;
    Windows::reload(WindowName::Form_save_chann);
}

void OptionEditorWindow::Command_close_Click()
{
    if (refuseWhileBusy(OptionTexts::CloseBusy))
        return;
    closeWindow({WindowName::Form_open_menu, WindowName::Form_save_menu});
}
