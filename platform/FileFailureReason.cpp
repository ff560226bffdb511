#include "platform/FileFailureReason.h"

#include "platform/Language.h"

#include <QtGlobal>
#include <cerrno>

namespace {
struct Known {
    int code;
    FileFailureReason reason;
};

// Codes the system gives for opening, reading, writing, syncing, closing and
// renaming a file.
constexpr Known KnownCodes[] = {
    {ENOENT, FileFailureReason::NoSuchFile},
    {ENOTDIR, FileFailureReason::NotAFolder},
    {EACCES, FileFailureReason::PermissionDenied},
    {EPERM, FileFailureReason::PermissionDenied},
    {EISDIR, FileFailureReason::IsAFolder},
    {ENOTEMPTY, FileFailureReason::IsAFolder},
    {ENOSPC, FileFailureReason::DiskFull},
    {EDQUOT, FileFailureReason::QuotaExceeded},
    {EROFS, FileFailureReason::ReadOnlyDisk},
    {ENAMETOOLONG, FileFailureReason::NameTooLong},
    {ELOOP, FileFailureReason::TooManyLinks},
    {EBUSY, FileFailureReason::Busy},
    {ETXTBSY, FileFailureReason::InUse},
    {EIO, FileFailureReason::InputOutput},
    {EMFILE, FileFailureReason::TooManyOpenFiles},
    {ENFILE, FileFailureReason::TooManyOpenFiles},
    {EEXIST, FileFailureReason::AlreadyExists},
    {EINVAL, FileFailureReason::InvalidName},
    {EFBIG, FileFailureReason::FileTooLarge},
    {EOVERFLOW, FileFailureReason::FileTooLarge},
    {EXDEV, FileFailureReason::OtherDisk},
    {ENXIO, FileFailureReason::NoDevice},
    {ENODEV, FileFailureReason::NoDevice},
    {ENOMEM, FileFailureReason::OutOfMemory},
    {EINTR, FileFailureReason::Interrupted},
    {EAGAIN, FileFailureReason::TemporarilyUnavailable},
    {EOPNOTSUPP, FileFailureReason::NotSupported},
    {ENOTSUP, FileFailureReason::NotSupported},
    {ESTALE, FileFailureReason::StaleFile},
    {ETIMEDOUT, FileFailureReason::TimedOut},
};

constexpr BiText SystemErrorText{"system error %1: %2", "系统错误 %1"};
constexpr BiText UnknownErrorText{"an unknown system error", "未知的系统错误"};

BiText wordsFor(FileFailureReason reason)
{
    using R = FileFailureReason;
    switch (reason) {
    case R::NoSuchFile: return {"no such file or folder", "文件或文件夹不存在"};
    case R::PermissionDenied: return {"permission denied", "没有访问权限"};
    case R::IsAFolder: return {"it is a folder", "这是一个文件夹"};
    case R::NotAPlainFile: return {"not a plain file", "不是普通文件"};
    case R::DiskFull: return {"the disk is full", "磁盘已满"};
    case R::ReadOnlyFile: return {"the file is read-only", "文件为只读"};
    case R::ReadOnlyDisk: return {"the disk is read-only", "磁盘为只读"};
    case R::NotAFolder: return {"a part of the path is not a folder", "路径中有一部分不是文件夹"};
    case R::NameTooLong: return {"the file name is too long", "文件名太长"};
    case R::TooManyLinks: return {"too many symbolic links in the path", "路径中的符号链接太多"};
    case R::Busy: return {"the file or device is busy", "文件或设备正忙"};
    case R::InUse: return {"the file is a running program", "文件是正在运行的程序"};
    case R::InputOutput: return {"the disk or device could not be read or written", "磁盘或设备读写出错"};
    case R::TooManyOpenFiles: return {"too many files are open", "打开的文件太多"};
    case R::QuotaExceeded: return {"the disk quota is used up", "磁盘配额已用完"};
    case R::AlreadyExists: return {"the file already exists", "文件已存在"};
    case R::InvalidName: return {"the name or the request is not valid", "文件名或操作无效"};
    case R::FileTooLarge: return {"the file is too large", "文件太大"};
    case R::OtherDisk: return {"the file would move to another disk", "不能跨磁盘移动文件"};
    case R::NoDevice: return {"no such device", "设备不存在"};
    case R::OutOfMemory: return {"not enough memory", "内存不足"};
    case R::Interrupted: return {"the operation was interrupted", "操作被中断"};
    case R::TemporarilyUnavailable: return {"the file is unavailable for now", "文件暂时不可用"};
    case R::NotSupported: return {"the disk does not support the operation", "磁盘不支持此操作"};
    case R::StaleFile: return {"the network file is no longer valid", "网络文件已失效"};
    case R::TimedOut: return {"the disk did not answer in time", "磁盘响应超时"};
    case R::FolderNotWritable: return {"the folder may not be written to", "文件夹不允许写入"};
    case R::Other: break;
    }
    return {"", ""};
}
} // namespace

FileFailureReason FileFailureReasonOf(int code)
{
    for (const Known &k : KnownCodes)
        if (k.code == code)
            return k.reason;
    return FileFailureReason::Other;
}

QString FileFailureText(FileFailureReason reason, int code)
{
    if (reason != FileFailureReason::Other)
        return wordsFor(reason).text();
    if (code == 0)
        return UnknownErrorText.text();
    // The system's own words only in English: in Chinese they would stand
    // untranslated in the box.
    const QString text = SystemErrorText.text().arg(code);
    return LanguageFlag ? text : text.arg(qt_error_string(code));
}
