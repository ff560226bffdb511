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

// Writes `bytes` to a new temporary file in the folder of `target` and
// renames it over `target` once all of it is on the disk. The temporary's
// name is short whatever the target's, so only the target's own name can be
// too long. `keepMode` is the existing file's permissions, or -1 for a new
// file (the usual permissions, less the user's mask). The error code of the
// step that failed (the temporary removed), 0 when the target was replaced.
int replaceThroughTemporary(const QByteArray &target, const QByteArray &bytes, int keepMode)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = folder + ".~save-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keepMode < 0 ? 0666 : 0600);
        if (fd < 0 && (errno != EEXIST || attempt == 100))
            return errno;
    }
    int code = 0;
    if (keepMode >= 0 && ::fchmod(fd, mode_t(keepMode)) != 0)
        code = errno;
    if (code == 0)
        code = writeAll(fd, bytes);
    // A disk that cannot sync (EINVAL) has nothing more to put down.
    if (code == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        code = errno;
    if (::close(fd) != 0 && code == 0 && errno != EINTR)
        code = errno;
    if (code == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        code = errno;
    if (code != 0)
        ::unlink(temporary.constData());
    return code;
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
            return failure(NumberFileFault::CannotWrite, path,
                           code == EACCES || code == EPERM ? FileFailureReason::ReadOnlyFile
                                                           : FileFailureReasonOf(code),
                           code);
        }
        // Through a symbolic link, the file it names is replaced.
        char *real = ::realpath(target.constData(), nullptr);
        if (!real)
            return systemFailure(NumberFileFault::CannotWrite, path, errno);
        target = real;
        ::free(real);
    }
    const int code = replaceThroughTemporary(target, bytes, existing ? int(info.st_mode & 07777) : -1);
    if (code != 0)
        return systemFailure(NumberFileFault::CannotWrite, path, code);
    NumberFileStatus status;
    status.path = path;
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
        return CannotWriteText.text().arg(status.path, FileFailureText(status.reason, status.systemCode));
    }
    return {};
}
