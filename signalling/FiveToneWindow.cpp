#include "signalling/FiveToneWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "memory/FiveToneDefaults.h"
#include "memory/FiveToneTables.h"
#include "memory/ListByte.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "platform/FileState.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneGridRules.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneTexts.h"

using namespace FiveToneArea;
namespace T = FiveToneTexts;

namespace {
int px(double twips) { return Screen::toPixels(twips); }

// A width that shows the control's whole caption in the language it was
// given: the design width, or more when the text needs it.
int textWidth(QWidget *w, int designWidth) { return std::max(designWidth, w->sizeHint().width()); }

QString indexed(const char *name, int k) { return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(k); }

template <class W> W *named(W *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

QLabel *label(QWidget *parent, const QString &name, QWidget *buddy = nullptr)
{
    auto *l = named(new QLabel(parent), name);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

PickList *pickList(QWidget *parent, const QString &name)
{
    return named(new PickList(parent), name);
}

// An in-cell editor: hidden until a cell opens it, named for screen readers.
template <class W> W *cellEditor(QWidget *parent, const char *name, const char *grid)
{
    auto *w = named(new W(parent), QString::fromLatin1(name));
    w->setAccessibleName(QString::fromLatin1(grid) + QStringLiteral(" cell"));
    w->hide();
    return w;
}
} // namespace

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

    buildStandardPage();
    buildEncodePage();
    buildDecodePage();

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

void FiveToneWindow::buildStandardPage()
{
    Frame_std = named(new QGroupBox(this), QStringLiteral("Frame_std"));
    MSF_Chann = named(new FlexGrid(Frame_std), QStringLiteral("MSF_Chann"));
    Combo_edit = cellEditor<PickList>(Frame_std, "Combo_edit", "MSF_Chann");
    Text_Edit = cellEditor<TextBox>(Frame_std, "Text_Edit", "MSF_Chann");
    Combo_stxh = pickList(Frame_std, QStringLiteral("Combo_stxh"));
    Label_std_name = label(Frame_std, QStringLiteral("Label_std_name"), Combo_stxh);
    for (int d = 0; d < 16; ++d) {
        Label_code[d] = label(Frame_std, indexed("Label_code", d));
        Label_code[d]->setText(ToneCodeToHex(d));
        Label_freq[d] = label(Frame_std, indexed("Label_freq", d));
    }
    m_stdRules = std::make_unique<FiveToneStandardRules>(MSF_Chann);
    m_stdEditor = new GridCellEditor(MSF_Chann, Text_Edit, Combo_edit, m_stdRules.get(), this);
    connect(m_stdEditor, &GridCellEditor::imageWritten, this, &FiveToneWindow::rememberShown);
    connect(MSF_Chann, &FlexGrid::gridClick, this, &FiveToneWindow::MSF_Chann_Click);
    // The standards' names stand in the fixed column, the grid's row heading.
    connect(MSF_Chann, &FlexGrid::fixedCellClicked, this, &FiveToneWindow::standardNameClicked);
    connect(Combo_stxh, &PickList::picked, this, &FiveToneWindow::ShowStandardFrequencies);
}

void FiveToneWindow::buildEncodePage()
{
    Frame_Encode = named(new QGroupBox(this), QStringLiteral("Frame_Encode"));
    MSF_Encode = named(new FlexGrid(Frame_Encode), QStringLiteral("MSF_Encode"));
    Combo_Encode = cellEditor<PickList>(Frame_Encode, "Combo_Encode", "MSF_Encode");
    Text_Encode = cellEditor<TextBox>(Frame_Encode, "Text_Encode", "MSF_Encode");
    static const char *const delayNames[4] = {"Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3", "Combo_Enc_ys4"};
    for (int i = 0; i < 4; ++i) {
        Combo_Enc_ys[i] = pickList(Frame_Encode, QString::fromLatin1(delayNames[i]));
        Label_enc_ys[i] = label(Frame_Encode, QStringLiteral("Label_enc_ys%1").arg(i + 1), Combo_Enc_ys[i]);
        connect(Combo_Enc_ys[i], &PickList::picked, this, [this, i](int index) { settingPicked(DelayByte1 + i, index); });
    }
    Combo_Decode_Std = pickList(Frame_Encode, QStringLiteral("Combo_Decode_Std"));
    Label_Decode_Std = label(Frame_Encode, QStringLiteral("Label_Decode_Std"), Combo_Decode_Std);
    Combo_Dec_Res_Time = pickList(Frame_Encode, QStringLiteral("Combo_Dec_Res_Time"));
    Label_Reset_Time = label(Frame_Encode, QStringLiteral("Label_Reset_Time"), Combo_Dec_Res_Time);
    connect(Combo_Decode_Std, &PickList::picked, this, [this](int i) { settingPicked(DecodeStandardByte, i); });
    connect(Combo_Dec_Res_Time, &PickList::picked, this, [this](int i) { settingPicked(ResetTimeByte, i); });
    Label_Decode_HJ = label(Frame_Encode, QStringLiteral("Label_Decode_HJ"));
    Label_Decode_Disp = label(Frame_Encode, QStringLiteral("Label_Decode_Disp"));
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[k] = named(new QCheckBox(Frame_Encode), indexed("Check_Decode_HJ", k));
        Check_Decode_Disp[k] = named(new QCheckBox(Frame_Encode), indexed("Check_Decode_Disp", k));
        connect(Check_Decode_HJ[k], &QCheckBox::clicked, this,
                [this, k](bool on) { frameBoxClicked(CallFramesByte, k, on); });
        connect(Check_Decode_Disp[k], &QCheckBox::clicked, this,
                [this, k](bool on) { frameBoxClicked(DisplayFramesByte, k, on); });
    }
    m_encRules = std::make_unique<FiveToneEncodeRules>(MSF_Encode, Text_Encode);
    m_encEditor = new GridCellEditor(MSF_Encode, Text_Encode, Combo_Encode, m_encRules.get(), this);
    connect(m_encEditor, &GridCellEditor::imageWritten, this, &FiveToneWindow::rememberShown);
    // The code numbers stand in the fixed column, the grid's row heading.
    // A click on one closes the standards table's list.
    connect(MSF_Encode, &FlexGrid::fixedCellClicked, this, &FiveToneWindow::hideStandardEditor);
    // A code kept open (a frame of the wrong length) is not left for it.
    connect(MSF_Encode, &FlexGrid::fixedCellDoubleClicked, this, [this](int r) {
        if (!m_encEditor->commitOpenEdit())
            return;
        MSF_Encode->setCurrentCell(r, 0);
        MSF_Encode_DblClick();
    });
}

void FiveToneWindow::buildDecodePage()
{
    Frame_Decode = named(new QGroupBox(this), QStringLiteral("Frame_Decode"));
    MSF_Decode = named(new FlexGrid(Frame_Decode), QStringLiteral("MSF_Decode"));
    Combo_Decode = cellEditor<PickList>(Frame_Decode, "Combo_Decode", "MSF_Decode");
    Text_Decode = cellEditor<TextBox>(Frame_Decode, "Text_Decode", "MSF_Decode");
    Frame_Dec_xx = named(new QGroupBox(Frame_Decode), QStringLiteral("Frame_Dec_xx"));
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
    Check_Dec_back = named(new QCheckBox(Frame_Decode), QStringLiteral("Check_Dec_back"));
    Check_Dec_back->setText(QString::fromUtf8(T::ReplyAfterAll));
    Check_Dec_Bcl = named(new QCheckBox(Frame_Decode), QStringLiteral("Check_Dec_Bcl"));
    Check_Dec_Bcl->setText(QString::fromUtf8(T::ReplyChannelFree));
    Combo_Dec_Back_Time = pickList(Frame_Decode, QStringLiteral("Combo_Dec_Back_Time"));
    Label8 = label(Frame_Decode, QStringLiteral("Label8"), Combo_Dec_Back_Time);
    Label8->setText(QString::fromUtf8(T::ReplyDelay));
    Check_Dec_Bcl->setEnabled(false);
    Combo_Dec_Back_Time->setEnabled(false);
    Label8->setEnabled(false);
    connect(Check_Dec_back, &QCheckBox::clicked, this, &FiveToneWindow::Check_Dec_back_Click);

    m_decRules = std::make_unique<FiveToneDecodeRules>(MSF_Decode);
    m_decEditor = new GridCellEditor(MSF_Decode, Text_Decode, Combo_Decode, m_decRules.get(), this);
    connect(MSF_Decode, &FlexGrid::gridClick, this, &FiveToneWindow::MSF_Decode_Click);
    // A code's number (the fixed column) shows its function boxes and, as
    // on the encode list, closes the standards table's list.
    connect(MSF_Decode, &FlexGrid::fixedCellClicked, this, [this](int r) {
        showDecodeCode(r);
        hideStandardEditor();
    });
    connect(MSF_Decode, &FlexGrid::fixedCellDoubleClicked, this, [this](int r) {
        if (!m_decEditor->commitOpenEdit())
            return;
        MSF_Decode->setCurrentCell(r, 0);
        MSF_Decode_DblClick();
    });
    connect(Text_Decode, &QLineEdit::textChanged, this, &FiveToneWindow::Text_Decode_Change);
}

// ---------------------------------------------------------------- load

void FiveToneWindow::layOut()
{
    // Width and height: the main window's divided by 1.3 and 1.25.
    placeFromMainWindow(Screen::widthTwips() / 1.3, Screen::heightTwips() / 1.25);
    const int w = width();
    TabStrip1->setGeometry(px(120), px(120), int(w / 1.03), TabStrip1->sizeHint().height());
    const int top = TabStrip1->geometry().bottom() + px(200);
    const int client = int(w / 1.03);
    const int frameHeight = px(6100);
    Frame_std->setGeometry(px(120), top, client, frameHeight);
    Frame_Encode->setGeometry(px(120), top, client - px(2000), frameHeight);
    Frame_Decode->setGeometry(px(120), top, client, frameHeight);

    const int rowHeight = MSF_Chann->verticalHeader()->defaultSectionSize();
    const int gridHeight = rowHeight * 16 + px(120);
    MSF_Chann->setGeometry(px(120), px(360), int(Frame_std->width() / 1.8), gridHeight);
    const int right = MSF_Chann->geometry().right() + px(360);
    Label_std_name->setGeometry(right, px(360), textWidth(Label_std_name, px(1400)), px(300));
    Combo_stxh->setGeometry(std::max(right + px(1450), Label_std_name->geometry().right() + px(90)), px(330),
                            px(1400), Combo_stxh->sizeHint().height());
    for (int d = 0; d < 16; ++d) {
        const int y = px(900) + d * px(300);
        Label_code[d]->setGeometry(right, y, px(300), px(280));
        Label_freq[d]->setGeometry(right + px(400), y, px(1200), px(280));
    }

    MSF_Encode->setGeometry(px(120), px(360), int(Frame_Encode->width() / 1.76), gridHeight);
    int x = MSF_Encode->geometry().right() + px(240);
    const int listWidth = px(1000);
    for (int i = 0; i < 4; ++i) {
        const int y = px(360) + i * px(700);
        Label_enc_ys[i]->setGeometry(x, y, Frame_Encode->width() - x - px(120), px(300));
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

    MSF_Decode->setGeometry(px(120), px(360), int(Frame_Decode->width() / 1.02), px(4000));
    // The function table as large as its boxes and headings need; the
    // reply options to its right.
    const QSize functions = Frame_Dec_xx->sizeHint().expandedTo(QSize(px(7000), px(1550)));
    Frame_Dec_xx->setGeometry(px(120), px(4450), functions.width(), functions.height());
    x = Frame_Dec_xx->geometry().right() + px(180);
    Check_Dec_back->setGeometry(x, px(4500), textWidth(Check_Dec_back, px(3000)), px(300));
    Check_Dec_Bcl->setGeometry(x, px(4850), textWidth(Check_Dec_Bcl, px(3000)), px(300));
    Label8->setGeometry(x, px(5200), textWidth(Label8, px(2000)), px(300));
    Combo_Dec_Back_Time->setGeometry(Label8->geometry().right() + px(60), px(5200), px(1000),
                                     Combo_Dec_Back_Time->sizeHint().height());

    const int buttonsY = top + frameHeight + px(200);
    ProgressBar1->setGeometry(px(120), buttonsY, px(5000), px(300));
    Label_tr_count->setGeometry(px(5300), buttonsY, px(4000), px(300));
    QPushButton *buttons[] = {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close};
    x = px(600);
    for (QPushButton *b : buttons) {
        b->setGeometry(x, buttonsY + px(450), px(1000), px(450));
        x += px(1500);
    }
    Label_PassWord->setGeometry(x, buttonsY + px(450), px(1000), px(300));
    Text_PassWord->setGeometry(x + px(1050), buttonsY + px(450), px(900), px(300));
    Label_PassWord->hide();
    Text_PassWord->hide();
}

void FiveToneWindow::loadForm()
{
    MSF_Chann->setRows(16);
    MSF_Chann->setFormatString(T::StandardsFormat);
    MSF_Encode->setRows(16);
    MSF_Encode->setFormatString(T::EncodeFormat);
    MSF_Decode->setRows(16);
    MSF_Decode->setFormatString(T::DecodeFormat);
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
    Combo_stxh->clearList();
    Combo_stxh->addItems(FiveToneStandardList());
    Combo_stxh->setListIndex(0);  // shows CCIR1's frequencies
    for (int s = 0; s < FiveToneStandardCount; ++s)
        MSF_Chann->setTextMatrix(s + 1, 0, FiveToneStandardName(s));
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

void FiveToneWindow::ShowStandardFrequencies()
{
    const int s = Combo_stxh->listIndex();
    for (int d = 0; d < 16; ++d)
        Label_freq[d]->setText(s >= 0 && s < 16 ? FiveToneTables.text[s][d].trimmed() : QString());
}

// ---------------------------------------------------------------- show

void FiveToneWindow::showStandardsTable()
{
    for (int s = 0; s < FiveToneStandardCount; ++s) {
        const auto &row = MemoryImage[standardRow(s)];
        MSF_Chann->setTextMatrix(s + 1, 1, FiveTonePeriodText(row[PeriodByte]));
        MSF_Chann->setTextMatrix(s + 1, 2, ToneCodeToHex(row[GroupToneByte]));
        MSF_Chann->setTextMatrix(s + 1, 3, ToneCodeToHex(row[RepeatToneByte]));
    }
}

void FiveToneWindow::ShowFiveTone()
{
    showStandardsTable();
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
    ProgressBar1->hide();
    rememberShown();
}

bool FiveToneWindow::editing() const
{
    return m_stdEditor->busy() || m_encEditor->busy() || m_decEditor->busy();
}

bool FiveToneWindow::commitOpenEdit()
{
    // An edit kept open after its warning is shown on its page, with the
    // focus, and stops the rest (the decode page has no tab to show it on).
    const std::pair<GridCellEditor *, int> editors[] = {{m_stdEditor, 0}, {m_encEditor, 1}, {m_decEditor, -1}};
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
    m_stdEditor->discardOpenEdit();
    m_encEditor->discardOpenEdit();
    m_decEditor->discardOpenEdit();
}

// ---------------------------------------------------------------- edits

void FiveToneWindow::settingPicked(int byte, int index)
{
    if (index >= 0)
        MemoryImage[SettingsRow][byte] = qint16(index);
    rememberShown();
}

void FiveToneWindow::frameBoxClicked(int byte, int bit, bool on)
{
    SetFiveToneFrameBit(byte, bit, on);
    rememberShown();
}

void FiveToneWindow::TabStrip1_Click(int index)
{
    Frame_std->setVisible(index == 1);
    Frame_Encode->setVisible(index == 2);
    Frame_Decode->setVisible(index == 3);
    if (index == 3) {
        CurrentDecodeRow = 0;
        ShowDecodeFunctions(0);
    }
    m_encEditor->hideEditor();
}

void FiveToneWindow::MSF_Chann_Click()
{
    const int r = MSF_Chann->row();
    if (r >= 1 && r <= FiveToneStandardCount)
        Combo_stxh->setListIndex(r - 1);
}

void FiveToneWindow::standardNameClicked(int r)
{
    if (r >= 1 && r <= FiveToneStandardCount)
        Combo_stxh->setListIndex(r - 1);  // shows that standard's frequencies
    hideStandardEditor();
}

void FiveToneWindow::hideStandardEditor()
{
    // Its pick is already stored, so the table is shown from the image.
    m_stdEditor->discardOpenEdit();
    showStandardsTable();
}

void FiveToneWindow::MSF_Encode_DblClick()
{
    const int r = MSF_Encode->row();
    if (MSF_Encode->col() == 0 && r >= 1 && r <= EncodeCount)
        ClearGridRow(*MSF_Encode, r, 4);  // the entry stays in the image
}

void FiveToneWindow::MSF_Decode_Click() { showDecodeCode(MSF_Decode->row()); }

void FiveToneWindow::showDecodeCode(int r)
{
    if (r < 1 || r > 15)
        return;
    Frame_Dec_xx->setTitle(DecodeActionsCaption(r));
    CurrentDecodeRow = r - 1;
    ShowDecodeFunctions(CurrentDecodeRow);
}

void FiveToneWindow::MSF_Decode_DblClick()
{
    const int r = MSF_Decode->row();
    if (MSF_Decode->col() != 0 || r < 1 || r > 15)
        return;
    ClearGridRow(*MSF_Decode, r, 8);
    ClearDecodeFunctions(DecodeFunctionTable, r - 1);
    CurrentDecodeRow = r - 1;
    ShowDecodeFunctions(r - 1);
}

void FiveToneWindow::Text_Decode_Change(const QString &text)
{
    if (m_decEditor->openKind() != CellEditorChoice::Text)
        return;
    for (const BiText &warning : DecodeCodeWarnings(text))
        MsgBox(warning, MsgIcon::Exclamation, T::CodeTitle);
}

void FiveToneWindow::ShowDecodeFunctions(int row)
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

void FiveToneWindow::StoreDecodeFunctions(int row)
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

void FiveToneWindow::Check_Dec_back_Click()
{
    const bool on = Check_Dec_back->isChecked();
    Check_Dec_Bcl->setEnabled(on);
    Combo_Dec_Back_Time->setEnabled(on);
    Label8->setEnabled(on);
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
    for (int s = 0; s < FiveToneStandardCount; ++s)
        for (int c = 0; c < 3; ++c)
            sheet.standardCells[s][c] = MSF_Chann->textMatrix(s + 1, c + 1);
    for (int n = 1; n <= EncodeCount; ++n)
        sheet.encodeStandardCells[n - 1] = MSF_Encode->textMatrix(n, 4);
    for (int i = 0; i < 4; ++i)
        sheet.delayPositions[i] = Combo_Enc_ys[i]->listIndex();
    sheet.resetPosition = Combo_Dec_Res_Time->listIndex();
    for (int n = 1; n <= 15; ++n)
        for (int c = 1; c <= 8; ++c)
            sheet.decodeCells[n - 1][c - 1] = MSF_Decode->textMatrix(n, c);
    sheet.decodeFunctions = DecodeFunctionTable;
    sheet.replyAfterAll = Check_Dec_back->isChecked();
    sheet.replyChannelFree = Check_Dec_Bcl->isChecked();
    sheet.replyDelayPosition = Combo_Dec_Back_Time->listIndex();
    return sheet;
}
