#pragma once
// The 5-tone editor's program-wide state: the signal file image, the rows of
// the last ".sig" file loaded or saved, kept for the whole run.
#include "memory/MemoryImage.h"

inline constexpr int SignalFileRows = 256;
using SignalGrid = CellGrid<SignalFileRows, 16>;

// Row r, column c: byte c of file row r (radio 0x2000 + 16 r + c). All 0 at
// start; a load fills all of it, a save the rows it writes.
extern SignalGrid SignalFileImage;

// Back to program start. Tests call it.
void resetFiveToneState();
