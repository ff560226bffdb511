#include "signalling/FiveToneEncodePage.h"

#include <QCheckBox>
#include <QHeaderView>

#include "memory/FiveToneTables.h"
#include "memory/ListByte.h"
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

FiveToneEncodePage::FiveToneEncodePage(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame_Encode"));
    MSF_Encode = named(new FlexGrid(this), QStringLiteral("MSF_Encode"));
    Combo_Encode = cellEditor<PickList>(this, "Combo_Encode", "MSF_Encode");
    Text_Encode = cellEditor<TextBox>(this, "Text_Encode", "MSF_Encode");
    static const char *const delayNames[4] = {"Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3", "Combo_Enc_ys4"};
    for (int i = 0; i < 4; ++i) {
        Combo_Enc_ys[i] = pickList(this, QString::fromLatin1(delayNames[i]));
        Label_enc_ys[i] = label(this, QStringLiteral("Label_enc_ys%1").arg(i + 1), Combo_Enc_ys[i]);
        connect(Combo_Enc_ys[i], &PickList::picked, this,
                [this, i](int index) { settingPicked(DelayByte1 + i, index); });
    }
    Combo_Decode_Std = pickList(this, QStringLiteral("Combo_Decode_Std"));
    Label_Decode_Std = label(this, QStringLiteral("Label_Decode_Std"), Combo_Decode_Std);
    Combo_Dec_Res_Time = pickList(this, QStringLiteral("Combo_Dec_Res_Time"));
    Label_Reset_Time = label(this, QStringLiteral("Label_Reset_Time"), Combo_Dec_Res_Time);
    connect(Combo_Decode_Std, &PickList::picked, this, [this](int i) { settingPicked(DecodeStandardByte, i); });
    connect(Combo_Dec_Res_Time, &PickList::picked, this, [this](int i) { settingPicked(ResetTimeByte, i); });
    Label_Decode_HJ = label(this, QStringLiteral("Label_Decode_HJ"));
    Label_Decode_Disp = label(this, QStringLiteral("Label_Decode_Disp"));
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[k] = named(new QCheckBox(this), indexed("Check_Decode_HJ", k));
        Check_Decode_Disp[k] = named(new QCheckBox(this), indexed("Check_Decode_Disp", k));
        connect(Check_Decode_HJ[k], &QCheckBox::clicked, this,
                [this, k](bool on) { frameBoxClicked(CallFramesByte, k, on); });
        connect(Check_Decode_Disp[k], &QCheckBox::clicked, this,
                [this, k](bool on) { frameBoxClicked(DisplayFramesByte, k, on); });
    }
    m_rules = std::make_unique<FiveToneEncodeRules>(MSF_Encode, Text_Encode);
    m_editor = new GridCellEditor(MSF_Encode, Text_Encode, Combo_Encode, m_rules.get(), this);
    connect(m_editor, &GridCellEditor::imageWritten, this, &FiveToneEncodePage::imageWritten);
    // The code numbers stand in the fixed column, the grid's row heading.
    connect(MSF_Encode, &FlexGrid::fixedCellClicked, this, &FiveToneEncodePage::codeNumberClicked);
    // A code kept open (a frame of the wrong length) is not left for it.
    connect(MSF_Encode, &FlexGrid::fixedCellDoubleClicked, this, [this](int r) {
        if (!m_editor->commitOpenEdit())
            return;
        MSF_Encode->setCurrentCell(r, 0);
        MSF_Encode_DblClick();
    });
}

FiveToneEncodePage::~FiveToneEncodePage() = default;

void FiveToneEncodePage::setUpGrid()
{
    MSF_Encode->setRows(16);
    MSF_Encode->setFormatString(T::EncodeFormat);
}

void FiveToneEncodePage::fillLists()
{
    for (PickList *list : Combo_Enc_ys) {
        list->clearList();
        list->addItems(FiveToneDelayList());
    }
    Combo_Decode_Std->clearList();
    Combo_Decode_Std->addItems(FiveToneStandardList());
    Combo_Dec_Res_Time->clearList();
    Combo_Dec_Res_Time->addItems(FiveToneResetList());
    for (int n = 1; n <= EncodeCount; ++n)
        MSF_Encode->setTextMatrix(n, 0, QString::number(n));
}

void FiveToneEncodePage::layOut()
{
    const int gridHeight = MSF_Encode->verticalHeader()->defaultSectionSize() * 16 + px(120);
    MSF_Encode->setGeometry(px(120), px(360), std::min(int(width() / 1.76), MSF_Encode->sizeHint().width()), gridHeight);
    const int x = MSF_Encode->geometry().right() + px(240);
    const int listWidth = px(1000);
    for (int i = 0; i < 4; ++i) {
        const int y = px(360) + i * px(700);
        Label_enc_ys[i]->setGeometry(x, y, width() - x - px(120), px(300));
        Combo_Enc_ys[i]->setGeometry(x, y + px(300), listWidth, Combo_Enc_ys[i]->sizeHint().height());
    }
    int y = px(360) + 4 * px(700);
    Label_Decode_Std->setGeometry(x, y, textWidth(Label_Decode_Std, px(2600)), px(300));
    Combo_Decode_Std->setGeometry(x, y + px(300), px(1200), Combo_Decode_Std->sizeHint().height());
    Label_Reset_Time->setGeometry(x + px(1500), y + px(300), textWidth(Label_Reset_Time, px(2000)), px(300));
    Combo_Dec_Res_Time->setGeometry(x + px(1500), y + px(600), listWidth, Combo_Dec_Res_Time->sizeHint().height());
    y += px(1100);
    Label_Decode_HJ->setGeometry(x, y, textWidth(Label_Decode_HJ, px(2600)), px(300));
    Label_Decode_Disp->setGeometry(x, y + px(700), textWidth(Label_Decode_Disp, px(2600)), px(300));
    int boxWidth = px(950);  // the frame boxes side by side, each as wide as the widest caption
    for (int k = 0; k < 3; ++k)
        boxWidth = std::max({boxWidth, textWidth(Check_Decode_HJ[k], 0), textWidth(Check_Decode_Disp[k], 0)});
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[k]->setGeometry(x + k * (boxWidth + px(50)), y + px(300), boxWidth, px(300));
        Check_Decode_Disp[k]->setGeometry(x + k * (boxWidth + px(50)), y + px(1000), boxWidth, px(300));
    }
}

void FiveToneEncodePage::showEncodeList()
{
    for (int n = 1; n <= EncodeCount; ++n) {
        for (int f = 1; f <= 3; ++f)
            MSF_Encode->setTextMatrix(n, f, FiveToneFrameText(n, f));
        MSF_Encode->setTextMatrix(n, 4, FiveToneEncodeStandardText(n));
    }
    // The settings row is read whole before any control is set. A list byte
    // beyond its list shows the list's last entry and is stored as its
    // position, so what is shown is what is written; an in-range byte and
    // the frame bytes stay as they are.
    const auto settings = MemoryImage[SettingsRow];
    const std::pair<PickList *, int> lists[] = {
        {Combo_Enc_ys[0], DelayByte1},         {Combo_Enc_ys[1], DelayByte1 + 1},
        {Combo_Enc_ys[2], DelayByte1 + 2},     {Combo_Enc_ys[3], DelayByte1 + 3},
        {Combo_Decode_Std, DecodeStandardByte}, {Combo_Dec_Res_Time, ResetTimeByte}};
    for (const auto &[list, byte] : lists) {
        qint16 cell = settings[byte];
        const int position = StoreListByteInRange(cell, list->listCount());
        if (position < 0)
            continue;  // an empty list stores nothing
        MemoryImage[SettingsRow][byte] = cell;
        list->showIndex(position);
    }
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[k]->setChecked(settings[CallFramesByte] & (1 << k));
        Check_Decode_Disp[k]->setChecked(settings[DisplayFramesByte] & (1 << k));
    }
}

void FiveToneEncodePage::settingPicked(int byte, int index)
{
    if (index >= 0)
        MemoryImage[SettingsRow][byte] = qint16(index);
    emit imageWritten();
}

void FiveToneEncodePage::frameBoxClicked(int byte, int bit, bool on)
{
    SetFiveToneFrameBit(byte, bit, on);
    emit imageWritten();
}

void FiveToneEncodePage::MSF_Encode_DblClick()
{
    const int r = MSF_Encode->row();
    if (MSF_Encode->col() == 0 && r >= 1 && r <= EncodeCount)
        ClearGridRow(*MSF_Encode, r, 4);  // the entry stays in the image
}

void FiveToneEncodePage::addToSheet(SignalFileSheet &sheet) const
{
    for (int n = 1; n <= EncodeCount; ++n)
        sheet.encodeStandardCells[n - 1] = MSF_Encode->textMatrix(n, 4);
    for (int i = 0; i < 4; ++i)
        sheet.delayPositions[i] = Combo_Enc_ys[i]->listIndex();
    sheet.resetPosition = Combo_Dec_Res_Time->listIndex();
}
