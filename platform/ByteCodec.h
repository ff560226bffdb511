#pragma once
// The single-byte character code of stored texts (names, power-on text,
// passwords): each character is one byte 0-255, Latin-1.
#include <QChar>
#include <QString>
#include <QtGlobal>
#include <optional>

// The byte of a character, or nothing for a character that has no
// single-byte code (callers refuse such a character).
std::optional<quint8> charToByte(QChar ch);

// The character of a byte.
QChar byteToChar(quint8 byte);
