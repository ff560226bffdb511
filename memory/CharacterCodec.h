#pragma once
// Single-character codes: the DTMF character code, the hexadecimal digit value
// of 5-tone call frames and the password character code; and DTMF code
// strings (16 codes, the bytes after the last character 0xFF).
#include <QString>
#include <QtGlobal>
#include <array>
#include <span>

#include "platform/Language.h"

// "1"-"9" -> 1-9, "0" -> 10, "*" 11, "#" 12, "A"/"a" 13, "B"/"b" 14,
// "C"/"c" 15, "D"/"d" 0; anything else (empty text too) 255.
int DtmfCharToCode(const QString &text);
// The inverse; the empty text for any value that is not a code 0-15.
QString DtmfCodeToChar(int code);

// "0"-"9" -> 0-9, "A"-"F"/"a"-"f" -> 10-15; anything else 255.
int HexCharToValue(const QString &text);

// "0"-"9" 48-57, letters of either case their capital 65-90, "+" 43, "-" 45,
// " " 32; anything else (empty text, more than one character) 11.
int CharToCode(const QString &text);
// The character of a code 48-57, 65-90, 43, 45 or 32; the empty text else.
QString CodeToChar(int code);

// The words of a code box that refuses a character without a DTMF code
// (TextBox::refuse), the same in every window.
inline constexpr BiText DtmfCodeCharacters{"The code takes only the DTMF characters 0-9, A-D, * and # .",
                                           "编码只能使用 DTMF 字符 0-9、A-D、* 和 # ！"};

using DtmfCodeString = std::array<qint16, 16>;
// The text trimmed, one code per character (255 for a character without a
// code), at most 16 characters, the rest 0xFF.
DtmfCodeString EncodeDtmfCodeString(const QString &text);
// The characters of the stored codes, codes without a character skipped.
QString DecodeDtmfCodeString(const DtmfCodeString &codes);

// The text without leading and trailing space characters (only ' ').
QString TrimSpaces(const QString &text);

// A byte of a stored name (channel or FM station) that shows as a blank
// when characters follow it: 0x20, and 0xFF, the byte of no character that
// the channel editor writes for a typed blank. The names' display trims the
// blanks at the ends (TrimSpaces) and keeps those inside.
bool IsNameBlankByte(int byte);
// True when name byte k is a blank inside the stored name: a blank byte
// with a byte of another kind somewhere before it and somewhere after it.
// A name stored again keeps such a byte where its text still has a blank
// there, so an edit elsewhere leaves the stored blanks as they were.
bool IsInnerNameBlank(std::span<const int> bytes, int k);

// Writes a code string into MemoryImage row `row`, columns 0..15.
void StoreDtmfCodeString(const QString &text, int row);
// Reads the code string of MemoryImage row `row`.
QString DtmfCodeStringAt(int row);
