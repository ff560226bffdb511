#include "channels/FmRecord.h"

#include <array>
#include <cmath>

#include "memory/CharacterCodec.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "platform/ByteCodec.h"
#include "platform/NumberText.h"

namespace {
bool validRecord(int n) { return n >= 0 && n < FmGrid::FmChannelCount; }

int byteOf(int n, int k) { return MemoryImage[FmRecordRow(n)][k] & 0xFF; }
}

QString Cov_Freq(int d0, int d1, int d2, int d3, int d4, int d5, int d6, int d7)
{
    double f = 100.0 * d0;
    f += 10.0 * d1;
    f += d2;
    f += 0.1 * d3;
    f += 0.01 * d4;
    f += 0.001 * d5;
    f += 0.0001 * d6;
    f += 0.00001 * d7;
    const QString text = NumberToText(f);
    if (text.size() >= 9)
        return text;
    return PadFrequencyText(text, f >= 100 ? 9 : 8);
}

bool FmRecordIsEmpty(int n)
{
    if (!validRecord(n))
        return true;
    if (byteOf(n, 0) == 0 && byteOf(n, 1) == 0 && byteOf(n, 2) == 0)
        return true;
    for (int k = 0; k < 8; ++k)
        if (byteOf(n, k) > 9)
            return true;
    return false;
}

QString FmFrequencyText(int n)
{
    if (FmRecordIsEmpty(n))
        return QString();
    return Cov_Freq(byteOf(n, 0), byteOf(n, 1), byteOf(n, 2), byteOf(n, 3), byteOf(n, 4),
                    byteOf(n, 5), byteOf(n, 6), byteOf(n, 7));
}

QString FmNameText(int n)
{
    if (FmRecordIsEmpty(n))
        return QString();
    QString name;
    for (int k = FmGrid::FirstNameByte; k < 16; ++k) {
        const int b = byteOf(n, k);
        if (IsNameBlankByte(b)) {
            name += QLatin1Char(' ');
            continue;
        }
        const QChar ch = byteToChar(quint8(b));
        if (ch.isPrint())
            name += ch;
    }
    // The 0xFF bytes around a centred name are no blanks of it.
    return TrimSpaces(name);
}

bool FmNameCharacter(QChar ch)
{
    const auto b = charToByte(ch);
    return b && *b != 0xFF && ch.isPrint();
}

int FmNameStartByte(int length)
{
    switch (length) {
    case 5: return 9;
    case 4:
    case 3: return 10;
    case 2:
    case 1: return 11;
    default: return FmGrid::FirstNameByte;
    }
}

bool PackFmRecord(int n, double mhz, const QString &fullName)
{
    if (!validRecord(n) || !(mhz >= 0.0 && mhz < 1000.0))
        return false;
    const QString name = fullName.left(FmGrid::NameLength);
    for (QChar ch : name)
        if (!FmNameCharacter(ch))
            return false;
    auto &rec = MemoryImage[FmRecordRow(n)];
    // The value in 10 Hz steps, cut below 10 Hz; the nudge keeps 88.9 from
    // reading as 88.8999999...
    qint64 steps = qint64(std::floor(mhz * 100000.0 + 1e-6));
    for (int k = 7; k >= 0; --k) {
        rec[k] = qint16(steps % 10);
        steps /= 10;
    }
    std::array<int, 16> before{};
    for (int k = 0; k < 16; ++k)
        before[k] = rec[k] & 0xFF;
    for (int k = FmGrid::FirstNameByte; k < 16; ++k)
        rec[k] = 0xFF;
    const int start = FmNameStartByte(int(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const int k = start + int(i);
        // A blank inside the stored name (0xFF from the radio or another
        // program) stays the byte it was while the text has a blank there.
        if (name.at(i) == QLatin1Char(' ')
            && IsInnerNameBlank(std::span<const int>(before).subspan(FmGrid::FirstNameByte),
                                k - FmGrid::FirstNameByte))
            rec[k] = qint16(before[k]);
        else
            rec[k] = *charToByte(name.at(i));
    }
    return true;
}

void StoreEmptyFmRecord(int n)
{
    if (!validRecord(n))
        return;
    auto &rec = MemoryImage[FmRecordRow(n)];
    for (int k = 0; k < 16; ++k)
        rec[k] = k < FmGrid::FirstNameByte ? 0 : 0xFF;
}

void ClearFmArea(int page)
{
    for (int n = 0; n < FmGrid::FmChannelCount; ++n) {
        const int row = FmRecordRow(n, page);
        if (row < 0 || row >= ImageRows)
            continue;
        for (int k = 0; k < 16; ++k)
            MemoryImage[row][k] = 0;
    }
}
