#pragma once
// The commit of an FM grid cell whose text the user changed: the frequency
// checked against the broadcast band, the name checked and cut, warnings
// shown, the row's record written and the row redrawn from it. The grid
// editor calls it only for a cell whose editor was opened and whose text
// changed.
#include <QString>

class FlexGrid;

// The cells that open an editor: frequency and name of grid rows 1-16.
// Column 0 (the channel number) and row 17 (no channel) have none.
bool FmCellHasEditor(int row, int col);

// Commits `typed` into cell (row, col). Returns true when MemoryImage was
// written.
//  - Frequency: blanks empty the channel (both cells, an empty record); a
//    value from 87 to 108 MHz is stored; any other text brings the range
//    warning and stores 87 MHz; the name is kept, but a name of more than
//    6 characters (read from the radio or a file with all eight name bytes
//    used) brings the length warning and keeps its first 6.
//  - Name: a character the record cannot hold brings the character
//    warning and nothing changes; more than 6 characters bring the length
//    warning and the first 6 are stored, in capitals; on a row without a
//    frequency the name is dropped and nothing is stored.
bool CommitFmCell(FlexGrid &grid, int row, int col, const QString &typed);
