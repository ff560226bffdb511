#pragma once
// The controls of a window that its exchange drives: the serial port, the
// send, reply time-out and retry timers, the progress bar, the status label,
// the password box and the Read and Write buttons. Any of the last five may
// be missing (nullptr) in a window that has no such control.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <functional>

#include "platform/CommControl.h"
#include "platform/VbTimer.h"

struct LinkControls {
    // Guarded: a control that is destroyed before the exchange reads as null.
    QPointer<CommControl> MSC;
    QPointer<VbTimer> Timer1;  // send timer
    QPointer<VbTimer> Timer2;  // reply time-out
    QPointer<VbTimer> Timer3;  // retry pause
    QPointer<QProgressBar> ProgressBar1;
    QPointer<QLabel> Label_tr_count;
    QPointer<QLineEdit> Text_PassWord;
    QPointer<QAbstractButton> Command_read;
    QPointer<QAbstractButton> Command_Write;

    // Creates MSC and Timer1-Timer3 as children of owner, named after their
    // roles, the timers idle (interval 0, disabled). The port comes from
    // NewCommControl, so a test can put a fake in its place.
    void createPortAndTimers(QObject *owner);
};

// Builds the serial port control of a window. Tests install a factory so
// that every window's port is a fake; an empty factory restores the real one.
using CommControlFactory = std::function<CommControl *(QObject *parent)>;
void setCommControlFactory(CommControlFactory factory);
CommControl *NewCommControl(QObject *parent);
