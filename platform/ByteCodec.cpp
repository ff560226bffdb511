#include "platform/ByteCodec.h"

std::optional<quint8> charToByte(QChar ch)
{
    if (ch.unicode() > 0xFF)
        return std::nullopt;
    return static_cast<quint8>(ch.unicode());
}

QChar byteToChar(quint8 byte)
{
    return QChar(static_cast<char16_t>(byte));
}
