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
#include <QTimer>

#include "platform/MessageBox.h"

namespace {
// The words a filter gave with its last KeyRefused (the filters run on the
// GUI thread, one at a time, and pass() collects them right after each).
std::optional<BiText> pendingRefusal;

// A filter that refused without words.
constexpr BiText CannotHold{"This box cannot hold that character .", "此处不能输入该字符 ！"};
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

int TextBox::refuse(const BiText &holds)
{
    pendingRefusal = holds;
    return KeyRefused;
}

TextBox::Passed TextBox::pass(const QString &text) const
{
    Passed out;
    if (!m_filter) {
        out.text = text;
        return out;
    }
    for (QChar ch : text) {
        pendingRefusal.reset();
        const int code = applyFilter(ch.unicode());
        if (code == KeyRefused) {
            out.refusal = pendingRefusal.value_or(CannotHold);
            pendingRefusal.reset();
            out.text.clear();
            return out;
        }
        if (code > 0 && code <= 0xFFFF && code != KeyBackspace && code != KeyEnter)
            out.text += QChar(char16_t(code));
    }
    pendingRefusal.reset();
    return out;
}

QString TextBox::filtered(const QString &text) const
{
    return pass(text).text;
}

void TextBox::sayRefused(const BiText &holds)
{
    // Modal: the box's window gets the focus back, on this box, when it
    // closes; nothing of the refused text was inserted.
    MsgBox(holds.text(), MsgIcon::Exclamation, PromptTitleCap);
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
    // One line only, as a paste into a line edit: the line breaks go before
    // the filter sees the characters.
    QString t = text;
    t.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QString());
    const Passed out = pass(t);
    if (out.refusal) {
        sayRefused(*out.refusal);
        return;
    }
    if (!out.text.isEmpty())
        insert(out.text);
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
    const Passed out = pass(text);
    event->accept();
    if (out.refusal) {
        if (!isReadOnly())
            sayRefused(*out.refusal);
        return;
    }
    if (out.text == text) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!out.text.isEmpty() && !isReadOnly())
        insert(out.text);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!m_filter || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const Passed out = pass(event->commitString());
    if (out.refusal) {
        // The composition ends with nothing put in; the box says why.
        QInputMethodEvent none;
        QLineEdit::inputMethodEvent(&none);
        event->accept();
        if (!isReadOnly())
            sayRefused(*out.refusal);
        return;
    }
    QInputMethodEvent copy(event->preeditString(), event->attributes());
    copy.setCommitString(out.text, event->replacementStart(), event->replacementLength());
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
    const Passed out = pass(event->mimeData()->text());
    if (out.refusal) {
        event->ignore();
        // Said once the drag has ended, not inside it.
        if (!isReadOnly())
            QTimer::singleShot(0, this, [this, holds = *out.refusal] { sayRefused(holds); });
        return;
    }
    if (out.text.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData data;
    data.setText(out.text);
    QDropEvent copy(event->position(), event->dropAction(), &data, event->buttons(),
                    event->modifiers(), event->type());
    QLineEdit::dropEvent(&copy);
    if (copy.isAccepted())
        event->acceptProposedAction();
}
