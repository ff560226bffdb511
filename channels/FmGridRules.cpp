#include "channels/FmGridRules.h"

#include "channels/FmCellCommit.h"

CellEditorChoice FmGridRules::editorFor(int row, int col)
{
    CellEditorChoice choice;
    if (FmCellHasEditor(row, col))
        choice.kind = CellEditorChoice::Text;
    return choice;
}

void FmGridRules::commit(GridCellEditor &, int row, int col, const QString &text)
{
    CommitFmCell(*m_grid, row, col, text);
}
