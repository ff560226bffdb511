#include "channels/ChannelEditorWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "channels/ChannelCellRules.h"
#include "channels/ChannelLink.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "channels/ChannelTexts.h"
#include "memory/ChannelDefaults.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "platform/WindowNames.h"

ChannelEditorWindow::ChannelEditorWindow(QWidget *parent) : EditorWindow(parent)
{
    MSF_Chann = new FlexGrid(this);
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    Text_Edit = new TextBox(this);
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Text_Edit->setAccessibleName(QStringLiteral("MSF_Chann cell"));
    Text_Edit->hide();
    Combo_edit = new PickList(this);
    Combo_edit->setObjectName(QStringLiteral("Combo_edit"));
    Combo_edit->hide();

    Command_Clear = addButton("Command_Clear");
    Command_def = addButton("Command_def");
    Command_save = addButton("Command_save");
    Command_open = addButton("Command_open");
    Command_close = addButton("Command_close");
    setCaptions({{"", ChannelTexts::Caption},
                 {"Command_read", ChannelTexts::Read},
                 {"Command_Write", ChannelTexts::Write},
                 {"Command_Clear", ChannelTexts::Clear},
                 {"Command_def", ChannelTexts::Default},
                 {"Command_save", ChannelTexts::Save},
                 {"Command_open", ChannelTexts::Open},
                 {"Command_close", ChannelTexts::Close},
                 {"Label_PassWord", ChannelTexts::PassWord}});

    bindLink(new ChannelLinkSession(linkControls(), MSF_Chann, this));
    watchRows(MemoryMap::ChannelFirstRow, ChannelCount);
    watchRows(MemoryMap::ChannelNameFirstRow, ChannelCount);
    m_rules = std::make_unique<ChannelCellRules>(MSF_Chann);
    m_editor = new GridCellEditor(MSF_Chann, Text_Edit, Combo_edit, m_rules.get(), this);
    connect(m_editor, &GridCellEditor::imageWritten, this, &ChannelEditorWindow::rememberShown);

    connect(Command_Clear, &QPushButton::clicked, this, &ChannelEditorWindow::Command_Clear_Click);
    connect(Command_def, &QPushButton::clicked, this, &ChannelEditorWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &ChannelEditorWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &ChannelEditorWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &ChannelEditorWindow::Command_close_Click);
    layOut();
}

ChannelEditorWindow::~ChannelEditorWindow() = default;

void ChannelEditorWindow::layOut()
{
    // The grid over the buttons, the password box at the row's right end;
    // the grid takes the window's height and no more width than its columns.
    layOutWithButtonRow(MSF_Chann, {Command_read, Command_Write, Command_Clear, Command_def, Command_save,
                                    Command_open, Command_close});
}

void ChannelEditorWindow::loadForm()
{
    MSF_Chann->setFormatString(ChannelTexts::GridFormat);
    // The band heading's blanks are narrow in this font: keep the band text whole.
    const int bandWidth = MSF_Chann->fontMetrics().horizontalAdvance(ChannelGrid::BandText) + 12;
    if (MSF_Chann->colWidth(ChannelGrid::ColBand) < bandWidth)
        MSF_Chann->setColWidth(ChannelGrid::ColBand, bandWidth);
    placeFromMainWindow();
    MSF_Chann->setRows(ChannelCount + 1);
    for (int r = 1; r <= ChannelCount; ++r)
        MSF_Chann->setTextMatrix(r, ChannelGrid::ColNumber, QString::number(r - 1));
}

void ChannelEditorWindow::ShowChannels()
{
    m_editor->discardOpenEdit();
    MSF_Chann->setRows(ChannelCount + 1);
    MSF_Chann->setCol(0);
    for (int r = 1; r <= ChannelCount; ++r) {
        MSF_Chann->setRow(r);
        MSF_Chann->setText(QString::number(r - 1));
        FillChannelRow(*MSF_Chann, r);
    }
    rememberShown();
}

void ChannelEditorWindow::redisplay()
{
    if (!m_editor->isOpen()) {
        ShowChannels();
        return;
    }
    // Every row from the image; the current cell and the open edit stay as
    // they are (the click that activated the window may have just opened it).
    for (int r = 1; r <= ChannelCount; ++r)
        FillChannelRow(*MSF_Chann, r);
}

bool ChannelEditorWindow::editing() const { return m_editor->busy(); }

bool ChannelEditorWindow::commitOpenEdit() { return m_editor->commitOpenEdit(); }
void ChannelEditorWindow::discardOpenEdit() { m_editor->discardOpenEdit(); }

BiText ChannelEditorWindow::unloadBusyText() const { return ChannelTexts::UnloadBusy; }

void ChannelEditorWindow::Command_def_Click()
{
    // Refused while a transfer runs: a write would send the radio a mix of
    // the old and the factory table.
    if (refuseWhileBusy(ChannelTexts::Busy))
        return;
    BuildChannelDefaults();
    ShowChannels();
}

void ChannelEditorWindow::Command_Clear_Click()
{
    if (refuseWhileBusy(ChannelTexts::ClearBusy))
        return;
    m_editor->discardOpenEdit();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    ProgressBar1->hide();
    for (int r = 1; r <= ChannelCount; ++r) {
        MSF_Chann->setTextMatrix(r, ChannelGrid::ColRxFreq, QString());
        MSF_Chann->setTextMatrix(r, ChannelGrid::ColTxFreq, QString());
        ClearChannelOptions(*MSF_Chann, r);
    }
    rememberShown();
}

void ChannelEditorWindow::Command_open_Click()
{
    openFileDialog(WindowName::Form_open_chann, ChannelTexts::Busy);
}

void ChannelEditorWindow::Command_save_Click()
{
    saveFileDialog(WindowName::Form_save_chann, ChannelTexts::Busy);
}

void ChannelEditorWindow::Command_close_Click()
{
    if (refuseWhileBusy(ChannelTexts::CloseBusy))
        return;
    closeWindow({WindowName::Form_open_chann, WindowName::Form_save_chann});
}
