#pragma once
// The FM broadcast channel record: 16 records of 16 bytes in MemoryImage
// rows 768-783 (radio 0x3000), each eight frequency digits (hundreds of MHz
// first, down to 10 Hz) and eight name bytes. Pure functions between a
// record and the two texts the FM grid shows for it.
#include <QString>

#include "memory/MemoryMap.h"

namespace FmGrid {
inline constexpr int FmChannelCount = 16;
inline constexpr int GridRows = 18;  // heading, channels 1-16, one blank row
enum Column { ColNumber = 0, ColFrequency = 1, ColName = 2, ColumnCount = 3 };
// A station name keeps at most six characters; the record has eight name
// bytes (8-15), all of which the display reads, and a pack leaves 14 and 15
// without a character.
inline constexpr int NameLength = 6;
inline constexpr int NameBytes = 8;
inline constexpr int FirstNameByte = 8;
// The typed frequencies the radio takes, both ends included.
inline constexpr int BandLow = 87;
inline constexpr int BandHigh = 108;
}

// The MemoryImage row of record n (0-15) of the block on page `page`.
inline int FmRecordRow(int n, int page = MemoryMap::FmPage) { return page * 16 + n; }

// The frequency text of eight digit bytes, in record order: 88.90000,
// 100.70000, 108.00000, 88.24681; a point added only when the number has
// none, zeros up to 9 characters from 100 MHz on, up to 8 below.
QString Cov_Freq(int d0, int d1, int d2, int d3, int d4, int d5, int d6, int d7);

// True when record n holds no channel: bytes 0-2 all 0 (an emptied or
// cleared record), or a frequency byte that is no decimal digit (an erased
// record reads 0xFF throughout).
bool FmRecordIsEmpty(int n);
// The texts the grid shows for record n; both empty for an empty record.
// The name is the characters of bytes 8-15 in order, a blank byte (0x20
// or 0xFF) as a blank, bytes without a printable character left out; the
// blanks at the ends trimmed, those inside kept.
QString FmFrequencyText(int n);
QString FmNameText(int n);

// A character a name can hold: one with a single-byte code that is
// printable and not 0xFF (the byte of no character).
bool FmNameCharacter(QChar ch);

// The first byte of a name of `length` characters (at most six), centred in
// bytes 8-13: 6: 8, 5: 9, 4 and 3: 10, 2 and 1: 11.
int FmNameStartByte(int length);

// Writes record n whole: the digits of mhz (cut to 10 Hz), bytes 8-15 0xFF,
// then the codes of the name's first six characters from their start byte,
// so bytes 14 and 15 always end 0xFF. A blank of the name is stored as
// 0x20, or, where the record holds a blank inside its name
// (IsInnerNameBlank: 0xFF from the radio), as that byte: repacking a shown
// name leaves its stored blanks as they were. Refuses (false, nothing written) n
// outside 0-15, a value outside 0 <= mhz < 1000, or a name with a character
// that is no FmNameCharacter among the characters stored.
bool PackFmRecord(int n, double mhz, const QString &name);
// Record n as an empty channel: bytes 0-7 := 0, bytes 8-15 := 0xFF.
void StoreEmptyFmRecord(int n);
// All 256 bytes of the block := 0 (the editor's Clear).
void ClearFmArea(int page = MemoryMap::FmPage);
