#include "signalling/FiveToneArea.h"

#include "memory/CharacterCodec.h"
#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "platform/NumberText.h"
#include "platform/TextBox.h"

#include <cmath>

using namespace FiveToneArea;

QString ToneCodeToHex(int code)
{
    if (code < 0)
        return QString();
    if (code > 15)
        return QStringLiteral(" ");
    return QString(QLatin1Char("0123456789ABCDEF"[code]));
}

int HexToToneCode(const QString &text)
{
    if (text >= QLatin1String("0") && text <= QLatin1String("9")) {
        const double value = std::nearbyint(TextToNumber(text));
        return value >= 0 && value <= 255 ? int(value) : 255;
    }
    if (text.size() == 1 && text[0] >= QLatin1Char('A') && text[0] <= QLatin1Char('F'))
        return 10 + (text[0].unicode() - 'A');
    return 255;
}

QStringList FiveTonePeriodList() { return SteppedNumberItems(20, 10, 19); }
QStringList FiveToneDelayList() { return SteppedNumberItems(0, 10, 101); }
QStringList FiveToneResetList() { return SteppedNumberItems(100, 100, 80); }

QStringList FiveToneDigitList()
{
    QStringList list;
    for (int d = 0; d < 16; ++d)
        list << ToneCodeToHex(d);
    return list;
}

QStringList FiveToneStandardList()
{
    QStringList list;
    for (int s = 0; s < FiveToneStandardCount; ++s)
        list << FiveToneStandardName(s);
    return list;
}

QString FiveTonePeriodText(int byte)
{
    return QString::number(20 + 10 * byte);
}

QString FiveToneFrameText(int n, int frame)
{
    const auto &row = MemoryImage[encodeRow(n)];
    QString text;
    for (int i = 0; i < 5; ++i)
        text += ToneCodeToHex(row[frameByte(frame) + i]);
    return text;
}

QString FiveToneEncodeStandardText(int n)
{
    return FiveToneStandardName(MemoryImage[encodeRow(n)][EncodeStandardByte]);
}

void StoreFiveToneFrame(int n, int frame, const QString &text)
{
    auto &row = MemoryImage[encodeRow(n)];
    const QString digits = TrimSpaces(text);
    const int b = frameByte(frame);
    for (int i = 0; i < 5; ++i)
        row[b + i] = i < digits.size() ? qint16(HexCharToValue(digits.mid(i, 1))) : qint16(NoDigit);
}

void SetFiveToneFrameBit(int byte, int bit, bool on)
{
    qint16 &cell = MemoryImage[SettingsRow][byte];
    const int mask = 1 << bit;
    cell = qint16(on ? (cell | mask) : (cell & ~mask & 0xFF));
}

int FiveToneFrameKey(int key, const QString &textBefore)
{
    if (key == TextBox::KeyBackspace)
        return key;
    const bool digit = (key >= '0' && key <= '9') || (key >= 'a' && key <= 'f')
                       || (key >= 'A' && key <= 'F') || key == TextBox::KeyEnter;
    if (!digit)
        return 0;
    return TrimSpaces(textBefore).size() <= 5 ? key : 0;
}
