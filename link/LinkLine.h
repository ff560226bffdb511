#pragma once
// The serial line of one exchange: its window's port control, opened at
// "9600,N,8,1" on CommPortNumber, and the line clock, which knows when what
// was put on the line has crossed it (ten bits a byte at 9600 baud). The
// clock is a lower bound: the time is read before the bytes are handed to
// the port, so a thread held up between the two never makes a frame seem to
// cross later than it did.
#include <QByteArray>
#include <QPointer>

#include "platform/CommControl.h"

class LinkLine
{
public:
    explicit LinkLine(QPointer<CommControl> port) : m_port(std::move(port)) {}

    bool isOpen() const { return m_port && m_port->portOpen(); }

    // Sets the port up and opens it, input buffer emptied; false when that
    // fails (a port already open cannot open again). Shows nothing.
    bool open();
    void close();
    // Nothing has been put on the line yet (the port was opened afresh).
    void resetClock() { m_freeMs = 0; }

    // Hands bytes to the port; returns when they have crossed the line.
    double put(const QByteArray &bytes);

    // Every byte the port holds, in arrival order (one input call a byte).
    QByteArray takeAll();

private:
    QPointer<CommControl> m_port;
    double m_freeMs = 0;
};
