#pragma once
// The FM grid's row routines: grid row r (1-16) is FM record r - 1; column 1
// holds its frequency text, column 2 its station name.
class FlexGrid;

// Columns 1 and 2 of grid row `row` from its record (both empty for an
// empty record). Rows outside 1-16 are left alone.
void ShowFmChannel(FlexGrid &grid, int row);
// ShowFmChannel for rows 1 to 16.
void ShowFmChannels(FlexGrid &grid);
// Writes the record of grid row `row` from its two cells: a blank frequency
// cell stores an empty channel whatever the name cell holds; otherwise the
// frequency cell's value and the name cell's text. False when nothing was
// stored (a row outside 1-16, or cells the record cannot hold).
bool PackFmChannel(FlexGrid &grid, int row);
