#pragma once
// The 2-tone decode grid's cells: column c (1-12) of row n (1-15) is byte
// c - 1 of decode code n's entry bytes; each of the four entries is a tone
// pair, a response and an alert. The cell texts a stored byte shows, the
// in-cell list of each column and what a pick stores.
//
// The alert byte holds the alert number 1-16: a pick of item "k" stores k,
// the cell shows the byte's value, and the factory values 1-4 keep their
// meaning.
#include <QString>
#include <QStringList>

enum class TwoToneDecodeColumn { Code, Pair, Response, Alert };

TwoToneDecodeColumn DecodeColumnKind(int c);  // Code for 0 and anything outside 1-12
int DecodePairColumn(int c);                  // the pair column of c's entry: 1, 4, 7 or 10

// "A-B" ... "D-C" for 0-11, "" else.
QString TonePairName(int byte);
// The response list's entry for 0-3, entry 0 for 4-254, "" for 255.
QString ResponseName(int byte, const QStringList &responses);
// The byte's decimal value for 0-16, "" else.
QString AlertText(int byte);
// The text of cell (n, c) from the image, with responses the four response
// texts of the current language; "" outside n = 1-15, c = 1-12.
QString DecodeCellText(int n, int c, const QStringList &responses);

// The items of the in-cell list of a column of this kind.
QStringList DecodeListItems(TwoToneDecodeColumn kind, const QStringList &responses);
// The byte a pick of item i stores; -1 for no item.
int DecodePickByte(TwoToneDecodeColumn kind, int i);
// Stores a pick of item i into cell (n, c); nothing for no item or a cell
// outside n = 1-15, c = 1-12.
void StoreDecodePick(int n, int c, int i);
