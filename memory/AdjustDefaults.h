#pragma once
// The factory alignment block, in the shape of AdjustImage, and the rows of
// the squelch tables in it.
#include "memory/MemoryImage.h"
#include <array>

extern CellGrid<AdjustRows, AdjustCols> AdjustDefaults;
// AdjustImage rows of the squelch levels and squelch offsets of the bands
// VHF, UHF0, UHF1, UHF2.
extern std::array<qint16, 4> SquelchLevelRows;
extern std::array<qint16, 4> SquelchOffsetRows;

// The factory passwords (six characters each).
extern const char *const DefaultUserPassword;
extern const char *const DefaultSuperPassword;

void BuildAdjustDefaults();

// AdjustImage rows 0..31, columns 0..15 := AdjustDefaults.
void CopyAdjustDefaultsToImage();
