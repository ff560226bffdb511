#pragma once
// A user's click on tab i of a tab bar, where a person sees it: the bar must
// be shown and have height, the widget under the tab's centre (in screen
// coordinates) must be the bar itself, and the click is a real mouse press
// and release there. Returns false (with a QTest failure message) when the
// tab cannot be seen or is covered.
#include <QApplication>
#include <QTabBar>
#include <QTest>

inline bool clickTabWhereSeen(QTabBar *bar, int i)
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
    const QPoint global = bar->mapToGlobal(r.center());
    QWidget *under = QApplication::widgetAt(global);
    if (under != bar) {
        qWarning("tab %d is covered by %s", i, under ? qPrintable(under->objectName()) : "nothing");
        return false;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
    return true;
}
