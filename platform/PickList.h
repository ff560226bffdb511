#pragma once
// A drop-down list whose value is the 0-based index of its selected item.
//
// - picked(i) is the list's Click: raised when the user picks an item (mouse,
//   cursor keys) and when the program selects one with setListIndex. It is
//   the only place an editor stores the list's value.
// - Filling the list (addItem, addItems, clearList) never raises picked and
//   never changes the selection: an empty list filled stays unselected.
// - An index outside the list (a corrupt byte, say) shows no selection and
//   raises nothing, so nothing is stored for it; the list never stores -1.
// - A value without an item (showUnlisted) is shown as the list's text, drawn
//   as a chosen item is, with no item selected, until an item is shown.
// - Typing is refused by default: letters typed on the closed list pick
//   nothing and the wheel does not turn a closed list. setTypingAllowed(true)
//   gives the list an edit field (a TextBox) whose keys and pastes pass the
//   list's key filter.
#include "platform/TextBox.h"

#include <QComboBox>

class PickList : public QComboBox
{
    Q_OBJECT
public:
    explicit PickList(QWidget *parent = nullptr);

    // Filling. None of these raises picked.
    void clearList();  // no items, no selection, empty text
    void addItem(const QString &text);
    void addItems(const QStringList &texts);
    int listCount() const { return count(); }
    QString listItem(int i) const { return itemText(i); }
    // The width the closed list needs to show its longest item whole.
    int wholeItemsWidth() const;

    // The selected item's index, -1 when none is selected.
    int listIndex() const { return currentIndex(); }
    // Selects item i and raises picked(i), as a user's pick does. An index
    // outside 0..listCount()-1 clears the selection and raises nothing.
    void setListIndex(int i);
    // Shows item i without raising picked (outside the list: no selection).
    void showIndex(int i);
    // Shows `text` as the list's value with no item selected (a value the
    // list has no item for), drawn in the colour of a chosen item and given
    // to a screen reader as the list's name; raises nothing. Showing or
    // picking an item ends it.
    void showUnlisted(const QString &text);
    // The text shown without an item; empty while an item (or nothing) is shown.
    QString unlistedText() const { return currentIndex() < 0 ? placeholderText() : QString(); }

    // The list's text: the selected item's text, or what was typed.
    QString text() const { return currentText(); }
    // Sets the text without raising picked: with typing allowed the edit
    // field takes it as it is; otherwise the item with that text is shown,
    // or no selection when no item has it.
    void setText(const QString &text);

    void setTypingAllowed(bool on);
    bool typingAllowed() const { return isEditable(); }
    // The filter for the edit field's keys (see TextBox::KeyFilter). Kept
    // while typing is switched off and on again.
    void setKeyFilter(TextBox::KeyFilter filter);
    TextBox *textBox() const { return m_edit; }  // nullptr while typing is refused

signals:
    void picked(int index);
    // The list's text changed, whatever changed it (the Change event).
    void textChanged(const QString &text);
    // Enter on the list or in its edit field.
    void enterPressed();
    void gotFocus();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void keepSelection(int before);
    // Drops a value shown without an item (its text and its spoken name).
    void endUnlisted();

    TextBox *m_edit = nullptr;
    TextBox::KeyFilter m_filter;
    bool m_silent = false;
};
