#pragma once
// Frequencies between screen text and stored bytes: the 4-byte packed-BCD
// channel frequency (BcdFrequency, 10 Hz units, least significant byte first)
// with its raster snap, and the 8-digit FM frequency (DigitFrequency).
#include <QString>
#include <QtGlobal>
#include <array>

// The four packed bytes of the last conversion, byte 3 first.
extern std::array<quint8, 4> BcdScratch;

// Snaps kHz down onto the 2.5 kHz or the 6.25 kHz raster, whichever leaves
// the strictly smaller remainder (a tie keeps 2.5 kHz); returns MHz.
double SnapFrequency(double mhz);

// The normalised text of a frequency: shortest decimal, a point added when
// there is none, zeros up to `width` characters.
QString PadFrequencyText(const QString &text, int width);

// Converts the MHz text to a BcdFrequency (snapped to the raster) and stores
// it in MemoryImage(row, col..col+3), byte 0 first; the caller's text becomes
// the normalised text ("145" -> "145.00000"). Refuses (returns false, writes
// nothing, leaves the text) a value outside 0 <= f < 1000 MHz or a position
// outside the image (col 0..13).
bool StoreFrequency(QString &text, int row, int col);

// The text of a BcdFrequency given byte 0 first: "145.51250", "45.00000";
// 9 characters from 100 MHz on, 8 below.
QString FrequencyText(int b0, int b1, int b2, int b3);

// Writes mhz as eight DigitFrequency digits into MemoryImage(768 + n, 0..7).
// Nothing is written for n outside 0..15 or a value outside 0 <= f < 1000.
void StoreFmFrequency(double mhz, int n);
