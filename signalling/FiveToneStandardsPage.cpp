#include "signalling/FiveToneStandardsPage.h"

#include <QHeaderView>

#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/TextBox.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneControls.h"
#include "signalling/FiveToneGridRules.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneTexts.h"

using namespace FiveToneArea;
using namespace FiveToneControls;
namespace T = FiveToneTexts;

FiveToneStandardsPage::FiveToneStandardsPage(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame_std"));
    MSF_Chann = named(new FlexGrid(this), QStringLiteral("MSF_Chann"));
    Combo_edit = cellEditor<PickList>(this, "Combo_edit", "MSF_Chann");
    Text_Edit = cellEditor<TextBox>(this, "Text_Edit", "MSF_Chann");
    Combo_stxh = pickList(this, QStringLiteral("Combo_stxh"));
    Label_std_name = label(this, QStringLiteral("Label_std_name"), Combo_stxh);
    for (int d = 0; d < 16; ++d) {
        Label_code[d] = label(this, indexed("Label_code", d));
        Label_code[d]->setText(ToneCodeToHex(d));
        Label_freq[d] = label(this, indexed("Label_freq", d));
    }
    m_rules = std::make_unique<FiveToneStandardRules>(MSF_Chann);
    m_editor = new GridCellEditor(MSF_Chann, Text_Edit, Combo_edit, m_rules.get(), this);
    connect(m_editor, &GridCellEditor::imageWritten, this, &FiveToneStandardsPage::imageWritten);
    connect(MSF_Chann, &FlexGrid::gridClick, this, &FiveToneStandardsPage::MSF_Chann_Click);
    // The standards' names stand in the fixed column, the grid's row heading.
    connect(MSF_Chann, &FlexGrid::fixedCellClicked, this, &FiveToneStandardsPage::standardNameClicked);
    connect(Combo_stxh, &PickList::picked, this, &FiveToneStandardsPage::ShowStandardFrequencies);
}

FiveToneStandardsPage::~FiveToneStandardsPage() = default;

void FiveToneStandardsPage::setUpGrid()
{
    MSF_Chann->setRows(16);
    MSF_Chann->setFormatString(T::StandardsFormat);
}

void FiveToneStandardsPage::fillLists()
{
    Combo_stxh->clearList();
    Combo_stxh->addItems(FiveToneStandardList());
    Combo_stxh->setListIndex(0);  // shows CCIR1's frequencies
    for (int s = 0; s < FiveToneStandardCount; ++s)
        MSF_Chann->setTextMatrix(s + 1, 0, FiveToneStandardName(s));
}

void FiveToneStandardsPage::layOut()
{
    const int rowHeight = MSF_Chann->verticalHeader()->defaultSectionSize();
    const int gridHeight = rowHeight * 16 + px(120);
    MSF_Chann->setGeometry(px(120), px(360), std::min(int(width() / 1.8), MSF_Chann->sizeHint().width()), gridHeight);
    const int right = MSF_Chann->geometry().right() + px(360);
    Label_std_name->setGeometry(right, px(360), textWidth(Label_std_name, px(1400)), px(300));
    Combo_stxh->setGeometry(std::max(right + px(1450), Label_std_name->geometry().right() + px(90)), px(330),
                            px(1400), Combo_stxh->sizeHint().height());
    for (int d = 0; d < 16; ++d) {
        const int y = px(900) + d * px(300);
        Label_code[d]->setGeometry(right, y, px(300), px(280));
        Label_freq[d]->setGeometry(right + px(400), y, px(1200), px(280));
    }
}

void FiveToneStandardsPage::ShowStandardFrequencies()
{
    const int s = Combo_stxh->listIndex();
    for (int d = 0; d < 16; ++d)
        Label_freq[d]->setText(s >= 0 && s < 16 ? FiveToneTables.text[s][d].trimmed() : QString());
}

void FiveToneStandardsPage::showStandardsTable()
{
    for (int s = 0; s < FiveToneStandardCount; ++s) {
        const auto &row = MemoryImage[standardRow(s)];
        MSF_Chann->setTextMatrix(s + 1, 1, FiveTonePeriodText(row[PeriodByte]));
        MSF_Chann->setTextMatrix(s + 1, 2, ToneCodeToHex(row[GroupToneByte]));
        MSF_Chann->setTextMatrix(s + 1, 3, ToneCodeToHex(row[RepeatToneByte]));
    }
}

void FiveToneStandardsPage::MSF_Chann_Click()
{
    const int r = MSF_Chann->row();
    if (r >= 1 && r <= FiveToneStandardCount)
        Combo_stxh->setListIndex(r - 1);
}

void FiveToneStandardsPage::standardNameClicked(int r)
{
    if (r >= 1 && r <= FiveToneStandardCount)
        Combo_stxh->setListIndex(r - 1);  // shows that standard's frequencies
    hideStandardEditor();
}

void FiveToneStandardsPage::hideStandardEditor()
{
    // Its pick is already stored, so the table is shown from the image.
    m_editor->discardOpenEdit();
    showStandardsTable();
}

void FiveToneStandardsPage::addToSheet(SignalFileSheet &sheet) const
{
    for (int s = 0; s < FiveToneStandardCount; ++s)
        for (int c = 0; c < 3; ++c)
            sheet.standardCells[s][c] = MSF_Chann->textMatrix(s + 1, c + 1);
}
