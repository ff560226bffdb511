#pragma once
// Editing a FlexGrid in place: a text box or a list laid over one cell at a
// time, for every grid of the program; the grid's own rules (GridCellRules)
// say what opens and what is stored. The same behaviour for every grid:
// - only the cell an editor was opened on is committed, when it is left,
//   and only when the user changed its text; a cell left unchanged stores
//   nothing and warns of nothing. A pick stores at once, into the cell the
//   list was opened on;
// - when an editor closes or hides (a commit, Return, Tab, a scroll out of
//   view), the keyboard focus goes back to the grid, never to a button;
//   Tab commits the edit and stays on its cell;
// - an open editor follows its cell when the grid scrolls, and hides while
//   the cell is out of view;
// - commitOpenEdit() commits an edit still open (before the image is saved
//   or sent); discardOpenEdit() drops it (the image it belongs to was
//   replaced);
// - a rule's commit may refuse to let its cell be left (stayOnCell, after
//   its warning): the editor stays open on that cell with its text as
//   typed and takes the focus back; a click or a cursor move that took the
//   grid elsewhere is undone. The user completes or empties the text;
// - an editor opens with its whole text selected, so that typing replaces
//   it; the caret keys move inside it. The double click that opened it
//   keeps it so. A pending edit shown again is as it was;
// - Escape abandons the open edit, shown or hidden: the editor closes, the
//   cell and the image keep what they held, nothing is committed.
#include <QObject>
#include <QString>

#include "platform/GridCellRules.h"

class FlexGrid;
class PickList;
class TextBox;
class QWidget;

class GridCellEditor : public QObject
{
    Q_OBJECT
public:
    // The two editors must be children of the grid's parent widget; a grid
    // whose cells are all typed has no list (nullptr). The rules object must
    // outlive this editor.
    GridCellEditor(FlexGrid *grid, TextBox *text, PickList *list, GridCellRules *rules,
                   QObject *parent = nullptr);

    // Opens the editor of the grid's current cell, or none (the grid's
    // Click). A pending edit of that same cell is shown again as it was.
    void open();
    // Makes (row, col) current (committing the cell left) and opens its editor.
    void openAt(int row, int col);

    // Commits an open edit as if its cell were left now; the cell stays
    // current. False when the rules kept the edit open (stayOnCell).
    [[nodiscard]] bool commitOpenEdit();
    // Closes the open editor without committing it.
    void discardOpenEdit();
    // Hides the open editor, keeping its edit for the commit when the cell
    // is left; the focus goes to the grid.
    void hideEditor();

    CellEditorChoice::Kind openKind() const { return m_open; }
    bool isOpen() const { return m_open != CellEditorChoice::None; }
    int editRow() const { return m_row; }
    int editCol() const { return m_col; }
    // The open editor's text now, and as it was when it opened.
    QString text() const;
    QString openedText() const { return m_openedText; }
    // The user changed the open editor's text.
    bool changed() const { return isOpen() && text() != m_openedText; }
    // Sets the open editor's text (a rule's replacement after a warning).
    void setText(const QString &text);
    // Called by a rule's commit: the cell may not be left. The editor stays
    // open on it, shown, with its text and the focus; nothing is committed.
    void stayOnCell() { m_stay = true; }

    // True while a commit, a pick or a Return is being handled: the window
    // does not redraw under it.
    bool busy() const { return m_busy > 0; }

    FlexGrid *grid() const { return m_grid; }
    TextBox *textBox() const { return m_text; }
    PickList *list() const { return m_list; }

signals:
    // A commit or a pick has run (it may have written into the image).
    void imageWritten();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leaveCell(int row, int col);
    // Commits the open edit of (row, col); moving: the grid is leaving the
    // cell. False when the rules kept the editor open.
    bool leave(int row, int col, bool moving);
    // After a refused leave: the grid back on the editor's cell, the cell
    // in view, the editor shown with the focus.
    void returnToCell();
    void reveal();
    void picked(int index);
    void enterPressed();
    void follow();
    void close();
    bool editorHasFocus() const;
    QWidget *openWidget() const;
    // The open editor's text box: the text editor's, or a typing list's.
    TextBox *typedBox() const;
    void selectWholeText();

    FlexGrid *m_grid;
    TextBox *m_text;
    PickList *m_list;
    GridCellRules *m_rules;
    CellEditorChoice::Kind m_open = CellEditorChoice::None;
    int m_row = -1;
    int m_col = -1;
    QString m_openedText;
    bool m_hidden = false;  // hidden by Return or Tab until the cell is left
    bool m_stay = false;    // the rules refused the leave under way
    bool m_returnPending = false;  // the grid moved off a cell that was not left
    bool m_leaving = false;
    int m_busy = 0;
    int m_pressesSinceOpen = 0;  // mouse presses into the editor since it opened
};
