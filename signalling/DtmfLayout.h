#pragma once
// Where the DTMF editor's settings live in MemoryImage: the DTMF area, radio
// 0x2900-0x2AFF (rows 656-687), its encode page 0x29 and decode page 0x2A.
#include "memory/MemoryMap.h"

namespace DtmfLayout {
inline constexpr int EncodePage = MemoryMap::DtmfPage;      // 0x29: rows 656-671
inline constexpr int DecodePage = MemoryMap::DtmfPage + 1;  // 0x2A: rows 672-687
inline constexpr int FirstRow = MemoryMap::DtmfAreaRow;     // 656
inline constexpr int RowCount = 32;

inline constexpr int EncodeCodeCount = 15;                  // rows 656-670
inline constexpr int EncodeSettingsRow = EncodePage * 16 + 15;  // 671: on and off time
inline constexpr int FunctionCodeCount = 6;                 // rows 672-677
inline constexpr int MasterIdRow = DecodePage * 16 + 13;    // 685
inline constexpr int ViceIdRow = DecodePage * 16 + 14;      // 686
inline constexpr int DecodeSettingsRow = DecodePage * 16 + 15;  // 687

// Bytes of the decode settings row.
inline constexpr int IdControlByte = 0;  // 1 on, 0 off (any non-zero reads as on)
inline constexpr int MasterRightsByte = 1;
inline constexpr int ViceRightsByte = 2;
inline constexpr int RadioStateByte = 3;  // bit 0 RX disabled, bit 1 TX disabled
inline constexpr int GroupCodeByte = 4;   // DTMF character code
inline constexpr int SeparatorByte = 5;   // DTMF character code
inline constexpr int ProcessDelayByte = 6;
inline constexpr int ResetTimeByte = 7;
inline constexpr int RightCount = 5;  // bits 0-4: inspection, monitor, stun, kill, revive

inline constexpr int encodeCodeRow(int i) { return EncodePage * 16 + i; }    // i = 0..14
inline constexpr int functionCodeRow(int k) { return DecodePage * 16 + k; }  // k = 0..5
} // namespace DtmfLayout
