#pragma once
// A message box answered as a person answers it. Installed as the recorder's
// answerer, it records each box and also shows it for real, modal over the
// active window as the program shows it, and closes it with a real Return
// key once it holds the focus. When the box is gone its window is activated
// again, as a window manager does (the offscreen platform does not); a test
// then sees where the focus goes when a real box closes.
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
    box.setText(record.text);
    box.setWindowTitle(record.title);
    box.setStandardButtons(QMessageBox::Ok);
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &box, [&box, &poll] {
        if (QApplication::activeModalWidget() != &box || !box.isActiveWindow())
            return;
        poll.stop();
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &box, Qt::Key_Return);
    });
    poll.start();
    box.exec();
    if (owner && QGuiApplication::platformName() == QLatin1String("offscreen"))
        owner->activateWindow();
    return MsgResult::Ok;
}
