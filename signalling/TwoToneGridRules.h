#pragma once
// The in-cell editing rules of the 2-tone editor's two grids. Encode grid:
// a text box on the tone cells of codes 1-15, digits and the point only; a
// changed tone is checked (300-3000 Hz, the range warning otherwise),
// stored rounded, and the window redrawn. Decode grid: a list on the pair,
// response and alert cells, opened on the stored value; a pick stores at
// once and the cell shows it.
#include <QStringList>
#include <functional>

#include "platform/GridCellRules.h"

class FlexGrid;

class TwoToneEncodeRules : public GridCellRules
{
public:
    // redraw: the window's show routine, run after every commit.
    explicit TwoToneEncodeRules(std::function<void()> redraw) : m_redraw(std::move(redraw)) {}

    CellEditorChoice editorFor(int row, int col) override;
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override;
    int keyFilter(int row, int col, int key) override;

private:
    std::function<void()> m_redraw;
};

class TwoToneDecodeRules : public GridCellRules
{
public:
    // responses: the four response texts in the language now in force.
    TwoToneDecodeRules(FlexGrid *grid, std::function<QStringList()> responses)
        : m_grid(grid), m_responses(std::move(responses))
    {
    }

    CellEditorChoice editorFor(int row, int col) override;
    // The pick is stored already; leaving the cell stores nothing more.
    void commit(GridCellEditor &, int, int, const QString &) override {}
    void pick(GridCellEditor &editor, int row, int col, int index) override;

private:
    FlexGrid *m_grid;
    std::function<QStringList()> m_responses;
};
