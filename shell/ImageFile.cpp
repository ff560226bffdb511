#include "shell/ImageFile.h"

#include "link/LinkSession.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/NumberFile.h"
#include "platform/FileState.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {
constexpr BiText SavedText{"Complete storing  parameter.", "参数保存完毕 ！"};
constexpr BiText LoadedText{"Succeed fold the parameter from file.", "参数从文件调入成功 ！"};
constexpr BiText SaveFailedText{"Storing the parameter failed; an existing file is left unchanged.",
                                "参数保存失败，原有文件未改变 ！"};
constexpr BiText LoadFailedText{"Loading the parameter from file failed; the parameters are unchanged.",
                                "参数从文件调入失败，参数未改变 ！"};
constexpr BiText BusyText{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};

constexpr BiText CannotOpenText{"Cannot open the file %1 (%2).", "无法打开文件 %1（%2）。"};
constexpr BiText NotWholeText{"Line %1 of the file holds something that is not a whole number.",
                              "文件第 %1 行有不是整数的内容。"};
constexpr BiText OutOfRangeText{"Line %1 of the file holds the value %2, outside 0 to 255.",
                                "文件第 %1 行的数值 %2 不在 0 至 255 之内。"};
constexpr BiText TooShortText{"The file ends at line %1, before all 1025 rows were read.",
                              "文件在第 %1 行结束，不足 1025 行。"};
constexpr BiText CannotWriteText{"Cannot write the file %1 (%2).", "无法写入文件 %1（%2）。"};

// Something other than a plain file stands at the path.
FileFailureReason notPlainFileReason(const QFileInfo &info)
{
    return info.isDir() ? FileFailureReason::IsAFolder : FileFailureReason::NotAPlainFile;
}
}

QByteArray ImageFileBytes(const ImageGrid &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NumberFileWriter writer(&buffer);
    for (int r = 0; r < ImageRows; ++r) {
        writer.writeNumber(r / 16);
        writer.writeNumber(r % 16);
        writer.writeNumber(r);
        for (int c = 0; c < 16; ++c)
            writer.writeNumber(image[r][c]);
        writer.endLine();
    }
    return buffer.data();
}

ImageFileStatus ParseImageFile(const QByteArray &contents, ImageGrid &image)
{
    ImageFileStatus status;
    NumberFileReader reader(contents);
    ImageGrid staged = image;
    for (int r = 0; r < ImageRows; ++r) {
        for (int k = 0; k < 19; ++k) {
            const std::optional<qint64> value = reader.nextInteger();
            if (!value) {
                status.fault = reader.error() == NumberFileReader::Error::EndOfFile
                                   ? ImageFileFault::TooShort
                                   : ImageFileFault::NotAWholeNumber;
                status.line = reader.line();
                return status;
            }
            if (k < 3)
                continue;  // the row's address numbers are not examined
            if (*value < 0 || *value > 255) {
                status.fault = ImageFileFault::ValueOutOfRange;
                status.line = reader.line();
                status.value = *value;
                return status;
            }
            staged[r][k - 3] = qint16(*value);
        }
    }
    image = staged;
    return status;
}

ImageFileStatus LoadImageFile(const QString &path, ImageGrid &image)
{
    QFile file(path);
    ImageFileStatus status;
    status.path = path;
    // A folder, pipe or device would never read as a file (a pipe would
    // block for ever); only plain files are opened.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        status.fault = ImageFileFault::CannotOpen;
        status.reason = notPlainFileReason(info);
        return status;
    }
    QByteArray contents;
    if (file.open(QIODevice::ReadOnly)) {
        contents = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            file.close();
            ImageFileStatus parsed = ParseImageFile(contents, image);
            parsed.path = path;
            return parsed;
        }
    }
    status.fault = ImageFileFault::CannotOpen;
    status.systemError = file.errorString();
    status.reason = FileFailureReasonOf(status.systemError);
    return status;
}

ImageFileStatus SaveImageFile(const QString &path, const ImageGrid &image)
{
    ImageFileStatus status;
    status.path = path;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        status.fault = ImageFileFault::CannotWrite;
        status.reason = notPlainFileReason(info);
        return status;
    }
    const QByteArray bytes = ImageFileBytes(image);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        errno = 0;
        const qint64 written = file.write(bytes);
        // A write the system cut short (disk full, size limit) counts for Qt
        // as no error; the system's reason is left in errno.
        const int writeError = errno;
        if (written == bytes.size() && file.commit())
            return status;
        status.systemError = written != bytes.size() && file.error() == QFileDevice::NoError
                                 ? qt_error_string(writeError)
                                 : file.errorString();  // taken before the cancel rewords it
        file.cancelWriting();
    } else {
        status.systemError = file.errorString();
    }
    status.fault = ImageFileFault::CannotWrite;
    status.reason = FileFailureReasonOf(status.systemError);
    return status;
}

QString ImageFileFaultText(const ImageFileStatus &status)
{
    switch (status.fault) {
    case ImageFileFault::None:
        return {};
    case ImageFileFault::CannotOpen:
        return CannotOpenText.text().arg(status.path, FileFailureText(status.reason, status.systemError));
    case ImageFileFault::NotAWholeNumber:
        return NotWholeText.text().arg(status.line);
    case ImageFileFault::ValueOutOfRange:
        return OutOfRangeText.text().arg(status.line).arg(status.value);
    case ImageFileFault::TooShort:
        return TooShortText.text().arg(status.line);
    case ImageFileFault::CannotWrite:
        return CannotWriteText.text().arg(status.path, FileFailureText(status.reason, status.systemError));
    }
    return {};
}

bool WriteImageFile(const QString &folder, const QString &name)
{
    FilePath = JoinFilePath(folder, name);
    AdjustFileRequestSave = 0;
    const ImageFileStatus status = SaveImageFile(FilePath, MemoryImage);
    if (!status.ok()) {
        MsgBox(SaveFailedText.text() + QLatin1Char('\n') + ImageFileFaultText(status),
               MsgIcon::Exclamation, PromptTitle);
        return false;
    }
    MsgBox(SavedText, MsgIcon::Exclamation, PromptTitle);
    return true;
}

bool ReadImageFile(const QString &folder, const QString &name)
{
    // Loading while the radio is being read or written would mix two images.
    if (LinkSession::anyExchangeRunning()) {
        MsgBox(BusyText, MsgIcon::Exclamation, PromptTitle);
        return false;
    }
    FilePath = JoinFilePath(folder, name);
    AdjustFileRequestOpen = 0;
    const ImageFileStatus status = LoadImageFile(FilePath, MemoryImage);
    if (!status.ok()) {
        MsgBox(LoadFailedText.text() + QLatin1Char('\n') + ImageFileFaultText(status),
               MsgIcon::Exclamation, PromptTitle);
        return false;
    }
    MsgBox(LoadedText, MsgIcon::Exclamation, PromptTitle);
    return true;
}
