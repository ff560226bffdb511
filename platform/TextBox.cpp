#include "platform/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

QString TextBox::filtered(const QString &text) const
{
    if (!m_filter)
        return text;
    QString out;
    for (QChar ch : text) {
        int code = applyFilter(ch.unicode());
        if (code > 0 && code <= 0xFFFF && code != KeyBackspace && code != KeyEnter)
            out += QChar(char16_t(code));
    }
    return out;
}

void TextBox::setPasswordChar(QChar ch)
{
    if (ch.isNull()) {
        setEchoMode(Normal);
        setStyleSheet(QString());
        return;
    }
    setEchoMode(Password);
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                      .arg(int(ch.unicode())));
}

void TextBox::pasteText(const QString &text)
{
    if (isReadOnly())
        return;
    QString t = filtered(text);
    // One line only, as a paste into a line edit.
    t.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QString());
    if (!t.isEmpty())
        insert(t);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        if (applyFilter(KeyEnter) == KeyEnter)
            emit enterPressed();
        return;
    }
    if (key == Qt::Key_Backspace) {
        if (applyFilter(KeyBackspace) == 0) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool isCharacter = !text.isEmpty() && !text.at(0).isNull() && text.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (!isCharacter || !m_filter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString out = filtered(text);
    event->accept();
    if (out == text) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!out.isEmpty() && !isReadOnly())
        insert(out);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!m_filter || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent copy(event->preeditString(), event->attributes());
    copy.setCommitString(filtered(event->commitString()), event->replacementStart(),
                         event->replacementLength());
    QLineEdit::inputMethodEvent(&copy);
    event->accept();
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The window lost the activation (a message box, another program) or a
    // popup opened: the focus is still ours as far as the window goes.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (m_inLostFocus)
        return;
    m_inLostFocus = true;
    emit lostFocus();
    m_inLostFocus = false;
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // The standard paste bypasses the filter; route it through pasteText.
    // The action is known by the paste shortcut the menu shows beside it.
    const QString pasteKey = QLatin1Char('\t')
        + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste") || a->text().endsWith(pasteKey)) {
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this,
                    [this] { pasteText(QApplication::clipboard()->text()); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void TextBox::dropEvent(QDropEvent *event)
{
    if (!m_filter || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString out = filtered(event->mimeData()->text());
    if (out.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData data;
    data.setText(out);
    QDropEvent copy(event->position(), event->dropAction(), &data, event->buttons(),
                    event->modifiers(), event->type());
    QLineEdit::dropEvent(&copy);
    if (copy.isAccepted())
        event->acceptProposedAction();
}
