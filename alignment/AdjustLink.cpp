#include "alignment/AdjustLink.h"

#include "link/Frames.h"

QByteArray AdjustPreambleFrame()
{
    std::array<quint8, 16> data;
    data.fill(0xFF);
    for (int i = 0; i < 8; ++i)
        data[i] = AdjustPreambleCode[i];
    return writeFrame(AdjustPreambleAddress, data, true);
}

std::array<quint8, 16> AdjustRowData(const AdjustGrid &grid, int row)
{
    std::array<quint8, 16> data{};
    if (row >= 0 && row < AdjustBlockRows)
        for (int c = 0; c < 16; ++c)
            data[c] = quint8(grid[row][c]);
    return data;
}

void UnpackAdjustReplies(const CellGrid<ReplyRows, ReplyCols> &replies, AdjustGrid &grid)
{
    for (int k = 0; k < AdjustReadBlocks; ++k) {
        const auto &reply = replies[AdjustFirstReplyRow + k];
        for (int j = 0; j < 64; ++j) {
            const int i = 64 * k + j;
            grid[i / 16][i % 16] = reply[5 + j];
        }
    }
}
