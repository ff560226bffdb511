#pragma once
// A list's byte in the image, put right before the list shows it: a byte
// beyond a list of `count` entries (an erased 0xFF, say) is stored as the
// list's last index, so that what the list shows is what a save or a write
// sends. A byte within the list is left as it is.
#include <QtGlobal>

// The index a list of `count` entries shows for `byte`: the byte itself when
// it lies in 0..count-1, else count-1; -1 for an empty list.
int ListIndexOfByte(int byte, int count);

// Stores ListIndexOfByte(cell, count) into `cell` when it differs and
// returns it; an empty list stores nothing and returns -1.
int StoreListByteInRange(qint16 &cell, int count);
