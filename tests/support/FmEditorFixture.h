#pragma once
// The FM editor window in a test: the factory image, frm_FM defined
// (offscreen, without a main window unless the test gives an MDI area),
// message boxes recorded, and helpers that click cells and type as a user
// does. Header-only so that the support library needs no channels subsystem.
#include <QTest>

#include "channels/FmEditorWindow.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "platform/Windows.h"
#include "support/GridClick.h"
#include "support/BoxTexts.h"
#include "support/ProgramState.h"

namespace FmEditorFixture {

// Program start as far as the editor needs it, and the window definition.
inline void reset()
{
    resetProgramState();
    Windows::define(QStringLiteral("frm_FM"), Windows::Kind::Child, [] { return new FmEditorWindow; });
}

inline void cleanup() { cleanupProgramState(); }

inline FmEditorWindow *load()
{
    return qobject_cast<FmEditorWindow *>(Windows::load(QStringLiteral("frm_FM")));
}

// A user's click on cell (r, c) of the grid (scrolled into view first),
// where a person sees it; false when something else is there.
[[nodiscard]] inline bool clickCell(FmEditorWindow *w, int r, int c)
{
    return clickGridCellWhereSeen(w->MSF_Chann, r, c);
}

// Bytes 0-15 of FM record n (image row 768 + n).
inline QList<int> record(int n)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << int(MemoryImage[768 + n][c]);
    return b;
}

// Bytes 0-15 of every image row.
inline QList<int> wholeImage()
{
    QList<int> b;
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            b << int(MemoryImage[r][c]);
    return b;
}
}
