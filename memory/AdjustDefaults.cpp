#include "memory/AdjustDefaults.h"
#include "memory/CharacterCodec.h"

const char *const DefaultUserPassword = "      ";  // six blanks: no password
const char *const DefaultSuperPassword = "000000";

namespace {
void fillRow(int row, qint16 value)
{
    for (int c = 0; c < 16; ++c)
        AdjustDefaults[row][c] = value;
}

void setRow(int row, std::initializer_list<qint16> values)
{
    int c = 0;
    for (qint16 v : values)
        AdjustDefaults[row][c++] = v;
}

// A frequency limit row: lower and upper MHz digits, transmit allowed.
void setLimits(int row, int lower, int upper)
{
    AdjustDefaults[row][0] = qint16(lower / 100);
    AdjustDefaults[row][1] = qint16(lower / 10 % 10);
    AdjustDefaults[row][2] = qint16(lower % 10);
    AdjustDefaults[row][3] = qint16(upper / 100);
    AdjustDefaults[row][4] = qint16(upper / 10 % 10);
    AdjustDefaults[row][5] = qint16(upper % 10);
    AdjustDefaults[row][7] = 1;
}
} // namespace

void BuildAdjustDefaults()
{
    SquelchLevelRows = {8, 10, 12, 14};
    SquelchOffsetRows = {9, 11, 13, 15};

    static const qint16 power[8] = {60, 50, 40, 63, 30, 20, 10, 15};
    for (int row = 0; row < 8; ++row)
        fillRow(row, power[row]);

    setRow(SquelchLevelRows[0], {38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48});
    setRow(SquelchOffsetRows[0], {8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0});
    for (int band = 1; band < 4; ++band) {
        setRow(SquelchLevelRows[band],
               {38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41});
        setRow(SquelchOffsetRows[band], {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }

    // Deviation, volume and drive settings.
    setRow(16, {60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 2, 3, 50, 0, 0});

    setLimits(24, 136, 179);
    setLimits(25, 136, 179);
    setLimits(26, 400, 480);
    setLimits(27, 400, 480);
    AdjustDefaults[27][6] = 0;

    const QString user = QString::fromLatin1(DefaultUserPassword);
    const QString super = QString::fromLatin1(DefaultSuperPassword);
    for (int c = 0; c < 6; ++c) {
        AdjustDefaults[31][c] = qint16(CharToCode(QString(user.at(c))));
        AdjustDefaults[31][6 + c] = qint16(CharToCode(QString(super.at(c))));
    }
}

void CopyAdjustDefaultsToImage()
{
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 16; ++c)
            AdjustImage[r][c] = AdjustDefaults[r][c];
}
