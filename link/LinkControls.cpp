#include "link/LinkControls.h"

#include "platform/CommControl.h"
#include "platform/VbTimer.h"

namespace {
CommControlFactory &factory()
{
    static CommControlFactory f;
    return f;
}

VbTimer *idleTimer(QObject *owner, const char *name)
{
    auto *t = new VbTimer(owner);
    t->setObjectName(QString::fromLatin1(name));
    t->setEnabled(false);
    t->setInterval(0);
    return t;
}
}

void setCommControlFactory(CommControlFactory f)
{
    factory() = std::move(f);
}

CommControl *NewCommControl(QObject *parent)
{
    CommControl *c = factory() ? factory()(parent) : new CommControl(parent);
    if (c->parent() != parent)
        c->setParent(parent);
    return c;
}

void LinkControls::createPortAndTimers(QObject *owner)
{
    MSC = NewCommControl(owner);
    MSC->setObjectName(QStringLiteral("MSC"));
    Timer1 = idleTimer(owner, "Timer1");
    Timer2 = idleTimer(owner, "Timer2");
    Timer3 = idleTimer(owner, "Timer3");
}
