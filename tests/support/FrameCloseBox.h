#pragma once
// Where a child window's frame shows its close box, and a click on it as a
// user makes it: the pointer comes onto the box first, then presses there.
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>

#include "support/ClickWhereSeen.h"

// The centre of the frame's close box; a null point when it shows none.
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

// Clicks the frame's close box where it is seen. The frame learns from the
// pointer's move which of its title-bar controls lies under it; on a real
// display that move arrives a moment after the pointer was put there, so
// the press waits for it. False when the box is not shown or not clickable.
[[nodiscard]] inline bool clickFrameCloseBox(QMdiSubWindow *frame)
{
    const QPoint box = frame ? frameCloseBoxCentre(frame) : QPoint();
    if (box.isNull())
        return false;
    struct MoveSeen : QObject {
        QPoint at;
        bool seen = false;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::MouseMove && static_cast<QMouseEvent *>(e)->position().toPoint() == at)
                seen = true;
            return false;
        }
    } watch;
    frame->installEventFilter(&watch);
    // The hand comes along the title bar (a pointer already resting on the
    // box would bring no move at all) and onto the box in more than one
    // step: the frame updates what lies under the pointer only on a move
    // that follows one outside its title bar's drag area.
    bool moved = true;
    for (const QPoint at : {QPoint(frame->width() / 3, box.y()), box - QPoint(1, 0), box}) {
        watch.at = at;
        watch.seen = false;
        QTest::mouseMove(frame, at);
        moved = moved && QTest::qWaitFor([&] { return watch.seen; }, 2000);
    }
    frame->removeEventFilter(&watch);
    if (!moved)
        qWarning("the frame never saw the pointer over its close box");
    return moved && clickWhereSeen(frame, box);
}
