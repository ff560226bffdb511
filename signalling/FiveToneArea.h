#pragma once
// The 5-tone signalling area of MemoryImage (radio 0x2400-0x25FF, rows
// 576-607) as the 5-tone editor shows and stores it: the standard records,
// the encode entries and the settings row; the tone-digit codecs and the
// fixed lists whose positions the area's bytes hold.
#include <QString>
#include <QStringList>

namespace FiveToneArea {
// Rows of MemoryImage.
inline constexpr int TableFirstRow = 512;     // the four frequency/count tables, 0x2000
inline constexpr int TableRows = 64;
inline constexpr int FirstRow = 576;          // standard record 0, 0x2400
inline constexpr int Rows = 32;
inline constexpr int EncodeCount = 15;
inline constexpr int SettingsRow = 607;       // 0x25F0

// The standard record of standard s (0..14) and the encode entry of code n (1..15).
inline constexpr int standardRow(int s) { return FirstRow + s; }
inline constexpr int encodeRow(int n) { return FirstRow + 15 + n; }

// Bytes of a standard record.
inline constexpr int PeriodByte = 0;
inline constexpr int GroupToneByte = 1;
inline constexpr int RepeatToneByte = 2;
// Bytes of an encode entry: frame f (1..3) starts at 5 * (f - 1); the standard.
inline constexpr int frameByte(int frame) { return 5 * (frame - 1); }
inline constexpr int EncodeStandardByte = 15;
// Bytes of the settings row.
inline constexpr int DelayByte1 = 0;   // bytes 0..3: the four timing lists
inline constexpr int DecodeStandardByte = 8;
inline constexpr int CallFramesByte = 9;
inline constexpr int DisplayFramesByte = 10;
inline constexpr int ResetTimeByte = 11;

inline constexpr int NoDigit = 0xFF;
} // namespace FiveToneArea

// A tone digit's text: "0"-"9" for 0-9, "A"-"F" for 10-15, one blank for any
// value above 15, the empty text for a negative value.
QString ToneCodeToHex(int code);
// The tone code of a digit text: the number a text between "0" and "9" (by
// character codes) begins with, rounded; 10-15 for exactly "A"-"F"; 255 for
// anything else (lower case, a blank, the empty text, a number beyond 255).
int HexToToneCode(const QString &text);

// The fixed lists. A stored byte is the 0-based position of its entry.
QStringList FiveTonePeriodList();     // "20" .. "200", 19 entries (20 + 10 p ms)
QStringList FiveToneDigitList();      // "0" .. "9", "A" .. "F"
QStringList FiveToneDelayList();      // "0" .. "1000", 101 entries (10 i ms)
QStringList FiveToneResetList();      // "100" .. "8000", 80 entries (100 + 100 i ms)
QStringList FiveToneStandardList();   // the 15 standard names in index order

// The texts the editor shows for the area.
// Period cell of a standard record: 20 + 10 * byte, any byte ("2570" for 0xFF).
QString FiveTonePeriodText(int byte);
// The five digits of frame f (1..3) of encode code n (1..15), joined.
QString FiveToneFrameText(int n, int frame);
// The standard cell of encode code n: the name, empty outside 0..14.
QString FiveToneEncodeStandardText(int n);

// The edits the editor writes straight into the area.
// A frame's digits from the edited text: the text trimmed, its first five
// characters each through HexCharToValue, 0xFF for the positions after it.
void StoreFiveToneFrame(int n, int frame, const QString &text);
// Sets (on) or clears bit `bit` (0..2) of a settings byte, other bits kept.
void SetFiveToneFrameBit(int byte, int bit, bool on);
// The frame text editor's key filter, given the text before the key: the
// key, or 0 when it is refused (see TextBox::KeyFilter).
int FiveToneFrameKey(int key, const QString &textBefore);
