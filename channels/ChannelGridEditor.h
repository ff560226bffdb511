#pragma once
// Editing the channel grid in place: the text box and the list laid over
// one cell at a time, what a list pick stores, and the commit of the cell
// when it is left (validation, warnings, storing into MemoryImage).
//
// Only the cell an editor was opened on is committed, and only when that
// cell is left: moving through other cells (cursor keys, the redraw of the
// window) changes nothing. The commit and the pick work on the row and
// column of the edited cell, never on the grid's new current cell.
#include <QObject>
#include <QString>

class FlexGrid;
class PickList;
class TextBox;

class ChannelGridEditor : public QObject
{
    Q_OBJECT
public:
    enum class OpenEditor { None, Text, List };

    // Binds the grid's and the two editors' events. The editors must be
    // children of the grid's parent widget.
    ChannelGridEditor(FlexGrid *grid, TextBox *textEdit, PickList *comboEdit,
                      QObject *parent = nullptr);

    // Opens the editor of the grid's current cell, or none.
    void ShowCellEditor();
    // A pick in the list (user or program): stores it into the edited cell's record.
    void Combo_edit_Click(int index);
    void Combo_edit_GotFocus();
    // Enter in the list: commits the cell and opens the next one.
    void Combo_edit_Enter();
    // The tone columns' key filter (see TextBox::KeyFilter).
    static int ToneKeyFilter(int key);
    void MSF_Chann_Click();
    void MSF_Chann_Scroll();
    // The commit of the cell (row, col) the grid is leaving.
    void MSF_Chann_LeaveCell(int row, int col);
    // Enter in the text box: the frequency checks, then on to the next cell.
    void Text_Edit_Enter();

    // Closes the open editor without committing it (its text belongs to an
    // image that has been replaced).
    void discardOpenEditor() { closeEditors(); }

    int EditRow = 0;
    int EditCol = 0;
    QString SavedListText;
    OpenEditor openEditor() const { return m_open; }
    // True while a commit, a pick or an Enter is being handled.
    bool busy() const { return m_busy > 0; }

signals:
    // A commit or a pick has written into MemoryImage.
    void imageWritten();

private:
    void pick(int index);
    void commit(int row, int col);
    void placeOver(QWidget *editor, bool withHeight);
    void closeEditors();
    void commitBand(int r);
    void commitRxFrequency(int r);
    void commitTxFrequency(int r);
    void commitTone(int r, int c);
    void commitName(int r);
    void enterRxFrequency(int r);
    void enterTxFrequency(int r);
    QString cell(int r, int c) const;
    void setCell(int r, int c, const QString &text);

    FlexGrid *m_grid;
    TextBox *m_text;
    PickList *m_list;
    OpenEditor m_open = OpenEditor::None;
    int m_busy = 0;
    int m_listRow = 0;  // the cell the list was last opened on
    int m_listCol = 0;
};
