#pragma once
// Loading and saving the program's number files (".dat", ".sig", ".adj"),
// once for all three: the load takes a fixed count of whole numbers from a
// plain file and refuses a file that holds anything after them but blanks
// and line breaks; the save replaces a file only once all of it was written
// and names the system's reason when it could not; and the words, in the
// chosen language, for what went wrong.
#include "platform/FileFailureReason.h"
#include "platform/Language.h"

#include <QByteArray>
#include <QString>
#include <functional>

class NumberFileReader;

enum class NumberFileFault {
    None,
    CannotOpen,       // missing, a folder, no permission, unreadable
    NotAWholeNumber,  // a letter, a fraction, any other stray text
    ValueOutOfRange,  // a value outside 0 to 255 where the file keeps a byte
    TooShort,         // the file ends before its last number
    CannotWrite,      // the save could not be completed
    TrailingContent,  // more than blanks and line breaks after the last number
};

struct NumberFileStatus {
    NumberFileFault fault = NumberFileFault::None;
    int line = 0;         // 1-based line of the file where reading failed
    qint64 value = 0;     // the offending number (ValueOutOfRange)
    FileFailureReason reason = FileFailureReason::Other;  // why it could not be opened or written
    int systemCode = 0;   // the system's error code (errno) of that failure; 0 when none
    QString path;         // the file concerned
    bool existed = false;   // a save: a plain file stood at the path before it
    bool replaced = false;  // a failed save: the new content is in the file all the
                            // same, but the disk did not confirm that it is stored
    bool ok() const { return fault == NumberFileFault::None; }
};

// Takes the number at `index` (0-based, in file order); false refuses it as
// out of range.
using NumberFileSink = std::function<bool(int index, qint64 value)>;

// A sink that fills rows of 16 byte cells in turn (a grid indexed
// grid[row][column]), refusing numbers outside 0 to 255.
template <typename Grid>
NumberFileSink ByteRowsSink(Grid &grid)
{
    return [&grid](int index, qint64 value) {
        if (value < 0 || value > 255)
            return false;
        grid[index / 16][index % 16] = qint16(value);
        return true;
    };
}

// Reads `count` whole numbers in turn into `take`, then checks that nothing
// but blanks and line breaks follows. The sink may have taken some numbers
// when a fault is found: the Into forms below keep them only when the status
// is ok.
NumberFileStatus ReadNumbers(NumberFileReader &reader, int count, const NumberFileSink &take);
NumberFileStatus ParseNumberFile(const QByteArray &contents, int count, const NumberFileSink &take);
// The same from the file at `path`, read a piece at a time. Only a plain
// file is opened (a pipe would block for ever, a device never end). A failure
// to open or read keeps the system's error code and its reason.
NumberFileStatus LoadNumberFile(const QString &path, int count, const NumberFileSink &take);

// The same into a grid, whole or not at all: the numbers go through the sink
// `sinkInto(copy)` makes on a copy of `grid`, and the copy replaces `grid`
// only when the status is ok; on any fault `grid` is left exactly as it was.
template <typename Grid, typename MakeSink>
NumberFileStatus ParseNumberFileInto(const QByteArray &contents, int count, Grid &grid, MakeSink sinkInto)
{
    Grid staged = grid;
    const NumberFileStatus status = ParseNumberFile(contents, count, sinkInto(staged));
    if (status.ok())
        grid = staged;
    return status;
}
template <typename Grid, typename MakeSink>
NumberFileStatus LoadNumberFileInto(const QString &path, int count, Grid &grid, MakeSink sinkInto)
{
    Grid staged = grid;
    const NumberFileStatus status = LoadNumberFile(path, count, sinkInto(staged));
    if (status.ok())
        grid = staged;
    return status;
}

// Writes `bytes` to `path` through a temporary file beside it that replaces
// the target only once everything was written, then syncs the folder so that
// the new name survives a crash: a failed save leaves an existing file as it
// was and no temporary behind, and keeps the error code of the step that
// failed and its reason. The file is replaced, not written over: a hard link
// to it keeps the old content. An existing file keeps its permissions, its
// group and its owner as far as the user may give them (a save never fails
// only for that); a symbolic link keeps pointing at the file it names, which
// is the one replaced, or made when the link names no file yet. When only
// the folder's sync fails the new content is in place: the save is reported
// as failed with `replaced` set, since the disk did not confirm it.
NumberFileStatus SaveNumberFile(const QString &path, const QByteArray &bytes);

// What went wrong, in the current language; `tooShort` is the kind's own
// text for a file that ends early (%1: the line).
QString NumberFileFaultText(const NumberFileStatus &status, const BiText &tooShort);

// The whole message of a failed save: the kind's own words `failed`, without
// a full stop ("Storing the parameter failed"), then what became of the file
// (that an existing file is left unchanged only when one stood at the path;
// that the new content is in it when only the disk's confirmation failed),
// and on the next line the reason.
QString SaveFailureText(const NumberFileStatus &status, const BiText &failed);
