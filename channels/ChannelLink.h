#pragma once
// The channel editor's own exchange with the radio: the channel records
// (radio 0x0000, image rows 0-199) and the channel names (radio 0x1000,
// rows 256-455) in one exchange, alternating region by region: channel 0,
// name 0, channel 1, name 1, ... It takes three band ranges from the
// identification and shows the radio's serial text in panel 4, and after a
// read it shows the names with a decoder that knows more codes than the
// editor writes.
#include <QString>
#include <array>

#include "link/LinkSession.h"

class FlexGrid;

// The text of 8 raw name bytes as the exchange shows them after a read:
// 0-9 their digit, 17-37 "A"-"U" (but 0x20, a blank), 48-250 the character
// of that byte, 251 "+", 253 "-", 0x20 and 0xFF a blank, anything else
// nothing; the blanks at the ends trimmed; empty when the first byte is 0xFF.
QString DecodeRawNameBytes(const quint8 *bytes);

class ChannelLinkSession : public LinkSession
{
    Q_OBJECT
public:
    // grid: the window's MSF_Chann, redrawn after a read.
    ChannelLinkSession(const LinkControls &controls, FlexGrid *grid, QObject *parent = nullptr);

    // The end of a finished read: both regions into MemoryImage, every grid
    // row redrawn, then the decoded names into the name column.
    void UnpackChannelBlocks();
    void UnpackReadNames();
    // Column 15 of grid row `row` from the 8 name bytes of a stored name
    // reply, starting dataOffset bytes into its data.
    void DecodeRawName(int block, int row, int dataOffset);

protected:
    void startDataPhase() override;
    void writeAckReceived() override;
    void dataReplyReceived(const quint8 *reply) override;

private:
    void requestBlock(int address);
    void showReadProgress();

    FlexGrid *m_grid;
};
