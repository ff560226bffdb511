#include "alignment/AdjustLimits.h"

#include "memory/CharacterCodec.h"
#include "platform/NumberText.h"

#include <cmath>

namespace {
constexpr BiText UpperAboveBoundText{
    "Receive frequency of upper limit can't more than the highest of work frequency. ",
    "上限频率不可大于该频段最大工作频率"};
constexpr BiText UpperBelowLowerText{
    "Receive frequency of upper limit can't less than receive frequency of lower limit.",
    "上限频率不可小于该频段下限频率"};
constexpr BiText LowerBelowBoundText{
    "Receive frequency of lower limit can't less than the lowest of work frequency. ",
    "下限频率不可小于该频段最低工作频率"};
constexpr BiText LowerAboveUpperText{
    "Receive frequency of lower limit can't more than receive frequency of upper limit.",
    "下限频率不可大于该频段上限频率"};

void storeDigits(double value, AdjustGrid &grid, int row, int firstCol)
{
    const double whole = RoundHalfEven(value);
    if (!(whole >= 0 && whole <= 999))
        return;
    const int v = int(whole);
    grid[row][firstCol] = qint16(v / 100);
    grid[row][firstCol + 1] = qint16(v / 10 % 10);
    grid[row][firstCol + 2] = qint16(v % 10);
}
} // namespace

BiText AdjustLimitWarningText(AdjustLimitWarning warning)
{
    switch (warning) {
    case AdjustLimitWarning::UpperAboveBound:
        return UpperAboveBoundText;
    case AdjustLimitWarning::UpperBelowLower:
        return UpperBelowLowerText;
    case AdjustLimitWarning::LowerBelowBound:
        return LowerBelowBoundText;
    case AdjustLimitWarning::LowerAboveUpper:
        return LowerAboveUpperText;
    case AdjustLimitWarning::None:
        break;
    }
    return BiText{"", ""};
}

bool AdjustLimitKeyAllowed(const QString &boxText)
{
    return TrimSpaces(boxText).size() <= 3;
}

double AdjustLimitValue(const QString &boxText)
{
    return TextToNumber(boxText);
}

AdjustLimitWarning CheckUpperLimit(int band, const QString &lowerText, const QString &upperText)
{
    const double h = AdjustLimitValue(upperText);
    if (h > AdjustBandBounds[band].upper)
        return AdjustLimitWarning::UpperAboveBound;
    if (AdjustLimitValue(lowerText) > h)
        return AdjustLimitWarning::UpperBelowLower;
    return AdjustLimitWarning::None;
}

AdjustLimitWarning CheckLowerLimit(int band, const QString &lowerText, const QString &upperText)
{
    const double l = AdjustLimitValue(lowerText);
    if (l < AdjustBandBounds[band].lower)
        return AdjustLimitWarning::LowerBelowBound;
    if (AdjustLimitValue(upperText) < l)
        return AdjustLimitWarning::LowerAboveUpper;
    return AdjustLimitWarning::None;
}

QString AdjustLimitResetText(int band, AdjustLimitWarning warning)
{
    switch (warning) {
    case AdjustLimitWarning::UpperAboveBound:
    case AdjustLimitWarning::UpperBelowLower:
        return QString::number(AdjustBandBounds[band].upper);
    case AdjustLimitWarning::LowerBelowBound:
    case AdjustLimitWarning::LowerAboveUpper:
        return QString::number(AdjustBandBounds[band].lower);
    case AdjustLimitWarning::None:
        break;
    }
    return QString();
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

void StoreBandLimits(int band, const QString &lowerText, const QString &upperText, AdjustGrid &grid)
{
    const int row = AdjustLimitsRow + band;
    storeDigits(AdjustLimitValue(lowerText), grid, row, 0);
    storeDigits(AdjustLimitValue(upperText), grid, row, 3);
}

QString AdjustLimitText(const AdjustGrid &grid, int band, bool upper)
{
    const auto &row = grid[AdjustLimitsRow + band];
    const int c = upper ? 3 : 0;
    return NumberPrintForm(row[c] * 100 + row[c + 1] * 10 + row[c + 2]);
}
