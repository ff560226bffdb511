#pragma once
// A user's click on a control where a person sees it: the widget under the
// point (in screen coordinates) must be the control itself, not whatever lies
// over it, and the click is a real mouse press and release (or a double
// click) there. False, with a warning naming what covers the control, when
// it cannot be clicked.
#include <QApplication>
#include <QTest>
#include <QWidget>

[[nodiscard]] inline bool clickWhereSeen(QWidget *control, QPoint at = {-1, -1}, bool twice = false)
{
    if (!control || !control->isVisible() || control->width() <= 0 || control->height() <= 0) {
        qWarning("%s is hidden or has no size", control ? qPrintable(control->objectName()) : "(none)");
        return false;
    }
    // A person clicks a window once it is on the screen.
    if (!QTest::qWaitForWindowExposed(control->window())) {
        qWarning("the window of %s is not on the screen", qPrintable(control->objectName()));
        return false;
    }
    if (at == QPoint(-1, -1))
        at = control->rect().center();
    QWidget *under = QApplication::widgetAt(control->mapToGlobal(at));
    if (under != control) {
        qWarning("%s is covered by %s", qPrintable(control->objectName()),
                 under ? qPrintable(under->objectName() + "/" + under->metaObject()->className()) : "nothing");
        return false;
    }
    if (twice) {
        QTest::mouseClick(control, Qt::LeftButton, {}, at);
        QTest::mouseDClick(control, Qt::LeftButton, {}, at);
        QTest::mouseRelease(control, Qt::LeftButton, {}, at);  // the second release, as a hand lifts
    } else {
        QTest::mouseClick(control, Qt::LeftButton, {}, at);
    }
    return true;
}
