#include "link/StartupIdentify.h"

#include "link/LinkProfiles.h"

#include <QAction>
#include <algorithm>

#include "link/LinkState.h"
#include "platform/StatusBar.h"
#include "platform/Windows.h"

namespace {
StartupIdentify *mainLink = nullptr;

const BiText StatText{"Stat:", "状态:"};
const BiText FaultText{"Communication fault.", "联机故障 ！"};

LinkControls ownControls(QObject *owner)
{
    LinkControls c;
    c.createPortAndTimers(owner);
    return c;
}

void enableEditorMenus()
{
    QWidget *main = Windows::find(QStringLiteral("MDImain"));
    if (!main)
        return;
    for (const char *name : {"sig_edit", "sys_edit", "chann_edit", "fm_chann_edit"})
        for (QAction *a : main->findChildren<QAction *>(QLatin1String(name)))
            a->setEnabled(true);
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
    enableEditorMenus();
    finishExchange();
}

void StartupIdentify::reportFailure()
{
    SetMainPanel(3, StatText);
    SetMainPanel(4, FaultText);
    emit exchangeFailed();
}
