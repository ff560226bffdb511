#include "channels/FmGridRules.h"

#include "channels/FmCellCommit.h"

CellEditorSpec FmGridRules::editorFor(int row, int col)
{
    CellEditorSpec spec;
    if (FmCellHasEditor(row, col))
        spec.kind = CellEditorSpec::Text;
    return spec;
}

void FmGridRules::commit(GridCellEditor &, int row, int col, const QString &text)
{
    CommitFmCell(*m_grid, row, col, text);
}
