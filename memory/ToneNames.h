#pragma once
// The 261 tone names every tone list is built from ("OFF", 50 CTCSS tones,
// 105 DCS codes normal and inverted), stored with blanks around them, and the
// lookup from a stored two-byte ToneIndex to its list position.
#include <QString>
#include <array>

inline constexpr int ToneNameCount = 261;
inline constexpr int CtcssCount = 50;
inline constexpr int DcsCodeCount = 105;
inline constexpr int FirstDcsPosition = 51; // ToneNames position of D023N

extern std::array<QString, ToneNameCount> ToneNames;
// Filled beside ToneNames: each position, and the two ToneIndex bytes (low,
// high) a tone of that position is stored as (OFF is 0, 0).
extern std::array<qint16, ToneNameCount> ToneListPosition;
extern std::array<qint16, ToneNameCount> ToneIndexLow;
extern std::array<qint16, ToneNameCount> ToneIndexHigh;

// The CTCSS tones in tenths of Hz, in list order (670 = 67.0 Hz).
extern const std::array<int, CtcssCount> CtcssTenths;
// The DCS codes as their three octal digits written in decimal (23 = "023").
extern const std::array<int, DcsCodeCount> DcsCodes;

void BuildToneNames();

// The ToneNames position of a stored ToneIndex: 0 for 0,0 and 0xFF,0xFF, a
// DCS position 1-210 with high byte 0, a listed CTCSS tone in tenths of Hz;
// -1 for anything else (a CTCSS value not in the list included).
int ToneIndexPosition(int low, int high);

// ToneNames entry of a position, with its blanks; empty for a position that
// is not 0..260 or before BuildToneNames has run.
QString ToneName(int position);
