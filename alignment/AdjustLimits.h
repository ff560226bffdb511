#pragma once
// The band limits of the range tab: per band a lower and an upper limit in
// whole MHz, stored as hundreds, tens and units digits in row 24 + band of
// AdjustImage (columns 0-2 lower, 3-5 upper). The boxes' key filter, the
// checks run when a box loses the focus, the store and the shown text.
#include "alignment/AdjustLayout.h"
#include "platform/Language.h"

#include <QString>

inline constexpr int AdjustLimitsRow = 24;  // row of band 0

enum class AdjustLimitWarning {
    None = 0,
    UpperAboveBound = 1,  // upper box above the band's upper bound
    UpperBelowLower = 2,  // upper box below the band's lower box
    LowerBelowBound = 3,  // lower box below the band's lower bound
    LowerAboveUpper = 4,  // lower box above the band's upper box
};
BiText AdjustLimitWarningText(AdjustLimitWarning warning);

// The key filter: a key reaches a box only while its trimmed text holds at
// most 3 characters.
bool AdjustLimitKeyAllowed(const QString &boxText);

// The value of a box in the checks: the number its text begins with, 0 for
// none; a fraction counts.
double AdjustLimitValue(const QString &boxText);

// The checks of an upper or a lower box of band when it loses the focus.
AdjustLimitWarning CheckUpperLimit(int band, const QString &lowerText, const QString &upperText);
AdjustLimitWarning CheckLowerLimit(int band, const QString &lowerText, const QString &upperText);
// The text a box takes after a warning: the band's bound on the box's side.
QString AdjustLimitResetText(int band, AdjustLimitWarning warning);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// Stores the band's two boxes as digits: each box's value is rounded as a
// whole, then split; a box whose value does not round into 0..999 keeps its
// three cells.
void StoreBandLimits(int band, const QString &lowerText, const QString &upperText, AdjustGrid &grid);

// The text of a box from its cells: print form of hundreds * 100 + tens * 10
// + units (" 130").
QString AdjustLimitText(const AdjustGrid &grid, int band, bool upper);
