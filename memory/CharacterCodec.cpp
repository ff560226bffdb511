#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"

namespace {
const char DtmfChars[] = "D1234567890*#ABC"; // index = code
}

int DtmfCharToCode(const QString &text)
{
    if (text.size() != 1)
        return 255;
    const char16_t c = text.at(0).unicode();
    if (c >= u'1' && c <= u'9')
        return c - u'0';
    switch (c) {
    case u'0': return 10;
    case u'*': return 11;
    case u'#': return 12;
    case u'A': case u'a': return 13;
    case u'B': case u'b': return 14;
    case u'C': case u'c': return 15;
    case u'D': case u'd': return 0;
    default: return 255;
    }
}

QString DtmfCodeToChar(int code)
{
    if (code < 0 || code > 15)
        return QString();
    return QString(QLatin1Char(DtmfChars[code]));
}

int HexCharToValue(const QString &text)
{
    if (text.size() != 1)
        return 255;
    const char16_t c = text.at(0).unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return 255;
}

int CharToCode(const QString &text)
{
    if (text.size() != 1)
        return 11;
    const char16_t c = text.at(0).unicode();
    if (c >= u'0' && c <= u'9')
        return c;
    if (c >= u'A' && c <= u'Z')
        return c;
    if (c >= u'a' && c <= u'z')
        return c - u'a' + u'A';
    if (c == u'+' || c == u'-' || c == u' ')
        return c;
    return 11;
}

QString CodeToChar(int code)
{
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90) || code == 43 || code == 45
        || code == 32)
        return QString(QChar(char16_t(code)));
    return QString();
}

QString TrimSpaces(const QString &text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

bool IsNameBlankByte(int byte)
{
    return byte == 0x20 || byte == 0xFF;
}

bool IsInnerNameBlank(std::span<const int> bytes, int k)
{
    if (k < 0 || k >= int(bytes.size()) || !IsNameBlankByte(bytes[k]))
        return false;
    bool before = false, after = false;
    for (int i = 0; i < k; ++i)
        before = before || !IsNameBlankByte(bytes[i]);
    for (int i = k + 1; i < int(bytes.size()); ++i)
        after = after || !IsNameBlankByte(bytes[i]);
    return before && after;
}

DtmfCodeString EncodeDtmfCodeString(const QString &text)
{
    DtmfCodeString codes;
    codes.fill(0xFF);
    const QString trimmed = TrimSpaces(text);
    for (qsizetype k = 0; k < trimmed.size() && k < 16; ++k)
        codes[k] = qint16(DtmfCharToCode(QString(trimmed.at(k))));
    return codes;
}

QString DecodeDtmfCodeString(const DtmfCodeString &codes)
{
    QString text;
    for (qint16 code : codes)
        text += DtmfCodeToChar(code);
    return text;
}

void StoreDtmfCodeString(const QString &text, int row)
{
    if (row < 0 || row >= ImageRows)
        return;
    const DtmfCodeString codes = EncodeDtmfCodeString(text);
    for (int c = 0; c < 16; ++c)
        MemoryImage[row][c] = codes[c];
}

QString DtmfCodeStringAt(int row)
{
    if (row < 0 || row >= ImageRows)
        return QString();
    DtmfCodeString codes;
    for (int c = 0; c < 16; ++c)
        codes[c] = MemoryImage[row][c];
    return DecodeDtmfCodeString(codes);
}
