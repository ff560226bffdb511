#include "channels/ChannelCellRules.h"

#include "channels/ChannelFrequencyText.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "channels/ChannelTexts.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/ToneNames.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

using namespace ChannelGrid;

namespace {
void warn(const BiText &text, const BiText &title = PromptTitle)
{
    MsgBox(text, MsgIcon::Exclamation, title);
}

// StoreFrequency on a copy, so the caller's text stays as it was shown.
bool storeFrequency(const QString &text, int ch, int col)
{
    QString copy = text;
    return StoreFrequency(copy, ch, col);
}

bool emptyRecord(int ch) { return (MemoryImage[ch][0] & 0xFF) == 0xFF; }

bool isOptionColumn(int c) { return c >= ColRxTone && c <= ColScrambler; }
}

QString ChannelCellRules::cell(int r, int c) const { return m_grid->textMatrix(r, c); }
void ChannelCellRules::setCell(int r, int c, const QString &text) { m_grid->setTextMatrix(r, c, text); }

int ChannelCellRules::ToneKeyFilter(int key)
{
    if ((key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I'
        || key == TextBox::KeyEnter || key == TextBox::KeyBackspace)
        return key;
    if (key == 'd' || key == 'n' || key == 'i')
        return key - 'a' + 'A';
    return 0;
}

int ChannelCellRules::NameKeyFilter(int key)
{
    if (key == TextBox::KeyEnter || key == TextBox::KeyBackspace
        || ChannelNameTypable(QChar(char16_t(key))))
        return key;
    return TextBox::refuse(ChannelTexts::NameCharacters);
}

int ChannelCellRules::keyFilter(int, int col, int key)
{
    if (col == ColRxTone || col == ColTxTone)
        return ToneKeyFilter(key);
    return col == ColName ? NameKeyFilter(key) : key;
}

CellEditorChoice ChannelCellRules::editorFor(int r, int c)
{
    CellEditorChoice choice;
    if (r < 1)
        return choice;
    if (c == ColBand) {
        choice.kind = CellEditorChoice::List;
        choice.items = {BandItem};
        return choice;
    }
    if (c == ColRxFreq || c == ColTxFreq || c == ColName) {
        choice.kind = CellEditorChoice::Text;
        return choice;
    }
    if (!isOptionColumn(c) || IsBlankText(cell(r, ColBand)))
        return choice;
    if (c == ColTxTone && IsBlankText(cell(r, ColRxFreq)))
        return choice;
    const bool tone = c == ColRxTone || c == ColTxTone;
    choice.kind = CellEditorChoice::List;
    choice.items = ChannelListItems(c);
    choice.typing = tone;
    choice.blank = tone;  // a tone list opens blank
    return choice;
}

void ChannelCellRules::pick(GridCellEditor &editor, int r, int c, int index)
{
    if (r < 1)
        return;
    if (c == ColBand) {
        const QString l = editor.list()->text();
        if (cell(r, c).trimmed() != l.trimmed())
            ClearChannel(*m_grid, r);
        setCell(r, c, l);
        return;
    }
    if (!isOptionColumn(c))
        return;
    StoreChannelListPick(ChannelRecordRow(r), c, index);
    if (c == ColRxTone)
        FillChannelRow(*m_grid, r);
}

void ChannelCellRules::commit(GridCellEditor &editor, int r, int col, const QString &text)
{
    switch (col) {
    case ColBand:
        if (cell(r, ColBand).trimmed() != text.trimmed())
            ClearChannel(*m_grid, r);
        setCell(r, ColBand, text);
        break;
    case ColRxFreq: commitRxFrequency(editor, r, text); break;
    case ColTxFreq: commitTxFrequency(editor, r, text); break;
    case ColRxTone:
    case ColTxTone: commitTone(editor, r, col, text); break;
    case ColName: commitName(r, text); break;
    default:
        if (isOptionColumn(col))
            setCell(r, col, text);
        break;
    }
}

void ChannelCellRules::commitRxFrequency(GridCellEditor &editor, int r, QString t)
{
    t = TypedFrequencyText(t);
    const int ch = ChannelRecordRow(r);
    // A blank frequency deletes the channel, whatever the band limits hold.
    if (IsBlankText(t)) {
        setCell(r, ColRxFreq, QString());
        setCell(r, ColTxFreq, QString());
        ClearChannelOptions(*m_grid, r);
        FillChannelRow(*m_grid, r);
        return;
    }
    if (!FrequencyTextAccepted(t)) {
        warn(ChannelTexts::RxOutOfRange);
        t = SubstituteFrequencyText();
        setCell(r, ColRxFreq, t);
        editor.setText(t);
        if (emptyRecord(ch)) {
            SetChannelDefaults(*m_grid, r);
            storeFrequency(t, ch, 4);
        }
        storeFrequency(t, ch, 0);
        FillChannelRow(*m_grid, r);
        return;
    }
    if (IsBlankText(cell(r, ColRxFreq)))
        SetChannelDefaults(*m_grid, r);
    setCell(r, ColRxFreq, t);
    storeFrequency(t, ch, 4);
    storeFrequency(t, ch, 0);
    FillChannelRow(*m_grid, r);
}

void ChannelCellRules::commitTxFrequency(GridCellEditor &editor, int r, QString t)
{
    t = TypedFrequencyText(t);
    const int ch = ChannelRecordRow(r);
    if (IsBlankText(cell(r, ColRxFreq)) && !IsBlankText(t)) {
        warn(ChannelTexts::RxFirst);
        editor.setText(QString());
        return;
    }
    if (IsBlankText(t)) {
        // The transmitter is switched off.
        setCell(r, ColTxFreq, QString());
        setCell(r, ColTxTone, QString());
        for (int k : {4, 5, 6, 7, 10, 11})
            MemoryImage[ch][k] = 0xFF;
    } else if (!FrequencyTextAccepted(t)) {
        warn(ChannelTexts::TxOutOfRange);
        t = SubstituteFrequencyText();
        setCell(r, ColTxFreq, t);
        editor.setText(t);
        setCell(r, ColTxTone, QStringLiteral("OFF"));
        storeFrequency(t, ch, 4);
        MemoryImage[ch][10] = 0xFF;
        MemoryImage[ch][11] = 0xFF;
    } else {
        setCell(r, ColTxFreq, t);
        storeFrequency(t, ch, 4);
    }
    FillChannelRow(*m_grid, r);
}

void ChannelCellRules::commitTone(GridCellEditor &editor, int r, int c, const QString &l)
{
    if (const auto tenths = TypedCtcssTenths(l)) {
        const int ch = ChannelRecordRow(r);
        StoreToneWord(ch, c, *tenths % 256, *tenths / 256);
        if (c == ColRxTone) {
            MemoryImage[ch][10] = MemoryImage[ch][8];
            MemoryImage[ch][11] = MemoryImage[ch][9];
        }
        FillChannelRow(*m_grid, r);
        return;
    }
    PickList *list = editor.list();
    const int position = ToneListPositionOfName(l);
    if (position < 0 || position >= list->listCount())
        return;  // neither a CTCSS value nor a listed name: dropped
    list->setListIndex(position);  // the pick stores it
    setCell(r, c, list->text());
}

void ChannelCellRules::commitName(int r, const QString &typed)
{
    NameVerdict verdict = NameVerdict::Kept;
    QString name = NormalizeChannelName(typed, &verdict);
    if (verdict == NameVerdict::Refused) {
        warn(ChannelTexts::NameCharacters, PromptTitleCap);
        return;  // the cell and the record keep the name they had
    }
    if (verdict == NameVerdict::Cut)
        warn(ChannelTexts::NameTooLong, PromptTitleCap);
    if (IsBlankText(cell(r, ColBand)))
        name.clear();  // a row without a band gets no name
    setCell(r, ColName, name);
    StoreChannelName(ChannelRecordRow(r), name);
}

void ChannelCellRules::enter(GridCellEditor &editor, int r, int col, bool changed)
{
    if (editor.openKind() == CellEditorChoice::List) {
        // Enter in an option list: on to the next column's list.
        if (isOptionColumn(col))
            editor.openAt(r, col + 1);
        return;
    }
    if (col == ColRxFreq)
        enterRxFrequency(editor, r, changed);
    else if (col == ColTxFreq)
        enterTxFrequency(editor, r, changed);
    else
        editor.hideEditor();  // the name commits when its cell is left
}

void ChannelCellRules::enterRxFrequency(GridCellEditor &editor, int r, bool changed)
{
    editor.hideEditor();
    if (changed) {
        const QString t = TypedFrequencyText(editor.text());
        if (IsBlankText(t)) {
            setCell(r, ColRxFreq, QString());
            setCell(r, ColTxFreq, QString());
            ClearChannelOptions(*m_grid, r);
        } else if (!FrequencyTextAccepted(t)) {
            warn(ChannelTexts::RxOutOfRange);
            setCell(r, ColRxFreq, SubstituteFrequencyText());
            if (emptyRecord(ChannelRecordRow(r)))
                SetChannelDefaults(*m_grid, r);
        } else {
            if (IsBlankText(cell(r, ColRxFreq)))
                SetChannelDefaults(*m_grid, r);
            setCell(r, ColRxFreq, CompletedFrequencyText(t));
        }
        editor.setText(cell(r, ColRxFreq));
    }
    editor.openAt(r, ColTxFreq);  // commits the receive cell
}

void ChannelCellRules::enterTxFrequency(GridCellEditor &editor, int r, bool changed)
{
    editor.hideEditor();
    if (changed) {
        const QString t = TypedFrequencyText(editor.text());
        const bool rxBlank = IsBlankText(cell(r, ColRxFreq));
        if (rxBlank && !IsBlankText(t)) {
            warn(ChannelTexts::RxFirst);
            editor.setText(QString());
        } else if (IsBlankText(t)) {
            setCell(r, ColTxFreq, QString());
            setCell(r, ColTxTone, QString());
        } else if (!FrequencyTextAccepted(t)) {
            warn(ChannelTexts::TxOutOfRange);
            setCell(r, ColTxFreq, SubstituteFrequencyText());
            setCell(r, ColTxTone, QStringLiteral("OFF"));
        } else {
            setCell(r, ColTxFreq, CompletedFrequencyText(t));
        }
        if (!(rxBlank && !IsBlankText(t)))
            editor.setText(cell(r, ColTxFreq));
    }
    if (IsBlankText(cell(r, ColRxFreq)) && IsBlankText(cell(r, ColTxFreq)))
        editor.openAt(r < ChannelCount ? r + 1 : r, ColBand);
    else
        editor.openAt(r, ColRxTone);
}
