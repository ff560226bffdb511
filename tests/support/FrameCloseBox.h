#pragma once
// Where a child window's frame shows its close box, for a test that clicks
// it as a user does; a null point when the frame shows none.
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

inline QPoint frameCloseBoxCentre(QMdiSubWindow *frame)
{
    QStyleOptionTitleBar option;
    option.initFrom(frame);
    option.titleBarFlags = frame->windowFlags();
    option.titleBarState = int(frame->windowState());
    option.text = frame->windowTitle();
    option.rect = QRect(0, 0, frame->width(),
                        frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame));
    const QRect box = frame->style()->subControlRect(QStyle::CC_TitleBar, &option,
                                                     QStyle::SC_TitleBarCloseButton, frame);
    return box.isValid() ? box.center() : QPoint();
}
