#pragma once
// A user's click on tab i of a tab bar, where a person sees it: the bar must
// be shown and have height, the tab must lie within it, and the widget under
// the tab's centre must be the bar itself (clickWhereSeen). False, with a
// warning, when the tab cannot be seen or is covered.
#include <QTabBar>

#include "support/ClickWhereSeen.h"

[[nodiscard]] inline bool clickTabWhereSeen(QTabBar *bar, int i)
{
    if (!bar || !bar->isVisible() || bar->height() <= 0 || i < 0 || i >= bar->count()) {
        qWarning("tab bar hidden, empty or without height");
        return false;
    }
    const QRect r = bar->tabRect(i);
    if (r.isEmpty() || !bar->rect().contains(r.center())) {
        qWarning("tab %d lies outside its bar", i);
        return false;
    }
    return clickWhereSeen(bar, r.center());
}
