#include "options/FrequencyModeFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "memory/BandTable.h"
#include "memory/ListByte.h"
#include "memory/MemoryImage.h"
#include "options/OptionLists.h"
#include "options/OptionTexts.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

using namespace FrequencyMode;

namespace {
// Label names and captions of the lists, by role, left frame then right.
struct ListLabel {
    const char *left;
    const char *right;
    BiText caption;
};
const ListLabel ListLabels[FrequencyModeFrame::ListCount] = {
    {"Label_Txp_a", "Label_txp_b", {"TX Power", "发射功率"}},
    {"Label_r_ctdcs_a", "Label_r_ctdcs_b", {"RX QT/DQT", "接收哑音"}},
    {"Label_t_ctdcs_a", "Label_t_ctdcs_b", {"TX QT/DQT", "发射哑音"}},
    {"Label_wn_a", "Label_wn_b", {"W/N", "信道带宽"}},
    {"Label_sft_d_a", "Label_sft_d_b", {"SFT_D", "频差方向"}},
    {"Label_Offset_A", "Label_Offset_B", {"Offset", "频差频率"}},
    {"Label_step_a", "Label_step_b", {"Step Frequency", "步进频率"}},
    {"Label_Optsig_a", "Label_OptSig_b", {"Optional Signal", "可选信令"}},
    {"Label_Spmute_a", "Label_Spmute_b", {"Speak Mute", "信令关系"}},
    {"Label_S_info_a", "Label_S_info_b", {"Signal Code", "信令编码"}},
    {"Label_scr_a", "Label_Scr_b", {"SCR", "扰频"}},
};
constexpr BiText FrequencyCaption{"Frequency", "当前频率"};

// The lists of the right-hand column beside the frequency and the offset.
constexpr FrequencyModeFrame::ListRole BesideFrequency = FrequencyModeFrame::RxTone;
constexpr FrequencyModeFrame::ListRole BesideOffset = FrequencyModeFrame::TxTone;
// The lists below them, two to a row.
constexpr FrequencyModeFrame::ListRole LayoutOrder[] = {
    FrequencyModeFrame::TxPower,        FrequencyModeFrame::Bandwidth,
    FrequencyModeFrame::ShiftDirection, FrequencyModeFrame::Step,
    FrequencyModeFrame::OptionalSignal, FrequencyModeFrame::SignalCode,
    FrequencyModeFrame::MuteRelation,   FrequencyModeFrame::Scrambler};

// A caption of more than one word wider than this takes two lines rather
// than widen the frame past its half of the window.
constexpr int WrapWiderThan = 60;

// The record byte of each setting list (-1 for the tone and offset lists).
int settingOf(int role)
{
    switch (role) {
    case FrequencyModeFrame::TxPower: return TxPower;
    case FrequencyModeFrame::Bandwidth: return Bandwidth;
    case FrequencyModeFrame::ShiftDirection: return ShiftDirection;
    case FrequencyModeFrame::Step: return Step;
    case FrequencyModeFrame::OptionalSignal: return OptionalSignal;
    case FrequencyModeFrame::MuteRelation: return MuteRelation;
    case FrequencyModeFrame::SignalCode: return SignalCode;
    case FrequencyModeFrame::Scrambler: return Scrambler;
    default: return -1;
    }
}

QLabel *namedLabel(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}
} // namespace

FrequencyModeFrame::FrequencyModeFrame(Side side, QWidget *parent) : QGroupBox(parent), m_side(side)
{
    const bool left = side == Left;
    setObjectName(left ? QStringLiteral("Frame_A") : QStringLiteral("Frame_B"));

    Text_Freq = new TextBox(this);
    Text_Freq->setObjectName(left ? QStringLiteral("Text_Freq_a") : QStringLiteral("Text_Freq_b"));
    Text_Freq->setKeyFilter([this](int key) {
        // A typed character replaces the selected text: the limit applies
        // to what stays.
        QString text = Text_Freq->text();
        if (Text_Freq->hasSelectedText() && key != TextBox::KeyBackspace)
            text.remove(Text_Freq->selectionStart(), Text_Freq->selectedText().size());
        return frequencyKey(text, key);
    });
    Text_Freq->setMinimumWidth(Text_Freq->fontMetrics().horizontalAdvance(QStringLiteral("000.00000")) + 12);
    Label_Freq = namedLabel(this, left ? QStringLiteral("Label_Freq_a") : QStringLiteral("Label_Freq_b"));
    Label_Freq->setBuddy(Text_Freq);
    connect(Text_Freq, &QLineEdit::textChanged, this, &FrequencyModeFrame::Text_Freq_Change);
    connect(Text_Freq, &QLineEdit::textEdited, this, [this] { m_emptied = false; });
    connect(Text_Freq, &TextBox::lostFocus, this, &FrequencyModeFrame::Text_Freq_LostFocus);

    const auto boxes = OptionListBoxes();
    for (int role = 0; role < ListCount; ++role) {
        auto *list = new PickList(this);
        list->setObjectName(QString::fromLatin1(boxes[size_t(int(side) * int(ListCount) + role)].name));
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(role == Offset ? 9 : 5);
        lists[size_t(role)] = list;
        QLabel *label = namedLabel(this, QString::fromLatin1(left ? ListLabels[role].left
                                                                  : ListLabels[role].right));
        label->setBuddy(list);
        labels[size_t(role)] = label;
        connect(list, &PickList::picked, this,
                [this, role](int index) {
                    storePick(ListRole(role), index);
                    emit imageWritten();
                });
    }

    Option_Select_First = new QRadioButton(this);
    Option_Select_First->setObjectName(left ? QStringLiteral("Option_Select_A")
                                            : QStringLiteral("Option_Select_B"));
    Option_Select_Second = new QRadioButton(this);
    Option_Select_Second->setObjectName(left ? QStringLiteral("Option_Select_C")
                                             : QStringLiteral("Option_Select_D"));
    Option_Select_First->setChecked(true);
    Option_Select_First->hide();
    Option_Select_Second->hide();
    connect(Option_Select_First, &QRadioButton::clicked, this, &FrequencyModeFrame::selectFirst_Click);
    connect(Option_Select_Second, &QRadioButton::clicked, this, &FrequencyModeFrame::selectSecond_Click);

    layOut();
}

void FrequencyModeFrame::layOut()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const QString unitName = m_side == Left ? QStringLiteral("_a") : QStringLiteral("_b");
    auto unit = [&](const QString &what) {
        QLabel *l = namedLabel(this, QStringLiteral("Label_Mhz_") + what + unitName);
        l->setText(QString::fromLatin1(OptionTexts::Mhz));
        // A unit stands apart from the caption to its right: "MHZ" and
        // "RX QT/DQT" are not one caption.
        l->setContentsMargins(0, 0, l->fontMetrics().horizontalAdvance(QLatin1Char('M')), 0);
        return l;
    };
    // The frequency and, below it, the offset, each with its unit, and the
    // two tone lists beside them; then the other lists two to a row.
    grid->addWidget(Label_Freq, 0, 0);
    grid->addWidget(Text_Freq, 0, 1);
    grid->addWidget(unit(QStringLiteral("Freq")), 0, 2);
    grid->addWidget(labels[Offset], 1, 0);
    grid->addWidget(lists[Offset], 1, 1);
    grid->addWidget(unit(QStringLiteral("Offset")), 1, 2);
    grid->addWidget(labels[BesideFrequency], 0, 3);
    grid->addWidget(lists[BesideFrequency], 0, 4);
    grid->addWidget(labels[BesideOffset], 1, 3);
    grid->addWidget(lists[BesideOffset], 1, 4);
    int k = 0;
    for (ListRole role : LayoutOrder) {
        const int row = 2 + k / 2;
        const int col = (k % 2) * 3;
        grid->addWidget(labels[role], row, col);
        grid->addWidget(lists[role], row, col + 1, 1, k % 2 ? 1 : 2);
        ++k;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
}

int FrequencyModeFrame::record() const
{
    if (m_side == Left)
        return Option_Select_First->isChecked() ? A : C;
    return Option_Select_First->isChecked() ? B : D;
}

void FrequencyModeFrame::setCaptions()
{
    setTitle(OptionTexts::FrameCaption[record()]);
    Label_Freq->setText(FrequencyCaption);
    for (int role = 0; role < ListCount; ++role)
        labels[size_t(role)]->setText(ListLabels[role].caption);
    // Two-word captions take two lines rather than squeeze the lists.
    for (QLabel *label : labels) {
        label->setWordWrap(false);
        label->setWordWrap(label->text().contains(QLatin1Char(' ')) && label->sizeHint().width() > WrapWiderThan);
    }
    Option_Select_First->setText(OptionTexts::SelectCaption[m_side == Left ? A : B]);
    Option_Select_Second->setText(OptionTexts::SelectCaption[m_side == Left ? C : D]);
}

void FrequencyModeFrame::fillLists()
{
    const auto boxes = OptionListBoxes();
    for (int role = 0; role < ListCount; ++role) {
        PickList *list = lists[size_t(role)];
        list->clearList();
        list->addItems(OptionListItems(boxes[size_t(int(m_side) * int(ListCount) + role)].list, LanguageFlag != 0));
    }
}

void FrequencyModeFrame::storePick(ListRole role, int index)
{
    const int r = record();
    switch (role) {
    case RxTone: storeTone(r, RxToneByte, index); break;
    case TxTone: storeTone(r, TxToneByte, index); break;
    case Offset: storeOffset(r, index); break;
    default: storeSetting(r, Setting(settingOf(role)), index); break;
    }
}

void FrequencyModeFrame::showTone(ListRole role, int at)
{
    PickList *list = lists[size_t(role)];
    const int r = record();
    const int p = tonePosition(r, at);
    // No tone (an erased 0xFF byte included) is stored as 0, 0. A listed
    // tone is kept as stored; a tone without an entry shows its value, with
    // no entry selected, and is kept until the user picks one.
    if (p == 0 && list->listCount() > 0)
        storeTone(r, at, 0);
    if (p < 0)
        list->showUnlisted(unlistedToneText(r, at));
    else
        list->showIndex(p);
}

void FrequencyModeFrame::setSetting(ListRole role, Setting setting)
{
    PickList *list = lists[size_t(role)];
    // A byte beyond the list shows its last entry and is stored so.
    qint16 &cell = MemoryImage[firstRow(record()) + setting / 16][setting % 16];
    const int shown = StoreListByteInRange(cell, list->listCount());
    if (shown >= 0)
        list->showIndex(shown);
}

void FrequencyModeFrame::showRecord()
{
    const int r = record();
    const QString shown = frequencyText(r);
    // A frequency being typed, or the box emptied by the too-long warning
    // for a new one, stays while the stored frequency is the one it started
    // from; it is committed when the box loses the focus.
    const bool typing = (Text_Freq->isModified() || m_emptied) && r == m_shownRecord
                        && shown == m_shownFrequency;
    if (!typing) {
        m_emptied = false;
        const bool refusing = m_refusing;
        m_refusing = true;  // the shown text is never refused
        Text_Freq->setText(shown);
        m_refusing = refusing;
        m_shownFrequency = shown;
        m_shownRecord = r;
    }
    // The offset shows the nearest item of the list, and the record takes
    // that item's offset (a stray hundreds-of-MHz byte becomes 0).
    const int offset = offsetPosition(r);
    if (lists[Offset]->listCount() > 0)
        storeOffset(r, offset);
    lists[Offset]->showIndex(offset);
    showTone(RxTone, RxToneByte);
    showTone(TxTone, TxToneByte);
    for (ListRole role : {SignalCode, MuteRelation, OptionalSignal, Scrambler, Bandwidth, TxPower,
                          ShiftDirection, Step})
        setSetting(role, Setting(settingOf(role)));
}

void FrequencyModeFrame::selectFirst_Click()
{
    if (Option_Select_First->isChecked())
        setTitle(OptionTexts::FrameCaption[m_side == Left ? A : B]);
    showRecord();
}

void FrequencyModeFrame::selectSecond_Click()
{
    if (Option_Select_Second->isChecked())
        setTitle(OptionTexts::FrameCaption[m_side == Left ? C : D]);
    showRecord();
}

void FrequencyModeFrame::Text_Freq_Change()
{
    if (m_refusing || Text_Freq->text().size() <= FrequencyTextMax)
        return;
    m_refusing = true;
    m_committing = true;
    MsgBox(OptionTexts::FrequencyTooLong, MsgIcon::Exclamation, PromptTitle);
    Text_Freq->setText(QString());
    // Empty until the user types a new frequency: no redraw refills it.
    m_emptied = true;
    Text_Freq->setFocus();
    m_committing = false;
    m_refusing = false;
}

void FrequencyModeFrame::Text_Freq_LostFocus()
{
    const int r = record();
    if (!Text_Freq->isModified()) {
        // Nothing typed since the box was shown (or emptied after a refusal):
        // the record stands, and the box shows it again.
        m_emptied = false;
        showRecord();
        return;
    }
    QString text = Text_Freq->text();
    if (CheckBandFrequency(TextToNumber(text)) == 255) {
        m_committing = true;
        MsgBox(OptionTexts::FrequencyOutOfBand, MsgIcon::Exclamation, PromptTitle);
        m_committing = false;
        Text_Freq->setFocus();
        text = outOfBandReplacement(r);
    }
    const NormalisedFrequency f = normalise(TextToNumber(text));
    storeFrequency(r, f.digits);
    Text_Freq->setModified(false);  // committed: the box shows the stored frequency
    showRecord();
    emit imageWritten();
}

bool FrequencyModeFrame::commitTyped()
{
    // A warning of the box is open: what it holds is settled only when the
    // box is closed.
    if (m_committing)
        return false;
    // A typed frequency is stored; an emptied box shows the stored one again.
    if (Text_Freq->isModified() || m_emptied)
        Text_Freq_LostFocus();
    return true;
}

void FrequencyModeFrame::dropTyped()
{
    // Only a change of the frequency it started from makes a typed
    // frequency stale; the display routine checks that again after a read.
    if (record() != m_shownRecord || frequencyText(record()) != m_shownFrequency) {
        Text_Freq->setModified(false);
        m_emptied = false;
    }
}

QList<QWidget *> FrequencyModeFrame::tabOrder() const
{
    // Row by row, as the frame reads.
    QList<QWidget *> order{Text_Freq, lists[BesideFrequency], lists[Offset], lists[BesideOffset]};
    for (ListRole role : LayoutOrder)
        order << lists[size_t(role)];
    return order;
}
