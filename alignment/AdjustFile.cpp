#include "alignment/AdjustFile.h"

#include "platform/NumberFile.h"

#include <QBuffer>

namespace {
constexpr BiText LoadFailedText{"Loading the optional parameters from file failed; the parameters are unchanged.",
                                "调整参数从文件调入失败，参数未改变 ！"};
// Followed by what became of the file (SaveFailureText).
constexpr BiText SaveFailedText{"Storing the optional parameters failed", "调整参数保存失败"};
constexpr BiText TooShortText{"The file ends at line %1, before all 512 values were read.",
                              "文件在第 %1 行结束，不足 512 个数值。"};
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
    return ParseNumberFileInto(contents, AdjustFileNumbers, grid, ByteRowsSink<AdjustGrid>);
}

AdjustFileStatus ReadAdjustFile(const QString &path, AdjustGrid &grid)
{
    return LoadNumberFileInto(path, AdjustFileNumbers, grid, ByteRowsSink<AdjustGrid>);
}

AdjustFileStatus WriteAdjustFile(const QString &path, const AdjustGrid &grid)
{
    return SaveNumberFile(path, AdjustFileBytes(grid));
}

QString AdjustFileFailureText(const AdjustFileStatus &status, bool load)
{
    if (!load)
        return SaveFailureText(status, SaveFailedText);
    return LoadFailedText.text() + QLatin1Char('\n') + NumberFileFaultText(status, TooShortText);
}
