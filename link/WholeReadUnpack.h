#pragma once
// The whole-radio read's unpacking: the replies it keeps in ReadReplyBuffer
// rows 2 to 198 (radio 0x0000 to 0x313F) go into MemoryImage rows 0 to 787.

inline constexpr int WholeReadBlocks = 200;      // 64-byte blocks after the repeated first
inline constexpr int WholeReadFirstReply = 2;    // reply row of radio address 0x0000
inline constexpr int WholeReadLastReply = 198;   // reply row of radio address 0x3100
inline constexpr int WholeReadImageRows = 788;   // image rows 0..787 replaced

// Where the 64 data bytes of a kept reply begin: four bytes after the first
// 'X' among bytes 0 to 5, or byte 4 when none of them holds one.
int WholeReadDataStart(int replyRow);

// Copies the data bytes of reply rows 2..198 into image rows 0..787, 16 to a
// row. Bytes that would lie beyond the 69 of a reply read as 255 (empty).
void UnpackWholeRead();
