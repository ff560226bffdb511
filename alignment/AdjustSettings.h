#pragma once
// The alignment editor's list and check-box settings: the fourteen deviation,
// volume and drive lists, the low-power list, the range type, the initialise
// flag and the transmit-allowed flags, with their cells in AdjustImage and how
// each control stores into its cell and reads it back.
#include <QString>
#include <QStringList>
#include <array>

struct AdjustListInfo {
    const char *name;     // the list's control name
    const char *caption;  // the label beside it
    int row;              // its cell in AdjustImage
    int col;
    int last;             // entries 0..last, entry k standing for k
};
// The fourteen lists of row 16 (deviation tab), in the order of their cells,
// then Combo_Adj_Txp_Low (range tab).
inline constexpr int AdjustNumericListCount = 15;
extern const std::array<AdjustListInfo, AdjustNumericListCount> AdjustNumericLists;
inline constexpr int AdjustDeviationListCount = 14;

// The entries of a numeric list: the print forms " 0", " 1", ... of 0..last.
QStringList AdjustNumericEntries(int last);

// The range-type list and the cell it shares with the initialise flag.
inline constexpr int AdjustFlagsRow = 31;
inline constexpr int AdjustFlagsCol = 15;
extern const std::array<const char *, 4> AdjustRangeTypes;
// Bits 4-7 of the cell kept, bits 0-3 := the entry.
qint16 StoreRangeType(qint16 cell, int entry);
// Bits 0-3 kept, bit 4 := the flag, bits 5-7 cleared.
qint16 StoreInitialiseFlag(qint16 cell, bool ticked);
// What the controls show of the cell: the entry of bits 0-3 (an entry beyond
// the list shows no selection), and the initialise flag ticked when the cell
// / 16, rounded half to even, is not 0: ticked from 9 up (and from -9 down),
// which for the cells the controls themselves store (0-3, 16-19) is bit 4.
int RangeTypeShown(qint16 cell);
bool InitialiseFlagShown(qint16 cell);

// Transmit allowed for band k: cell (24 + k, 7), 1 ticked, 0 clear; shown
// ticked for any value above 0.
inline constexpr int AdjustTxAllowedCol = 7;
qint16 StoreTxAllowed(bool ticked);
bool TxAllowedShown(qint16 cell);
