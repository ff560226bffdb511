#pragma once
// The main window's menu tree and toolbar: every entry by name with its
// design caption and its captions in both languages, the entries that are
// never offered, and the language texts of the window (title, panel labels).
#include <QString>
#include <QList>

class QMainWindow;
class QAction;
class QToolBar;

struct MenuEntry {
    const char *name;     // the entry's object name
    const char *parent;   // the menu it sits in, nullptr on the menu bar
    const char *design;   // caption when the window is created
    const char *english;  // caption the English command writes, nullptr: never written
    const char *chinese;  // caption the Chinese command writes
    bool offered;         // false: created hidden and disabled
};

// The tree left to right, each submenu's entries after their menu. The
// Window menu holds Cascade and Tile; the main window lists its open child
// windows below them each time the menu opens.
const QList<MenuEntry> &MenuTree();

// The entries whose English caption the start-up writes, in its order.
const QStringList &StartupCaptionEntries();

// Builds the menu bar of the window from MenuTree(). Every entry is a QAction
// named after the entry (a submenu's action carries the submenu's name).
void BuildMenus(QMainWindow *window);
QAction *MenuAction(QMainWindow *window, const QString &name);

// The toolbar's eight buttons by key, left to right.
const QStringList &ToolbarKeys();
QToolBar *BuildToolbar(QMainWindow *window);

// Writes the captions of the named entries (every entry with a caption pair
// when empty) in the language given (true: Chinese).
void WriteMenuCaptions(QMainWindow *window, bool chinese, const QStringList &only = {});

// The main window's title and panel labels in both languages.
QString MainWindowTitle(bool chinese);
// Labels of panels 1, 3, 5, 7 and 9.
QString PanelLabel(int panel, bool chinese);
