#pragma once
// The channel grid's editing rules: which editor each column opens, what a
// list pick stores into the channel's records, the commit of a left cell
// (frequency validation against the band limits, typed tones, the name)
// and Return in the frequency cells.
#include "platform/GridCellRules.h"

class FlexGrid;

class ChannelCellRules : public GridCellRules
{
public:
    explicit ChannelCellRules(FlexGrid *grid) : m_grid(grid) {}

    CellEditorChoice editorFor(int row, int col) override;
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override;
    void pick(GridCellEditor &editor, int row, int col, int index) override;
    void enter(GridCellEditor &editor, int row, int col, bool changed) override;
    int keyFilter(int row, int col, int key) override;

    // The tone columns' key filter: digits, the point, D, N, I (capitals),
    // Backspace and Enter.
    static int ToneKeyFilter(int key);
    // The name column's key filter: a character a name cannot hold
    // (ChannelNameTypable) is refused in words, the name warning's.
    static int NameKeyFilter(int key);

private:
    void commitRxFrequency(GridCellEditor &editor, int r, QString t);
    void commitTxFrequency(GridCellEditor &editor, int r, QString t);
    void commitTone(GridCellEditor &editor, int r, int c, const QString &typed);
    void commitName(int r, const QString &typed);
    void enterRxFrequency(GridCellEditor &editor, int r, bool changed);
    void enterTxFrequency(GridCellEditor &editor, int r, bool changed);
    QString cell(int r, int c) const;
    void setCell(int r, int c, const QString &text);

    FlexGrid *m_grid;
};
