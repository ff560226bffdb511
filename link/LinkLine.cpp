#include "link/LinkLine.h"

#include <algorithm>

#include "link/Frames.h"
#include "link/LinkState.h"
#include "platform/VbTimer.h"

bool LinkLine::open()
{
    CommControl *msc = m_port.data();
    bool ok = msc && !msc->portOpen();
    if (ok) {
        msc->setCommPort(CommPortNumber);
        ok = msc->setSettings(QStringLiteral("9600,N,8,1"));
    }
    if (ok) {
        msc->setInBufferSize(1024);
        msc->setInputLen(1);
        msc->setRThreshold(1);
        msc->clearInBuffer();
        msc->clearOutBuffer();
        ok = msc->setPortOpen(true);
    }
    return ok;
}

void LinkLine::close()
{
    if (isOpen())
        m_port->setPortOpen(false);
}

double LinkLine::put(const QByteArray &bytes)
{
    // Read before the hand-over: the bytes cannot start earlier than now.
    const double handedMs = VbTimer::nowMs();
    if (isOpen())
        m_port->output(bytes);
    m_freeMs = std::max(handedMs, m_freeMs) + double(bytes.size()) * Frame::ByteMs;
    return m_freeMs;
}

QByteArray LinkLine::takeAll()
{
    QByteArray bytes;
    CommControl *msc = m_port.data();
    while (msc && msc->portOpen() && msc->inBufferCount() > 0) {
        const QByteArray b = msc->input();
        if (b.isEmpty())
            break;
        bytes += b;
    }
    return bytes;
}
