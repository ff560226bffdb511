#pragma once
// The program-wide state of an exchange test, set up in each test's init()
// and taken down in its cleanup(): the manual test clock, the message-box
// recorder, fresh link and memory state, English, a status bar standing for
// the main window's, and a simulated radio. A test class derives from it
// (after QObject) and so keeps `radio` and `status` as its own members.
// Header-only so that the support library needs no link or memory subsystem.
#include <functional>
#include <memory>

#include "link/LinkControls.h"
#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "support/FakeCommControl.h"
#include "support/ProgramState.h"
#include "support/SimRadio.h"

class LinkTestBench
{
public:
    enum class Clock { Test, Real };

protected:
    std::unique_ptr<SimRadio> radio;
    std::unique_ptr<StatusBar> status;

    // answer: how the recorder answers each box (none: OK). With Clock::Real
    // the timers run on real time (for a radio on a pty).
    void setUpBench(std::function<MsgResult(const MsgRecord &)> answer = {},
                    Clock clock = Clock::Test)
    {
        m_testClock = clock == Clock::Test;
        if (m_testClock)
            TestClock::install();
        resetProgramState(false, std::move(answer));
        status = std::make_unique<StatusBar>(15);
        setMainStatusBar(status.get());
        radio = std::make_unique<SimRadio>();
    }

    // Every serial control the program makes from now on is a fake one.
    static void useFakePorts()
    {
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
    }

    // The radio at COM `com`, and that the chosen port.
    void plugRadio(int com)
    {
        FakeCommControl::plug(com, radio.get());
        CommPortNumber = qint16(com);
    }

    // The test closes whatever still talks to the radio first.
    void tearDownBench()
    {
        setCommControlFactory({});
        FakeCommControl::unplugAll();
        radio.reset();
        setMainStatusBar(nullptr);
        status.reset();
        MsgBoxRecorder::uninstall();
        if (m_testClock)
            TestClock::uninstall();
        LanguageFlag = 0;
    }

private:
    bool m_testClock = true;
};
