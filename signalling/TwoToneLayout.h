#pragma once
// Where the 2-tone editor's tables live in MemoryImage: the 2-tone area,
// radio 0x2D00-0x2FFF (rows 720-767).
#include "memory/MemoryMap.h"

namespace TwoToneLayout {
inline constexpr int FirstRow = MemoryMap::TwoToneAreaRow;  // 720
inline constexpr int RowCount = 48;
inline constexpr int CodeCount = 15;

// Encode code n (1-15): first tone at bytes 0-1, second at 8-9, in Hz.
inline constexpr int encodeRow(int n) { return FirstRow + n - 1; }        // 720-734
inline constexpr int EncodeSettingsRow = FirstRow + 15;                   // 735: tone times, gap
// Decode code n (1-15): four entries of pair, response and alert.
inline constexpr int decodeEntryRow(int n) { return FirstRow + 15 + n; }  // 736-750
// Decode tones A-D of decode code x + 1 (x = 0-14): Hz at 2k, count at 2k + 8.
inline constexpr int DecodeTonePage = MemoryMap::TwoToneDecodeTonePage;   // 47
inline constexpr int decodeTonesRow(int x) { return DecodeTonePage * 16 + x; }  // 752-766
inline constexpr int DecodeSettingsRow = FirstRow + 47;                   // 767: reset time

inline constexpr int MinTone = 300;   // Hz
inline constexpr int MaxTone = 3000;  // Hz
} // namespace TwoToneLayout
