#pragma once
// The channel grid's row routines: a grid row drawn from the channel's two
// records, and the records and cells set to a new channel or to an empty
// one. Grid row r (1..ChannelCount) is channel r - 1; column 0 (the channel
// number) is never written here.
class FlexGrid;

// Columns 1..14 from the channel record; an empty channel (byte 0 = 0xFF)
// blanks the row and rewrites both records as empty.
void DecodeChannelRecord(FlexGrid &grid, int r);
// DecodeChannelRecord, then the name cell from the name record.
void FillChannelRow(FlexGrid &grid, int r);
// The new-channel options in cells 4..15 and in the records (bytes 8-15,
// name record 0xFF); columns 0..3 and bytes 0-7 are left alone.
void SetChannelDefaults(FlexGrid &grid, int r);
// Empties the channel: cells 1 and 4..15 blank, both records 0xFF; the
// frequency cells are left to the caller.
void ClearChannelOptions(FlexGrid &grid, int r);
// Empties the channel: cells 2..15 blank, both records 0xFF; the band cell
// is left to the caller.
void ClearChannel(FlexGrid &grid, int r);
