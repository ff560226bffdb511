#pragma once
// The screen's size in twips, the unit the window layouts are written in.
// A test can set the size; otherwise it is the primary screen's.
#include <QSize>

namespace Screen {
inline constexpr int TwipsPerPixel = 15;
int widthTwips();
int heightTwips();
QSize sizePixels();
void setTestSizePixels(QSize size);  // an invalid size returns to the real screen
inline int toPixels(double twips) { return int(twips / TwipsPerPixel + 0.5); }
inline int toTwips(int pixels) { return pixels * TwipsPerPixel; }
}
