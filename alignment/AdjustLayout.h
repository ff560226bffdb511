#pragma once
// The alignment block as the alignment editor sees it: its bands, its five
// tabs with their keys and captions, the fixed band bounds and the frequency
// points that label the power and squelch boxes.
#include "memory/MemoryImage.h"

#include <QString>
#include <array>

using AdjustGrid = CellGrid<AdjustRows, AdjustCols>;

// Radio address of AdjustImage row 0, column 0; the block is 32 rows of 16.
inline constexpr int AdjustBlockAddress = 0x3C00;
inline constexpr int AdjustBlockRows = 32;

// Bands 0 VHF, 1 UHF0, 2 UHF1, 3 UHF2: the suffixes of the control names.
inline constexpr int AdjustBandCount = 4;
inline constexpr std::array<const char *, AdjustBandCount> AdjustBandNames{"VHF", "UHF0", "UHF1", "UHF2"};

// The tabs, in the order of the tab strip.
enum AdjustTab { TabHighPower = 0, TabMiddlePower = 1, TabSquelch = 2, TabDeviation = 3, TabRange = 4 };
inline constexpr int AdjustTabCount = 5;

struct AdjustTabInfo {
    const char *key;      // the tab's key
    const char *tabText;  // the text on the tab
    const char *caption;  // the window caption while the tab is shown
    const char *frame;    // the frame of controls the tab shows
};
extern const std::array<AdjustTabInfo, AdjustTabCount> AdjustTabs;

// The tab whose key is exactly key (case included), -1 for none.
int AdjustTabForKey(const QString &key);

// The fixed lower and upper bound of each band in MHz: they number the point
// labels and bound the limit boxes.
struct AdjustBandBound {
    qint16 lower;
    qint16 upper;
};
inline constexpr std::array<AdjustBandBound, AdjustBandCount> AdjustBandBounds{
    {{130, 179}, {130, 179}, {400, 520}, {400, 520}}};
// MHz between two frequency points of a band (labels only).
inline constexpr std::array<int, AdjustBandCount> AdjustPointStep{4, 6, 8, 4};
inline constexpr int AdjustPoints = 16;  // frequency points per band
inline constexpr int AdjustLevels = 10;  // squelch levels per band

// Frequency of point i of band b in MHz, and its label ("130MHZ").
int AdjustPointMHz(int band, int point);
QString AdjustPointLabel(int band, int point);
// VHF points at or above the VHF upper bound, whose power boxes are marked.
bool AdjustPointMarked(int band, int point);

// Texts of the squelch group labels: the VHF group is numbered, the other
// groups keep "0".
QString AdjustLevelLabel(int band, int level);
QString AdjustOffsetPointLabel(int band, int point);

// Captions of the band groups on the power tabs and on the squelch tab.
extern const std::array<const char *, AdjustBandCount> AdjustPowerGroupCaptions;
extern const std::array<const char *, AdjustBandCount> AdjustSquelchGroupCaptions;
// Band captions on the range tab (fixed texts; the bounds above decide).
extern const std::array<const char *, AdjustBandCount> AdjustRangeBandCaptions;
