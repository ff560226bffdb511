// The commit of a channel cell when it is left, and Enter in the text box:
// frequency validation against the band limits, typed tones and the name.
#include "channels/ChannelGridEditor.h"

#include "channels/ChannelFrequencyText.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "channels/ChannelTexts.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/ToneNames.h"
#include "platform/FlexGrid.h"
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
}

void ChannelGridEditor::MSF_Chann_LeaveCell(int row, int col)
{
    if (m_open == OpenEditor::None || row != EditRow || col != EditCol)
        return;  // no editor was opened on the cell being left
    ++m_busy;
    commit(row, col);
    --m_busy;
    emit imageWritten();
}

void ChannelGridEditor::commit(int row, int col)
{
    const int r = row;
    m_text->hide();
    switch (col) {
    case ColBand:
        commitBand(r);
        return;  // the band list stays open with its text
    case ColRxFreq: commitRxFrequency(r); break;
    case ColTxFreq: commitTxFrequency(r); break;
    case ColRxTone:
    case ColTxTone: commitTone(r, col); break;
    case ColName: commitName(r); break;
    default:
        if (col > ColTxTone && col <= ColScrambler)
            setCell(r, col, m_list->text());
        break;
    }
    closeEditors();
}

void ChannelGridEditor::commitBand(int r)
{
    const QString l = m_list->text();
    if (cell(r, ColBand).trimmed() != l.trimmed())
        ClearChannel(*m_grid, r);
    setCell(r, ColBand, l);
    m_open = OpenEditor::None;
}

void ChannelGridEditor::commitRxFrequency(int r)
{
    const int ch = ChannelRecordRow(r);
    QString t = TypedFrequencyText(m_text->text());
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
        m_text->setText(t);
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

void ChannelGridEditor::commitTxFrequency(int r)
{
    const int ch = ChannelRecordRow(r);
    QString t = TypedFrequencyText(m_text->text());
    if (IsBlankText(cell(r, ColRxFreq)) && !IsBlankText(t)) {
        warn(ChannelTexts::RxFirst);
        m_text->setText(QString());
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
        m_text->setText(t);
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

void ChannelGridEditor::commitTone(int r, int c)
{
    const QString l = m_list->text();
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
    const int position = ToneListPositionOfName(l);
    if (position < 0 || position >= m_list->listCount())
        return;  // neither a CTCSS value nor a listed name: dropped
    m_list->setListIndex(position);  // the pick stores it
    setCell(r, c, m_list->text());
}

void ChannelGridEditor::commitName(int r)
{
    NameVerdict verdict = NameVerdict::Kept;
    QString name = NormalizeChannelName(m_text->text(), &verdict);
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

void ChannelGridEditor::Text_Edit_Enter()
{
    if (m_open != OpenEditor::Text)
        return;
    m_text->hide();
    ++m_busy;
    if (EditCol == ColRxFreq)
        enterRxFrequency(EditRow);
    else if (EditCol == ColTxFreq)
        enterTxFrequency(EditRow);
    --m_busy;
    // Enter in the name cell only hides the box; the cell commits when left.
}

void ChannelGridEditor::enterRxFrequency(int r)
{
    const QString t = TypedFrequencyText(m_text->text());
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
    m_text->setText(cell(r, ColRxFreq));
    m_grid->setCurrentCell(r, ColTxFreq);  // commits the receive cell
    ShowCellEditor();
}

void ChannelGridEditor::enterTxFrequency(int r)
{
    const QString t = TypedFrequencyText(m_text->text());
    const bool rxBlank = IsBlankText(cell(r, ColRxFreq));
    if (rxBlank && !IsBlankText(t)) {
        warn(ChannelTexts::RxFirst);
        m_text->setText(QString());
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
        m_text->setText(cell(r, ColTxFreq));
    if (IsBlankText(cell(r, ColRxFreq)) && IsBlankText(cell(r, ColTxFreq))) {
        m_grid->setCol(ColBand);
        if (r < ChannelCount)
            m_grid->setRow(r + 1);
    } else {
        m_grid->setCol(ColRxTone);
    }
    ShowCellEditor();
}
