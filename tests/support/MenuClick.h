#pragma once
// A person's way through the main window's menus: the pointer brought onto a
// menu-bar entry and a click there (checked with QApplication::widgetAt, as
// clickWhereSeen does), then a click on an entry of the menu that opens. The
// menu's last Escape-closing leaves the bar as a person leaves it.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "support/ClickWhereSeen.h"

// A click on the menu-bar entry; when it is a menu, the menu must open.
[[nodiscard]] inline bool clickMenuBarWhereSeen(QMainWindow *window, QAction *entry)
{
    QMenuBar *bar = window->menuBar();
    if (!entry || !bar->actions().contains(entry)) {
        qWarning("%s is not on the menu bar", entry ? qPrintable(entry->objectName()) : "(none)");
        return false;
    }
    const QPoint at = bar->actionGeometry(entry).center();
    QTest::mouseMove(bar, at);
    if (!clickWhereSeen(bar, at))
        return false;
    if (entry->menu() && !QTest::qWaitForWindowExposed(entry->menu())) {
        qWarning("the menu %s did not open", qPrintable(entry->objectName()));
        return false;
    }
    return true;
}

// The menu-bar entry, then (item not empty) the entry of that name in its menu.
[[nodiscard]] inline bool chooseMenuEntry(QMainWindow *window, QAction *top, const QString &item = {})
{
    if (!clickMenuBarWhereSeen(window, top))
        return false;
    if (item.isEmpty())
        return true;
    QMenu *menu = top->menu();
    for (QAction *e : menu ? menu->actions() : QList<QAction *>())
        if (e->objectName() == item)
            return clickWhereSeen(menu, menu->actionGeometry(e).center());
    qWarning("%s is not in the menu %s", qPrintable(item), qPrintable(top->objectName()));
    return false;
}

// Closes an open menu with Escape, then leaves the menu bar with a second
// Escape when the bar kept the focus. False when the menu stays open.
[[nodiscard]] inline bool escapeMenu(QMainWindow *window, QMenu *menu)
{
    QTest::keyClick(menu, Qt::Key_Escape);
    if (!QTest::qWaitFor([menu] { return !menu->isVisible(); }))
        return false;
    if (window->menuBar()->hasFocus())
        QTest::keyClick(window->menuBar(), Qt::Key_Escape);
    return true;
}
