#pragma once
// The DTMF editor's 23 code boxes (15 encode codes, six function codes, the
// master and vice IDs): the row each one owns, what a box stores on every
// change of its text, and the key filter of its typed characters.
#include <QString>
#include <array>

struct DtmfCodeBox {
    QString name;  // objectName: "Text_XC", "Text_tx_Encode(3)"
    int row;       // MemoryImage row of its 16-byte code field
};

inline constexpr int DtmfCodeBoxCount = 23;
inline constexpr int DtmfCodeLength = 16;  // characters a code field holds

// The encode boxes 0-14 first, then Text_XC, Text_JT, Text_BJ, Text_YY,
// Text_YB, Text_KJ, Text_MID and Text_SID.
const std::array<DtmfCodeBox, DtmfCodeBoxCount> &DtmfCodeBoxes();
QString DtmfEncodeBoxName(int i);  // "Text_tx_Encode(i)"

// The store of a box: its row's 16 bytes rewritten from the text trimmed of
// spaces, a code per character (0xFF for a character without one), 0xFF
// after the last. Characters past the 16th are not stored. Writes nothing
// outside the row, and nothing at all for a row outside the DTMF area.
void StoreDtmfCodeBox(int row, const QString &text);

// The key filter of a code box (TextBox::KeyFilter form: the key to let it
// pass, 0 to discard it, KeyRefused to refuse it in words). Passes "0"-"9",
// "a"-"d", "A"-"D", "*", "#" and Enter while the box's text, trimmed of
// spaces, holds at most 15 characters; refuses any other character but the
// blank with DtmfCodeCharacters; discards every other key (the blank,
// Backspace included).
int DtmfCodeKey(int key, const QString &boxText);
