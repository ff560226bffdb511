#include "channels/FmRows.h"

#include "channels/FmCellRules.h"
#include "channels/FmRecord.h"
#include "memory/CharacterCodec.h"
#include "platform/FlexGrid.h"

using namespace FmGrid;

void ShowFmChannel(FlexGrid &grid, int row)
{
    if (row < 1 || row > FmChannelCount)
        return;
    grid.setTextMatrix(row, ColFrequency, FmFrequencyText(row - 1));
    grid.setTextMatrix(row, ColName, FmNameText(row - 1));
}

void ShowFmChannels(FlexGrid &grid)
{
    for (int r = 1; r <= FmChannelCount; ++r)
        ShowFmChannel(grid, r);
}

bool PackFmChannel(FlexGrid &grid, int row)
{
    if (row < 1 || row > FmChannelCount)
        return false;
    const QString s = TrimSpaces(grid.textMatrix(row, ColFrequency));
    if (s.isEmpty()) {
        StoreEmptyFmRecord(row - 1);
        return true;
    }
    return PackFmRecord(row - 1, FmTypedValue(s), TrimSpaces(grid.textMatrix(row, ColName)));
}
