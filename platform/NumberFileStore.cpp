#include "platform/NumberFileStore.h"

#include "platform/NumberFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <optional>
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
FileFailureReason notPlainFileReason(const QFileInfo &info)
{
    return info.isDir() ? FileFailureReason::IsAFolder : FileFailureReason::NotAPlainFile;
}

NumberFileStatus failure(NumberFileFault fault, const QString &path, FileFailureReason reason,
                         const QString &words)
{
    NumberFileStatus status;
    status.fault = fault;
    status.path = path;
    status.reason = reason;
    status.systemError = words;
    return status;
}

NumberFileStatus failure(NumberFileFault fault, const QString &path, const QString &words)
{
    return failure(fault, path, FileFailureReasonOf(words), words);
}

// An existing file that may not be written: read-only itself, or on a
// read-only disk.
std::optional<NumberFileStatus> refusedReplacement(const QString &path)
{
    if (::access(QFile::encodeName(path).constData(), W_OK) == 0)
        return std::nullopt;
    const int code = errno;
    const QString words = qt_error_string(code);
    const FileFailureReason reason = code == EACCES || code == EPERM ? FileFailureReason::ReadOnlyFile
                                                                     : FileFailureReasonOf(words);
    return failure(NumberFileFault::CannotWrite, path, reason, words);
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
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failure(NumberFileFault::CannotOpen, path, notPlainFileReason(info), QString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(NumberFileFault::CannotOpen, path, file.errorString());
    NumberFileReader reader(&file);
    NumberFileStatus status = ReadNumbers(reader, count, take);
    if (reader.error() == NumberFileReader::Error::ReadFailed)
        status = failure(NumberFileFault::CannotOpen, path, file.errorString());
    status.path = path;
    return status;
}

NumberFileStatus SaveNumberFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failure(NumberFileFault::CannotWrite, path, notPlainFileReason(info), QString());
    if (info.exists())
        if (std::optional<NumberFileStatus> refused = refusedReplacement(path))
            return *refused;

    // Unbuffered: every write reaches the system at once, so its failure is
    // seen here and not first when the file is committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(NumberFileFault::CannotWrite, path, file.errorString());
    errno = 0;
    const qint64 written = file.write(bytes);
    // A write the system cut short (disk full, size limit) counts for Qt as
    // no error; the system's reason is left in errno.
    const int writeError = errno;
    if (written != bytes.size()) {
        const QString words = file.error() == QFileDevice::NoError && writeError != 0
                                  ? qt_error_string(writeError)
                                  : file.errorString();  // taken before the cancel rewords it
        file.cancelWriting();
        return failure(NumberFileFault::CannotWrite, path, words);
    }
    if (!file.commit())
        return failure(NumberFileFault::CannotWrite, path, file.errorString());
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
        return CannotOpenText.text().arg(status.path, FileFailureText(status.reason, status.systemError));
    case NumberFileFault::NotAWholeNumber:
        return NotWholeText.text().arg(status.line);
    case NumberFileFault::ValueOutOfRange:
        return OutOfRangeText.text().arg(status.line).arg(status.value);
    case NumberFileFault::TooShort:
        return tooShort.text().arg(status.line);
    case NumberFileFault::TrailingContent:
        return TrailingText.text().arg(status.line);
    case NumberFileFault::CannotWrite:
        return CannotWriteText.text().arg(status.path, FileFailureText(status.reason, status.systemError));
    }
    return {};
}
