#include "channels/ChannelLink.h"

#include <cmath>

#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "link/Frames.h"
#include "memory/CharacterCodec.h"
#include "link/LinkProfiles.h"
#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "platform/ByteCodec.h"
#include "platform/FlexGrid.h"

namespace {
// The names lie this far above the channels.
constexpr int NameRegionOffset = MemoryMap::RowAddress(MemoryMap::ChannelNameFirstRow);
constexpr int NameImageRow = MemoryMap::ChannelNameFirstRow;
}

QString DecodeRawNameBytes(const quint8 *bytes)
{
    if (bytes[0] == 0xFF)
        return QString();
    QString text;
    for (int k = 0; k < ChannelGrid::NameLength; ++k) {
        const int v = bytes[k];
        if (v <= 9)
            text += QChar(char16_t('0' + v));
        else if (v >= 17 && v <= 37 && v != 0x20)
            text += QChar(char16_t(v + 48));
        else if (v >= 48 && v <= 250)
            text += byteToChar(quint8(v));
        else if (v == 251)
            text += QLatin1Char('+');
        else if (v == 253)
            text += QLatin1Char('-');
        else if (IsNameBlankByte(v))
            text += QLatin1Char(' ');
    }
    // Blanks inside the name show, as in the editor's own display.
    return TrimSpaces(text);
}

ChannelLinkSession::ChannelLinkSession(const LinkControls &controls, FlexGrid *grid, QObject *parent)
    : LinkSession(controls, LinkProfile::channels(), parent), m_grid(grid)
{
    LinkSettings &s = settings();
    s.beforeStart = [this](bool) {
        settings().readBlocks = ChannelReadBlocks(ChannelCount);
        settings().writeRows = ChannelCount;
        return true;
    };
    s.started = [] { RegionToggle = 0; };
    s.unpack = [this] {
        UnpackChannelBlocks();
        UnpackReadNames();
    };
}

void ChannelLinkSession::requestBlock(int address)
{
    queueFrame(readRequestFrame(address, 0x40));
}

void ChannelLinkSession::showReadProgress()
{
    showProgress(double(BlockNumber) / double(ReadBlockCount + 1) * 100);
    setLabel(progressText(settings().texts.readProgressBefore, BlockNumber,
                          settings().texts.readProgressAfter));
}

void ChannelLinkSession::startDataPhase()
{
    if (WriteMode != -1) {
        LinkSession::startDataPhase();
        return;
    }
    // The first channel row goes out without an Ack in front; BlockNumber
    // counts the channels whose two rows have both gone out.
    BlockNumber = 0;
    RegionToggle = 0;
    queueFrame(writeFrame(sessionBase(), writeRowData(0), false));
}

void ChannelLinkSession::writeAckReceived()
{
    const int n = BlockNumber;
    if (RegionToggle == 0) {
        // The channel row is in: its name row follows.
        std::array<quint8, 16> data{};
        const int row = NameImageRow + n;
        if (row >= 0 && row < ImageRows)
            for (int c = 0; c < 16; ++c)
                data[c] = quint8(MemoryImage[row][c]);
        BlockNumber = n + 1;
        RegionToggle = -1;
        queueFrame(writeFrame(sessionBase() + NameRegionOffset + 16 * n, data, true));
        return;
    }
    RegionToggle = 0;
    if (n >= WriteBlockCount) {
        completeWrite();
        return;
    }
    showProgress(double(n) / double(WriteBlockCount) * 100);
    setLabel(progressText(settings().texts.writeProgressBefore, n + settings().writeLabelOffset,
                          settings().texts.writeProgressAfter));
    queueFrame(writeFrame(sessionBase() + 16 * n, writeRowData(n), true));
}

void ChannelLinkSession::dataReplyReceived(const quint8 *reply)
{
    const int n = BlockNumber;
    auto &buffer = RegionToggle == -1 ? NameReplyBuffer : ReadReplyBuffer;
    if (n >= 0 && n < ReplyRows)
        for (int k = 0; k < Frame::DataReplyTaken; ++k)
            buffer[n][k] = reply[k];
    if (RegionToggle == 0) {
        // A channel block came: the names of the same four channels next.
        requestBlock(sessionBase() + NameRegionOffset + 64 * (n - 1));
        BlockNumber = n + 1;
        RegionToggle = -1;
        showReadProgress();
        return;
    }
    RegionToggle = 0;
    if (n > ReadBlockCount) {
        completeRead();
        return;
    }
    requestBlock(sessionBase() + 64 * (n - 1));
    showReadProgress();
}

void ChannelLinkSession::UnpackChannelBlocks()
{
    auto unpackRegion = [](const CellGrid<ReplyRows, ReplyCols> &buffer, int firstBlock, int firstRow) {
        int row = 0;
        for (int b = firstBlock; b < ReplyRows && row < ChannelCount; ++b) {
            const auto &reply = buffer[b];
            int p = ReplyDataStart(reply);
            for (int k = 0; k < 4 && row < ChannelCount; ++k, ++row, p += 16) {
                const int target = firstRow + row;
                if (target >= ImageRows)
                    continue;
                for (int c = 0; c < 16; ++c)
                    MemoryImage[target][c] = p + c < ReplyCols ? (reply[p + c] & 0xFF) : 0xFF;
            }
        }
    };
    unpackRegion(ReadReplyBuffer, 1, 0);
    unpackRegion(NameReplyBuffer, 2, NameImageRow);
    if (m_grid)
        for (int r = 1; r <= ChannelCount; ++r)
            FillChannelRow(*m_grid, r);
}

void ChannelLinkSession::UnpackReadNames()
{
    for (int b = 2; b <= ReadBlockCount + 1 && b < ReplyRows; ++b) {
        const auto &reply = NameReplyBuffer[b];
        // The address the radio echoed stands right after the reply's 'X'.
        const int x = ReplyDataStart(reply) - 4;
        const int page = (reply[x + 1] & 0xFF) - 0x10;
        if (page < 0 || page > 31)
            break;
        const int first = page * 16 + (reply[x + 2] & 0xFF) / 16 + 1;
        for (int k = 0; k < 4; ++k)
            if (first + k <= ChannelCount)
                DecodeRawName(b, first + k, 16 * k);
    }
}

void ChannelLinkSession::DecodeRawName(int block, int row, int dataOffset)
{
    if (!m_grid || block < 0 || block >= ReplyRows || dataOffset < 0 || dataOffset > 56)
        return;
    const auto &reply = NameReplyBuffer[block];
    const int p = ReplyDataStart(reply) + dataOffset;
    quint8 bytes[8];
    for (int k = 0; k < 8; ++k)
        bytes[k] = p + k < ReplyCols ? quint8(reply[p + k] & 0xFF) : 0xFF;
    m_grid->setTextMatrix(row, ChannelGrid::ColName, DecodeRawNameBytes(bytes));
}
