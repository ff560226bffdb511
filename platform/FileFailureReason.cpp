#include "platform/FileFailureReason.h"

#include "platform/Language.h"

#include <QtGlobal>
#include <cerrno>

namespace {
constexpr BiText NoSuchFileText{"no such file or folder", "文件或文件夹不存在"};
constexpr BiText PermissionText{"permission denied", "没有访问权限"};
constexpr BiText FolderText{"it is a folder", "这是一个文件夹"};
constexpr BiText NotPlainText{"not a plain file", "不是普通文件"};
constexpr BiText DiskFullText{"the disk is full", "磁盘已满"};
constexpr BiText ReadOnlyFileText{"the file is read-only", "文件为只读"};
constexpr BiText ReadOnlyDiskText{"the disk is read-only", "磁盘为只读"};
}

FileFailureReason FileFailureReasonOf(const QString &systemWords)
{
    // Qt words an operating system error with qt_error_string(errno).
    struct Known {
        int code;
        FileFailureReason reason;
    };
    static const Known known[] = {
        {ENOENT, FileFailureReason::NoSuchFile},
        {ENOTDIR, FileFailureReason::NoSuchFile},
        {EACCES, FileFailureReason::PermissionDenied},
        {EPERM, FileFailureReason::PermissionDenied},
        {EISDIR, FileFailureReason::IsAFolder},
        {ENOSPC, FileFailureReason::DiskFull},
        {EDQUOT, FileFailureReason::DiskFull},
        {EROFS, FileFailureReason::ReadOnlyDisk},
    };
    if (systemWords.isEmpty())
        return FileFailureReason::Other;
    for (const Known &k : known)
        if (systemWords == qt_error_string(k.code))
            return k.reason;
    return FileFailureReason::Other;
}

QString FileFailureText(FileFailureReason reason, const QString &systemWords)
{
    switch (reason) {
    case FileFailureReason::NoSuchFile: return NoSuchFileText;
    case FileFailureReason::PermissionDenied: return PermissionText;
    case FileFailureReason::IsAFolder: return FolderText;
    case FileFailureReason::NotAPlainFile: return NotPlainText;
    case FileFailureReason::DiskFull: return DiskFullText;
    case FileFailureReason::ReadOnlyFile: return ReadOnlyFileText;
    case FileFailureReason::ReadOnlyDisk: return ReadOnlyDiskText;
    case FileFailureReason::Other: break;
    }
    return systemWords;
}
