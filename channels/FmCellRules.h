#pragma once
// What the FM grid makes of a cell the user has changed, before anything is
// stored: a typed frequency accepted, emptied or out of the broadcast band,
// and a typed station name as the record keeps it. Pure: the window shows
// the warnings and stores the row.
#include <QString>

// The value of a typed frequency: the number the text starts with (blanks
// skipped, leading zeros as any other digit, 0 when there is none); a comma
// stands for the point when the text has no point ("88,5" reads 88.5).
double FmTypedValue(const QString &typed);

struct FmFrequencyCommit {
    enum Outcome {
        Emptied,    // nothing but blanks: the channel goes, name and all
        Accepted,   // 87 to 108 MHz: stored as its value
        OutOfRange  // anything else: the range warning, then 87 MHz stored
    };
    Outcome outcome = Emptied;
    double mhz = 0;  // what is stored (Accepted, OutOfRange)
};
FmFrequencyCommit FmFrequencyCommitOf(const QString &typed);

struct FmNameCommit {
    // A character the record cannot hold (not an FmNameCharacter) among
    // the six kept: the character warning alone; nothing is stored and the
    // cell keeps what it showed.
    bool refused = false;
    // More than 6 characters after trimming: the length warning; the first
    // 6 are kept.
    bool tooLong = false;
    // What the cell shows and the record keeps: trimmed, in capitals (a
    // letter whose capital has no single-byte code stays as typed), at most
    // 6 characters; empty on a row without a frequency.
    QString name;
};
FmNameCommit FmNameCommitOf(const QString &typed, bool rowHasFrequency);
