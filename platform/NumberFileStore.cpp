#include "platform/NumberFileStore.h"

#include "platform/NumberFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr BiText CannotOpenText{"Cannot open the file %1 (%2).", "无法打开文件 %1（%2）。"};
constexpr BiText NotWholeText{"Line %1 of the file holds something that is not a whole number.",
                              "文件第 %1 行有不是整数的内容。"};
constexpr BiText OutOfRangeText{"Line %1 of the file holds the value %2, outside 0 to 255.",
                                "文件第 %1 行的数值 %2 不在 0 至 255 之内。"};
constexpr BiText TrailingText{"Line %1 of the file holds more after the complete content; "
                              "the file is damaged or of another kind.",
                              "文件第 %1 行在完整内容之后还有多余的内容，文件已损坏或不是本类文件。"};
constexpr BiText CannotWriteText{"Cannot write the file %1 (%2).", "无法写入文件 %1（%2）。"};
constexpr BiText NotConfirmedText{"The disk did not confirm that the file %1 is stored (%2); save it again.",
                                  "磁盘未确认文件 %1 已保存（%2），请再保存一次。"};

// What became of the file after a failed save, following the kind's words.
constexpr BiText LeftUnchangedTail{"; an existing file is left unchanged.", "，原有文件未改变 ！"};
constexpr BiText NewContentTail{"; the file holds the new content, but it may not be safely on the disk.",
                                "，文件已是新内容，但可能未安全写入磁盘 ！"};
constexpr BiText NoFileTail{".", " ！"};

// Something other than a plain file stands at the path.
FileFailureReason notPlainFileReason(const struct stat &info)
{
    return S_ISDIR(info.st_mode) ? FileFailureReason::IsAFolder : FileFailureReason::NotAPlainFile;
}

NumberFileStatus failure(NumberFileFault fault, const QString &path, FileFailureReason reason, int code)
{
    NumberFileStatus status;
    status.fault = fault;
    status.path = path;
    status.reason = reason;
    status.systemCode = code;
    return status;
}

// A system call failed with `code`.
NumberFileStatus systemFailure(NumberFileFault fault, const QString &path, int code)
{
    return failure(fault, path, FileFailureReasonOf(code), code);
}

// A plain file read through the system's own calls, so that a failed read
// keeps its error code.
class SystemFile : public QIODevice
{
public:
    explicit SystemFile(int fd) : m_fd(fd) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    ~SystemFile() override { ::close(m_fd); }
    bool isSequential() const override { return true; }
    int code() const { return m_code; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        for (;;) {
            const ssize_t n = ::read(m_fd, data, size_t(maxSize));
            if (n >= 0)
                return n;
            if (errno != EINTR) {
                m_code = errno;
                setErrorString(qt_error_string(m_code));
                return -1;
            }
        }
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    int m_fd;
    int m_code = 0;
};

// Writes all of `bytes` to the descriptor; the error code, 0 when all went.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *from = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, from, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        from += n;
        left -= n;
    }
    return 0;
}

// The folder part of `path` with its closing slash; empty for a bare name.
QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

// Follows a symbolic link at `path` that names no file yet (it may name
// another link in turn) to the name it stands for, read from the link's own
// folder when it is relative: that is where a new file is made. A name that
// is no link stays as it is. The error code, 0 when all went.
int followDanglingLinks(QByteArray &path)
{
    for (int depth = 0;; ++depth) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(info.st_mode))
            return 0;
        if (depth == 40)
            return ELOOP;
        QByteArray link(qMax<qsizetype>(info.st_size, 255) + 1, '\0');
        const ssize_t n = ::readlink(path.constData(), link.data(), size_t(link.size()));
        if (n < 0)
            return errno;
        if (n >= link.size())
            return ENAMETOOLONG;
        link.truncate(n);
        path = link.startsWith('/') ? link : folderOf(path) + link;
    }
}

// Gives the new file `fd` the owner and group of the file it replaces as far
// as the user may: where the owner may not be given away, at least the group
// when the user belongs to it. Whatever is refused, the save goes on.
void keepOwner(int fd, const struct stat &old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0 || (now.st_uid == old.st_uid && now.st_gid == old.st_gid))
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && now.st_gid != old.st_gid)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
}

// A folder the disk cannot sync at all: nothing more can be put down.
bool cannotSync(int code)
{
    return code == EINVAL || code == EROFS || code == ENOTSUP || code == EOPNOTSUPP || code == EBADF;
}

// Puts the folder's names on the disk, so that a rename into it survives a
// crash. 0 when done, and when the folder cannot be synced at all (one the
// user may not read cannot be opened for it; a disk that does not sync
// folders): then nothing more can be done. Otherwise the error code.
int syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? 0 : errno;
    int code = 0;
    if (::fsync(fd) != 0 && !cannotSync(errno))
        code = errno;
    ::close(fd);
    return code;
}

struct Replacement {
    int code = 0;  // of the step that failed; 0 when all went
    FileFailureReason reason = FileFailureReason::Other;
    bool replaced = false;  // the target holds the new content
};

Replacement failedStep(int code)
{
    return {code, FileFailureReasonOf(code), false};
}

// Writes `bytes` to a new temporary file in the folder of `target` and
// renames it over `target` once all of it is on the disk, then syncs the
// folder. The temporary's name is short whatever the target's, so only the
// target's own name can be too long. `old` is the existing file's state (it
// keeps its permissions, owner and group), or null for a new file (the usual
// permissions, less the user's mask). A failure before the rename removes
// the temporary.
Replacement replaceThroughTemporary(const QByteArray &target, const QByteArray &bytes, const struct stat *old)
{
    const QByteArray folder = folderOf(target);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = folder + ".~save-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666);
        if (fd >= 0 || (errno == EEXIST && attempt < 100))
            continue;
        // No new file may be made beside the target: the folder refuses it,
        // whatever the target itself allows.
        const int code = errno;
        if (code == EACCES || code == EPERM)
            return {code, FileFailureReason::FolderNotWritable, false};
        return failedStep(code);
    }
    int code = 0;
    if (old) {
        // The owner first: a change of owner clears the set-id bits.
        keepOwner(fd, *old);
        if (::fchmod(fd, old->st_mode & 07777) != 0)
            code = errno;
    }
    if (code == 0)
        code = writeAll(fd, bytes);
    // A disk that cannot sync (EINVAL) has nothing more to put down.
    if (code == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        code = errno;
    if (::close(fd) != 0 && code == 0 && errno != EINTR)
        code = errno;
    if (code == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temporary.constData());
        return failedStep(code);
    }
    Replacement done = failedStep(syncFolder(folder));
    done.replaced = true;
    return done;
}
} // namespace

NumberFileStatus ReadNumbers(NumberFileReader &reader, int count, const NumberFileSink &take)
{
    NumberFileStatus status;
    for (int i = 0; i < count; ++i) {
        const std::optional<qint64> value = reader.nextInteger();
        if (!value) {
            status.fault = reader.error() == NumberFileReader::Error::EndOfFile ? NumberFileFault::TooShort
                                                                                 : NumberFileFault::NotAWholeNumber;
            status.line = reader.line();
            return status;
        }
        if (!take(i, *value)) {
            status.fault = NumberFileFault::ValueOutOfRange;
            status.line = reader.line();
            status.value = *value;
            return status;
        }
    }
    if (!reader.finish()) {
        status.fault = NumberFileFault::TrailingContent;
        status.line = reader.line();
    }
    return status;
}

NumberFileStatus ParseNumberFile(const QByteArray &contents, int count, const NumberFileSink &take)
{
    NumberFileReader reader(contents);
    return ReadNumbers(reader, count, take);
}

NumberFileStatus LoadNumberFile(const QString &path, int count, const NumberFileSink &take)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return systemFailure(NumberFileFault::CannotOpen, path, errno);
    if (!S_ISREG(info.st_mode))
        return failure(NumberFileFault::CannotOpen, path, notPlainFileReason(info), 0);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemFailure(NumberFileFault::CannotOpen, path, errno);
    SystemFile file(fd);
    NumberFileReader reader(&file);
    NumberFileStatus status = ReadNumbers(reader, count, take);
    if (reader.error() == NumberFileReader::Error::ReadFailed)
        status = systemFailure(NumberFileFault::CannotOpen, path, file.code());
    status.path = path;
    return status;
}

NumberFileStatus SaveNumberFile(const QString &path, const QByteArray &bytes)
{
    QByteArray target = QFile::encodeName(path);
    struct stat info {};
    const bool existing = ::stat(target.constData(), &info) == 0;
    if (!existing && errno != ENOENT)
        return systemFailure(NumberFileFault::CannotWrite, path, errno);
    if (existing) {
        if (!S_ISREG(info.st_mode))
            return failure(NumberFileFault::CannotWrite, path, notPlainFileReason(info), 0);
        // A file the user may not write is not replaced behind its back.
        if (::access(target.constData(), W_OK) != 0) {
            const int code = errno;
            NumberFileStatus status = failure(NumberFileFault::CannotWrite, path,
                                              code == EACCES || code == EPERM ? FileFailureReason::ReadOnlyFile
                                                                              : FileFailureReasonOf(code),
                                              code);
            status.existed = true;
            return status;
        }
        // Through a symbolic link, the file it names is replaced.
        char *real = ::realpath(target.constData(), nullptr);
        if (!real) {
            NumberFileStatus status = systemFailure(NumberFileFault::CannotWrite, path, errno);
            status.existed = true;
            return status;
        }
        target = real;
        ::free(real);
    } else if (const int code = followDanglingLinks(target)) {
        return systemFailure(NumberFileFault::CannotWrite, path, code);
    }
    const Replacement replacement = replaceThroughTemporary(target, bytes, existing ? &info : nullptr);
    NumberFileStatus status;
    if (replacement.code != 0)
        status = failure(NumberFileFault::CannotWrite, path, replacement.reason, replacement.code);
    status.path = path;
    status.existed = existing;
    status.replaced = replacement.code != 0 && replacement.replaced;
    return status;
}

QString NumberFileFaultText(const NumberFileStatus &status, const BiText &tooShort)
{
    switch (status.fault) {
    case NumberFileFault::None:
        return {};
    case NumberFileFault::CannotOpen:
        return CannotOpenText.text().arg(status.path, FileFailureText(status.reason, status.systemCode));
    case NumberFileFault::NotAWholeNumber:
        return NotWholeText.text().arg(status.line);
    case NumberFileFault::ValueOutOfRange:
        return OutOfRangeText.text().arg(status.line).arg(status.value);
    case NumberFileFault::TooShort:
        return tooShort.text().arg(status.line);
    case NumberFileFault::TrailingContent:
        return TrailingText.text().arg(status.line);
    case NumberFileFault::CannotWrite:
        return (status.replaced ? NotConfirmedText : CannotWriteText)
            .text()
            .arg(status.path, FileFailureText(status.reason, status.systemCode));
    }
    return {};
}

QString SaveFailureText(const NumberFileStatus &status, const BiText &failed)
{
    const BiText &tail = status.replaced ? NewContentTail : status.existed ? LeftUnchangedTail : NoFileTail;
    return failed.text() + tail.text() + QLatin1Char('\n') + NumberFileFaultText(status, BiText{"", ""});
}
