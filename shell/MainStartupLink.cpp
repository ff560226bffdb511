#include "shell/MainStartupLink.h"

#include "link/StartupIdentify.h"

void ProbeMainCommPort(QObject *owner)
{
    StartupIdentify *link = MainLink();
    if (!link)
        link = new StartupIdentify(owner);
    link->ProbePorts();
}

void StartMainIdentify()
{
    if (StartupIdentify *link = MainLink())
        link->RestartIdentify();
}

void StopMainLink()
{
    if (StartupIdentify *link = MainLink())
        link->stop();
}
