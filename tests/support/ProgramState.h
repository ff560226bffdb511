#pragma once
// One reset of the program's shared state for every test fixture: no
// windows, the shared tables of every subsystem at program start, message
// boxes recorded, English, a 1280 x 800 screen; then, with started, the
// start-up's tables, band limits and factory image.
// Header-only so that the support library needs no higher subsystem.
#include <QCoreApplication>
#include <QEvent>
#include <functional>

#include "link/LinkState.h"
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Windows.h"
#include "platform/FileState.h"

// answer: how the message-box recorder answers each box (none: OK).
inline void resetProgramState(bool started = true,
                              std::function<MsgResult(const MsgRecord &)> answer = {})
{
    Windows::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetMemoryState();
    resetLinkState();
    resetFileState();
    MsgBoxRecorder::install(std::move(answer));
    MsgBoxRecorder::clear();
    LanguageFlag = 0;
    Screen::setTestSizePixels(QSize(1280, 800));
    if (!started)
        return;
    ChannelCount = 200;
    BuildSharedTables();
    SetStartupBandLimits();
    BuildFactoryImage();
}

// After a test: the windows closed and deleted, as the event loop would.
inline void cleanupProgramState()
{
    Windows::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MsgBoxRecorder::uninstall();
    LanguageFlag = 0;
}
