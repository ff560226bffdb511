#include "shell/ImageFile.h"

#include "link/LinkSession.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/NumberFile.h"
#include "platform/FileState.h"

#include <QBuffer>

namespace {
constexpr BiText SavedText{"Complete storing  parameter.", "参数保存完毕 ！"};
constexpr BiText LoadedText{"Succeed fold the parameter from file.", "参数从文件调入成功 ！"};
// Followed by what became of the file (SaveFailureText).
constexpr BiText SaveFailedText{"Storing the parameter failed", "参数保存失败"};
constexpr BiText LoadFailedText{"Loading the parameter from file failed; the parameters are unchanged.",
                                "参数从文件调入失败，参数未改变 ！"};
constexpr BiText BusyText{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};

constexpr BiText TooShortText{"The file ends at line %1, before all 1025 rows were read.",
                              "文件在第 %1 行结束，不足 1025 行。"};

// Takes the cells of each row into `staged`; the three numbers that lead a
// row are not examined.
NumberFileSink imageCells(ImageGrid &staged)
{
    return [&staged](int index, qint64 value) {
        const int k = index % 19;
        if (k < 3)
            return true;
        if (value < 0 || value > 255)
            return false;
        staged[index / 19][k - 3] = qint16(value);
        return true;
    };
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
    return ParseNumberFileInto(contents, ImageFileNumbers, image, imageCells);
}

ImageFileStatus LoadImageFile(const QString &path, ImageGrid &image)
{
    return LoadNumberFileInto(path, ImageFileNumbers, image, imageCells);
}

ImageFileStatus SaveImageFile(const QString &path, const ImageGrid &image)
{
    return SaveNumberFile(path, ImageFileBytes(image));
}

QString ImageFileFaultText(const ImageFileStatus &status)
{
    return NumberFileFaultText(status, TooShortText);
}

bool WriteImageFile(const QString &folder, const QString &name)
{
    FilePath = JoinFilePath(folder, name);
    AdjustFileRequestSave = 0;
    const ImageFileStatus status = SaveImageFile(FilePath, MemoryImage);
    if (!status.ok()) {
        MsgBox(SaveFailureText(status, SaveFailedText), MsgIcon::Exclamation, PromptTitle);
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
