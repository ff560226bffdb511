#include "link/StartupIdentify.h"

#include "link/LinkProfiles.h"

#include <algorithm>

#include "link/LinkState.h"
#include "platform/StatusBar.h"
#include "platform/Windows.h"

namespace {
StartupIdentify *mainLink = nullptr;

const BiText StatText{"Stat:", "状态:"};
const BiText SimText{"S I M:", "序列号:"};
const BiText FaultText{"Communication fault.", "联机故障 ！"};

LinkControls ownControls(QObject *owner)
{
    LinkControls c;
    c.createPortAndTimers(owner);
    return c;
}

}

StartupIdentify *MainLink()
{
    return mainLink;
}

StartupIdentify::StartupIdentify(QObject *owner)
    : StartupIdentify(ownControls(owner), owner)
{
}

StartupIdentify::StartupIdentify(const LinkControls &controls, QObject *parent)
    : LinkSession(controls, LinkProfile::startupIdentify(), parent)
{
    mainLink = this;
}

StartupIdentify::~StartupIdentify()
{
    if (mainLink == this)
        mainLink = nullptr;
}

void StartupIdentify::ProbeCommPort()
{
    PortErrorFlag = openPortQuietly() ? 0 : -1;
}

void StartupIdentify::ProbePorts()
{
    for (int n = 20; n >= 1; --n) {
        CommPortNumber = qint16(n);
        ProbeCommPort();
        if (PortErrorFlag == 0)
            break;
    }
    closePort();
}

void StartupIdentify::RestartIdentify()
{
    stop();  // timers, pauses and the port of an earlier attempt
    RetriesLeft = 3;
    StartRead();
}

void StartupIdentify::identReplyAccepted(IdentForm form)
{
    DataPhase = -1;
    if (form == IdentForm::B)
        std::copy(ReceiveBuffer.begin() + 1, ReceiveBuffer.begin() + 52, ReceiveBuffer.begin());
    publishIdentification(parseIdentReply(ReceiveBuffer.data()));
    // A failure reported earlier put its own label in panel 3.
    SetMainPanel(3, SimText);
    finishExchange();
    emit identified();
}

void StartupIdentify::reportFailure()
{
    SetMainPanel(3, StatText);
    SetMainPanel(4, FaultText);
    emit exchangeFailed();
}
