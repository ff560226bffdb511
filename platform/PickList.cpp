#include "platform/PickList.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

PickList::PickList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (!m_silent && i >= 0 && i < count())
            emit picked(i);
    });
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString &t) {
        if (!m_silent)
            emit textChanged(t);
    });
    // An item shown ends a value shown without one.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            endUnlisted();
    });
}

void PickList::keepSelection(int before)
{
    if (currentIndex() != before)
        setCurrentIndex(before);
}

void PickList::clearList()
{
    const QString old = text();
    m_silent = true;
    clear();
    setCurrentIndex(-1);
    endUnlisted();
    if (m_edit)
        m_edit->setText(QString());
    m_silent = false;
    if (!old.isEmpty())
        emit textChanged(QString());
}

void PickList::addItem(const QString &text) { addItems(QStringList{text}); }

void PickList::addItems(const QStringList &texts)
{
    const int before = currentIndex();
    const QString typed = m_edit ? m_edit->text() : QString();
    m_silent = true;
    QComboBox::addItems(texts);
    keepSelection(before);
    if (m_edit && before < 0)
        m_edit->setText(typed);
    m_silent = false;
}

int PickList::wholeItemsWidth() const
{
    int text = 0;
    for (int i = 0; i < count(); ++i)
        text = std::max(text, fontMetrics().horizontalAdvance(itemText(i)));
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QSize contents(text, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &opt, contents, this).width();
}

void PickList::showIndex(int i)
{
    const QString old = text();
    m_silent = true;
    setCurrentIndex(i >= 0 && i < count() ? i : -1);
    m_silent = false;
    if (text() != old)
        emit textChanged(text());
}

void PickList::showUnlisted(const QString &text)
{
    showIndex(-1);
    setPlaceholderText(text);
    setAccessibleName(text);
}

void PickList::endUnlisted()
{
    if (placeholderText().isEmpty())
        return;
    setPlaceholderText(QString());
    setAccessibleName(QString());
}

void PickList::setListIndex(int i)
{
    if (i < 0 || i >= count()) {
        showIndex(-1);
        return;
    }
    showIndex(i);
    emit picked(i);
}

void PickList::setText(const QString &t)
{
    if (m_edit) {
        const QString old = text();
        m_silent = true;
        setEditText(t);
        m_silent = false;
        if (text() != old)
            emit textChanged(text());
        return;
    }
    int i = findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0) {
        const QString bare = t.trimmed();
        for (int k = 0; k < count() && i < 0; ++k)
            if (itemText(k).trimmed() == bare)
                i = k;
    }
    showIndex(i);
}

void PickList::setTypingAllowed(bool on)
{
    if (on == isEditable())
        return;
    const int before = currentIndex();
    m_silent = true;
    if (on) {
        m_edit = new TextBox(this);
        m_edit->setKeyFilter(m_filter);
        connect(m_edit, &TextBox::enterPressed, this, &PickList::enterPressed);
        setEditable(true);
        setLineEdit(m_edit);
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    } else {
        setEditable(false);  // deletes the edit field
        m_edit = nullptr;
    }
    keepSelection(before);
    m_silent = false;
}

void PickList::setKeyFilter(TextBox::KeyFilter filter)
{
    m_filter = std::move(filter);
    if (m_edit)
        m_edit->setKeyFilter(m_filter);
}

void PickList::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (!m_edit) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            emit enterPressed();
            return;
        }
        // A closed list does not search its items by the letters typed.
        const QString t = event->text();
        if (key != Qt::Key_Space && !t.isEmpty() && t.at(0).isPrint()
            && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->accept();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

void PickList::wheelEvent(QWheelEvent *event)
{
    event->ignore();  // a closed list keeps its value while the form scrolls
}

void PickList::paintEvent(QPaintEvent *event)
{
    // The combo box draws a text without an item in the grey of a hint;
    // here it is a value, drawn as the text of a chosen item is.
    const QString unlisted = unlistedText();
    if (unlisted.isEmpty() || isEditable()) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText = unlisted;
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

void PickList::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit gotFocus();
}

void PickList::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit lostFocus();
}
