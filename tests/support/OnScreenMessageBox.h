#pragma once
// A message box answered as a person answers it. Installed as the recorder's
// answerer, it records each box and also shows it for real, modal over the
// active window as the program shows it, with the record's buttons, and
// closes it with a real Return key (its default button: Ok, or Yes for a
// question, as the plain recorder answers) once it holds the focus. When the
// box is gone its window is activated again, as a window manager does (the
// offscreen platform does not); a test then sees where the focus goes when a
// real box closes. A box that never becomes the active modal window is
// closed after two seconds with a warning, so the test fails, not hangs.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "platform/MessageBox.h"

inline MsgResult answerOnScreen(const MsgRecord &record)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(owner);
    PrepareMsgBox(box, record);  // as the program builds it, buttons in the language in use
    QTimer poll;
    poll.setInterval(10);
    int polls = 0;
    QObject::connect(&poll, &QTimer::timeout, &box, [&box, &poll, &polls] {
        if (QApplication::activeModalWidget() != &box || !box.isActiveWindow()) {
            if (++polls == 200) {
                poll.stop();
                qWarning("the box \"%s\" never became the active window", qPrintable(box.text()));
                box.reject();
            }
            return;
        }
        poll.stop();
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &box, Qt::Key_Return);
    });
    poll.start();
    const int answer = box.exec();
    if (owner && QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // Active again before the program goes on, so that a box that
        // follows at once is shown over it, as on a desktop.
        owner->activateWindow();
        if (!QTest::qWaitForWindowActive(owner))
            qWarning("the window under the box did not become active again");
    }
    return MsgBoxAnswer(answer);
}
