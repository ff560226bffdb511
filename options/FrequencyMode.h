#pragma once
// The four frequency-mode records A to D (32 bytes each, MemoryImage rows
// 240-247): the frequency as eight decimal digits, the offset as six digits
// of kHz, the receive and transmit tones and eight list settings. Pure
// routines between the record bytes and what the editor's frames show; every
// store writes only the bytes of its own field.
#include <QString>
#include <array>

namespace FrequencyMode {

enum Record { A = 0, B = 1, C = 2, D = 3 };
inline constexpr int RecordCount = 4;

// First MemoryImage row of a record (A 240, B 242, C 244, D 246).
int firstRow(int record);
// Byte k (0..31) of a record; writes are ignored for a record or byte
// outside the table.
int byteAt(int record, int k);
void setByte(int record, int k, int value);

// Record bytes of the fields.
inline constexpr int FrequencyByte = 0;   // 8 digits
inline constexpr int OffsetByte = 8;      // 6 digits, kHz
inline constexpr int RxToneByte = 16;     // ToneIndex, low byte first
inline constexpr int TxToneByte = 18;

// The eight settings, each the 0-based position in its list, by record byte.
enum Setting {
    SignalCode = 20,
    MuteRelation = 21,
    OptionalSignal = 22,
    Scrambler = 23,
    Bandwidth = 24,
    TxPower = 25,
    ShiftDirection = 26,
    Step = 27
};

// ---- Frequency ----------------------------------------------------------

// The frequency as the box shows it: the digits of bytes 0-2, a point, the
// digits of bytes 3-7, each byte of 10 or more left out ("136.02500"; eight
// bytes 0xFF give a lone point).
QString frequencyText(int record);

// The stored frequency in MHz, or -1 when a digit byte is not 0-9.
double frequencyMhz(int record);

// A frequency taken to the nearest 10 Hz and its 250 Hz step below 1 kHz:
// the box's text and the eight digits that store it.
struct NormalisedFrequency {
    QString text;                  // "136.00975", "99.99000"
    std::array<int, 8> digits{};   // hundreds of MHz first
};
// mhz is clamped to 0 .. 999.99999.
NormalisedFrequency normalise(double mhz);

// Writes the eight digits into bytes 0-7.
void storeFrequency(int record, const std::array<int, 8> &digits);

// The text a frequency box takes when its typed frequency lies outside every
// band: the whole MHz of the lower limit of the BandLimits pair that holds the
// record's stored frequency (else of the first pair whose replacement lies in
// its own band, else of the first pair) followed by ".02500".
QString outOfBandReplacement(int record);

// The key filter of a frequency box. text is the box's current text; returns
// key to let it through or 0 to drop it. A point is dropped while the box
// holds nothing but blanks; a point and Backspace are let through; a digit is
// dropped once the trimmed text holds more than 8 characters; anything else
// is dropped.
int frequencyKey(const QString &text, int key);

// The longest text a frequency box holds before the too-long warning.
inline constexpr int FrequencyTextMax = 9;

// ---- Offset -------------------------------------------------------------

inline constexpr int OffsetItemCount = 2000;
// Item i of the offset list: i x 50 kHz as "MM.KKKMHZ" ("01.250MHZ").
QString OffsetItemText(int i);
// The list position that shows the record's offset: its six digit bytes read
// as one decimal number of kHz, divided by 50, a half going to the even
// number, clamped to the list (0..1999). Never overflows, whatever the bytes.
int offsetPosition(int record);
// Writes item `position` of the offset list into bytes 8-13.
void storeOffset(int record, int position);

// ---- Tones --------------------------------------------------------------

// The tone list position of the record's tone at byte `at` (RxToneByte or
// TxToneByte): 0 for none (both bytes 0, or either 0xFF), 1-50 a listed CTCSS
// tone, 51-260 a DCS code; -1 for a tone that has no list entry.
int tonePosition(int record, int at);
// The text of a tone without an entry: a CTCSS value in tenths of Hz as Hz
// with one decimal ("100.5"); empty for anything else.
QString unlistedToneText(int record, int at);
// Writes the tone of list position p (0..260) as a ToneIndex; nothing for a
// position outside the list.
void storeTone(int record, int at, int position);

// ---- Settings -----------------------------------------------------------

// The stored position of a setting (the raw byte).
int settingValue(int record, Setting setting);
void storeSetting(int record, Setting setting, int position);

} // namespace FrequencyMode

using FrequencyMode::OffsetItemCount;
using FrequencyMode::OffsetItemText;
