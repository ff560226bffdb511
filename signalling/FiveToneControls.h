#pragma once
// The small builders the 5-tone window and its pages make their controls
// with: a control named for the program, a label with its buddy, a list, a
// grid's hidden in-cell editor, and the design measures in pixels.
#include <QLabel>
#include <QString>
#include <algorithm>

#include "platform/PickList.h"
#include "platform/Screen.h"

namespace FiveToneControls {
inline int px(double twips) { return Screen::toPixels(twips); }

// A width that shows the control's whole caption in the language it was
// given: the design width, or more when the text needs it.
inline int textWidth(QWidget *w, int designWidth) { return std::max(designWidth, w->sizeHint().width()); }

// "name_k", the program's name of element k of a control array.
inline QString indexed(const char *name, int k)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(k);
}

template <class W> W *named(W *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

inline QLabel *label(QWidget *parent, const QString &name, QWidget *buddy = nullptr)
{
    auto *l = named(new QLabel(parent), name);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

inline PickList *pickList(QWidget *parent, const QString &name)
{
    return named(new PickList(parent), name);
}

// An in-cell editor: hidden until a cell opens it, named for screen readers.
template <class W> W *cellEditor(QWidget *parent, const char *name, const char *grid)
{
    auto *w = named(new W(parent), QString::fromLatin1(name));
    w->setAccessibleName(QString::fromLatin1(grid) + QStringLiteral(" cell"));
    w->hide();
    return w;
}
} // namespace FiveToneControls
