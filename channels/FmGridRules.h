#pragma once
// The FM grid's editing rules for the in-cell editor: the frequency and
// name cells of channels 1-16 open a text box; a cell the user changed is
// committed when it is left (FmCellCommit.h). Return keeps the editor's
// default: it hides, and the cell commits when it is left.
#include "platform/GridCellRules.h"

class FlexGrid;

class FmGridRules : public GridCellRules
{
public:
    explicit FmGridRules(FlexGrid *grid) : m_grid(grid) {}

    CellEditorChoice editorFor(int row, int col) override;
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override;
    // The name cell refuses in words a character the record cannot hold
    // (FmNameCharacter); the frequency cell takes every key.
    int keyFilter(int row, int col, int key) override;

private:
    FlexGrid *m_grid;
};
