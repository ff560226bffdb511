#pragma once
// Stores a typed CTCSS tone (or "FF") as a two-byte ToneIndex.
#include <QString>

// "FF": both bytes 0xFF. A value 0 < v < 255 Hz: its tenths w (rounded),
// low byte w mod 256 at col, high byte w div 256 at col + 1. Anything else
// writes nothing. Returns true when the bytes were written.
bool StoreToneText(const QString &text, int row, int col);
