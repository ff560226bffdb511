#pragma once
// The 5-tone editor window in a test: program start (factory image), the
// window defined and loaded, stand-ins for the image dialogs, message boxes
// recorded, and helpers that click cells and tabs as a user does.
#include <QApplication>
#include <QTabBar>
#include <QTest>

#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "signalling/FiveToneWindow.h"
#include "support/GridClick.h"
#include "support/ProgramState.h"

namespace FiveToneFixture {

// Stands in for the image and option-file dialogs.
class DummyDialog : public Form
{
};

inline void reset()
{
    resetProgramState();
    Windows::define(WindowName::frm_5tone, Windows::Kind::Child, [] { return new FiveToneWindow; });
    for (QLatin1String name : {WindowName::Form_open_chann, WindowName::Form_save_chann,
                               WindowName::Form_open_menu, WindowName::Form_save_menu})
        Windows::define(name, Windows::Kind::TopLevel, [] { return new DummyDialog; });
}

inline void cleanup() { cleanupProgramState(); }

// Loads the window and makes it the active one, as a user's window is.
inline FiveToneWindow *load()
{
    auto *w = qobject_cast<FiveToneWindow *>(Windows::load(WindowName::frm_5tone));
    if (w && !Windows::mdiArea()) {
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            qFatal("the editor did not become active");
    }
    return w;
}

// A user's click on cell (r, c) of a grid.
inline void clickCell(FlexGrid *g, int r, int c)
{
    clickGridCell(g, r, c);
}

// A user's click on tab `index` (0-based) of the tab strip.
inline void clickTab(FiveToneWindow *w, int index)
{
    QTest::mouseClick(w->TabStrip1, Qt::LeftButton, {}, w->TabStrip1->tabRect(index).center());
}

inline QList<int> row(int r)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << int(MemoryImage[r][c]);
    return b;
}

inline QStringList boxTexts()
{
    QStringList l;
    for (const MsgRecord &m : MsgBoxRecorder::boxes())
        l << m.text;
    return l;
}
}
