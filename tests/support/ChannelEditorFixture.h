#pragma once
// The channel editor window in a test: the factory image, the start-up band
// limits, frm_chann loaded (offscreen, without a main window), message boxes
// recorded, and helpers that click cells, type and leave as a user does.
// Header-only so that the support library needs no channels subsystem.
#include <QCoreApplication>
#include <QHeaderView>
#include <QTest>

#include "channels/ChannelEditorWindow.h"
#include "platform/GridCellEditor.h"
#include "link/LinkState.h"
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/Windows.h"
#include "support/GridClick.h"
#include "support/BoxTexts.h"
#include "support/ProgramState.h"

namespace ChannelEditorFixture {

// Program start as far as the editor needs it, and the window definition.
inline void reset()
{
    resetProgramState();
    Windows::define(QStringLiteral("frm_chann"), Windows::Kind::Child,
                    [] { return new ChannelEditorWindow; });
}

// Closes the windows and deletes them, as the event loop would.
inline void cleanup() { cleanupProgramState(); }

inline ChannelEditorWindow *load()
{
    return qobject_cast<ChannelEditorWindow *>(Windows::load(QStringLiteral("frm_chann")));
}

// A user's click on cell (r, c) of the grid (scrolled into view first),
// where the cell is seen; false when something covers it.
[[nodiscard]] inline bool clickCell(ChannelEditorWindow *w, int r, int c)
{
    return clickGridCellWhereSeen(w->MSF_Chann, r, c);
}

// Types into the open text box or list (the keys go to whichever is shown).
inline void type(ChannelEditorWindow *w, const QString &keys)
{
    if (w->Text_Edit->isVisible())
        QTest::keyClicks(w->Text_Edit, keys);
    else
        QTest::keyClicks(w->Combo_edit, keys);
}

inline void enter(ChannelEditorWindow *w)
{
    if (w->Text_Edit->isVisible())
        QTest::keyClick(w->Text_Edit, Qt::Key_Return);
    else
        QTest::keyClick(w->Combo_edit, Qt::Key_Return);
}

// Leaves the edited cell by clicking a cell of the last row's number-free
// columns, which opens no editor on an empty last row.
[[nodiscard]] inline bool leave(ChannelEditorWindow *w, int r = 0)
{
    return clickCell(w, r > 0 ? r : ChannelCount - 1, 12);
}

// Bytes 0-15 of a MemoryImage row.
inline QList<int> row(int r)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << int(MemoryImage[r][c]);
    return b;
}
}
