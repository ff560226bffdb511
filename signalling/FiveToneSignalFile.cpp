#include "signalling/FiveToneSignalFile.h"

#include "memory/CharacterCodec.h"
#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "platform/NumberFile.h"
#include "platform/NumberText.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneTexts.h"

#include <QBuffer>
#include <QFileInfo>

#include <cmath>

namespace {
// A list position as the file keeps it: 255 for no position.
qint16 positionByte(int position)
{
    return qint16(position >= 0 && position <= 255 ? position : 255);
}

void putToneCell(std::array<qint16, 16> &row, int start, const QString &text)
{
    const std::array<int, 5> codes = PackToneCell(text);
    for (int i = 0; i < 5; ++i)
        row[start + i] = qint16(codes[i]);
}

int standardIndex(QString text)
{
    return FiveToneStandardIndex(text);
}

void packTables(SignalGrid &file)
{
    const CellGrid<16, 16> *tables[4] = {&FiveToneTables.hzLow, &FiveToneTables.hzHigh,
                                         &FiveToneTables.countLow, &FiveToneTables.countHigh};
    for (int t = 0; t < 4; ++t)
        for (int s = 0; s < 16; ++s)
            for (int d = 0; d < 16; ++d)
                file[SignalFileRow::Tables + 16 * t + s][d] = (*tables[t])[s][d];
}

void packArea(const SignalFileSheet &sheet, SignalGrid &file)
{
    using namespace FiveToneArea;
    for (int i = 0; i < SignalFileRow::AreaRows; ++i)
        for (int c = 0; c < 16; ++c)
            file[SignalFileRow::Area + i][c] = MemoryImage[FirstRow + i][c];

    for (int s = 0; s < FiveToneStandardCount; ++s) {
        auto &row = file[SignalFileRow::Area + s];
        const auto &cells = sheet.standardCells[s];
        // A period cell shows 20 + 10 p ms; one that gives no byte keeps the image's.
        const double period = std::floor(TextToNumber(TrimSpaces(cells[0])) / 10) - 2;
        if (period >= 0 && period <= 255)
            row[PeriodByte] = qint16(period);
        row[GroupToneByte] = qint16(HexToToneCode(TrimSpaces(cells[1])));
        row[RepeatToneByte] = qint16(HexToToneCode(TrimSpaces(cells[2])));
    }
    for (int n = 1; n <= EncodeCount; ++n)
        file[SignalFileRow::Area + 15 + n][EncodeStandardByte] =
            qint16(standardIndex(sheet.encodeStandardCells[n - 1]));
}

void packDecodeList(const SignalFileSheet &sheet, SignalGrid &file)
{
    for (int n = 1; n <= 15; ++n) {
        const auto &cells = sheet.decodeCells[n - 1];  // cells[c - 1] is grid column c
        auto &codes = file[SignalFileRow::DecodeCodes + n];
        putToneCell(codes, 0, cells[1]);
        putToneCell(codes, 5, cells[3]);
        putToneCell(codes, 10, cells[5]);
        codes[15] = qint16(standardIndex(cells[0]));

        auto &more = file[SignalFileRow::DecodeMore + n];
        putToneCell(more, 0, cells[7]);
        more[5] = qint16(PackDecodeFunction(cells[2]));
        more[6] = qint16(PackDecodeFunction(cells[4]));
        more[7] = qint16(PackDecodeFunction(cells[6]));
        for (int c = 0; c < 6; ++c)
            more[8 + c] = qint16(sheet.decodeFunctions[n - 1][c] & 0xFF);
    }
}
} // namespace

std::array<int, 5> PackToneCell(const QString &text)
{
    const QString digits = TrimSpaces(text).leftJustified(5, QLatin1Char(' '));
    std::array<int, 5> codes{};
    for (int i = 0; i < 5; ++i)
        codes[i] = HexToToneCode(digits.mid(i, 1));
    return codes;
}

int PackDecodeFunction(const QString &text)
{
    const QString trimmed = TrimSpaces(text);
    if (trimmed.isEmpty())
        return 255;
    const QChar first = trimmed[0];
    return first >= QLatin1Char('0') && first <= QLatin1Char('9') ? first.unicode() - '0' : 0;
}

QString ToneCodeString(const SignalGrid &file, int row, int start)
{
    QString text;
    for (int i = 0; i < 5; ++i)
        text += ToneCodeToHex(file[row][start + i]);
    return text;
}

void PackSignalFile(const SignalFileSheet &sheet, SignalGrid &file)
{
    packTables(file);
    packArea(sheet, file);

    auto &timings = file[SignalFileRow::Timings];
    timings.fill(0);
    for (int i = 0; i < 4; ++i)
        timings[i] = positionByte(sheet.delayPositions[i]);

    packDecodeList(sheet, file);

    auto &reply = file[SignalFileRow::ReplyOptions];
    reply.fill(0);
    reply[0] = positionByte(sheet.resetPosition);
    reply[1] = sheet.replyAfterAll ? 1 : 0;
    reply[2] = sheet.replyChannelFree ? 2 : 0;
    reply[3] = positionByte(sheet.replyDelayPosition);
}

QByteArray SignalFileBytes(const SignalGrid &file)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NumberFileWriter writer(&buffer);
    for (const auto &row : file) {
        for (qint16 value : row)
            writer.writeNumber(value);
        writer.endLine();
    }
    return buffer.data();
}

SignalFileStatus ParseSignalFile(const QByteArray &contents, SignalGrid &file)
{
    return ParseNumberFileInto(contents, SignalFileRows * 16, file, ByteRowsSink<SignalGrid>);
}

SignalFileStatus ReadSignalFile(const QString &path, SignalGrid &file)
{
    return LoadNumberFileInto(path, SignalFileRows * 16, file, ByteRowsSink<SignalGrid>);
}

SignalFileStatus WriteSignalFile(const QString &path, const SignalGrid &file)
{
    return SaveNumberFile(path, SignalFileBytes(file));
}

QString SignalFileFaultText(const SignalFileStatus &status)
{
    return NumberFileFaultText(status, FiveToneTexts::TooShort);
}

SignalFileStatus LoadSignalFileImage(const QString &path)
{
    SignalGrid file{};
    const SignalFileStatus status = ReadSignalFile(path, file);
    if (!status.ok())
        return status;
    SignalFileImage = file;
    for (int i = 0; i < SignalFileRow::AreaRows; ++i)
        for (int c = 0; c < 16; ++c)
            MemoryImage[FiveToneArea::FirstRow + i][c] = file[SignalFileRow::Area + i][c];
    return status;
}

SignalFileStatus SaveSignalFileImage(const QString &path, const SignalFileSheet &sheet)
{
    SignalGrid file = SignalFileImage;
    if (QFileInfo(path).isFile())
        ReadSignalFile(path, file);  // a file that is not sound leaves `file` alone
    PackSignalFile(sheet, file);
    const SignalFileStatus status = WriteSignalFile(path, file);
    if (status.ok())
        SignalFileImage = file;
    return status;
}
