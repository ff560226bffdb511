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

CellEditorSpec TwoToneEncodeRules::editorFor(int row, int col)
{
    CellEditorSpec spec;
    if (codeRow(row) && (col == 1 || col == 2))
        spec.kind = CellEditorSpec::Text;
    return spec;
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

CellEditorSpec TwoToneDecodeRules::editorFor(int row, int col)
{
    CellEditorSpec spec;
    const TwoToneDecodeColumn kind = DecodeColumnKind(col);
    if (!codeRow(row) || kind == TwoToneDecodeColumn::Code)
        return spec;
    // The list opens on the stored value, also where the cell was emptied
    // on the screen: the cell shows it again first.
    m_grid->setTextMatrix(row, col, DecodeCellText(row, col, m_responses()));
    spec.kind = CellEditorSpec::List;
    spec.items = DecodeListItems(kind, m_responses());
    return spec;
}

void TwoToneDecodeRules::pick(GridCellEditor &, int row, int col, int index)
{
    StoreDecodePick(row, col, index);
    m_grid->setTextMatrix(row, col, DecodeCellText(row, col, m_responses()));
}
