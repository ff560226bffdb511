#include "link/ReplyGate.h"

#include "link/Frames.h"

void ReplyGate::reset()
{
    *this = ReplyGate();
}

void ReplyGate::frameStarted()
{
    m_crossedMs = std::numeric_limits<double>::infinity();
    m_awaited = Reply::None;
    m_taken = false;
    m_pending.clear();
}

void ReplyGate::frameOut(double crossedMs, Reply awaited)
{
    m_crossedMs = crossedMs;
    m_awaited = awaited;
    m_taken = false;
    m_pending.clear();
}

void ReplyGate::awaitAgain()
{
    m_taken = false;
    m_pending.clear();
}

ReplyGate::Verdict ReplyGate::refuse()
{
    m_refused = true;
    m_behind = false;
    m_taken = false;
    m_pending.clear();
    return Verdict::Refuse;
}

bool ReplyGate::complete() const
{
    switch (m_awaited) {
    case Reply::Ident:
        return m_pending.size() >= IdentLength;
    case Reply::Block:
        return m_pending.size() >= BlockLength;
    case Reply::PasswordBlock:
        // Behind an Ack the reply is one byte longer.
        return m_pending.size()
            >= PasswordBlockLength + (quint8(m_pending.at(0)) == Frame::Ack ? 1 : 0);
    case Reply::WriteAck:
        return quint8(m_pending.back()) == Frame::Ack;
    case Reply::Answer:
        return true;
    case Reply::None:
        break;
    }
    return false;
}

ReplyGate::Verdict ReplyGate::byteIn(quint8 byte, double ms)
{
    if (m_refused)
        return Verdict::Wait;  // the attempt waits for its time-out
    if (ms < m_crossedMs) {
        // Sent before the frame on the line could be answered.
        if (m_behind)
            return refuse();  // one byte too many behind the block taken last
        ++m_dropped;
        return Verdict::Wait;
    }
    if (m_behind && !m_taken)
        m_behind = false;  // the next frame has crossed: its reply may begin
    if (m_taken) {
        if (m_behind)
            return refuse();
        return Verdict::Wait;  // the rest of an identification, a second Ack
    }
    if (m_awaited == Reply::None)
        return Verdict::Wait;
    m_pending.append(char(byte));
    if (m_awaited == Reply::WriteAck && byte != Frame::Ack) {
        m_pending.clear();  // a write is answered by its Ack alone
        return Verdict::Wait;
    }
    if (!complete())
        return Verdict::Wait;
    m_taken = true;
    m_reply = m_pending;
    m_pending.clear();
    m_behind = m_awaited == Reply::Block || m_awaited == Reply::PasswordBlock;
    return Verdict::Take;
}

ReplyGate::Verdict ReplyGate::bytesIn(const QByteArray &bytes, double ms)
{
    Verdict result = Verdict::Wait;
    for (const char b : bytes) {
        const Verdict v = byteIn(quint8(b), ms);
        if (v == Verdict::Refuse)
            return Verdict::Refuse;
        if (v == Verdict::Take)
            result = Verdict::Take;
    }
    return result;
}
