#pragma once
// The tones of the 2-tone editor as text and bytes: the encode grid's tone
// cells (first and second tone of each encode code) and the four decode
// tone boxes A-D of a decode code; how typed text is checked, rounded and
// stored, and the key filters of their editors.
#include <QString>

// A typed tone.
struct TwoToneEntry {
    enum Kind {
        Blank,       // nothing typed (empty or spaces only): no tone, no warning
        Accepted,    // a tone of 300-3000 Hz, in hz
        OutOfRange   // the range warning, then no tone
    };
    Kind kind = Blank;
    int hz = 0;
};

// The text of a stored tone: the whole number of Hz and ".0" ("1124.0");
// the empty text for a value outside 300-3000 (0 and 0xFFFF included).
QString EncodeToneText(int hz);
// The tone of encode code n (1-15), column c (1 first tone, 2 second tone)
// as the grid shows it; empty outside those cells.
QString StoredEncodeToneText(int n, int c);
// An encode cell's text: accepted when its number is 300 to 3000 (tested
// before rounding), stored rounded half up (2999.5 gives 3000).
TwoToneEntry ParseEncodeTone(const QString &text);
// Stores hz (0 for no tone) into encode code n, column c, low byte first.
// Nothing outside n = 1-15, c = 1-2 or hz = 0-0xFFFF.
void StoreEncodeTone(int n, int c, int hz);

// Decode tone k (0-3 for A-D) of decode code x + 1 (x = 0-14) as its box
// shows it: nothing for 0 or for 0xFF, 0xFF; else the value and ".0".
QString DecodeToneText(int x, int k);
// A tone box's text: its number rounded half to even (300.5 gives 300,
// 301.5 gives 302), accepted from 300 to 3000; a number too large for a
// 32-bit integer is out of range.
TwoToneEntry ParseDecodeTone(const QString &text);
// Stores an accepted tone with its count, or four 0xFF bytes for any other
// entry. Nothing outside x = 0-14, k = 0-3.
void StoreDecodeTone(int x, int k, const TwoToneEntry &entry);

// The key filters (TextBox::KeyFilter form: the key to let it pass, 0 to
// discard it). The encode cell editor passes "0"-"9", "." and Enter; a tone
// box the same while its text, trimmed of spaces, has at most 6 characters.
int TwoToneEncodeKey(int key);
int TwoToneToneBoxKey(int key, const QString &boxText);
