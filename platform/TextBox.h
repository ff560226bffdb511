#pragma once
// A one-line text box for the editors: a key filter that every typed key,
// pasted text and dropped text passes through, an Enter event, and got-focus /
// lost-focus events that fire once per real move of the focus inside the
// program's windows (a message box taking the focus for a moment is not one).
// A character the box cannot hold is refused in words, once, for the whole
// text it came in: see KeyRefused.
#include <QLineEdit>
#include <functional>
#include <optional>

#include "platform/Language.h"

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    // Key codes as a filter sees them: the character's Unicode value, and
    // these two for the keys that are not characters.
    static constexpr int KeyBackspace = 8;
    static constexpr int KeyEnter = 13;
    // A filter's answer for a character the box cannot hold (give it with
    // refuse()). The whole text the character came in - the key, the paste,
    // the drop, the input-method commit - is refused: nothing of it is
    // inserted, the text, caret and selection stay as they were, and one
    // message box (exclamation icon, the prompt title) says `holds`: which
    // characters the box can hold. A 0 answer, by contrast, drops a key
    // without a word (a box that takes only digits, a box that is full).
    static constexpr int KeyRefused = -1;
    // For a filter: returns KeyRefused, noting the words the refusal shows.
    static int refuse(const BiText &holds);

    // Called for each typed key and for each character of a paste, a drop or
    // an input-method commit. Returns the code to use instead (the same code
    // to let it pass), 0 to discard it, or KeyRefused. Clipboard shortcuts, cursor keys
    // and Delete never reach the filter: Ctrl+V is a paste, not the letter v.
    using KeyFilter = std::function<int(int key)>;

    explicit TextBox(QWidget *parent = nullptr);

    void setKeyFilter(KeyFilter filter) { m_filter = std::move(filter); }
    void clearKeyFilter() { m_filter = nullptr; }
    bool hasKeyFilter() const { return bool(m_filter); }

    // Runs text through the filter as if it had been typed; returns what
    // would be inserted (nothing when a character of it is refused). Without
    // a filter the text comes back unchanged.
    QString filtered(const QString &text) const;

    // Shows every character as ch (a password box shows "*").
    void setPasswordChar(QChar ch);

    // Inserts text at the cursor through the filter, like a paste (a refused
    // character refuses it whole, with the box's words).
    void pasteText(const QString &text);

signals:
    // Enter passed the filter. QLineEdit's returnPressed/editingFinished are
    // not raised by this box; this is its Enter event.
    void enterPressed();
    void gotFocus();
    // The focus went to another control of the program. Not raised when a
    // message box or another application takes the focus for a while (the
    // box keeps the focus in its window's view), nor again while a handler of
    // this signal is still running.
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int applyFilter(int key) const { return m_filter ? m_filter(key) : key; }
    // What the filter makes of a text: the characters to insert, or the
    // words of its refusal.
    struct Passed {
        QString text;
        std::optional<BiText> refusal;
    };
    Passed pass(const QString &text) const;
    // The message box of a refused text; the box keeps what it held.
    void sayRefused(const BiText &holds);

    KeyFilter m_filter;
    bool m_inLostFocus = false;
};
