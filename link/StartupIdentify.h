#pragma once
// The main window's own exchange: at start-up it probes the serial ports and
// identifies the radio on the port it kept. The identification sends the
// opening command one byte per tick, takes the identification reply without
// answering it, fills BandLimits and the status bar, closes the port and
// announces it (identified). After its last retry it reports the failure
// in the status bar alone. The port setup window test-opens its port and
// restarts it.
#include "link/LinkSession.h"

class StartupIdentify : public LinkSession
{
    Q_OBJECT
public:
    // Creates the main window's MSC and Timer1-Timer3 as children of owner.
    explicit StartupIdentify(QObject *owner);
    // Runs on controls the main window already has.
    StartupIdentify(const LinkControls &controls, QObject *parent);
    ~StartupIdentify() override;


    // Opens MSC on CommPortNumber as OpenCommPort does, showing nothing;
    // PortErrorFlag tells the result.
    void ProbeCommPort();
    // The start-up probe: COM20 down to COM1, the first that opens is kept
    // in CommPortNumber (1 when none opens); the port is closed again.
    void ProbePorts();
    // Stops whatever runs (attempt or retry pause), closes the port and
    // starts the identification with three retries.
    void RestartIdentify();

signals:
    // The radio answered: the main window enables its editor menus.
    void identified();

protected:
    void identReplyAccepted(IdentForm form) override;
    void reportFailure() override;
};

// The main window's exchange, or nullptr while there is none.
StartupIdentify *MainLink();
