#pragma once
// The memory channel's two 16-byte records in MemoryImage and their screen
// texts: the channel record (frequencies, tones, option bits) in row ch and
// the name record in row 256 + ch. Pure functions on the image; the grid
// routines (ChannelRows.h) and the cell editing are built on them.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "memory/MemoryMap.h"
#include "memory/RecordField.h"

namespace ChannelGrid {
// Columns of the channel grid.
enum Column {
    ColNumber = 0,
    ColBand = 1,
    ColRxFreq = 2,
    ColTxFreq = 3,
    ColRxTone = 4,
    ColTxTone = 5,
    ColPower = 6,
    ColBandwidth = 7,
    ColPttId = 8,
    ColBusyLock = 9,
    ColScanAdd = 10,
    ColSigCode = 11,
    ColOptSignal = 12,
    ColMuteMode = 13,
    ColScrambler = 14,
    ColName = 15,
    ColumnCount = 16
};
// The band cell's text as the row display writes it (one trailing blank),
// and the band list's one item.
inline const QString BandText = QStringLiteral("VHF/UHF ");
inline const QString BandItem = QStringLiteral("VHF/UHF");
inline constexpr int NameLength = 8;
}

// An option column of the channel grid and its bits in the channel record:
// the field a pick of list item i stores i into, the field the cell text is
// read from (its value is the list item shown; a value past the list shows
// nothing, or the first item where unknownShowsFirst).
struct ChannelOptionField {
    int col;
    RecordField stored;
    RecordField shown;
    bool unknownShowsFirst;
};
const std::array<ChannelOptionField, 9> &ChannelOptionFields();

// Image rows of grid row r (1..ChannelCount).
inline int ChannelRecordRow(int gridRow) { return gridRow - 1; }
inline int ChannelNameRow(int gridRow) { return MemoryMap::ChannelNameFirstRow + gridRow - 1; }

// The texts of grid columns 1..14 of channel ch (index = column; 0 and 15
// unused), or nothing when the channel is empty (byte 0 = 0xFF).
std::optional<std::array<QString, 16>> ChannelCellTexts(int ch);

// The text of a ToneIndex: "OFF", a CTCSS tone with one decimal ("88.5"),
// or the DCS name from ToneNames, with its blanks when keepBlanks. A word
// that fits none of the three forms (high byte 0x80 and above other than
// 0xFF/0xFF, a DCS number above 210) gives the empty text.
QString ToneWordText(int low, int high, bool keepBlanks);

// The name shown for a name record: empty when byte 0 is 0xFF, else the
// characters 0-9 and A-Z among bytes 0-7, in order, a blank byte (0x20 or
// 0xFF) as a blank, the other bytes skipped; the blanks at the ends trimmed,
// those inside kept.
QString ChannelNameText(int ch);

// Both records of channel ch := 16 bytes 0xFF.
void EraseChannelRecords(int ch);
// A new channel's options: bytes 8-14 := 0, byte 15 := 4, name record 0xFF.
void WriteNewChannelOptions(int ch);
// The cell texts of columns 4..15 for the new-channel options.
const std::array<QString, 12> &NewChannelCellTexts();

// The items of the list editor of a grid column (1, 4..14); empty for a
// column without a list. The tone columns list the 261 tone names trimmed.
QStringList ChannelListItems(int col);
// Stores the pick of item i of column col's list into channel ch's record,
// leaving every other bit as it was. Column 4 also copies the receive tone
// to the transmit tone. Nothing happens for an index outside the list.
void StoreChannelListPick(int ch, int col, int i);

// The ToneIndex (low, high) of tone list position i (0..260).
std::optional<std::pair<int, int>> ToneWordOfListPosition(int i);
// A typed CTCSS tone: a value from 60 to 259.9 Hz gives its tenths, rounded
// half to even; anything else nothing.
std::optional<int> TypedCtcssTenths(const QString &text);
// The tone list position of a typed name (any case, blanks around ignored),
// or -1 when no name matches.
int ToneListPositionOfName(const QString &text);
// Stores a ToneIndex in the receive (col 4) or transmit (col 5) tone bytes.
void StoreToneWord(int ch, int col, int low, int high);

// What became of a typed name: kept as typed (apart from blanks around and
// capitals), cut to NameLength characters, or refused whole.
enum class NameVerdict { Kept, Cut, Refused };
// A character a typed name can hold: 0-9, A-Z, a-z (kept as capitals) and
// the blank.
bool ChannelNameTypable(QChar c);
// The name a user typed, as the channel keeps it: trimmed, letters a-z in
// capitals, cut to 8 characters, trimmed again. A name that holds, after the
// first trim, any character other than 0-9, A-Z, a-z and blank is refused:
// the radio cannot show it, and the result is empty.
QString NormalizeChannelName(const QString &typed, NameVerdict *verdict);
// Name record bytes 0-7: each 0-9/A-Z of name at its position, every other
// byte 0xFF (a typed blank's byte), except that a blank of the name where
// the record holds a blank inside its name (IsInnerNameBlank: 0x20 from the
// radio) keeps that byte: an edit elsewhere leaves the stored blanks as
// they were.
void StoreChannelName(int ch, const QString &name);
