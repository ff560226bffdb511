#pragma once
// The radio's two passwords in row 31 of AdjustImage (the password block):
// user password in columns 0-5, super password in columns 6-11, one
// character code per cell, stored centred among blanks (32).
#include "alignment/AdjustLayout.h"

#include <QString>

inline constexpr int AdjustPasswordRow = 31;
inline constexpr int AdjustUserPasswordCol = 0;
inline constexpr int AdjustSuperPasswordCol = 6;

// Encodes a box's whole text into its six cells: the trimmed text's first six
// characters, centred (offset (6 - n) / 2 below six characters), each as its
// character code, the other cells 32.
void StoreAdjustPassword(const QString &text, int baseCol, AdjustGrid &grid);

// The text a box shows of its six cells: each cell's character appended
// after dropping the blanks at both ends of what came before, so leading and
// inner blanks vanish and one trailing blank may stay; codes without a
// character add nothing.
QString AdjustPasswordText(const AdjustGrid &grid, int baseCol);
