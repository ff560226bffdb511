#include "link/LinkProfiles.h"

#include <cmath>

#include "link/Frames.h"
#include "link/PasswordCodec.h"
#include "link/PasswordTexts.h"
#include "link/WholeRadioTexts.h"
#include "link/WholeReadUnpack.h"
#include "link/WriteWindow.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

namespace {
// The texts the whole-radio read and write share: the port and busy
// refusals, the connecting line and the failure report, each box under the
// prompt title.
void wholeRadioTexts(LinkTexts &t)
{
    t.portOpenTitle = PromptTitle;
    t.portOpen = LinkText::PortError;
    t.busyTitle = PromptTitle;
    t.failureTitle = PromptTitle;
}
}

namespace {
// What the option and DTMF editors' exchanges share: a 512-byte area read
// as 8 blocks and written as 32 rows from `base`, four attempts either way,
// the write label counting the rows acknowledged so far.
LinkSettings editorAreaLink(int base)
{
    LinkSettings s;
    s.readBase = base;
    s.writeBase = base;
    s.readBlocks = 8;
    s.writeRows = 32;
    s.readRetries = 3;
    s.writeRetries = 3;
    s.identAckPauseSteps = 40000;
    s.passwordAckPauseSteps = 4000;
    s.writeLabelOffset = 0;
    return s;
}
}

int ChannelReadBlocks(int channels)
{
    return int(std::floor(channels / 4.0 + 0.9)) + 1;
}

namespace LinkProfile {

LinkSettings startupIdentify()
{
    LinkSettings s;
    s.readBase = 0x0000;
    s.writeBase = 0x3E00;  // the radio's identification block
    s.readBlocks = 1;
    s.writeRows = 12;
    s.readRetries = 3;
    s.writeRetries = 0;
    s.retryDelayMs = 1500;
    s.bytePerTick = true;
    s.replyTimeoutMs = 5000;
    s.byteTimeoutMs = 5000;
    s.ackIdentReply = false;
    s.identAckPauseSteps = 0;
    s.passwordStage = false;
    s.ackPasswordBlock = false;
    s.passwordAckPauseSteps = 0;
    s.failureReport = 0;
    return s;
}

LinkSettings wholeRead()
{
    namespace T = WholeRadioText;
    LinkSettings s;
    s.readBase = 0x0000;
    s.writeBase = 0x0000;
    s.readBlocks = WholeReadBlocks;
    s.writeRows = ChannelCount;
    s.readRetries = 3;
    s.writeRetries = 3;
    s.retryDelayMs = 3000;
    s.identAckPauseSteps = 40000;
    s.ackPasswordBlock = false;
    s.firstReadRequestAck = true;
    s.firstReadBlock = 1;
    s.readProgressAfterAdvance = false;
    s.readDoneBar100 = false;
    s.readDoneLabelFirst = false;
    s.failureReport = FailBox | FailBarZero | FailLabel;

    LinkTexts &t = s.texts;
    wholeRadioTexts(t);
    t.readProgressBefore = T::ReadingBefore;
    t.readProgressAfter = T::ReadingAfter;
    t.afterReadTitle = PromptTitle;
    t.afterReadBox = T::ReadDoneBox;
    t.afterReadLabel = T::ReadDoneLabel;
    return s;
}

LinkSettings wholeWrite()
{
    namespace T = WholeRadioText;
    LinkSettings s;
    s.readBase = 0x0000;
    s.writeBase = 0x0000;
    s.readBlocks = 0;
    s.writeRows = WholeWriteRows;
    s.readRetries = 0;
    s.writeRetries = 0;  // the failure report never restarts the exchange
    s.retryDelayMs = 5000;
    s.identAckPauseSteps = 4000;
    s.passwordAckPauseSteps = 4000;
    s.writeLabelOffset = 0;
    s.failureReport = FailHideFirst | FailBox | FailLabel;

    LinkTexts &t = s.texts;
    wholeRadioTexts(t);
    t.writeProgressBefore = T::WritingBefore;
    t.writeProgressAfter = T::WritingAfter;
    t.afterWriteTitle = PromptTitle;
    t.afterWriteBox = T::WriteDoneBox;
    t.afterWriteLabel = T::WriteDoneLabel;
    t.failureAfterRows = T::WriteStoppedPartway;
    return s;
}

LinkSettings channels()
{
    LinkSettings s;
    s.readBase = 0x0000;
    s.writeBase = 0x0000;
    s.readBlocks = ChannelReadBlocks(ChannelCount);
    s.writeRows = ChannelCount;
    s.readRetries = 3;
    s.writeRetries = 1;
    s.retryDelayMs = 1500;
    s.identPanels = IdentPanels::ThreeBands;
    s.firstReadBlock = 1;
    s.readDoneBar100 = false;      // the last request left the bar at 100
    s.readDoneLabelFirst = false;  // the label after the box
    s.writeLabelOffset = -1;
    s.failureReport = FailBox | FailPanel2;

    LinkTexts &t = s.texts;
    t.portOpenTitle = PromptTitle;
    t.portOpen = LinkText::PortError;
    t.writeProgressBefore = {"Writeing  ", "正在写入  "};
    t.writeProgressAfter = {"  Channel", "  信道"};
    t.afterReadTitle = PromptTitle;
    t.afterReadBox = {"Complete reading data from the transceiver.", "从对讲机中读取数据完毕 ！"};
    t.afterReadLabel = {"Read Channel Data is Ok ！", "信道数据读出正常 ！"};
    t.afterWriteTitle = PromptTitle;
    t.afterWriteBox = {"Complete writing the data to transceiver.", "向对讲机写入数据完毕 ！"};
    t.afterWriteLabel = {"Channel Data Writed ！", "信道数据写入完毕 ！"};
    t.failureTitle = PromptTitle;
    return s;
}

LinkSettings dtmf()
{
    LinkSettings s = editorAreaLink(MemoryMap::RowAddress(MemoryMap::DtmfAreaRow));
    s.retryDelayMs = 2000;
    s.failureReport = FailPanel2;  // no box; bar and label stay as they are

    LinkTexts &t = s.texts;
    t.afterReadLabel = {"Read DTMF Signal parameters in gear. ", "DTMF 信令参数读出正常 ！"};
    t.afterWriteBox = {"Complete Written DTMF Signal parameters to the transceiver.",
                       "向对讲机写入 DTMF 信令参数完毕 ！"};
    t.afterWriteLabel = {"Complete Written DTMF Signal parameters ", "DTMF 信令参数写入完毕 ！"};
    return s;
}

LinkSettings twoTone()
{
    LinkSettings s;
    s.readBase = MemoryMap::RowAddress(MemoryMap::TwoToneAreaRow);
    s.writeBase = MemoryMap::RowAddress(MemoryMap::TwoToneAreaRow);
    s.readBlocks = 12;
    s.writeRows = 48;
    return s;
}

LinkSettings fiveTone()
{
    LinkSettings s;
    s.readBase = MemoryMap::RowAddress(MemoryMap::FiveToneAreaRow);
    s.writeBase = MemoryMap::RowAddress(MemoryMap::FiveToneTableRow);
    s.readBlocks = 8;
    s.writeRows = 96;
    return s;
}

LinkSettings alignment()
{
    LinkSettings s;
    s.readBase = 0x3C00;   // the alignment block, 0x3C00-0x3DFF
    s.writeBase = 0x3C00;
    s.readBlocks = 8;
    s.writeRows = 32;
    s.readRetries = 3;
    s.writeRetries = 3;
    s.retryDelayMs = 2000;
    // No Ack for the identification and no password block: the first
    // frame of the data phase carries the Ack.
    s.ackIdentReply = false;
    s.identAckPauseSteps = 0;
    s.passwordStage = false;
    s.ackPasswordBlock = false;
    s.passwordAckPauseSteps = 0;
    s.firstReadRequestAck = true;
    s.firstReadBlock = 2;
    s.replyBehindAck = true;  // the data are taken from reply bytes 5-68
    s.writeLabelOffset = -1;  // the preamble's Ack shows -1, row r's shows r
    s.failureReport = FailPanel2;

    LinkTexts &t = s.texts;
    t.afterReadLabel = {"Read optional parameters in gear. ", "调整参数读出正常 ！"};
    t.afterReadBox = {"Complete reading the data from transceiver.", "从对讲机中读取调整数据完毕 ！"};
    t.afterWriteBox = {"Complete writing optional parameters to the transceiver.", "调整参数写入完毕 ！"};
    t.afterWriteLabel = {"Complete writing optional parameters ", "调整参数写入完毕 ！"};
    return s;
}

LinkSettings password()
{
    namespace T = PasswordText;
    LinkSettings s;
    s.readBase = PasswordRules::BlockReadAddress;  // one block; the password block is its last row
    s.writeBase = Frame::PasswordBlockAddress;
    s.readBlocks = 1;
    s.writeRows = 1;
    s.readRetries = 0;
    s.writeRetries = 0;    // no second attempt
    s.retryDelayMs = 5000; // the wait between the reply time-out and the failure box
    s.bytePerTick = true;
    s.byteTickMs = 15;
    s.ackIdentReply = false;
    s.identAckPauseSteps = 0;
    s.passwordStage = false;
    s.identPanels = IdentPanels::None;
    s.failureReport = FailBox;

    LinkTexts &t = s.texts;
    t.portOpenTitle = PromptTitle;
    t.portOpen = LinkText::PortError;
    t.failureTitle = PromptTitle;
    t.failureBox = LinkText::FailConnect;
    t.passwordRefusedTitle = PromptTitleCap;
    t.passwordRefused = T::OldRefused;
    t.afterWriteTitle = PromptTitleCap;
    t.afterWriteBox = T::Success;
    return s;
}

LinkSettings fm()
{
    LinkSettings s = editorAreaLink(MemoryMap::RowAddress(MemoryMap::FmAreaRow));
    s.readBlocks = 4;
    s.writeRows = 16;
    s.retryDelayMs = 3000;

    LinkTexts &t = s.texts;
    t.portOpenTitle = PromptTitle;
    t.portOpen = LinkText::PortError;
    t.afterReadLabel = {"Read FM Radio parameters in gear. ", " FM 收音机参数读出正常 ！"};
    t.afterWriteBox = {"Complete Written FM parameters to the transceiver.", "向对讲机写入参数完毕 ！"};
    t.afterWriteLabel = {"Complete Written FM parameters ", "收音机参数写入完毕 ！"};
    return s;
}

LinkSettings options()
{
    LinkSettings s = editorAreaLink(MemoryMap::RowAddress(MemoryMap::OptionBlockRow));
    s.retryDelayMs = 3000;
    s.framePauseSteps = 200000;  // after every frame the editor sends
    s.failureReport = FailBox | FailBarZero | FailLabel;

    LinkTexts &t = s.texts;
    t.afterReadLabel = {"Read optional parameters in gear. ", "可选参数读出正常 ！"};
    t.afterWriteBox = {"Complete writing optional parameters to the transceiver.",
                       "向对讲机写入可选参数完毕 ！"};
    t.afterWriteLabel = {"Complete writing optional parameters ", "可选参数写入完毕 ！"};
    return s;
}

}
