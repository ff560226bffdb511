#include "signalling/FiveToneDecodePage.h"

#include <QCheckBox>
#include <QGridLayout>

#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "signalling/FiveToneControls.h"
#include "signalling/FiveToneGridRules.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneTexts.h"

using namespace FiveToneControls;
namespace T = FiveToneTexts;

FiveToneDecodePage::FiveToneDecodePage(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame_Decode"));
    MSF_Decode = named(new FlexGrid(this), QStringLiteral("MSF_Decode"));
    Combo_Decode = cellEditor<PickList>(this, "Combo_Decode", "MSF_Decode");
    Text_Decode = cellEditor<TextBox>(this, "Text_Decode", "MSF_Decode");
    Frame_Dec_xx = named(new QGroupBox(this), QStringLiteral("Frame_Dec_xx"));
    // A table of boxes: a row per frame, a column per function and per
    // group-call position, under their headings.
    auto *table = new QGridLayout(Frame_Dec_xx);
    table->setContentsMargins(px(60), 0, px(60), px(30));
    table->setVerticalSpacing(0);
    const struct {
        const char *label;
        const char *box;
        BiText caption;
        std::array<QCheckBox *, 3> *boxes;
    } functions[] = {{"Label_Disp", "Check_Disp", T::Disp, &Check_Disp},
                     {"Label_led", "Check_Led", T::Led, &Check_Led},
                     {"Label_ctrl", "Check_Kz", T::Ctrl, &Check_Kz},
                     {"Label_Tishi", "Check_Ts", T::Alert, &Check_Ts}};
    QLabel *groupCall = label(Frame_Dec_xx, QStringLiteral("Label9"));
    groupCall->setText(QString::fromUtf8(T::GroupCallLabel));
    table->addWidget(groupCall, 0, 5, 1, 5, Qt::AlignCenter);
    // A box has no caption of its own: a screen reader hears its column's
    // heading and its frame.
    auto box = [this, table](const QString &name, int k, int col, const QString &heading) {
        auto *b = named(new QCheckBox(Frame_Dec_xx), name);
        b->setAccessibleName(heading + QLatin1Char(' ') + T::FrameLabel[k].text());
        table->addWidget(b, 2 + k, col, Qt::AlignCenter);
        connect(b, &QCheckBox::clicked, this, [this] { StoreDecodeFunctions(CurrentDecodeRow); });
        return b;
    };
    for (int f = 0; f < 4; ++f) {
        table->addWidget(label(Frame_Dec_xx, QString::fromLatin1(functions[f].label)), 0, 1 + f, 2, 1,
                         Qt::AlignHCenter | Qt::AlignBottom);
        for (int k = 0; k < 3; ++k)
            (*functions[f].boxes)[k] = box(indexed(functions[f].box, k), k, 1 + f, functions[f].caption.text());
    }
    for (int i = 0; i < 5; ++i) {
        QLabel *position = label(Frame_Dec_xx, QStringLiteral("Label%1").arg(16 + i));
        position->setText(QString::number(i + 1));
        table->addWidget(position, 1, 5 + i, Qt::AlignCenter);
        for (int k = 0; k < 3; ++k)
            Check_zh[i][k] = box(indexed(qPrintable(QStringLiteral("Check_zh%1").arg(i)), k), k, 5 + i,
                                 groupCall->text() + QLatin1Char(' ') + position->text());
    }
    for (int k = 0; k < 3; ++k)
        table->addWidget(label(Frame_Dec_xx, QStringLiteral("Label_F%1").arg(k + 1)), 2 + k, 0);
    Check_Dec_back = named(new QCheckBox(this), QStringLiteral("Check_Dec_back"));
    Check_Dec_back->setText(QString::fromUtf8(T::ReplyAfterAll));
    Check_Dec_Bcl = named(new QCheckBox(this), QStringLiteral("Check_Dec_Bcl"));
    Check_Dec_Bcl->setText(QString::fromUtf8(T::ReplyChannelFree));
    Combo_Dec_Back_Time = pickList(this, QStringLiteral("Combo_Dec_Back_Time"));
    Label8 = label(this, QStringLiteral("Label8"), Combo_Dec_Back_Time);
    Label8->setText(QString::fromUtf8(T::ReplyDelay));
    Check_Dec_Bcl->setEnabled(false);
    Combo_Dec_Back_Time->setEnabled(false);
    Label8->setEnabled(false);
    connect(Check_Dec_back, &QCheckBox::clicked, this, &FiveToneDecodePage::Check_Dec_back_Click);

    m_rules = std::make_unique<FiveToneDecodeRules>(MSF_Decode);
    m_editor = new GridCellEditor(MSF_Decode, Text_Decode, Combo_Decode, m_rules.get(), this);
    connect(MSF_Decode, &FlexGrid::gridClick, this, &FiveToneDecodePage::MSF_Decode_Click);
    // A code's number (the fixed column) shows its function boxes and, as
    // on the encode list, closes the standards table's list.
    connect(MSF_Decode, &FlexGrid::fixedCellClicked, this, [this](int r) {
        showDecodeCode(r);
        emit codeNumberClicked();
    });
    connect(MSF_Decode, &FlexGrid::fixedCellDoubleClicked, this, [this](int r) {
        if (!m_editor->commitOpenEdit())
            return;
        MSF_Decode->setCurrentCell(r, 0);
        MSF_Decode_DblClick();
    });
    connect(Text_Decode, &QLineEdit::textChanged, this, &FiveToneDecodePage::Text_Decode_Change);
}

FiveToneDecodePage::~FiveToneDecodePage() = default;

void FiveToneDecodePage::setUpGrid()
{
    MSF_Decode->setRows(16);
    MSF_Decode->setFormatString(T::DecodeFormat);
}

void FiveToneDecodePage::layOut()
{
    MSF_Decode->setGeometry(px(120), px(360), std::min(int(width() / 1.02), MSF_Decode->sizeHint().width()), px(4000));
    // The function table as large as its boxes and headings need; the
    // reply options to its right.
    const QSize functions = Frame_Dec_xx->sizeHint().expandedTo(QSize(px(7000), px(1550)));
    Frame_Dec_xx->setGeometry(px(120), px(4450), functions.width(), functions.height());
    const int x = Frame_Dec_xx->geometry().right() + px(180);
    Check_Dec_back->setGeometry(x, px(4500), textWidth(Check_Dec_back, px(3000)), px(300));
    Check_Dec_Bcl->setGeometry(x, px(4850), textWidth(Check_Dec_Bcl, px(3000)), px(300));
    Label8->setGeometry(x, px(5200), textWidth(Label8, px(2000)), px(300));
    Combo_Dec_Back_Time->setGeometry(Label8->geometry().right() + px(60), px(5200), px(1000),
                                     Combo_Dec_Back_Time->sizeHint().height());
}

void FiveToneDecodePage::showFirstCode()
{
    CurrentDecodeRow = 0;
    ShowDecodeFunctions(0);
}

void FiveToneDecodePage::MSF_Decode_Click() { showDecodeCode(MSF_Decode->row()); }

void FiveToneDecodePage::showDecodeCode(int r)
{
    if (r < 1 || r > 15)
        return;
    Frame_Dec_xx->setTitle(DecodeActionsCaption(r));
    CurrentDecodeRow = r - 1;
    ShowDecodeFunctions(CurrentDecodeRow);
}

void FiveToneDecodePage::MSF_Decode_DblClick()
{
    const int r = MSF_Decode->row();
    if (MSF_Decode->col() != 0 || r < 1 || r > 15)
        return;
    ClearGridRow(*MSF_Decode, r, 8);
    ClearDecodeFunctions(DecodeFunctionTable, r - 1);
    CurrentDecodeRow = r - 1;
    ShowDecodeFunctions(r - 1);
}

void FiveToneDecodePage::Text_Decode_Change(const QString &text)
{
    if (m_editor->openKind() != CellEditorChoice::Text)
        return;
    for (const BiText &warning : DecodeCodeWarnings(text))
        MsgBox(warning, MsgIcon::Exclamation, T::CodeTitle);
}

void FiveToneDecodePage::ShowDecodeFunctions(int row)
{
    if (row < 0 || row > 14)
        return;
    for (int k = 0; k < 3; ++k) {
        const DecodeFrameBoxes b = DecodeFrameBoxesOf(DecodeFunctionTable, row, k);
        Check_Disp[k]->setChecked(b.disp);
        Check_Led[k]->setChecked(b.led);
        Check_Kz[k]->setChecked(b.ctrl);
        Check_Ts[k]->setChecked(b.alert);
        for (int i = 0; i < 5; ++i)
            Check_zh[i][k]->setChecked(b.group[i]);
    }
}

void FiveToneDecodePage::StoreDecodeFunctions(int row)
{
    if (row < 0 || row > 14)
        return;
    for (int k = 0; k < 3; ++k) {
        DecodeFrameBoxes b;
        b.disp = Check_Disp[k]->isChecked();
        b.led = Check_Led[k]->isChecked();
        b.ctrl = Check_Kz[k]->isChecked();
        b.alert = Check_Ts[k]->isChecked();
        for (int i = 0; i < 5; ++i)
            b.group[i] = Check_zh[i][k]->isChecked();
        StoreDecodeFrameBoxes(DecodeFunctionTable, row, k, b);
    }
}

void FiveToneDecodePage::Check_Dec_back_Click()
{
    const bool on = Check_Dec_back->isChecked();
    Check_Dec_Bcl->setEnabled(on);
    Combo_Dec_Back_Time->setEnabled(on);
    Label8->setEnabled(on);
}

void FiveToneDecodePage::addToSheet(SignalFileSheet &sheet) const
{
    for (int n = 1; n <= 15; ++n)
        for (int c = 1; c <= 8; ++c)
            sheet.decodeCells[n - 1][c - 1] = MSF_Decode->textMatrix(n, c);
    sheet.decodeFunctions = DecodeFunctionTable;
    sheet.replyAfterAll = Check_Dec_back->isChecked();
    sheet.replyChannelFree = Check_Dec_Bcl->isChecked();
    sheet.replyDelayPosition = Combo_Dec_Back_Time->listIndex();
}
