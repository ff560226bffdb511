#pragma once
// Factory contents of the 2-tone signalling area (MemoryImage rows 720-767)
// and the stores of its tone pairs and decode tones.

void BuildTwoToneDefaults();

// Row page * 16 + index (returned, and given back in index): first tone f1 Hz
// (rounded) at bytes 0-1, second tone f2 at bytes 8-9, low byte first.
int StoreTwoTonePair(int page, int &index, double f1, double f2);

// Decode tone c (0..3 = A..D) of row page * 16 + row: Hz (rounded) at bytes
// 2c, 2c + 1 and its count 10040000 / Hz (rounded) at bytes 2c + 8, 2c + 9,
// low byte first. Refuses (false, nothing written) a frequency outside
// 300..3000 Hz, c outside 0..3 or a row outside the image.
bool StoreTwoToneDecode(int page, int row, int c, double hz);

// The count stored beside a decode tone: 10040000 / hz rounded (halves up).
int TwoToneCount(double hz);
