#include "memory/BandTable.h"

void BuildBandTable()
{
    BandRangeNames[0] = QStringLiteral("VHF0/UHF0");
    BandRangeNames[1] = QStringLiteral("VHF1/UHF1");
    BandRangeNames[2] = QStringLiteral("VHF2/UHF2");

    static const qint16 rows[7][4] = {
        {130, 179, 400, 520}, {136, 174, 240, 250}, {144, 146, 430, 440},
        {400, 471, 0, 0},     {450, 521, 0, 0},     {100, 701, 0, 0},
        {66, 89, 0, 0},
    };
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 4; ++c)
            BandTable[r][c] = rows[r][c];

    if (BandTableRow >= 0 && BandTableRow < BandTableRows) {
        BandLimits[0].lower = BandTable[BandTableRow][0];
        BandLimits[0].upper = BandTable[BandTableRow][1];
    }
}

int CheckBandFrequency(double mhz)
{
    for (const BandPair &band : BandLimits)
        if (band.lower <= mhz && mhz < band.upper + 1)
            return 0;
    return 255;
}

void SetStartupBandLimits()
{
    BandLimits = {BandPair{136, 174}, BandPair{136, 174}, BandPair{400, 480},
                  BandPair{400, 480}};
    BandTableRow = 0;
}
