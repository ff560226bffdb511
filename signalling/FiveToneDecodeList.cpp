#include "signalling/FiveToneDecodeList.h"

#include "memory/CharacterCodec.h"
#include "signalling/FiveToneTexts.h"

namespace {
bool isToneDigit(QChar ch)
{
    return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
           || (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'));
}
} // namespace

DecodeFrameBoxes DecodeFrameBoxesOf(const DecodeFunctionGrid &table, int row, int k)
{
    DecodeFrameBoxes boxes;
    const int bits = table[row][2 * k];
    const int group = table[row][2 * k + 1];
    boxes.disp = bits & 1;
    boxes.led = bits & 2;
    boxes.ctrl = bits & 4;
    boxes.alert = bits & 8;
    for (int i = 0; i < 5; ++i)
        boxes.group[i] = group & (1 << i);
    return boxes;
}

void StoreDecodeFrameBoxes(DecodeFunctionGrid &table, int row, int k, const DecodeFrameBoxes &boxes)
{
    int bits = 0;
    if (boxes.disp)
        bits += 1;
    if (boxes.led)
        bits += 2;
    if (boxes.ctrl)
        bits += 4;
    if (boxes.alert)
        bits += 8;
    int group = 0;
    for (int i = 0; i < 5; ++i)
        if (boxes.group[i])
            group += 1 << i;
    table[row][2 * k] = qint16(bits);
    table[row][2 * k + 1] = qint16(group);
}

void ClearDecodeFunctions(DecodeFunctionGrid &table, int row)
{
    for (int c = 0; c <= 7; ++c)
        table[row][c] = 0;
}

QList<BiText> DecodeCodeWarnings(const QString &text)
{
    QList<BiText> warnings;
    if (text.size() > 5) {
        warnings << FiveToneTexts::DecodeDigits;
        return warnings;
    }
    const QString trimmed = TrimSpaces(text);
    for (int i = 0; i < text.size(); ++i)
        if (i >= trimmed.size() || !isToneDigit(trimmed[i]))
            warnings << FiveToneTexts::GroupDigits;
    return warnings;
}

QString DecodeActionsCaption(int r)
{
    if (LanguageFlag)
        return QString::number(r) + QString::fromUtf8(" 信息码各组编码成功解码后执行操作");
    return QStringLiteral("Execute after Code ") + QString::number(r) + QStringLiteral(" Decode Succeeded ");
}
