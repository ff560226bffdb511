#pragma once
// The 5-tone tests' one set-up. For the window: program start (factory
// image), the window defined and loaded, stand-ins for the image dialogs,
// message boxes recorded, the link bench with the simulated radio at COM1
// (FiveToneBench), and helpers that click controls, cells and tabs where a
// user sees them. For the area's own logic: resetArea().
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
#include "memory/FiveToneDefaults.h"
#include "platform/Language.h"
#include "signalling/FiveToneState.h"
#include "signalling/FiveToneWindow.h"
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/GridClick.h"
#include "support/LinkTestBench.h"
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

// The area's logic without a window: an erased image with the 5-tone
// factory values, the signal file image at program start, English.
inline void resetArea()
{
    resetMemoryState();
    resetFiveToneState();
    LanguageFlag = 0;
    for (auto &row : MemoryImage)
        row.fill(0xFF);
    BuildFiveToneDefaults();
}

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

// A window test derives from it (after QObject) and calls these from its
// init() and cleanup(): the test clock, the simulated radio plugged in at
// COM1 behind fake ports, the program and 5-tone state at program start.
class FiveToneBench : protected LinkTestBench
{
protected:
    void setUpFiveTone()
    {
        setUpBench();
        FiveToneFixture::reset();
        useFakePorts();
        plugRadio(1);
        resetFiveToneState();
    }
    void tearDownFiveTone()
    {
        FiveToneFixture::cleanup();
        tearDownBench();
        Windows::setMdiArea(nullptr);
    }
};
