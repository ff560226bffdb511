#pragma once
// The 5-tone editor window in a test: program start (factory image), the
// window defined and loaded, stand-ins for the image dialogs, message boxes
// recorded, and helpers that click controls, cells and tabs where a user
// sees them.
#include <QApplication>
#include <QHeaderView>
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
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/GridClick.h"
#include "support/ProgramState.h"
#include "support/TabClick.h"

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

// A user's click on tab `index` (0-based) of the tab strip, where it is seen.
[[nodiscard]] inline bool clickTab(FiveToneWindow *w, int index)
{
    return clickTabWhereSeen(w->TabStrip1, index);
}

inline QList<int> row(int r)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << int(MemoryImage[r][c]);
    return b;
}
} // namespace FiveToneFixture
