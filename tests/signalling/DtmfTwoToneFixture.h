#pragma once
// The DTMF and 2-tone editors in a test: program start, the editor's
// window defined (with stand-ins for the image file dialogs), helpers for
// image rows and recorded message boxes, an MDI area to show windows in,
// and clicks on controls, grid cells and row numbers where they are seen.
// (Whether each caption shows whole is checked for every window in
// tests/app/tst_controls.cpp.)
#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/GridClick.h"
#include "support/MdiStage.h"
#include "support/ProgramState.h"

namespace DtmfTwoToneFixture {

// A window that stands for a dialog or for another editor.
class OtherForm : public Form
{
};

// Program start, the window `name` defined with `make`, the image dialogs
// and the ".menu" dialogs as stand-ins, and a plain child window "other".
template <class Make>
void reset(QLatin1String name, Make make)
{
    resetProgramState();
    Windows::define(name, Windows::Kind::Child, make);
    Windows::define(WindowName::Form_open_chann, Windows::Kind::Child, [] { return new OtherForm; });
    for (QLatin1String top : {WindowName::Form_save_chann, WindowName::Form_open_menu,
                              WindowName::Form_save_menu})
        Windows::define(top, Windows::Kind::TopLevel, [] { return new OtherForm; });
    Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new OtherForm; });
}

inline void cleanup()
{
    cleanupProgramState();
    Windows::setMdiArea(nullptr);
}

// The main-window stand-in, waited for until it is active; the windows
// opened in it are unloaded when it goes.
struct MdiHost : MainStandIn {
    MdiHost()
    {
        if (!waitActive())
            qFatal("the main window did not become active");
    }
    ~MdiHost()
    {
        Windows::reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool active(QWidget *w) const { return area->activeSubWindow() == Windows::frameOf(w); }
};

// Moves the window that holds w inside the MDI area, as a user drags it,
// until w lies whole on the screen (the test screen is smaller than the
// main window). False when it cannot be brought there.
inline bool bringOnScreen(QWidget *w)
{
    const QRect screen = w->screen()->geometry();
    const QRect at(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (screen.contains(at))
        return true;
    QMdiSubWindow *frame = nullptr;
    for (QWidget *p = w; p && !frame; p = p->parentWidget())
        frame = Windows::frameOf(p);
    if (!frame)
        return false;
    const int dx = qMax(0, at.right() - screen.right()) - qMax(0, screen.left() - at.left());
    const int dy = qMax(0, at.bottom() - screen.bottom()) - qMax(0, screen.top() - at.top());
    frame->move(frame->pos() - QPoint(dx, dy));
    return screen.contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

// A user's click on a control: its window moved first, as a user drags it,
// when the control lies off the test screen; then a click where it is seen.
[[nodiscard]] inline bool clickOnScreen(QWidget *control)
{
    if (!bringOnScreen(control)) {
        qWarning("%s cannot be brought on screen", qPrintable(control->objectName()));
        return false;
    }
    return clickWhereSeen(control);
}

// A user's click on cell (r, c) of a grid (scrolled into view first),
// where it is seen; false when something else lies there.
[[nodiscard]] inline bool clickCell(FlexGrid *g, int r, int c)
{
    return clickGridCellWhereSeen(g, r, c);
}

// A click (twice: then a double click) on the number of row r (the grid's
// fixed column), where it is seen.
[[nodiscard]] inline bool clickRowNumber(FlexGrid *g, int r, bool twice = false)
{
    return clickGridCellWhereSeen(g, r, 0, twice);
}

inline QList<int> row(int r)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << int(MemoryImage[r][c]);
    return b;
}

// Rows first..first+count-1 of the image.
inline QList<QList<int>> rows(int first, int count)
{
    QList<QList<int>> all;
    for (int r = first; r < first + count; ++r)
        all << row(r);
    return all;
}
} // namespace DtmfTwoToneFixture
