#include "link/WholeReadUnpack.h"

#include "link/Frames.h"
#include "link/LinkState.h"
#include "memory/MemoryImage.h"

int WholeReadDataStart(int replyRow)
{
    return ReplyDataStart(ReadReplyBuffer[replyRow]);
}

void UnpackWholeRead()
{
    int row = 0;
    for (int b = WholeReadFirstReply; b <= WholeReadLastReply; ++b) {
        const auto &reply = ReadReplyBuffer[b];
        int p = WholeReadDataStart(b);
        for (int k = 0; k < 4; ++k, ++row, p += 16)
            for (int c = 0; c < 16; ++c)
                MemoryImage[row][c] = p + c < Frame::DataReplyTaken ? reply[p + c] : qint16(255);
    }
}
