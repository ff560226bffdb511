#pragma once
// The radio memory image and the other shared state of the memory subsystem.
// MemoryImage row r, column c (0..15) is the byte at radio address 16*r + c;
// 255 means unprogrammed. Column 16 lies outside the radio's memory.
// Every table of this subsystem is defined in MemoryImage.cpp and brought back
// to its program-start state by resetMemoryState().
#include <QtGlobal>
#include <array>

template <int Rows, int Cols>
using CellGrid = std::array<std::array<qint16, Cols>, Rows>;

inline constexpr int ImageRows = 1025;
inline constexpr int ImageCols = 17;
inline constexpr int AdjustRows = 33;
inline constexpr int AdjustCols = 17;

extern CellGrid<ImageRows, ImageCols> MemoryImage;
// The alignment block, radio 0x3C00-0x3DFF, as rows 0-31, columns 0-15.
extern CellGrid<AdjustRows, AdjustCols> AdjustImage;

// Number of memory channels.
extern qint16 ChannelCount;

// Four pairs of lower and upper frequency limits in MHz, from the radio's
// identification reply.
struct BandPair {
    double lower;
    double upper;
};
extern std::array<BandPair, 4> BandLimits;

// True when (row, col) is a cell of MemoryImage's radio bytes (col 0..15).
inline bool IsImageCell(int row, int col)
{
    return row >= 0 && row < ImageRows && col >= 0 && col < 16;
}

// Back to program start: every cell 0, every table empty. Tests call it.
void resetMemoryState();
