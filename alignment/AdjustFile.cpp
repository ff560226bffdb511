#include "alignment/AdjustFile.h"

#include "platform/NumberFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr BiText LoadFailedText{"Loading the optional parameters from file failed; the parameters are unchanged.",
                                "调整参数从文件调入失败，参数未改变 ！"};
constexpr BiText SaveFailedText{"Storing the optional parameters failed; an existing file is left unchanged.",
                                "调整参数保存失败，原有文件未改变 ！"};
constexpr BiText CannotOpenText{"Cannot open the file %1 (%2).", "无法打开文件 %1（%2）。"};
constexpr BiText NotWholeText{"Line %1 of the file holds something that is not a whole number.",
                              "文件第 %1 行有不是整数的内容。"};
constexpr BiText OutOfRangeText{"Line %1 of the file holds the value %2, outside 0 to 255.",
                                "文件第 %1 行的数值 %2 不在 0 至 255 之内。"};
constexpr BiText TooShortText{"The file ends at line %1, before all 512 values were read.",
                              "文件在第 %1 行结束，不足 512 个数值。"};
constexpr BiText CannotWriteText{"Cannot write the file %1 (%2).", "无法写入文件 %1（%2）。"};

QString faultText(const AdjustFileStatus &status)
{
    switch (status.fault) {
    case AdjustFileFault::None:
        return {};
    case AdjustFileFault::CannotOpen:
        return CannotOpenText.text().arg(status.path, status.systemError);
    case AdjustFileFault::NotAWholeNumber:
        return NotWholeText.text().arg(status.line);
    case AdjustFileFault::ValueOutOfRange:
        return OutOfRangeText.text().arg(status.line).arg(status.value);
    case AdjustFileFault::TooShort:
        return TooShortText.text().arg(status.line);
    case AdjustFileFault::CannotWrite:
        return CannotWriteText.text().arg(status.path, status.systemError);
    }
    return {};
}

// Folders, pipes and devices are never read or replaced as files.
bool notPlainFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}
} // namespace

QByteArray AdjustFileBytes(const AdjustGrid &grid)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NumberFileWriter writer(&buffer);
    for (int r = 0; r < AdjustBlockRows; ++r) {
        for (int c = 0; c < 16; ++c)
            writer.writeNumber(grid[r][c]);
        writer.endLine();
    }
    return buffer.data();
}

AdjustFileStatus ParseAdjustFile(const QByteArray &contents, AdjustGrid &grid)
{
    AdjustFileStatus status;
    NumberFileReader reader(contents);
    AdjustGrid staged = grid;
    for (int i = 0; i < AdjustFileNumbers; ++i) {
        const std::optional<qint64> value = reader.nextInteger();
        if (!value) {
            status.fault = reader.error() == NumberFileReader::Error::EndOfFile
                               ? AdjustFileFault::TooShort
                               : AdjustFileFault::NotAWholeNumber;
            status.line = reader.line();
            return status;
        }
        if (*value < 0 || *value > 255) {
            status.fault = AdjustFileFault::ValueOutOfRange;
            status.line = reader.line();
            status.value = *value;
            return status;
        }
        staged[i / 16][i % 16] = qint16(*value);
    }
    grid = staged;
    return status;
}

AdjustFileStatus ReadAdjustFile(const QString &path, AdjustGrid &grid)
{
    AdjustFileStatus status;
    status.path = path;
    if (notPlainFile(path)) {
        status.fault = AdjustFileFault::CannotOpen;
        status.systemError = QStringLiteral("not a plain file");
        return status;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray contents = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            AdjustFileStatus parsed = ParseAdjustFile(contents, grid);
            parsed.path = path;
            return parsed;
        }
    }
    status.fault = AdjustFileFault::CannotOpen;
    status.systemError = file.errorString();
    return status;
}

AdjustFileStatus WriteAdjustFile(const QString &path, const AdjustGrid &grid)
{
    AdjustFileStatus status;
    status.path = path;
    if (notPlainFile(path)) {
        status.fault = AdjustFileFault::CannotWrite;
        status.systemError = QStringLiteral("not a plain file");
        return status;
    }
    const QByteArray bytes = AdjustFileBytes(grid);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) == bytes.size() && file.commit())
            return status;
        file.cancelWriting();
    }
    status.fault = AdjustFileFault::CannotWrite;
    status.systemError = file.errorString();
    return status;
}

QString AdjustFileFailureText(const AdjustFileStatus &status, bool load)
{
    const BiText head = load ? LoadFailedText : SaveFailedText;
    return head.text() + QLatin1Char('\n') + faultText(status);
}
