#pragma once
// The rules of one grid for its in-cell editor (GridCellEditor): which
// editor a cell opens, what a pick stores, what leaving an edited cell
// commits and what Return does. Each editor window supplies one.
#include <QString>
#include <QStringList>

class GridCellEditor;

// What opens on a cell.
struct CellEditorChoice {
    enum Kind { None, Text, List };
    Kind kind = None;
    QStringList items;   // List: its items
    bool typing = false; // List: takes typed text as well, through keyFilter
    bool blank = false;  // List: opens with an empty text, not the cell's
    int select = -1;     // List: the item picked as it opens (stored as a pick is), or none
};

class GridCellRules
{
public:
    virtual ~GridCellRules() = default;
    // The editor of cell (row, col); None for a cell that is not edited.
    virtual CellEditorChoice editorFor(int row, int col) = 0;
    // The cell (row, col) is being left and the user changed its text (typed
    // it, or picked another item): validate and store it. A text that may
    // not be stored nor dropped calls editor.stayOnCell() after its warning:
    // the cell is then not left.
    virtual void commit(GridCellEditor &editor, int row, int col, const QString &text) = 0;
    // Item `index` of the list opened on (row, col) was picked: store it.
    virtual void pick(GridCellEditor &editor, int row, int col, int index);
    // Return in the editor of (row, col); changed: the user changed its
    // text. The default hides the editor and leaves the focus in the grid;
    // the cell commits when it is left.
    virtual void enter(GridCellEditor &editor, int row, int col, bool changed);
    // The key filter of the text box and of a list that takes typing (see
    // TextBox::KeyFilter); the default lets every key pass.
    virtual int keyFilter(int row, int col, int key);
};
