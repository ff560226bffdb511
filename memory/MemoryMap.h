#pragma once
// The memory map: the first MemoryImage row of every block (row r holds radio
// addresses 16*r to 16*r + 15).

namespace MemoryMap {
inline constexpr int ChannelFirstRow = 0;       // 200 channel records, 0x0000
inline constexpr int OptionBlockRow = 224;      // option block, 0x0E00 (16 rows)
inline constexpr int FrequencyModeRow = 240;    // records A-D, two rows each, 0x0F00
inline constexpr int PowerOnTextRow = 254;      // 0x0FE0
inline constexpr int ChannelNameFirstRow = 256; // 200 name records, 0x1000
inline constexpr int FiveToneTableRow = 512;    // four 16-row tables, 0x2000
inline constexpr int FiveToneAreaRow = 576;     // standards, encode list, settings, 0x2400
inline constexpr int DtmfAreaRow = 656;         // 0x2900 (32 rows)
inline constexpr int TwoToneAreaRow = 720;      // 0x2D00 (48 rows)
inline constexpr int FmAreaRow = 768;           // 16 FM records, 0x3000
inline constexpr int LastImageRow = 1024;       // 0x4000

// The radio address of an image row's first byte.
constexpr int RowAddress(int row) { return row * 16; }

inline constexpr int DtmfPage = 0x29;
inline constexpr int TwoTonePage = 0x2D;
inline constexpr int TwoToneDecodeTonePage = 47; // decode tones of code n in row 751 + n
inline constexpr int FmPage = 0x30;
} // namespace MemoryMap
