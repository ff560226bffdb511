#pragma once
// A grid of text cells addressed the way the editors address them: rows and
// columns counted from 0, where row 0 is a fixed heading row and column 0 a
// fixed column (each of the two can be switched off). The heading row is
// the view's horizontal header and the fixed column its vertical header, so
// both stay in place while the cells scroll.
//
// The grid has a current cell, which may also stand in the fixed column or
// row when the program puts it there. Every change of the current cell, by
// the user (click, cursor keys) or by the program (setRow, setCol), raises
// leaveCell(row, col) first, while row() and col() still name the cell being
// left; the row and column are also passed, so a handler never has to read
// them back. gridClick() comes after the move a mouse press makes. A press
// on the fixed column (the row heading) moves nothing and raises
// fixedCellClicked(row) instead.
//
// Cells are not editable in place: an editor lays its own control over the
// current cell with cellLeft/cellTop/cellWidth/cellHeight.
#include <QTableWidget>

class FlexGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit FlexGrid(QWidget *parent = nullptr);

    // Rows and columns including the fixed ones.
    void setRows(int rows);
    int rows() const { return m_rows; }
    void setCols(int cols);
    int cols() const { return m_cols; }
    // 0 or 1 each; 1 by default.
    void setFixedRows(int n);
    int fixedRows() const { return m_fixedRows; }
    void setFixedCols(int n);
    int fixedCols() const { return m_fixedCols; }

    // Headings separated by "|"; a "^" before a heading centres its column,
    // "<" aligns it left and ">" right. Sets the number of columns to the
    // number of headings (when there is a fixed row, the headings fill it)
    // and makes each column as wide as its heading.
    void setFormatString(const QString &format);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    // The current cell. Setting it to another cell raises leaveCell first;
    // values outside the grid are ignored.
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);
    void setCurrentCell(int row, int col);  // one move, one leaveCell
    QString text() const { return textMatrix(m_row, m_col); }
    void setText(const QString &text) { setTextMatrix(m_row, m_col, text); }

    // Geometry of the current cell in pixels, relative to the grid's own
    // top-left corner (a control laid over the cell adds the grid's pos()).
    int cellLeft() const { return cellRect().left(); }
    int cellTop() const { return cellRect().top(); }
    int cellWidth() const { return cellRect().width(); }
    int cellHeight() const { return cellRect().height(); }
    QRect cellRect() const;
    QRect cellRect(int row, int col) const;

    // Column width in pixels, by grid column.
    void setColWidth(int col, int pixels);
    int colWidth(int col) const;
    // The first grid row and column visible in the scrolled area.
    int topRow() const;
    // Scrolls so that the given grid row is visible.
    void showRow(int row);

    // What the grid holds: every column and every row, its frame and room
    // for the vertical scroll bar. A layout gives the grid no more than
    // this (a shorter window scrolls the rows), so no white area lies right
    // of the last column or under the last row.
    QSize sizeHint() const override;

signals:
    // About to leave the current cell (row, col); raised before every move.
    void leaveCell(int row, int col);
    // The grid's Click: after a mouse press on a cell has made it current
    // (a press on the current cell raises it too).
    void gridClick();
    // The grid's DblClick, after the Click of the first press.
    void gridDblClick();
    // A left press, and a double click, on row `row`'s cell of the fixed
    // column (the row heading); the current cell stays where it is.
    void fixedCellClicked(int row);
    void fixedCellDoubleClicked(int row);
    // The cells scrolled.
    void scrolled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    friend class FlexGridSelection;
    // Called by the selection model before the view's current index changes.
    void viewMovesTo(const QModelIndex &index);
    void moveTo(int row, int col);
    void syncView();
    QTableWidgetItem *itemAt(int row, int col, bool create);

    int m_rows = 2;
    int m_cols = 2;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 1;
    int m_col = 1;
    bool m_syncing = false;
    QString m_corner;  // the heading of the fixed corner cell
    Qt::Alignment m_cornerAlign = Qt::AlignCenter;
    QList<Qt::Alignment> m_colAlign;  // by grid column, from the format string
};
