#include "signalling/TwoToneTones.h"

#include <cmath>

#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"
#include "memory/TwoToneDefaults.h"
#include "platform/NumberText.h"
#include "signalling/TwoToneLayout.h"

using namespace TwoToneLayout;

namespace {
bool isBlank(const QString &text)
{
    return TrimSpaces(text).isEmpty();
}

bool inRange(double v)
{
    return v >= MinTone && v <= MaxTone;
}

int word(int row, int byte)
{
    return MemoryImage[row][byte] + 256 * MemoryImage[row][byte + 1];
}

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double v)
{
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}
} // namespace

QString EncodeToneText(int hz)
{
    return inRange(hz) ? QString::number(hz) + QStringLiteral(".0") : QString();
}

QString StoredEncodeToneText(int n, int c)
{
    if (n < 1 || n > CodeCount || c < 1 || c > 2)
        return QString();
    return EncodeToneText(word(encodeRow(n), 8 * (c - 1)));
}

TwoToneEntry ParseEncodeTone(const QString &text)
{
    if (isBlank(text))
        return {};
    const double v = TextToNumber(text);
    if (!inRange(v))
        return {TwoToneEntry::OutOfRange, 0};
    return {TwoToneEntry::Accepted, int(std::floor(v + 0.5))};
}

void StoreEncodeTone(int n, int c, int hz)
{
    if (n < 1 || n > CodeCount || c < 1 || c > 2 || hz < 0 || hz > 0xFFFF)
        return;
    const int row = encodeRow(n), b = 8 * (c - 1);
    MemoryImage[row][b] = qint16(hz % 256);
    MemoryImage[row][b + 1] = qint16(hz / 256);
}

QString DecodeToneText(int x, int k)
{
    if (x < 0 || x >= CodeCount || k < 0 || k > 3)
        return QString();
    const int row = decodeTonesRow(x);
    const int lo = MemoryImage[row][2 * k], hi = MemoryImage[row][2 * k + 1];
    const int n = 256 * hi + lo;
    if (n == 0 || (lo == 255 && hi == 255))
        return QString();
    return QString::number(n) + QStringLiteral(".0");
}

TwoToneEntry ParseDecodeTone(const QString &text)
{
    if (isBlank(text))
        return {};
    const double v = roundHalfEven(TextToNumber(text));
    if (!std::isfinite(v) || !inRange(v))
        return {TwoToneEntry::OutOfRange, 0};
    return {TwoToneEntry::Accepted, int(v)};
}

void StoreDecodeTone(int x, int k, const TwoToneEntry &entry)
{
    if (x < 0 || x >= CodeCount || k < 0 || k > 3)
        return;
    if (entry.kind == TwoToneEntry::Accepted && StoreTwoToneDecode(DecodeTonePage, x, k, entry.hz))
        return;
    const int row = decodeTonesRow(x);
    for (int b : {2 * k, 2 * k + 1, 2 * k + 8, 2 * k + 9})
        MemoryImage[row][b] = 0xFF;
}

int TwoToneEncodeKey(int key)
{
    return (key >= '0' && key <= '9') || key == '.' || key == 13 ? key : 0;
}

int TwoToneToneBoxKey(int key, const QString &boxText)
{
    if (TrimSpaces(boxText).size() > 6)
        return 0;
    return TwoToneEncodeKey(key);
}
