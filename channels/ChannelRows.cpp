#include "channels/ChannelRows.h"

#include "channels/ChannelRecord.h"
#include "platform/FlexGrid.h"

using namespace ChannelGrid;

void DecodeChannelRecord(FlexGrid &grid, int r)
{
    const int ch = ChannelRecordRow(r);
    const auto texts = ChannelCellTexts(ch);
    if (!texts) {
        grid.setTextMatrix(r, ColRxFreq, QString());
        grid.setTextMatrix(r, ColTxFreq, QString());
        ClearChannelOptions(grid, r);
        return;
    }
    for (int c = ColBand; c <= ColScrambler; ++c)
        grid.setTextMatrix(r, c, texts->at(c));
}

void FillChannelRow(FlexGrid &grid, int r)
{
    DecodeChannelRecord(grid, r);
    grid.setTextMatrix(r, ColName, ChannelNameText(ChannelRecordRow(r)));
}

void SetChannelDefaults(FlexGrid &grid, int r)
{
    const auto &texts = NewChannelCellTexts();
    for (int c = ColRxTone; c <= ColName; ++c)
        grid.setTextMatrix(r, c, texts.at(c - ColRxTone));
    WriteNewChannelOptions(ChannelRecordRow(r));
}

void ClearChannelOptions(FlexGrid &grid, int r)
{
    grid.setTextMatrix(r, ColBand, QString());
    for (int c = ColRxTone; c <= ColName; ++c)
        grid.setTextMatrix(r, c, QString());
    EraseChannelRecords(ChannelRecordRow(r));
}

void ClearChannel(FlexGrid &grid, int r)
{
    for (int c = ColRxFreq; c <= ColName; ++c)
        grid.setTextMatrix(r, c, QString());
    EraseChannelRecords(ChannelRecordRow(r));
}
