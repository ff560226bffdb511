#pragma once
// Factory contents of the 16 FM broadcast channels (MemoryImage rows
// 768-783): nine preset stations with labels, the others empty.
#include <QString>

void BuildFmDefaults();

// Trims the name (the caller's too) and writes its character codes from byte 8
// of FM record n (row 768 + n), at most 8 characters; the bytes after it keep
// their value. Refuses (false, nothing written) a name with a character that
// has no single-byte code, or n outside 0..15.
bool StoreFmName(QString &name, int n);
