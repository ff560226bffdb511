#pragma once
// The vocabulary of the option editor's 65 drop-down lists: the 31 distinct
// lists with their items in both languages, and which list every box holds.
// An item's 0-based position is the value stored in the image, so the order
// and number of the items are part of the radio's data format.
#include <QString>
#include <QStringList>
#include <span>

enum class OptionList {
    // The frequency-mode frames.
    TxPower, ModeTone, Bandwidth, ShiftDirection, Offset, Step, OptionalSignal,
    MuteRelation, SignalCode, Scrambler,
    // The word lists of the option block.
    WatchMode, OffOn, DtmfSideTone, PttIdMode, ScanMode, AlarmType,
    ChannelDisplay, Language, VoicePrompt, Colour,
    // The number lists of the option block.
    SquelchLevel, Volume, TimeOut, PttIdDelay, AlarmChannel, AniLength,
    RelayTone, VoxDelay, DtmfGain, OffOneToFifty, OffOneToTen,
    Count
};
inline constexpr int OptionListCount = static_cast<int>(OptionList::Count);

// The items of a list, in Chinese when chinese is true. Every list has the
// same number of items in both languages. ModeTone needs BuildToneNames.
QStringList OptionListItems(OptionList list, bool chinese);

// One drop-down list box of the editor and the list it holds.
struct OptionListBox {
    const char *name;  // the box's objectName
    OptionList list;
};

// All 65 boxes in the order the window fills them: the left frame's eleven,
// the right frame's eleven, then the option block's 43.
std::span<const OptionListBox> OptionListBoxes();
