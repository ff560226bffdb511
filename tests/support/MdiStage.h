#pragma once
// A main window stand-in for window tests: an MDI area of 1280 x 800 as its
// client, shown and active, that child windows open in.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTest>

#include "platform/Windows.h"

struct MainStandIn {
    QMainWindow main;
    QMdiArea *area = new QMdiArea;
    MainStandIn()
    {
        main.setCentralWidget(area);
        main.resize(1280, 800);
        main.show();
        Windows::setMdiArea(area);
        QApplication::setActiveWindow(&main);
    }
    ~MainStandIn() { Windows::setMdiArea(nullptr); }
};
