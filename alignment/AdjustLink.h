#pragma once
// The alignment editor's own parts of its exchange with the radio (the
// settings are the link profile's alignment row): the preamble frame ahead
// of the 32 row frames of a write, the rows sent from AdjustImage, and the
// data taken from fixed places of each reply (the link takes a reply only
// behind its Ack and with the echo of its request).
#include "alignment/AdjustLayout.h"
#include "link/LinkState.h"

#include <QByteArray>
#include <array>

// The code in data bytes 0-7 of the preamble, the same in every write.
inline constexpr std::array<quint8, 8> AdjustPreambleCode{0x5A, 0x51, 0x37, 0x33, 0x31, 0x30, 0x41, 0x4A};
inline constexpr int AdjustPreambleAddress = 0x3B90;
inline constexpr int AdjustReadBlocks = 8;    // 64-byte blocks of a read
inline constexpr int AdjustFirstReplyRow = 2; // ReadReplyBuffer row of the first block

// The first frame of a write (21 bytes): Ack, 'X', 3B 90, 10, the eight code
// bytes, data bytes 8-14 all FF, data byte 15 FF.
QByteArray AdjustPreambleFrame();

// Row r of the block as it goes out. Every cell holds a byte value: the file
// load refuses anything else and the value boxes keep their ranges.
std::array<quint8, 16> AdjustRowData(const AdjustGrid &grid, int row);

// Rows 0-31 of grid from reply rows 2-9, data bytes 5-68 of each.
void UnpackAdjustReplies(const CellGrid<ReplyRows, ReplyCols> &replies, AdjustGrid &grid);
