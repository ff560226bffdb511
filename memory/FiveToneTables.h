#pragma once
// The 15 five-tone signalling standards: their names, the tone frequency of
// every digit "0"-"F" as text and as Hz and count bytes, and the copy of the
// byte tables that goes to the radio (MemoryImage rows 512-575).
#include "memory/MemoryImage.h"
#include <QString>
#include <array>

inline constexpr int FiveToneStandardCount = 15;
extern const std::array<const char *, FiveToneStandardCount> FiveToneStandards;

// Indexed (standard 0..15, digit 0..15); standard 15 is never filled.
struct FiveToneTableSet {
    std::array<std::array<QString, 16>, 16> text; // "   1981.0  "
    CellGrid<16, 16> hzLow;
    CellGrid<16, 16> hzHigh;
    CellGrid<16, 16> countLow;
    CellGrid<16, 16> countHigh;
};
extern FiveToneTableSet FiveToneTables;

// Fills FiveToneTables for standards 0..14 and copies the four byte tables
// into rows 512 + s, 528 + s, 544 + s, 560 + s.
void BuildFiveToneTables();

// The tone count of a whole-Hz frequency: 10040000 / hz truncated, 0 for 0.
int FiveToneCount(int hz);

// The name of standard 0..14; the empty text for any other value.
QString FiveToneStandardName(int index);
// Trims the caller's name, then its index 0..14 (exact match), or 255.
int FiveToneStandardIndex(QString &name);
