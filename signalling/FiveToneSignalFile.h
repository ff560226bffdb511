#pragma once
// The ".sig" signal file: 256 text lines of 16 numbers, an image of radio
// 0x2000-0x2FFF that holds the 5-tone tables, standards, encode list and
// timings together with the decode list, which exists nowhere else. The save
// packs what the 5-tone editor shows; the load takes back the 5-tone area
// alone. Reading checks the whole file before anything changes; writing goes
// through a temporary file that replaces the target only when complete.
#include "signalling/FiveToneDecodeList.h"
#include "signalling/FiveToneState.h"
#include "platform/NumberFileStore.h"

#include <QByteArray>
#include <QString>
#include <array>

// File rows.
namespace SignalFileRow {
inline constexpr int Tables = 0;        // 0..63, the four 16-row byte tables
inline constexpr int Area = 64;         // 64..95: the 5-tone area, image rows 576..607
inline constexpr int AreaRows = 32;
inline constexpr int Timings = 111;     // the four timing positions
inline constexpr int DecodeCodes = 111; // + n: frames of decode code n
inline constexpr int DecodeMore = 127;  // + n: reply code, functions of code n
inline constexpr int ReplyOptions = 143;
}

// What the editor shows that the file keeps beside the image: the cells of
// the standards table and of the encode list's standard column, the list
// positions (-1 for none) and the decode list.
struct SignalFileSheet {
    // Standards table rows 1..15, columns 1..3 (period, group, repeat).
    std::array<std::array<QString, 3>, 15> standardCells;
    // Encode list rows 1..15, column 4.
    std::array<QString, 15> encodeStandardCells;
    std::array<int, 4> delayPositions{-1, -1, -1, -1};
    int resetPosition = -1;
    // Decode list rows 1..15, columns 1..8.
    std::array<std::array<QString, 8>, 15> decodeCells;
    DecodeFunctionGrid decodeFunctions{};
    bool replyAfterAll = false;
    bool replyChannelFree = false;
    int replyDelayPosition = -1;
};

// Packs the rows the save writes into `file`: rows 0..63 from FiveToneTables;
// rows 64..95 from MemoryImage's 5-tone area with the standards table's cells
// and the encode standard cells laid over it (the encode frames stay as the
// image holds them); the timing row 111; the decode list in rows 112..142;
// the reply options in row 143. Other bytes of rows 96..143 and rows 144..255
// keep what `file` held.
void PackSignalFile(const SignalFileSheet &sheet, SignalGrid &file);

// One five-digit cell: the text trimmed, padded with blanks to five, each
// character through HexToToneCode (characters after the fifth ignored).
std::array<int, 5> PackToneCell(const QString &text);
// A function cell: 255 when the trimmed text is empty, else the number its
// first character forms (0 for a character that is no digit).
int PackDecodeFunction(const QString &text);
// The five digit texts of bytes start..start + 4 of a file row, joined.
QString ToneCodeString(const SignalGrid &file, int row, int start);

// The signal file's faults and outcome are those of every number file.
using SignalFileFault = NumberFileFault;
using SignalFileStatus = NumberFileStatus;

// The exact bytes of a file: each value in print form and a blank, CR LF.
QByteArray SignalFileBytes(const SignalGrid &file);
// Reads 4096 whole numbers 0..255 into `file`, only when all are sound and
// nothing but blanks and line breaks follows them. On a fault `file` is left
// as it was.
SignalFileStatus ParseSignalFile(const QByteArray &contents, SignalGrid &file);
SignalFileStatus ReadSignalFile(const QString &path, SignalGrid &file);
// Writes through a temporary file beside the target; a failed save leaves an
// existing file as it was and names the system's reason.
SignalFileStatus WriteSignalFile(const QString &path, const SignalGrid &file);
// What went wrong, in the current language.
QString SignalFileFaultText(const SignalFileStatus &status);

// The load: reads and checks the whole file; when sound, SignalFileImage
// becomes the file and its rows 64..95 replace MemoryImage rows 576..607.
// On a fault nothing changes.
SignalFileStatus LoadSignalFileImage(const QString &path);
// The save: takes an existing sound file into the rows it keeps (rows of a
// file that is not sound are not taken), packs the sheet over them and
// writes all 256 rows. SignalFileImage becomes what was written, and stays
// as it was when the write fails.
SignalFileStatus SaveSignalFileImage(const QString &path, const SignalFileSheet &sheet);
