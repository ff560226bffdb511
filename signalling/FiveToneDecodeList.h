#pragma once
// The 5-tone decode list's own logic: the function table that the decode
// page's boxes edit, the boxes' bits, the check of a typed decode code and
// the caption of the function frame. The decode list lives only in the
// window (grid cells, this table, the reply options); nothing of it is in
// MemoryImage, and only the signal-file save reads it.
#include "memory/MemoryImage.h"
#include "platform/Language.h"

#include <QList>
#include <QString>
#include <array>

// Columns of the decode grid.
namespace FiveToneDecodeColumn {
inline constexpr int Standard = 1;
inline constexpr int Frame1 = 2;   // frames in 2, 4, 6, their functions in 3, 5, 7
inline constexpr int Reply = 8;
inline constexpr bool isCode(int c) { return c == 2 || c == 4 || c == 6 || c == 8; }
inline constexpr bool isList(int c) { return c == 1 || c == 3 || c == 5 || c == 7; }
inline constexpr bool isFunction(int c) { return c == 3 || c == 5 || c == 7; }
}

// Row n - 1 belongs to decode code n; column 2k holds the function bits of
// frame k + 1 (1 display, 2 lamp, 4 control output, 8 alert), column 2k + 1
// its group-call positions (1, 2, 4, 8, 16 for positions 1 to 5).
using DecodeFunctionGrid = CellGrid<17, 61>;

// The nine boxes of one frame.
struct DecodeFrameBoxes {
    bool disp = false;
    bool led = false;
    bool ctrl = false;
    bool alert = false;
    std::array<bool, 5> group{};
    bool operator==(const DecodeFrameBoxes &) const = default;
};

// The boxes of frame k (0..2) of table row `row`, and the boxes back into it.
DecodeFrameBoxes DecodeFrameBoxesOf(const DecodeFunctionGrid &table, int row, int k);
void StoreDecodeFrameBoxes(DecodeFunctionGrid &table, int row, int k, const DecodeFrameBoxes &boxes);
// Columns 0 to 7 of a row to 0 (the double click on a code number).
void ClearDecodeFunctions(DecodeFunctionGrid &table, int row);

// The warnings a change of the decode code box shows for its text, in
// order: for a text of up to 5 characters one per position whose character
// of the trimmed text is missing or not "0"-"9"/"A"-"F"; for a longer text
// the 5-digit warning alone.
QList<BiText> DecodeCodeWarnings(const QString &text);

// The caption of the function frame for grid row r, in the current language.
QString DecodeActionsCaption(int r);
