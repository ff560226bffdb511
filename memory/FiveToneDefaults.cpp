#include "memory/FiveToneDefaults.h"
#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

namespace {
const int Area = MemoryMap::FiveToneAreaRow; // 576

// Three call frames of five tone digits each, then the standard in byte 15.
void setEncodeEntry(int entry, const qint16 (&frames)[15], qint16 standard)
{
    auto &row = MemoryImage[Area + 15 + entry];
    for (int c = 0; c < 15; ++c)
        row[c] = frames[c];
    row[15] = standard;
}
} // namespace

void BuildFiveToneDefaults()
{
    BuildFiveToneTables();

    // Standard records: period index (20 ms + 10 ms a step), group tone "A",
    // repeat tone "E".
    for (int s = 0; s < FiveToneStandardCount; ++s) {
        MemoryImage[Area + s][0] = 5;
        MemoryImage[Area + s][1] = 10;
        MemoryImage[Area + s][2] = 14;
    }
    MemoryImage[Area + 0][0] = 8;  // CCIR1 100 ms
    MemoryImage[Area + 9][0] = 2;  // EEA 40 ms
    MemoryImage[Area + 10][0] = 1; // EIA 30 ms
    MemoryImage[Area + 11][0] = 8; // EURO 100 ms
    MemoryImage[Area + 14][0] = 2; // MODAT 40 ms

    for (int row = Area + 16; row < Area + 32; ++row)
        for (int c = 0; c < 16; ++c)
            MemoryImage[row][c] = 0xFF;

    static const qint16 first[15] = {1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9};
    static const qint16 last[15] = {2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 6, 7, 8, 9, 0};
    setEncodeEntry(1, first, 0);
    setEncodeEntry(15, last, 14);

    auto &settings = MemoryImage[Area + 31]; // row 607
    settings[0] = settings[1] = settings[2] = 20;
    settings[3] = 0;
    settings[8] = 0;
    settings[9] = 1;
    settings[10] = 6;
    settings[11] = 59;
}
