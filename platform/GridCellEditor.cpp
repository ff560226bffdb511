#include "platform/GridCellEditor.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/FlexGrid.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

void GridCellRules::pick(GridCellEditor &, int, int, int) {}

void GridCellRules::enter(GridCellEditor &editor, int, int, bool)
{
    editor.hideEditor();
}

int GridCellRules::keyFilter(int, int, int key) { return key; }

GridCellEditor::GridCellEditor(FlexGrid *grid, TextBox *text, PickList *list, GridCellRules *rules,
                               QObject *parent)
    : QObject(parent), m_grid(grid), m_text(text), m_list(list), m_rules(rules)
{
    auto filter = [this](int key) { return m_rules->keyFilter(m_row, m_col, key); };
    m_text->setKeyFilter(filter);
    m_text->installEventFilter(this);
    if (m_list) {
        m_list->setKeyFilter(filter);
        m_list->installEventFilter(this);
    }
    m_grid->installEventFilter(this);
    connect(m_grid, &FlexGrid::gridClick, this, &GridCellEditor::open);
    connect(m_grid, &FlexGrid::scrolled, this, &GridCellEditor::follow);
    connect(m_grid, &FlexGrid::leaveCell, this, &GridCellEditor::leaveCell);
    if (m_list) {
        connect(m_list, &PickList::picked, this, &GridCellEditor::picked);
        connect(m_list, &PickList::enterPressed, this, &GridCellEditor::enterPressed);
    }
    connect(m_text, &TextBox::enterPressed, this, &GridCellEditor::enterPressed);
}

QString GridCellEditor::text() const
{
    switch (m_open) {
    case CellEditorChoice::Text: return m_text->text();
    case CellEditorChoice::List: return m_list->text();
    default: return QString();
    }
}

void GridCellEditor::setText(const QString &text)
{
    if (m_open == CellEditorChoice::Text)
        m_text->setText(text);
    else if (m_open == CellEditorChoice::List)
        m_list->setText(text);
}

QWidget *GridCellEditor::openWidget() const
{
    switch (m_open) {
    case CellEditorChoice::Text: return m_text;
    case CellEditorChoice::List: return m_list;
    default: return nullptr;
    }
}

bool GridCellEditor::editorHasFocus() const
{
    // The window's focus widget, also while the window is not the active one.
    const QWidget *f = m_grid->window()->focusWidget();
    return f && (f == m_text || (m_list && (f == m_list || m_list->isAncestorOf(f))));
}

void GridCellEditor::open()
{
    if (m_returnPending) {
        // The click took the grid off a cell whose edit was refused: the
        // grid goes back to that cell and its editor, and opens nothing else.
        returnToCell();
        return;
    }
    const int r = m_grid->row();
    const int c = m_grid->col();
    if (isOpen() && r == m_row && c == m_col) {
        m_hidden = false;  // the pending edit of this cell, shown again
        follow();
        if (QWidget *w = openWidget())
            w->setFocus(Qt::OtherFocusReason);
        return;
    }
    close();
    m_row = r;
    m_col = c;
    CellEditorChoice choice = m_rules->editorFor(r, c);
    if (choice.kind == CellEditorChoice::List && !m_list)
        choice.kind = CellEditorChoice::None;  // a grid without a list editor
    const QString cell = m_grid->textMatrix(r, c);
    if (choice.kind == CellEditorChoice::Text) {
        m_text->setText(cell);
    } else if (choice.kind == CellEditorChoice::List) {
        m_list->setTypingAllowed(choice.typing);
        if (TextBox *typed = m_list->textBox())
            typed->installEventFilter(this);
        m_list->clearList();
        m_list->addItems(choice.items);
        if (!choice.blank)
            m_list->setText(cell);
    } else {
        return;
    }
    m_open = choice.kind;
    m_openedText = text();
    QWidget *w = openWidget();
    // An in-cell editor has no caption label: a screen reader hears the
    // column's heading and the row's instead.
    w->setAccessibleName(m_grid->textMatrix(0, c) + QLatin1Char(' ') + m_grid->textMatrix(r, 0));
    follow();
    w->setFocus(Qt::OtherFocusReason);
    if (choice.kind == CellEditorChoice::List && choice.select >= 0)
        m_list->setListIndex(choice.select);  // raises picked: stored as a user's pick
    selectWholeText();
}

TextBox *GridCellEditor::typedBox() const
{
    switch (m_open) {
    case CellEditorChoice::Text: return m_text;
    case CellEditorChoice::List: return m_list->textBox();
    default: return nullptr;
    }
}

void GridCellEditor::selectWholeText()
{
    // Typing replaces what the cell held; the caret keys move inside it.
    if (TextBox *box = typedBox())
        box->selectAll();
    m_pressesSinceOpen = 0;
}

void GridCellEditor::openAt(int row, int col)
{
    m_grid->setCurrentCell(row, col);
    open();
}

void GridCellEditor::follow()
{
    QWidget *w = openWidget();
    if (!w)
        return;
    const QRect cell = m_grid->cellRect(m_row, m_col);
    const QRect view = m_grid->viewport()->geometry();
    const bool inView = cell.isValid() && view.contains(cell.center());
    if (m_hidden || !inView) {
        if (editorHasFocus())
            m_grid->setFocus(Qt::OtherFocusReason);
        w->hide();
        return;
    }
    const QPoint at = m_grid->mapTo(w->parentWidget(), cell.topLeft());
    const int height = w == m_text ? cell.height() : w->sizeHint().height();
    w->setGeometry(at.x(), at.y(), cell.width(), height);
    w->show();
    w->raise();
}

void GridCellEditor::hideEditor()
{
    if (!isOpen())
        return;
    m_hidden = true;
    follow();
    if (editorHasFocus())
        m_grid->setFocus(Qt::OtherFocusReason);
}

void GridCellEditor::close()
{
    if (editorHasFocus())
        m_grid->setFocus(Qt::OtherFocusReason);
    m_text->hide();
    if (m_list)
        m_list->hide();
    m_open = CellEditorChoice::None;
    m_hidden = false;
    m_returnPending = false;
    m_text->setText(QString());
    if (m_list)
        m_list->clearList();
}

void GridCellEditor::leaveCell(int row, int col) { leave(row, col, true); }

bool GridCellEditor::leave(int row, int col, bool moving)
{
    if (!isOpen() || row != m_row || col != m_col)
        return true;  // no editor was opened on the cell being left
    if (m_leaving) {
        // A move while this cell's own commit (its warning) is still open.
        if (moving)
            m_returnPending = true;
        return false;
    }
    m_leaving = true;
    ++m_busy;
    m_stay = false;
    if (changed())
        m_rules->commit(*this, row, col, text());
    const bool stay = m_stay && isOpen() && m_row == row && m_col == col;
    m_stay = false;
    if (stay) {
        m_hidden = false;
        if (moving) {
            // The grid moves on once this returns; it is brought back after
            // the move: at once for a click (open), else from the event loop.
            m_returnPending = true;
            QMetaObject::invokeMethod(this, &GridCellEditor::returnToCell, Qt::QueuedConnection);
            follow();
            if (QWidget *w = openWidget(); w && w->isVisible())
                w->setFocus(Qt::OtherFocusReason);
        } else {
            reveal();
        }
    } else if (m_row == row && m_col == col) {
        close();
    }
    --m_busy;
    m_leaving = false;
    emit imageWritten();
    return !stay;
}

void GridCellEditor::returnToCell()
{
    if (!m_returnPending)
        return;
    m_returnPending = false;
    if (!isOpen())
        return;
    if (m_grid->row() != m_row || m_grid->col() != m_col)
        m_grid->setCurrentCell(m_row, m_col);  // the cell moved to is left: it has no editor
    reveal();
}

void GridCellEditor::reveal()
{
    m_hidden = false;
    m_grid->scrollTo(m_grid->model()->index(m_row - m_grid->fixedRows(), m_col - m_grid->fixedCols()));
    follow();
    if (QWidget *w = openWidget(); w && w->isVisible())
        w->setFocus(Qt::OtherFocusReason);
}

bool GridCellEditor::commitOpenEdit()
{
    return !isOpen() || leave(m_row, m_col, false);
}

void GridCellEditor::discardOpenEdit() { close(); }

void GridCellEditor::picked(int index)
{
    if (m_open != CellEditorChoice::List)
        return;
    ++m_busy;
    m_rules->pick(*this, m_row, m_col, index);
    --m_busy;
    emit imageWritten();
}

void GridCellEditor::enterPressed()
{
    if (!isOpen())
        return;
    ++m_busy;
    m_rules->enter(*this, m_row, m_col, changed());
    --m_busy;
    emit imageWritten();
}

bool GridCellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (!isOpen())
        return QObject::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();  // the key is the editor's, whatever shortcut the window has
        return true;
    }
    if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Escape abandons the edit, shown or hidden by Return: the cell and
        // the image keep what they held.
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            discardOpenEdit();
            return true;
        }
        // Tab in an in-cell editor commits it and gives the focus back to the
        // grid, instead of to the window's next button.
        if (watched != m_grid && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            m_grid->setFocus(Qt::TabFocusReason);
            // An edit the rules keep open has taken the focus back.
            (void)commitOpenEdit();
            return true;
        }
    } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
               && watched != m_grid && watched == typedBox()) {
        // The second press of a double click whose first press opened the
        // editor lands in the editor: the whole text stays selected, where
        // the box would put the caret and select one word.
        if (type == QEvent::MouseButtonPress) {
            ++m_pressesSinceOpen;
        } else if (type == QEvent::MouseButtonDblClick && m_pressesSinceOpen <= 1) {
            typedBox()->selectAll();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
