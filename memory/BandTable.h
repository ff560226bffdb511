#pragma once
// Band limits per model variant (BandTable, BandRangeNames) and the band test
// every typed channel frequency passes before it is stored.
#include "memory/MemoryImage.h"
#include <QString>
#include <array>

inline constexpr int BandTableRows = 11;
extern std::array<QString, BandTableRows> BandRangeNames;
// Columns: lower A, upper A, lower B, upper B (MHz), column 4 unused.
extern CellGrid<BandTableRows, 5> BandTable;
// The selected BandTable row, 0 at start-up; the model selection sets it.
extern qint16 BandTableRow;

// Frequency-mode frame limits of the option editor (A and B band); nothing
// gives them a value, so they hold 0.
extern BandPair BandARange;
extern BandPair BandBRange;

// Fills BandRangeNames and BandTable rows 0-6, then sets the first BandLimits
// pair from BandTable row BandTableRow (left alone when the row is not 0..10).
void BuildBandTable();

// 0 when lower <= mhz < upper + 1 for one of the four BandLimits pairs,
// 255 otherwise.
int CheckBandFrequency(double mhz);

// The start-up band limits: 136-174, 136-174, 400-480, 400-480 MHz, and
// BandTableRow 0.
void SetStartupBandLimits();
