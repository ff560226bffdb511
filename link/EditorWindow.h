#pragma once
// The base of every editor window that reads and writes its own stretch of
// the radio: the link controls (ProgressBar1, Label_tr_count,
// Label_PassWord, Text_PassWord, Command_read, Command_Write) with the
// window's serial port, timers and exchange; placement from the main
// window's size; captions from a table by objectName in both languages;
// the busy test and busy box; the exchange stopped when the window unloads;
// and the redraw from the image whenever the window is activated, which
// runs before the click or key that activated it is handled.
//
// A window fills in: its controls, its caption table, its exchange (a row
// of LinkProfile with the window's routines), the image rows it shows and
// its show routine (showImage). Windows with an in-cell grid editor also
// commit and drop its open edit (commitOpenEdit, discardOpenEdit); closing
// the window commits it first.
#include <QList>
#include <QRect>
#include <initializer_list>

#include "link/LinkControls.h"
#include "link/LinkSettings.h"
#include "platform/Language.h"
#include "platform/Windows.h"

class LinkSession;
class QLabel;
class QProgressBar;
class QPushButton;
class TextBox;

class EditorWindow : public Form
{
    Q_OBJECT
public:
    ~EditorWindow() override;

    // The load routine: captions, placement, the exchange reset, the
    // window's own load (loadForm), then the image shown.
    void formLoad() override;
    // Refuses (with unloadBusyText) while the exchange runs. Commits an
    // edit still open, as leaving its cell would: one the rules keep open
    // (with their warning) keeps the window open with it, and closing
    // fails, whether by the close box, a Close button or Windows::unload.
    bool queryUnload() override;
    // Stops the exchange: the port closed, a pending retry dropped.
    void formUnload() override;
    // The redraw on activation (see refresh).
    void formActivate() override;

    // True while the window's read or write runs.
    bool transferBusy() const;
    LinkSession *session() const { return m_session; }

    // Redraws the window from the image now, unless a commit of its own is
    // under way. An open edit survives when the image it belongs to is
    // unchanged, and is dropped when the image was replaced meanwhile.
    void refresh();
    // The image rows the window shows changed since it last showed them.
    bool shownChanged() const;

    // Drops an edit still open in the window (the image was replaced).
    virtual void discardOpenEdit() {}
    // The one stop for an edit kept open, before a save or a write: commits
    // the open edits of `windows`; where one is kept open, its window comes
    // forward with the edit and its warning, and the result is false: the
    // caller must not go on.
    [[nodiscard]] static bool commitOpenEditsOf(const QList<EditorWindow *> &windows);
    // This window's own (its Save and Write buttons).
    [[nodiscard]] bool commitOwnOpenEdit() { return commitOpenEditsOf({this}); }
    // Every open editor window's: before a save of the image or a
    // whole-radio write. And every one dropped, after the image was replaced.
    [[nodiscard]] static bool commitAllOpenEdits();
    static void discardAllOpenEdits();

    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label_tr_count = nullptr;
    QLabel *Label_PassWord = nullptr;
    TextBox *Text_PassWord = nullptr;
    QPushButton *Command_read = nullptr;
    QPushButton *Command_Write = nullptr;

protected:
    // Creates the link controls and the window's port and timers;
    // passwordDesign is the password box's design text.
    explicit EditorWindow(QWidget *parent = nullptr,
                          const QString &passwordDesign = QStringLiteral("468027"));

    // The window's exchange, bound to its controls; the window owns it.
    // Call once, from the constructor. The second form runs the engine as
    // it is.
    void bindLink(LinkSession *session);
    void bindLink(const LinkSettings &settings);
    const LinkControls &linkControls() const { return m_controls; }

    // A push button child named `name` (its caption comes from the table).
    QPushButton *addButton(const char *name);

    // A layout of the window: `content` above, the buttons in a row below it
    // (the password label and box at the row's right end), the progress bar
    // and the status label under them.
    void layOutWithButtonRow(QWidget *content, std::initializer_list<QPushButton *> buttons);
    // The progress bar and the status line keep their room in a layout
    // while they are hidden or empty (layOutWithButtonRow does this).
    void keepRoomForProgress();

    // Closes the window as its Close button does: the port closed when it is
    // open, the window unloaded, then the windows `alsoUnload`. False when
    // the window refused to close.
    bool closeWindow(std::initializer_list<QLatin1String> alsoUnload);

    // The Open and Save buttons: the file dialog `window` brought to the
    // front, refused with busyText while a transfer runs; Save first commits
    // an open edit, so what the window shows is what is saved.
    void openFileDialog(QLatin1String window, const BiText &busyText);
    void saveFileDialog(QLatin1String window, const BiText &busyText);

    // The busy refusal: the box (the exchange stands still while it is
    // open) and true while a transfer runs; false otherwise.
    bool refuseWhileBusy(const BiText &text);
    void busyBox(const BiText &text);
    // The text of the refusal when the window is closed mid-exchange.
    virtual BiText unloadBusyText() const;

    // The image rows the window shows (MemoryImage rows first..first+count-1);
    // the activation redraw compares them.
    void watchRows(int firstRow, int count);

    // The window's part of the load routine, before the image is shown.
    virtual void loadForm() {}
    // The window's show routine: every control from the image.
    virtual void showImage() = 0;
    // The activation redraw; the default is showImage. A window with an
    // in-cell editor redraws without committing or moving an open edit.
    virtual void redisplay() { showImage(); }
    // True while a commit of the window's own runs (a warning box open in
    // the middle of it): no redraw then.
    virtual bool editing() const { return false; }
    // The image as now shown: the activation redraw compares against it.
    void rememberShown();

    // Commits an edit still open in the window: false when the edit may be
    // neither stored nor dropped (a code of the wrong length stays open
    // with its warning), and the save, write or close must not go on.
    // Only commitOpenEditsOf calls it (through commitOwnOpenEdit or
    // commitAllOpenEdits), which brings a window with a kept edit forward.
    [[nodiscard]] virtual bool commitOpenEdit() { return true; }

    bool event(QEvent *event) override;

private:
    quint64 shownHash() const;
    // Called by the program-wide filter before a mouse press reaches a
    // control of this window.
    void beforeInput();
    friend class EditorInputFilter;

    LinkControls m_controls;
    LinkSession *m_session = nullptr;
    QList<QPair<int, int>> m_rows;
    quint64 m_shown = 0;
    bool m_refreshing = false;
};
