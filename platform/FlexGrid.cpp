#include "platform/FlexGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>

// Sees every change of the view's current index before it happens, so the
// grid can raise leaveCell while its current cell is still the old one.
class FlexGridSelection : public QItemSelectionModel
{
public:
    FlexGridSelection(QAbstractItemModel *model, FlexGrid *grid)
        : QItemSelectionModel(model, grid), m_grid(grid)
    {
    }
    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override
    {
        if (!m_grid->m_syncing && index != currentIndex())
            m_grid->viewMovesTo(index);
        QItemSelectionModel::setCurrentIndex(index, command);
    }

private:
    FlexGrid *m_grid;
};

namespace {
// Paints the heading of the fixed corner cell on the view's corner button.
class CornerPainter : public QObject
{
public:
    CornerPainter(QAbstractButton *button, QString *text, Qt::Alignment *align)
        : QObject(button), m_button(button), m_text(text), m_align(align)
    {
        button->installEventFilter(this);
    }
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (obj != m_button || event->type() != QEvent::Paint)
            return false;
        QPainter painter(m_button);
        QStyleOptionHeader opt;
        opt.initFrom(m_button);
        opt.rect = m_button->rect();
        opt.text = *m_text;
        opt.textAlignment = *m_align;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        m_button->style()->drawControl(QStyle::CE_Header, &opt, &painter, m_button);
        return true;
    }

private:
    QAbstractButton *m_button;
    QString *m_text;
    Qt::Alignment *m_align;
};

// One heading of a format string: its alignment mark and its text.
struct Heading {
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    QString text;
};

Heading parseHeading(const QString &h)
{
    Heading out;
    out.text = h;
    if (h.startsWith(QLatin1Char('^'))) {
        out.align = Qt::AlignCenter;
        out.text = h.mid(1);
    } else if (h.startsWith(QLatin1Char('>'))) {
        out.align = Qt::AlignRight | Qt::AlignVCenter;
        out.text = h.mid(1);
    } else if (h.startsWith(QLatin1Char('<'))) {
        out.text = h.mid(1);
    }
    return out;
}
}

FlexGrid::FlexGrid(QWidget *parent) : QTableWidget(parent)
{
    setSelectionModel(new FlexGridSelection(model(), this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    // A column or row more or less changes what the grid holds.
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        connect(header, &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
        connect(header, &QHeaderView::sectionCountChanged, this, [this] { updateGeometry(); });
    }
    verticalHeader()->viewport()->installEventFilter(this);
    setWordWrap(false);
    if (auto *button = findChild<QAbstractButton *>())
        new CornerPainter(button, &m_corner, &m_cornerAlign);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::scrolled);
    setRows(m_rows);
    setCols(m_cols);
    syncView();
}

void FlexGrid::setRows(int rows)
{
    rows = std::max(rows, m_fixedRows);
    const int old = rowCount();
    m_rows = rows;
    m_syncing = true;
    setRowCount(rows - m_fixedRows);
    for (int i = old; i < rowCount(); ++i) {
        auto *h = new QTableWidgetItem(QString());
        h->setTextAlignment(m_cornerAlign);  // the fixed column's alignment
        setVerticalHeaderItem(i, h);
    }
    m_syncing = false;
    if (m_row >= m_rows)
        m_row = m_rows - 1;
    syncView();
}

void FlexGrid::setCols(int cols)
{
    cols = std::max(cols, m_fixedCols);
    const int old = columnCount();
    m_cols = cols;
    m_syncing = true;
    setColumnCount(cols - m_fixedCols);
    for (int i = old; i < columnCount(); ++i)
        setHorizontalHeaderItem(i, new QTableWidgetItem(QString()));
    m_syncing = false;
    if (m_col >= m_cols)
        m_col = m_cols - 1;
    syncView();
}

void FlexGrid::setFixedRows(int n)
{
    n = std::clamp(n, 0, 1);
    if (n == m_fixedRows)
        return;
    const int rows = m_rows;
    m_fixedRows = n;
    horizontalHeader()->setVisible(n == 1);
    m_syncing = true;
    setRowCount(0);
    m_syncing = false;
    setRows(rows);
}

void FlexGrid::setFixedCols(int n)
{
    n = std::clamp(n, 0, 1);
    if (n == m_fixedCols)
        return;
    const int cols = m_cols;
    m_fixedCols = n;
    verticalHeader()->setVisible(n == 1);
    m_syncing = true;
    setColumnCount(0);
    m_syncing = false;
    setCols(cols);
}

void FlexGrid::setFormatString(const QString &format)
{
    const QStringList parts = format.split(QLatin1Char('|'));
    setCols(int(parts.size()));
    const QFontMetrics fm(horizontalHeader()->font());
    m_colAlign.clear();
    for (int c = 0; c < parts.size(); ++c) {
        const Heading h = parseHeading(parts.at(c));
        m_colAlign.append(h.align);
        if (m_fixedRows == 1)
            setTextMatrix(0, c, h.text);
        if (c < m_fixedCols) {
            m_cornerAlign = h.align;
            for (int r = 0; r < rowCount(); ++r)
                if (auto *item = verticalHeaderItem(r))
                    item->setTextAlignment(h.align);
        } else {
            if (auto *item = horizontalHeaderItem(c - m_fixedCols))
                item->setTextAlignment(h.align);
            for (int r = 0; r < rowCount(); ++r)
                if (auto *item = this->item(r, c - m_fixedCols))
                    item->setTextAlignment(h.align);
        }
        setColWidth(c, fm.horizontalAdvance(h.text) + 10);
    }
    viewport()->update();
}

QTableWidgetItem *FlexGrid::itemAt(int row, int col, bool create)
{
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols)
        return nullptr;
    if (row < m_fixedRows) {
        if (col < m_fixedCols)
            return nullptr;  // the corner
        return horizontalHeaderItem(col - m_fixedCols);
    }
    if (col < m_fixedCols)
        return verticalHeaderItem(row - m_fixedRows);
    QTableWidgetItem *it = item(row - m_fixedRows, col - m_fixedCols);
    if (!it && create) {
        it = new QTableWidgetItem;
        if (col < m_colAlign.size())
            it->setTextAlignment(m_colAlign.at(col));
        setItem(row - m_fixedRows, col - m_fixedCols, it);
    }
    return it;
}

QString FlexGrid::textMatrix(int row, int col) const
{
    if (row < m_fixedRows && col < m_fixedCols && row >= 0 && col >= 0)
        return m_corner;
    auto *it = const_cast<FlexGrid *>(this)->itemAt(row, col, false);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (row < m_fixedRows && col < m_fixedCols && row >= 0 && col >= 0) {
        m_corner = text;
        if (auto *button = findChild<QAbstractButton *>())
            button->update();
        return;
    }
    if (auto *it = itemAt(row, col, true))
        it->setText(text);
}

void FlexGrid::setRow(int row) { setCurrentCell(row, m_col); }
void FlexGrid::setCol(int col) { setCurrentCell(m_row, col); }

void FlexGrid::setCurrentCell(int row, int col)
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return;
    moveTo(row, col);
}

void FlexGrid::moveTo(int row, int col)
{
    if (row == m_row && col == m_col)
        return;
    emit leaveCell(m_row, m_col);
    m_row = row;
    m_col = col;
    syncView();
}

void FlexGrid::viewMovesTo(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const int r = index.row() + m_fixedRows;
    const int c = index.column() + m_fixedCols;
    if (r == m_row && c == m_col)
        return;
    emit leaveCell(m_row, m_col);
    m_row = r;
    m_col = c;
}

void FlexGrid::syncView()
{
    m_syncing = true;
    if (m_row >= m_fixedRows && m_col >= m_fixedCols) {
        const QModelIndex idx = model()->index(m_row - m_fixedRows, m_col - m_fixedCols);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    m_syncing = false;
}

QRect FlexGrid::cellRect() const { return cellRect(m_row, m_col); }

QRect FlexGrid::cellRect(int row, int col) const
{
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols)
        return {};
    const QPoint vp = viewport()->geometry().topLeft();
    int x, w, y, h;
    if (col < m_fixedCols) {
        x = verticalHeader()->geometry().left();
        w = verticalHeader()->width();
    } else {
        x = vp.x() + columnViewportPosition(col - m_fixedCols);
        w = columnWidth(col - m_fixedCols);
    }
    if (row < m_fixedRows) {
        y = horizontalHeader()->geometry().top();
        h = horizontalHeader()->height();
    } else {
        y = vp.y() + rowViewportPosition(row - m_fixedRows);
        h = rowHeight(row - m_fixedRows);
    }
    return QRect(x, y, w, h);
}

void FlexGrid::setColWidth(int col, int pixels)
{
    if (col < 0 || col >= m_cols)
        return;
    if (col < m_fixedCols)
        verticalHeader()->setFixedWidth(pixels);
    else
        setColumnWidth(col - m_fixedCols, pixels);
}

QSize FlexGrid::sizeHint() const
{
    const int frame = 2 * frameWidth();
    const int bar = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                        ? 0
                        : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int width = horizontalHeader()->length() + frame + bar;
    if (!verticalHeader()->isHidden())
        width += verticalHeader()->width();
    int height = verticalHeader()->length() + frame;
    if (!horizontalHeader()->isHidden())
        height += horizontalHeader()->sizeHint().height();
    return {width, height};
}

int FlexGrid::colWidth(int col) const
{
    if (col < 0 || col >= m_cols)
        return 0;
    if (col < m_fixedCols)
        return verticalHeader()->width();
    return columnWidth(col - m_fixedCols);
}

int FlexGrid::topRow() const
{
    const int r = rowAt(0);
    return r < 0 ? m_fixedRows : r + m_fixedRows;
}

void FlexGrid::showRow(int row)
{
    if (row >= m_fixedRows && row < m_rows)
        scrollTo(model()->index(row - m_fixedRows, 0));
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex idx = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !idx.isValid()) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    moveTo(idx.row() + m_fixedRows, idx.column() + m_fixedCols);
    QTableWidget::mousePressEvent(event);
    emit gridClick();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex idx = indexAt(event->position().toPoint());
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && idx.isValid())
        emit gridDblClick();
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if (watched == verticalHeader()->viewport()
        && (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int section = verticalHeader()->logicalIndexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && section >= 0) {
            if (t == QEvent::MouseButtonPress)
                emit fixedCellClicked(section + m_fixedRows);
            else
                emit fixedCellDoubleClicked(section + m_fixedRows);
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void FlexGrid::focusInEvent(QFocusEvent *event)
{
    // Not QAbstractItemView's: it would make the first cell current when the
    // current cell stands in the fixed column, raising a move nobody made.
    QWidget::focusInEvent(event);
    viewport()->update();
}
