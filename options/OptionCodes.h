#pragma once
// The typed fields of the option area: the three DTMF code fields of the
// option block (ANI, PTT-ID begin and end, 16 codes each, rows 237-239) with
// the ANI check, and the power-on text (row 254, up to 15 characters).
#include <QString>

#include "memory/OptionFields.h"

// ---- Code fields ----------------------------------------------------------

// The longest code a box holds.
inline constexpr int CodeLength = 16;

// The MemoryImage row of a code field (Text_ANI, Text_PttId_Begin or
// Text_PttId_End), -1 for any other field or a byte outside the block.
int CodeFieldRow(OptionField field);

// A code box's change: its trimmed text as one DTMF code per character (a
// character outside the DTMF set as 0xFF, at most 16), the rest of the row
// 0xFF, into the field's row and its OptionValues entries alike.
void StoreCodeText(OptionField field, const QString &text);

// The text a redisplay shows: the characters of the field's 16 OptionValues
// entries, values without a character skipped.
QString CodeTextFromValues(OptionField field);

// A code box's key filter: the DTMF characters (a-d as A-D), the blank,
// Backspace and Enter pass; any other character is refused in words
// (TextBox::KeyRefused), as it could not be stored.
int CodeKey(int key);

// True when a code box's text stands for the codes its field holds now (a
// store of it would write the same bytes): a redraw leaves such a box, its
// caret and its bytes as they are.
bool CodeTextStored(OptionField field, const QString &text);

// The ANI check on leaving the box.
enum class AniProblem { None, Length, Range };
AniProblem CheckAniCode(const QString &text);

// ---- Power-on text --------------------------------------------------------

inline constexpr int PowerOnLength = 15;

// The power-on box's change: row 254 := blanks, then the single-byte codes of
// the first 15 characters of the trimmed text (a character without one as
// '?'); byte 15 stays a blank.
void StorePowerOnText(const QString &text);

// The text a redisplay shows: the characters of the 16 bytes of row 254,
// blanks inside the text kept and those at its ends trimmed, bytes that are
// no printable character (control codes, 0xFF of unwritten memory) left out.
// The box's change stores it back as it stands.
QString PowerOnTextFromImage();

// True when the power-on box's text stands for bytes 0-14 of row 254 as
// they are (a store of it would write the same bytes): a redraw leaves the
// box and its caret as they are.
bool PowerOnTextStored(const QString &text);

// A character the power-on text can hold: a printable single-byte
// character, the blank included (not 0xFF, the byte of unwritten memory).
bool PowerOnCharacter(int key);

// The power-on box's key filter: a character the text cannot hold is
// refused in words (TextBox::KeyRefused); every other key but Backspace is
// dropped once the trimmed text holds 15 characters. Returns key, 0 or
// KeyRefused.
int PowerOnKey(const QString &text, int key);
