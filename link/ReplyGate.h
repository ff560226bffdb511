#pragma once
// Decides which bytes from the radio belong to the reply an exchange waits
// for. It is fed every byte as it comes in, with the time it was seen, and
// the events of the frames put on the line; it answers take (the reply is
// complete), wait (not yet) or refuse (this is not the reply asked for).
//
// It judges by what arrives and in which order against the frames, never by
// how late a byte is handled: a serial adapter hands bytes over in packets,
// so a byte can be seen tens of milliseconds after it crossed the line.
//  - Nothing answers a frame before its last byte has crossed the line. A
//    byte seen earlier belongs to the exchange before: while a block taken
//    last still stands (until the next frame has crossed) it lies beyond
//    that block and refuses it; otherwise it is dropped (a second Ack of a
//    write, the tail of an identification).
//  - A block reply is exactly its length. A byte beyond it refuses it,
//    whenever it arrives before the next reply can begin.
//  - A write frame is answered by an Ack; any other byte is ignored.
//  - Once refused, every byte is dropped until the next attempt.
// Pure logic: it reads no clock and owns no port.
#include <QByteArray>
#include <QtGlobal>
#include <limits>

#include "link/Frames.h"

class ReplyGate
{
public:
    // What the frame on the line asks for.
    enum class Reply {
        None,           // nothing (an Ack, 'E')
        Ident,          // the identification: the first IdentLength bytes
        Block,          // a 64-byte data block: BlockLength bytes exactly
        PasswordBlock,  // the 16-byte password block: 20 bytes, 21 behind an Ack
        WriteAck,       // the Ack of a write frame
        Answer          // any one byte
    };
    enum class Verdict { Wait, Take, Refuse };

    static constexpr int IdentLength = Frame::IdentReplyTaken;
    static constexpr int BlockLength = Frame::DataReplyTaken;
    static constexpr int PasswordBlockLength = Frame::PasswordReplyTaken;
    // How long the line must stay quiet behind a block before nothing more
    // can belong to it when no frame follows: a USB serial adapter hands
    // received bytes over in packets (every 16 ms by default), so a byte sent
    // right behind the block can be seen this much later.
    static constexpr int QuietBehindBlockMs = 40;

    // A new attempt: nothing on the line, nothing awaited, nothing refused.
    void reset();

    // A frame is being handed to the port; until frameOut, nothing that
    // arrives can answer it.
    void frameStarted();
    // The frame handed over has crossed the line by crossedMs (a lower
    // bound: the time read before the bytes went to the port); it awaits
    // `awaited`. A block taken before keeps standing until then.
    void frameOut(double crossedMs, Reply awaited);

    // One byte seen at ms. Take means a reply is complete now; a Refuse is
    // answered once, for the byte that refuses.
    Verdict byteIn(quint8 byte, double ms);
    // Bytes seen together at ms, in order: Refuse when any refused, else
    // Take when a reply completed, else Wait.
    Verdict bytesIn(const QByteArray &bytes, double ms);

    // The reply taken last (the whole reply, leading Ack included).
    const QByteArray &reply() const { return m_reply; }
    // An identification that was no identification: the next bytes are
    // looked at as a fresh reply.
    void awaitAgain();
    // A taken block no longer stands (the read it ended is complete).
    void release() { m_behind = false; }
    // The reply is not the one asked for (its head answers another
    // request): every byte is dropped until the next attempt.
    Verdict refuse();

    Reply awaited() const { return m_awaited; }
    bool refused() const { return m_refused; }
    // A block was taken and nothing has yet crossed the line behind it.
    bool blockStands() const { return m_behind; }
    // Bytes seen before the frame they would answer had crossed, dropped.
    int dropped() const { return m_dropped; }

private:
    bool complete() const;

    Reply m_awaited = Reply::None;
    double m_crossedMs = std::numeric_limits<double>::infinity();
    bool m_taken = false;    // the awaited reply is complete
    bool m_behind = false;   // a taken block stands until the next frame crossed
    bool m_refused = false;
    int m_dropped = 0;
    QByteArray m_pending;    // the reply so far
    QByteArray m_reply;      // the reply taken last
};
