#pragma once
// The texts of the message boxes recorded so far, in order.
#include <QStringList>

#include "platform/MessageBox.h"

inline QStringList boxTexts()
{
    QStringList l;
    for (const MsgRecord &m : MsgBoxRecorder::boxes())
        l << m.text;
    return l;
}
