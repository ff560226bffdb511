#pragma once
// Why a file could not be opened, read or written, taken from the system's
// error code and named in the chosen language: every code a load or a save
// can meet has its own words, any other is named as a system error with its
// number, so a Chinese box never carries the system's English words.
#include <QString>

enum class FileFailureReason {
    Other,             // a code without words of its own: named by its number
    NoSuchFile,        // the file, or the folder it should be in, does not exist
    PermissionDenied,
    IsAFolder,
    NotAPlainFile,     // a pipe, a device or a socket
    DiskFull,          // no space left on the disk
    ReadOnlyFile,      // the file exists and may not be written
    ReadOnlyDisk,      // the file system is mounted read-only
    NotAFolder,        // a part of the path that should be a folder is a file
    NameTooLong,       // the name, or the whole path, is longer than the system allows
    TooManyLinks,      // symbolic links loop or nest too deep
    Busy,              // the file or the device is in use by the system
    InUse,             // the file is a program that is running
    InputOutput,       // the disk or the device failed to read or write
    TooManyOpenFiles,  // the program's or the system's limit of open files
    QuotaExceeded,     // the user's disk quota is used up
    AlreadyExists,
    InvalidName,       // the name or the request is not valid on this disk
    FileTooLarge,      // over the size the system or the user's limit allows
    OtherDisk,         // a rename across two disks
    NoDevice,          // the device behind the file is not there
    OutOfMemory,
    Interrupted,
    TemporarilyUnavailable,
    NotSupported,      // the disk does not support the operation
    StaleFile,         // a network file that the server no longer knows
    TimedOut,          // a network disk did not answer
    FolderNotWritable, // no new file may be made in the folder (a save's
                       // temporary file was refused), whatever the file allows
};

// The reason for a system error code (errno); Other for a code without words
// of its own and for 0 (no code known).
FileFailureReason FileFailureReasonOf(int code);

// The reason in the current language. Other names the system error by its
// number `code` (in English with the system's words after it).
QString FileFailureText(FileFailureReason reason, int code);
