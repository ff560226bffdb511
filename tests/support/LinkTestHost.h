#pragma once
// A small window for the exchange tests: the controls an exchange drives (a
// fake port on a simulated radio, three timers, progress bar, status label,
// password box, Read and Write buttons) and a LinkSession bound to them.
// Header-only so that the support library needs no link subsystem.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "link/LinkSession.h"
#include "support/FakeCommControl.h"

class LinkTestHost : public QWidget
{
public:
    // With a radio the fake port talks to it whatever the COM number;
    // without one it opens the radio plugged at CommPortNumber. With
    // realPort the host has the real serial control (for a radio on a pty).
    explicit LinkTestHost(const LinkSettings &settings, SimRadio *radio = nullptr,
                          bool realPort = false)
    {
        if (realPort)
            port = new CommControl(this);
        else
            port = fake = radio ? new FakeCommControl(radio, this) : new FakeCommControl(this);
        controls.MSC = port;
        controls.Timer1 = timer("Timer1");
        controls.Timer2 = timer("Timer2");
        controls.Timer3 = timer("Timer3");
        controls.ProgressBar1 = bar = new QProgressBar(this);
        bar->setVisible(false);
        controls.Label_tr_count = label = new QLabel(this);
        controls.Text_PassWord = password = new QLineEdit(this);
        controls.Command_read = read = new QPushButton(QStringLiteral("Read"), this);
        controls.Command_Write = write = new QPushButton(QStringLiteral("Write"), this);
        LinkSettings s = settings;
        if (!s.show)
            s.show = [this] { ++shows; };
        session = new LinkSession(controls, s, this);
    }

    bool barShown() const { return !bar->isHidden(); }

    LinkControls controls;
    CommControl *port = nullptr;
    FakeCommControl *fake = nullptr;  // null with the real control
    QProgressBar *bar = nullptr;
    QLabel *label = nullptr;
    QLineEdit *password = nullptr;
    QPushButton *read = nullptr;
    QPushButton *write = nullptr;
    LinkSession *session = nullptr;
    int shows = 0;

private:
    VbTimer *timer(const char *name)
    {
        auto *t = new VbTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setEnabled(false);
        t->setInterval(0);
        return t;
    }
};
