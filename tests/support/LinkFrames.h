#pragma once
// The program's frames as the exchange tests expect them on the line, spelt
// out here rather than taken from the link code, and the image rows they
// carry. Header-only so that the support library needs no memory subsystem.
#include <QByteArray>
#include <QList>
#include <algorithm>

#include "memory/MemoryImage.h"

namespace LinkFrames {

inline const QByteArray Handshake = QByteArray::fromHex("5520210123FFDC02");
inline const QByteArray Ack = QByteArray(1, char(0x06));

// A read request: 'S', the address high and low, the length.
inline QByteArray request(int address, int length = 0x40)
{
    QByteArray f("S");
    f.append(char(address >> 8));
    f.append(char(address & 0xFF));
    f.append(char(length));
    return f;
}

// Bytes 0-15 of MemoryImage rows firstRow to firstRow + rows - 1.
inline QByteArray imageBytes(int firstRow, int rows)
{
    QByteArray b;
    for (int r = firstRow; r < firstRow + rows; ++r)
        for (int c = 0; c < 16; ++c)
            b.append(char(MemoryImage[r][c]));
    return b;
}

inline QByteArray imageRow(int row) { return imageBytes(row, 1); }

// The write frame of radio address `address`: [Ack] 'X', the address high
// and low, 0x10, then the 16 bytes of image row address / 16.
inline QByteArray writeFrame(int address, bool ackLed)
{
    QByteArray x = ackLed ? Ack : QByteArray();
    x += 'X';
    x += char(address >> 8);
    x += char(address & 0xFF);
    x += char(0x10);
    x += imageRow(address / 16);
    return x;
}

// The block requests among the frames, each without the Ack it may carry in
// front (a block's Ack goes out with the next request); the password
// block's request is left out.
inline QList<QByteArray> blockRequests(const QList<QByteArray> &frames)
{
    QList<QByteArray> requests;
    for (const QByteArray &f : frames) {
        const QByteArray r = f.startsWith(Ack) ? f.mid(1) : f;
        if (r.startsWith('S') && r != request(0x3DF0, 0x10))
            requests << r;
    }
    return requests;
}

// The address a request or data frame names ('S' or 'X', high, low).
inline int frameAddress(const QByteArray &request)
{
    return (quint8(request.at(1)) << 8) | quint8(request.at(2));
}

inline int countFrames(const QList<QByteArray> &frames, const QByteArray &f)
{
    return int(std::count(frames.begin(), frames.end(), f));
}

// The frames the program sends in a read of `blocks` blocks of 64 bytes
// from `base`: the handshake, the password block's request, then each
// block's request, every answer taken with an Ack. A block's Ack goes out
// in front of the next request; the last one alone.
inline QList<QByteArray> readFrames(int base, int blocks)
{
    QList<QByteArray> f{Handshake, Ack, request(0x3DF0, 0x10), Ack, request(base)};
    for (int i = 1; i < blocks; ++i)
        f << Ack + request(base + 64 * i);
    f << Ack;
    return f;
}

}
