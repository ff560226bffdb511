#include "options/OptionPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "memory/OptionDefaults.h"
#include "options/FrequencyModeFrame.h"
#include "options/OptionBlock.h"
#include "options/OptionCodes.h"
#include "options/OptionLists.h"
#include "options/OptionTexts.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

namespace {
QLabel *namedLabel(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The list each option box holds, from the fill table.
OptionList listOf(const char *name)
{
    for (const OptionListBox &box : OptionListBoxes())
        if (qstrcmp(box.name, name) == 0)
            return box.list;
    return OptionList::Count;
}

// The columns of label and list pairs the option lists stand in.
constexpr int OptionColumns = 3;
} // namespace

OptionPanel::OptionPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OptionPanel"));
    for (const OptionBox &box : OptionBoxes()) {
        auto *list = new PickList(this);
        list->setObjectName(QString::fromLatin1(box.name));
        // The lists share the room left by their captions, none narrower
        // than its longest item (set as it is filled, in the chosen language).
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(5);
        QLabel *label = namedLabel(this, box.label);
        label->setBuddy(list);
        // The design caption, kept by the labels that have no English one.
        label->setText(box.caption.chinese());
        if (box.hidden) {
            list->hide();
            label->hide();
        }
        // A setting the option block has no byte for shows its factory
        // value and takes no pick: nothing would keep it.
        if (OptionFieldByte(box.field) < 0)
            list->setEnabled(false);
        const OptionField field = box.field;
        connect(list, &PickList::picked, this, [this, field](int index) {
            StoreOptionPick(field, index);
            emit imageWritten();
        });
        optionLists.push_back(list);
        optionLabels.push_back(label);
    }

    Frame_A = new FrequencyModeFrame(FrequencyModeFrame::Left, this);
    Frame_B = new FrequencyModeFrame(FrequencyModeFrame::Right, this);
    connect(Frame_A, &FrequencyModeFrame::imageWritten, this, &OptionPanel::imageWritten);
    connect(Frame_B, &FrequencyModeFrame::imageWritten, this, &OptionPanel::imageWritten);

    Text_ANI = codeBox("Text_ANI", OptionField::Text_ANI);
    Text_PttId_Begin = codeBox("Text_PttId_Begin", OptionField::Text_PttId_Begin);
    Text_PttId_End = codeBox("Text_PttId_End", OptionField::Text_PttId_End);
    Label_ANI = namedLabel(this, "Label_ANI");
    Label_ANI->setBuddy(Text_ANI);
    Label_Send_Begin = namedLabel(this, "Label_Send_Begin");
    Label_Send_Begin->setBuddy(Text_PttId_Begin);
    Label_Send_End = namedLabel(this, "Label_Send_End");
    Label_Send_End->setBuddy(Text_PttId_End);
    connect(Text_ANI, &TextBox::lostFocus, this, &OptionPanel::Text_ANI_LostFocus);

    Frame_Pon_Msg = new QGroupBox(this);
    Frame_Pon_Msg->setObjectName(QStringLiteral("Frame_Pon_Msg"));
    Text_Model_Disp = new TextBox(Frame_Pon_Msg);
    Text_Model_Disp->setObjectName(QStringLiteral("Text_Model_Disp"));
    Text_Model_Disp->setKeyFilter([this](int key) { return PowerOnKey(Text_Model_Disp->text(), key); });
    connect(Text_Model_Disp, &QLineEdit::textEdited, this, [this](const QString &t) {
        StorePowerOnText(t);
        emit imageWritten();
    });
    Label_Model_Disp = namedLabel(Frame_Pon_Msg, "Label_Model_Disp");
    Label_Model_Disp->setBuddy(Text_Model_Disp);

    layOut();
}

TextBox *OptionPanel::codeBox(const char *name, OptionField field)
{
    auto *box = new TextBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(CodeLength);  // typed or pasted, a code never outgrows its row
    box->setKeyFilter(CodeKey);      // a character without a DTMF code is refused
    // Only the user's edits are stored; a redisplay puts the text in silently.
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString &t) {
        StoreCodeText(field, t);
        emit imageWritten();
    });
    return box;
}

void OptionPanel::layOut()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(6);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    int shown = 0;
    for (const OptionBox &box : OptionBoxes())
        shown += box.hidden ? 0 : 1;
    const int rows = (shown + OptionColumns - 1) / OptionColumns;
    int k = 0;
    for (size_t i = 0; i < optionLists.size(); ++i) {
        if (OptionBoxes()[i].hidden)
            continue;
        const int row = k % rows;
        const int col = 2 * (k / rows);
        grid->addWidget(optionLabels[i], row, col);
        grid->addWidget(optionLists[i], row, col + 1);
        grid->setColumnStretch(col + 1, 1);
        ++k;
    }
    outer->addLayout(grid);

    auto *frames = new QHBoxLayout;
    frames->addWidget(Frame_A);
    frames->addWidget(Frame_B);
    outer->addLayout(frames);

    auto *codes = new QHBoxLayout;
    for (auto [label, box] : {std::pair{Label_ANI, Text_ANI}, std::pair{Label_Send_Begin, Text_PttId_Begin},
                              std::pair{Label_Send_End, Text_PttId_End}}) {
        codes->addWidget(label);
        codes->addWidget(box, 1);
    }
    auto *pon = new QHBoxLayout(Frame_Pon_Msg);
    pon->setContentsMargins(6, 2, 6, 2);
    pon->addWidget(Label_Model_Disp);
    pon->addWidget(Text_Model_Disp, 1);
    codes->addWidget(Frame_Pon_Msg, 2);
    outer->addLayout(codes);
    outer->addStretch(1);
}

PickList *OptionPanel::optionList(OptionField field) const
{
    const auto boxes = OptionBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].field == field)
            return optionLists[i];
    return nullptr;
}

void OptionPanel::setCaptions()
{
    const auto boxes = OptionBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        if (LanguageFlag != 0 || boxes[i].englishCaption)
            optionLabels[i]->setText(boxes[i].caption);
    for (QLabel *label : optionLabels)
        label->setMinimumWidth(label->sizeHint().width());
    Frame_A->setCaptions();
    Frame_B->setCaptions();
    Frame_Pon_Msg->setTitle(OptionTexts::PowerOnFrame);
    Label_Model_Disp->setText(OptionTexts::Models);
    Label_ANI->setText(OptionTexts::Ani);
    Label_Send_Begin->setText(OptionTexts::SendBegin);
    Label_Send_End->setText(OptionTexts::SendEnd);
}

void OptionPanel::FillOptionLists()
{
    Frame_A->fillLists();
    Frame_B->fillLists();
    const auto boxes = OptionBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        PickList *list = optionLists[i];
        list->clearList();
        list->addItems(OptionListItems(listOf(boxes[i].name), LanguageFlag != 0));
        list->setMinimumWidth(list->wholeItemsWidth());
    }
}

void OptionPanel::ShowOptions()
{
    LoadOptionValues();
    const auto boxes = OptionBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        PickList *list = optionLists[i];
        if (OptionFieldByte(boxes[i].field) < 0) {
            list->showIndex(OptionFactoryIndex(boxes[i].field));
            continue;
        }
        // A byte beyond the list shows the last entry and is stored so.
        list->showIndex(StoreOptionByteInRange(boxes[i].field, list->listCount()));
    }
    // Each code box shows the characters of its field, and the field is
    // packed again from what is shown: codes from the first byte, 0xFF after.
    for (auto [box, field] : {std::pair{Text_ANI, OptionField::Text_ANI},
                              std::pair{Text_PttId_Begin, OptionField::Text_PttId_Begin},
                              std::pair{Text_PttId_End, OptionField::Text_PttId_End}}) {
        // A box that already stands for its bytes (the user types in it, a
        // refused character's box has just closed) keeps its text and caret.
        if (CodeTextStored(field, box->text()))
            continue;
        const QString text = CodeTextFromValues(field);
        box->setText(text);
        StoreCodeText(field, text);
    }
    ShowLeftFrequencyMode();
    ShowRightFrequencyMode();
    // The power-on text keeps its bytes, inner blanks included, until the
    // user edits it; a box that already stands for them is left as it is.
    if (!PowerOnTextStored(Text_Model_Disp->text()))
        Text_Model_Disp->setText(PowerOnTextFromImage());
}

void OptionPanel::ShowLeftFrequencyMode() { Frame_A->showRecord(); }
void OptionPanel::ShowRightFrequencyMode() { Frame_B->showRecord(); }

void OptionPanel::Text_ANI_LostFocus()
{
    // Checked when the user has edited the code; a stored code is not
    // questioned by a mere pass through the box.
    if (!Text_ANI->isModified())
        return;
    const AniProblem problem = CheckAniCode(Text_ANI->text());
    if (problem == AniProblem::None)
        return;
    m_checkingAni = true;
    MsgBox(problem == AniProblem::Length ? OptionTexts::AniLength : OptionTexts::AniRange,
           MsgIcon::Exclamation, PromptTitleCap);
    m_checkingAni = false;
    Text_ANI->setFocus();
}

bool OptionPanel::commitOpenEdit()
{
    const bool left = Frame_A->commitTyped();
    const bool right = Frame_B->commitTyped();
    return left && right;
}

void OptionPanel::discardOpenEdit()
{
    Frame_A->dropTyped();
    Frame_B->dropTyped();
}

bool OptionPanel::editing() const
{
    return m_checkingAni || Frame_A->committing() || Frame_B->committing();
}

QList<QWidget *> OptionPanel::tabOrder() const
{
    QList<QWidget *> order;
    const auto boxes = OptionBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        if (!boxes[i].hidden)
            order << optionLists[i];
    order << Frame_A->tabOrder() << Frame_B->tabOrder();
    order << Text_ANI << Text_PttId_Begin << Text_PttId_End << Text_Model_Disp;
    return order;
}
