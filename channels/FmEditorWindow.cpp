#include "channels/FmEditorWindow.h"

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "channels/FmGridRules.h"
#include "channels/FmLink.h"
#include "channels/FmRecord.h"
#include "channels/FmRows.h"
#include "channels/FmTexts.h"
#include "link/LinkSession.h"
#include "memory/FmDefaults.h"
#include "memory/MemoryMap.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/TextBox.h"
#include "platform/WindowNames.h"

using namespace FmGrid;

FmEditorWindow::FmEditorWindow(QWidget *parent) : EditorWindow(parent)
{
    FmPage = MemoryMap::FmPage;
    MSF_Chann = new FlexGrid(this);
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    // The channel numbers are cells like the others (a click makes one
    // current), only they open no editor.
    MSF_Chann->setFixedCols(0);
    Text_Edit = new TextBox(this);
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Text_Edit->setAccessibleName(QStringLiteral("MSF_Chann cell"));
    Text_Edit->hide();

    Command_Clear = addButton("Command_Clear");
    Command_def = addButton("Command_def");
    Command_save = addButton("Command_save");
    Command_open = addButton("Command_open");
    Command_close = addButton("Command_close");
    setCaptions({{"", FmTexts::Caption},
                 {"Command_read", FmTexts::Read},
                 {"Command_Write", FmTexts::Write},
                 {"Command_Clear", FmTexts::Clear},
                 {"Command_def", FmTexts::Default},
                 {"Command_save", FmTexts::Save},
                 {"Command_open", FmTexts::Open},
                 {"Command_close", FmTexts::Close},
                 {"Label_PassWord", FmTexts::PassWord}});
    // The tab order follows the layout: the grid, then the buttons left to
    // right, then the password box.
    setTabOrder(MSF_Chann, Command_read);
    QWidget *order[] = {Command_read, Command_Write, Command_Clear, Command_def, Command_save,
                        Command_open, Command_close, Text_PassWord};
    for (int k = 0; k + 1 < int(std::size(order)); ++k)
        setTabOrder(order[k], order[k + 1]);

    bindLink(FmLinkSettings([this] { ShowFmChannels(); }));
    watchRows(FmRecordRow(0, FmPage), FmChannelCount);
    m_rules = std::make_unique<FmGridRules>(MSF_Chann);
    m_editor = new GridCellEditor(MSF_Chann, Text_Edit, nullptr, m_rules.get(), this);
    connect(m_editor, &GridCellEditor::imageWritten, this, &FmEditorWindow::rememberShown);

    connect(Command_Clear, &QPushButton::clicked, this, &FmEditorWindow::Command_Clear_Click);
    connect(Command_def, &QPushButton::clicked, this, &FmEditorWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &FmEditorWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &FmEditorWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &FmEditorWindow::Command_close_Click);
    layOut();
}

FmEditorWindow::~FmEditorWindow() = default;

void FmEditorWindow::loadForm()
{
    MSF_Chann->setFormatString(FmTexts::GridFormat);
    // The main window's size / 1.8 and / 1.5, centred across its client
    // area, the top at (client height - own height) / 1.5 (never above it).
    const QSize main = Windows::mainWindowSize();
    const QSize size(int(main.width() / 1.8), int(main.height() / 1.5));
    const QSize client = Windows::clientSize();
    setPlacement(QRect(std::max(0, (client.width() - size.width()) / 2),
                       std::max(0, int((client.height() - size.height()) / 1.5)), size.width(),
                       size.height()));
    MSF_Chann->setRows(GridRows);
    MSF_Chann->setCurrentCell(1, ColNumber);
    for (int r = 1; r <= FmChannelCount; ++r) {
        MSF_Chann->setTextMatrix(r, ColNumber, QString::number(r));
        MSF_Chann->setTextMatrix(r, ColFrequency, QString());
    }
}

void FmEditorWindow::layOut()
{
    // The grid, as wide as its three columns, centred over the buttons; the
    // password box at the row's right end.
    layOutWithButtonRow(MSF_Chann, {Command_read, Command_Write, Command_Clear, Command_def, Command_save,
                                    Command_open, Command_close});
    layout()->setAlignment(MSF_Chann, Qt::AlignHCenter);
}

void FmEditorWindow::ShowFmChannels()
{
    m_editor->discardOpenEdit();
    ::ShowFmChannels(*MSF_Chann);
    rememberShown();
}

void FmEditorWindow::redisplay()
{
    if (!m_editor->isOpen()) {
        ShowFmChannels();
        return;
    }
    // The rows from the image; the open edit stays (the click that
    // activated the window may have just opened it).
    ::ShowFmChannels(*MSF_Chann);
}

bool FmEditorWindow::editing() const { return m_editor->busy(); }

bool FmEditorWindow::commitOpenEdit() { return m_editor->commitOpenEdit(); }
void FmEditorWindow::discardOpenEdit() { m_editor->discardOpenEdit(); }

BiText FmEditorWindow::unloadBusyText() const { return FmTexts::UnloadBusy; }

void FmEditorWindow::Command_def_Click()
{
    BuildFmDefaults();
    ShowFmChannels();
}

void FmEditorWindow::Command_Clear_Click()
{
    if (refuseWhileBusy(FmTexts::ClearBusy))
        return;
    m_editor->discardOpenEdit();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    ProgressBar1->hide();
    ClearFmArea(FmPage);
    for (int r = 1; r <= FmChannelCount; ++r) {
        MSF_Chann->setTextMatrix(r, ColFrequency, QString());
        MSF_Chann->setTextMatrix(r, ColName, QString());
    }
    rememberShown();
}

void FmEditorWindow::Command_open_Click()
{
    if (refuseWhileBusy(FmTexts::Busy))
        return;
    Windows::unload(WindowName::Form_open_chann);
    Windows::show(WindowName::Form_open_chann);
}

void FmEditorWindow::Command_save_Click()
{
    if (refuseWhileBusy(FmTexts::Busy))
        return;
    if (!commitOwnOpenEdit())
        return;
    Windows::unload(WindowName::Form_save_chann);
    Windows::show(WindowName::Form_save_chann);
}

void FmEditorWindow::Command_close_Click()
{
    if (refuseWhileBusy(FmTexts::CloseBusy))
        return;
    closeWindow({WindowName::Form_open_chann, WindowName::Form_save_chann});
}
