#pragma once
// The 5-tone editor's three grids edited in place (GridCellEditor): the
// standards table (period, group and repeat tone picked from lists), the
// encode list (three five-digit frames typed, the standard picked) and the
// decode list (standard and functions picked, frames and reply code typed).
#include "platform/GridCellRules.h"

class FlexGrid;
class TextBox;

// Rows 1..15 are standards 0..14; columns 1..3 store bytes 0..2 of the
// standard's record at the pick; the cell shows the pick once it is left.
class FiveToneStandardRules : public GridCellRules
{
public:
    explicit FiveToneStandardRules(FlexGrid *grid) : m_grid(grid) {}
    CellEditorChoice editorFor(int row, int col) override;
    void pick(GridCellEditor &editor, int row, int col, int index) override;
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override;

private:
    FlexGrid *m_grid;
};

// Row n is encode code n. A code's frames 2 and 3 and its standard open only
// once its frame-1 cell has text. A frame is stored when its cell is left
// (or Return is pressed) with five digits, or none, which empties it; any
// other length is refused with a warning, stores nothing and keeps the
// editor open on its cell with the text as typed. A pick of a standard
// stores at once; the list opened on a standard beyond the list picks the
// last one, "MODAT".
class FiveToneEncodeRules : public GridCellRules
{
public:
    FiveToneEncodeRules(FlexGrid *grid, TextBox *text) : m_grid(grid), m_text(text) {}
    CellEditorChoice editorFor(int row, int col) override;
    void pick(GridCellEditor &editor, int row, int col, int index) override;
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override;
    void enter(GridCellEditor &editor, int row, int col, bool changed) override;
    int keyFilter(int row, int col, int key) override;

private:
    FlexGrid *m_grid;
    TextBox *m_text;
};

// Row n is decode code n; the list lives only in the grid's cells. A code's
// other cells open only once its standard cell has text; a frame or reply
// code is taken when left with five characters, kept open with a warning
// with any other length but none; a function is emptied when its frame is
// empty; a code whose standard is blank is emptied.
class FiveToneDecodeRules : public GridCellRules
{
public:
    explicit FiveToneDecodeRules(FlexGrid *grid) : m_grid(grid) {}
    CellEditorChoice editorFor(int row, int col) override;
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override;
    void enter(GridCellEditor &editor, int row, int col, bool changed) override;

private:
    FlexGrid *m_grid;
};

// Empties cells 1..last of grid row r.
void ClearGridRow(FlexGrid &grid, int r, int last);
