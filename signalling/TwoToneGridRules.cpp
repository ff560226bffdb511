#include "signalling/TwoToneGridRules.h"

#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "signalling/TwoToneDecodeCells.h"
#include "signalling/TwoToneLayout.h"
#include "signalling/TwoToneTexts.h"
#include "signalling/TwoToneTones.h"

namespace {
bool codeRow(int row)
{
    return row >= 1 && row <= TwoToneLayout::CodeCount;
}
} // namespace

CellEditorChoice TwoToneEncodeRules::editorFor(int row, int col)
{
    CellEditorChoice choice;
    if (codeRow(row) && (col == 1 || col == 2))
        choice.kind = CellEditorChoice::Text;
    return choice;
}

void TwoToneEncodeRules::commit(GridCellEditor &, int row, int col, const QString &text)
{
    const TwoToneEntry entry = ParseEncodeTone(text);
    if (entry.kind == TwoToneEntry::OutOfRange)
        MsgBox(TwoToneTexts::RangeWarning, MsgIcon::Exclamation, TwoToneTexts::RangeWarningTitle);
    StoreEncodeTone(row, col, entry.kind == TwoToneEntry::Accepted ? entry.hz : 0);
    if (m_redraw)
        m_redraw();
}

int TwoToneEncodeRules::keyFilter(int, int, int key)
{
    return TwoToneEncodeKey(key);
}

CellEditorChoice TwoToneDecodeRules::editorFor(int row, int col)
{
    CellEditorChoice choice;
    const TwoToneDecodeColumn kind = DecodeColumnKind(col);
    if (!codeRow(row) || kind == TwoToneDecodeColumn::Code)
        return choice;
    // The list opens on the stored value, also where the cell was emptied
    // on the screen: the cell shows it again first.
    m_grid->setTextMatrix(row, col, DecodeCellText(row, col, m_responses()));
    choice.kind = CellEditorChoice::List;
    choice.items = DecodeListItems(kind, m_responses());
    return choice;
}

void TwoToneDecodeRules::pick(GridCellEditor &, int row, int col, int index)
{
    StoreDecodePick(row, col, index);
    m_grid->setTextMatrix(row, col, DecodeCellText(row, col, m_responses()));
}
