#pragma once
// The widths of the main window's status-bar panels: fractions of the screen
// width, narrowed where the screen cannot hold them together with the bar's
// own spacing, so the main window never grows wider than the screen.
#include <QList>

// Takes excess pixels off the panels: first off the last one (a blank filler),
// then what remains off all of them in proportion to their widths. No width
// drops below 0; nothing changes for an excess of 0 or less.
QList<int> NarrowedPanelWidths(QList<int> widths, int excess);
