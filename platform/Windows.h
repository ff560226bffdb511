#pragma once
// The window registry: every window of the system exists at most once and is
// reached by name. Loading an open window does nothing (no second load
// routine, no raise); unloading a closed one does nothing. Child windows live
// in the main window's QMdiArea; top-level windows are parentless and outlive
// the main window.
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "platform/Language.h"

class QMdiArea;
class QMdiSubWindow;

// The events a window of the system can handle.
class FormBehaviour
{
public:
    virtual ~FormBehaviour() = default;
    // The load routine: runs once each time the window is loaded, before it shows.
    virtual void formLoad() {}
    // Asked before the window unloads; false keeps it open.
    virtual bool queryUnload() { return true; }
    // Runs when the window unloads, after queryUnload agreed.
    virtual void formUnload() {}
    // Runs each time the window becomes the active one.
    virtual void formActivate() {}
};

// One caption: the control's objectName ("" for the window's title) and its
// text in both languages.
struct Caption {
    const char *name;
    BiText text;
};

// Base of every window except the main window. Closing it from its title bar
// goes through the same unload handling as Windows::unload.
// Every window also takes its captions from a table by objectName, and its
// place from the main window.
class Form : public QWidget, public FormBehaviour
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // The captions: objectName -> text ("" names the window's title), set
    // now and again by applyCaptions (a window's load routine). A control
    // that is not found stops the program: a test catches it.
    void setCaptions(std::initializer_list<Caption> captions);
    void applyCaptions();

    // Where the window stands: its size and position in the main window's
    // client area (a top-level window: on the screen), applied now and to
    // its frame when it shows. Shown, the window keeps the placement's
    // width and is only as tall as its contents (contentHeight), about the
    // placement's centre; it grows past the placement, about its centre,
    // only as far as its contents' minimum size needs.
    void setPlacement(const QRect &placement);
    // The main window's outer size scaled by the screen against a design
    // screen (14500 x 9500 twips by default), centred in the client area.
    void placeFromMainWindow(double designWidthTwips = 14500, double designHeightTwips = 9500);
    // A size in twips, centred in the client area.
    void placeCentred(int widthTwips, int heightTwips);
    // The height the window's contents take at `width` (frame excluded):
    // its layout's preferred height, or for a window placed by hand, down
    // to its lowest shown control and a margin under it.
    virtual int contentHeight(int width) const;

private:
    QList<Caption> m_captions;
    QRect m_placement;
};

namespace Windows {
enum class Kind { Child, TopLevel };
using Factory = std::function<QWidget *()>;

// Declares a window: its name, where it lives and how to build it. The
// factory's widget must derive from FormBehaviour.
void define(const QString &name, Kind kind, Factory factory);
bool defined(const QString &name);

// Creates the window, runs its load routine and shows it; does nothing but
// return the open instance when it is already loaded. nullptr when the name
// is unknown.
QWidget *load(const QString &name);
// Closes the window with its unload handling. Returns true when the window is
// closed afterwards (also when it was not open), false when it refused.
bool unload(const QString &name);
// Loads the window when it is not open, then brings it to the front: the
// Show of a window, where load alone leaves an open window where it is.
QWidget *show(const QString &name);
void reload(const QString &name);  // unload, then load
bool isLoaded(const QString &name);
QWidget *find(const QString &name);
template <class T> T *get(const QString &name) { return qobject_cast<T *>(find(name)); }

// The main window hands over its MDI area; child windows go there.
void setMdiArea(QMdiArea *area);
QMdiArea *mdiArea();
QMdiSubWindow *frameOf(QWidget *child);  // nullptr for top-level windows
// The main window's client area size in pixels (the screen's before it exists).
QSize clientSize();
// The main window's outer size in pixels (the screen's before it exists).
QSize mainWindowSize();
// Names of the open child windows, in the order they were loaded.
QStringList openChildren();

// Called by Form::closeEvent: runs the unload handling, returns false to refuse.
bool handleClose(QWidget *window);

// Tests: closes every open window without asking and forgets the definitions.
void reset();
}
