#include "options/OptionCodes.h"

#include <algorithm>
#include <array>

#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "options/OptionTexts.h"
#include "platform/ByteCodec.h"
#include "platform/TextBox.h"

namespace {
// The first OptionValues entry of a code field, -1 when it is no code field.
int codeFirstByte(OptionField field)
{
    if (field != OptionField::Text_ANI && field != OptionField::Text_PttId_Begin
        && field != OptionField::Text_PttId_End)
        return -1;
    const int b = OptionFieldByte(field);
    return b >= 0 && b <= 256 - CodeLength ? b : -1;
}

bool printableByte(int b)
{
    return (b > 0x20 && b < 0x7F) || (b >= 0xA0 && b < 0xFF);
}
} // namespace

int CodeFieldRow(OptionField field)
{
    const int b = codeFirstByte(field);
    return b < 0 ? -1 : MemoryMap::OptionBlockRow + b / 16;
}

void StoreCodeText(OptionField field, const QString &text)
{
    const int b = codeFirstByte(field);
    if (b < 0)
        return;
    const DtmfCodeString codes = EncodeDtmfCodeString(text);
    for (int k = 0; k < CodeLength; ++k) {
        const int i = b + k;
        OptionValues[i] = codes[k];
        MemoryImage[MemoryMap::OptionBlockRow + i / 16][i % 16] = codes[k];
    }
}

QString CodeTextFromValues(OptionField field)
{
    const int b = codeFirstByte(field);
    if (b < 0)
        return QString();
    QString text;
    for (int k = 0; k < CodeLength; ++k)
        text += DtmfCodeToChar(OptionValues[b + k]);
    return text;
}

bool CodeTextStored(OptionField field, const QString &text)
{
    const int b = codeFirstByte(field);
    if (b < 0)
        return false;
    const DtmfCodeString codes = EncodeDtmfCodeString(text);
    for (int k = 0; k < CodeLength; ++k)
        if ((OptionValues[b + k] & 0xFF) != codes[k])
            return false;
    return true;
}

AniProblem CheckAniCode(const QString &text)
{
    const QString t = TrimSpaces(text);
    if (t.size() < 3 || t.size() > 5)
        return AniProblem::Length;
    if (QString::compare(t, QLatin1String("00000")) < 0
        || QString::compare(t, QLatin1String("99999")) > 0)
        return AniProblem::Range;
    return AniProblem::None;
}

namespace {
// The 16 bytes a store of the power-on box's text writes.
std::array<qint16, 16> powerOnBytes(const QString &text)
{
    std::array<qint16, 16> bytes;
    bytes.fill(0x20);
    const QString t = TrimSpaces(text);
    const int n = int(std::min<qsizetype>(t.size(), PowerOnLength));
    for (int c = 0; c < n; ++c)
        bytes[c] = qint16(charToByte(t.at(c)).value_or(quint8('?')));
    return bytes;
}
}

void StorePowerOnText(const QString &text)
{
    const auto bytes = powerOnBytes(text);
    for (int c = 0; c < 16; ++c)
        MemoryImage[MemoryMap::PowerOnTextRow][c] = bytes[c];
}

bool PowerOnTextStored(const QString &text)
{
    const auto bytes = powerOnBytes(text);
    for (int c = 0; c < PowerOnLength; ++c)
        if ((MemoryImage[MemoryMap::PowerOnTextRow][c] & 0xFF) != bytes[c])
            return false;
    return true;
}

QString PowerOnTextFromImage()
{
    QString text;
    for (int c = 0; c < 16; ++c) {
        const int b = MemoryImage[MemoryMap::PowerOnTextRow][c];
        if (b == 0x20 || printableByte(b))
            text += byteToChar(quint8(b));
    }
    // The blanks inside the text are part of it; those at its ends are not.
    return TrimSpaces(text);
}

bool PowerOnCharacter(int key)
{
    return key == 0x20 || printableByte(key);
}

int PowerOnKey(const QString &text, int key)
{
    if (key == TextBox::KeyBackspace)  // never lengthens the text
        return key;
    if (key != TextBox::KeyEnter && !PowerOnCharacter(key))
        return TextBox::refuse(OptionTexts::PowerOnCharacters);
    return TrimSpaces(text).size() >= PowerOnLength ? 0 : key;
}

int CodeKey(int key)
{
    if (key == TextBox::KeyBackspace || key == TextBox::KeyEnter || key == ' ')
        return key;
    return DtmfCharToCode(QString(QChar(char16_t(key)))) != 255
        ? key
        : TextBox::refuse(DtmfCodeCharacters);
}
