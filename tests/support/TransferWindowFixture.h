#pragma once
// A whole-radio read or write window in a test: the bench with the radio at
// COM1 behind fake ports, 200 channels, the window defined under its form
// name and opened in the main window stand-in as the program shows it, its
// controls found by name, and every message box recorded with what the
// window showed at that moment. Header-only so that the support library
// needs no link subsystem.
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "platform/Windows.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

// What the window showed when a box came up.
struct BoxMoment {
    MsgRecord box;
    QString label;
    int bar;
    bool barShown;
    qint64 at;
    bool timersRunning;  // any of the exchange's timers enabled under the box
};

template <class Window>
class TransferWindowFixture : public LinkTestBench
{
protected:
    explicit TransferWindowFixture(const QString &name) : m_name(name) {}

    QList<BoxMoment> moments;
    std::unique_ptr<MainStandIn> main;

    Window *window() { return Windows::get<Window>(m_name); }
    // Opens the window inside the main window stand-in, where a user sees
    // and clicks it; with inMainWindow false on the bare screen, as before
    // the main window exists. nullptr when the stand-in never got active.
    Window *open(bool inMainWindow = true)
    {
        if (inMainWindow && !main) {
            main = std::make_unique<MainStandIn>();
            if (!main->waitActive()) {
                qWarning("the main window stand-in did not become active");
                return nullptr;
            }
        }
        Windows::load(m_name);
        return window();
    }
    QLabel *label() { return window()->template findChild<QLabel *>(QStringLiteral("Label_tr_count")); }
    QProgressBar *bar() { return window()->template findChild<QProgressBar *>(QStringLiteral("ProgressBar1")); }
    FakeCommControl *port(Window *w) { return w->template findChild<FakeCommControl *>(QStringLiteral("MSC")); }
    QPushButton *button(const char *name) { return window()->template findChild<QPushButton *>(QLatin1String(name)); }
    QStringList boxTexts() const
    {
        QStringList t;
        for (const BoxMoment &m : moments)
            t << m.box.text;
        return t;
    }

    void setUpWindow()
    {
        moments.clear();
        setUpBench([this](const MsgRecord &box) {
            Window *w = window();
            bool timers = false;
            if (w && w->session()) {
                const LinkControls &c = w->session()->controls();
                for (VbTimer *t : {c.Timer1.data(), c.Timer2.data(), c.Timer3.data()})
                    timers = timers || (t && t->enabled());
            }
            moments << BoxMoment{box, w ? label()->text() : QString(), w ? bar()->value() : -1,
                                 w ? !bar()->isHidden() : false, TestClock::now(), timers};
            return MsgResult::Ok;
        });
        ChannelCount = 200;
        useFakePorts();
        plugRadio(1);
        Windows::define(m_name, Windows::Kind::Child, [] { return new Window; });
    }
    // Closes the windows and deletes them, as the event loop would.
    void tearDownWindow()
    {
        Windows::reset();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tearDownBench();
    }

private:
    QString m_name;
};
