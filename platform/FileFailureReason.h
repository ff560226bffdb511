#pragma once
// Why a file could not be opened, read or written, named in the chosen
// language for the common cases; other cases keep the system's own words.
#include <QString>

enum class FileFailureReason {
    Other,             // the system's words are shown as they are
    NoSuchFile,        // the file, or the folder it should be in, does not exist
    PermissionDenied,
    IsAFolder,
    NotAPlainFile,     // a pipe, a device or a socket
    DiskFull,          // no space left, or the user's quota used up
    ReadOnlyFile,      // the file exists and may not be written
    ReadOnlyDisk,      // the file system is mounted read-only
};

// The reason behind the words a failed file operation left in its
// errorString(); Other when they are none of the common cases.
FileFailureReason FileFailureReasonOf(const QString &systemWords);

// The reason in the current language; for Other, the system's words.
QString FileFailureText(FileFailureReason reason, const QString &systemWords);
