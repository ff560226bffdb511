#pragma once
// A serial port control without a device: what the program outputs goes
// straight to a SimRadio in this process, and what the radio sends comes back
// as input, raising onComm(ComEvReceive) from the radio's own delivery (a
// VbTimer::singleShot), so it runs on the manual TestClock as well as on real
// time. Input buffer, InputLen, RThreshold and discarding behave as in the
// real control.
//
// Which radio a fake talks to: the one given to the constructor, or else the
// one plugged at its COM number with FakeCommControl::plug at the moment it
// opens. A COM number with nothing plugged does not exist (open fails); one
// plugged with nullptr exists but nothing answers. One open control per radio
// (and per empty COM number): a second open fails like a busy port.
#include "platform/CommControl.h"

#include <QPointer>

class SimRadio;

class FakeCommControl : public CommControl
{
    Q_OBJECT
public:
    explicit FakeCommControl(QObject *parent = nullptr);
    explicit FakeCommControl(SimRadio *radio, QObject *parent = nullptr);
    ~FakeCommControl() override;

    static void plug(int com, SimRadio *radio);  // radio may be nullptr
    static void unplug(int com);
    static void unplugAll();

    bool setPortOpen(bool open) override;
    bool portOpen() const override { return m_open; }
    void output(const QByteArray &bytes) override;
    void clearOutBuffer() override {}

    SimRadio *radio() const { return m_radio; }
    QByteArray written() const { return m_written; }  // everything output while open
    int openCount() const { return m_openCount; }       // successful opens so far

    // Makes the next opens fail (false), as a port the system refuses.
    void setFailOpen(bool fail) { m_failOpen = fail; }

private:
    friend class SimRadio;
    void fromRadio(const QByteArray &bytes);  // called by the radio while open
    void release();

    QPointer<SimRadio> m_fixedRadio;
    SimRadio *m_radio = nullptr;
    bool m_open = false;
    bool m_failOpen = false;
    int m_openCount = 0;
    int m_heldCom = 0;  // the empty COM number held while open, 0 = none
    QByteArray m_written;
};
