#pragma once
// The alignment editor in a test: program start (factory image, messages
// recorded, English), frm_Adj_Txp defined, and stand-ins for the ".adj" and
// ".menu" dialogs that its buttons open and close; helpers to read the block
// and to find the tick square of a check box, where a person clicks it.
// Header-only so that the support library needs no alignment subsystem.
#include <QCheckBox>
#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "alignment/AdjustEditorWindow.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/Windows.h"
#include "support/BoxTexts.h"
#include "support/ProgramState.h"

namespace AdjustEditorFixture {

// The dialogs the editor opens and closes by name.
inline const char *const Dialogs[] = {"Form_open_adj", "Form_save_adj", "Form_open_menu", "Form_save_menu"};

inline void define()
{
    Windows::define(QStringLiteral("frm_Adj_Txp"), Windows::Kind::Child,
                    [] { return new AdjustEditorWindow; });
    for (const char *d : Dialogs)
        Windows::define(QString::fromLatin1(d), Windows::Kind::TopLevel, [] { return new Form; });
}

inline void reset()
{
    resetProgramState();
    define();
}

inline void cleanup() { cleanupProgramState(); }

inline AdjustEditorWindow *load()
{
    return qobject_cast<AdjustEditorWindow *>(Windows::load(QStringLiteral("frm_Adj_Txp")));
}

// Rows 0-31, columns 0-15 of AdjustImage.
inline QList<int> block()
{
    QList<int> out;
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 16; ++c)
            out << AdjustImage[r][c];
    return out;
}

inline QList<int> cells(int row, int from, int count)
{
    QList<int> out;
    for (int c = from; c < from + count; ++c)
        out << AdjustImage[row][c];
    return out;
}

// The middle of a check box's tick square.
inline QPoint indicatorCentre(QCheckBox *box)
{
    QStyleOptionButton opt;
    opt.initFrom(box);
    opt.text = box->text();
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).center();
}

}
