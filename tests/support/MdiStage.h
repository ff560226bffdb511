#pragma once
// A main window stand-in for window tests: an MDI area of 1280 x 800 (or the
// size given) as its client, shown and active, that child windows open in.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTest>

#include "platform/Windows.h"

struct MainStandIn {
    QMainWindow main;
    QMdiArea *area = new QMdiArea;
    explicit MainStandIn(QSize size = {1280, 800})
    {
        main.setCentralWidget(area);
        main.resize(size);
        main.show();
        Windows::setMdiArea(area);
        QApplication::setActiveWindow(&main);
    }
    ~MainStandIn() { Windows::setMdiArea(nullptr); }
    // Waits until the window manager has made the stand-in the active window.
    [[nodiscard]] bool waitActive() { return QTest::qWaitForWindowActive(&main); }
};
