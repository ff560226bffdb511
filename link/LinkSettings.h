#pragma once
// The settings in which one window's exchange differs from another's: where
// it reads and writes, its retries and delays, the shape of its handshake and
// first frames, how it reports progress, completion and failure, and the
// window's own texts and routines (unpacking, redisplay, password check).
#include <QByteArray>
#include <array>
#include <functional>

#include "link/LinkTexts.h"
#include "platform/Language.h"

// The texts of an exchange; the defaults are those of the 2-tone and 5-tone
// editors. A progress label is its two parts around the decimal number.
struct LinkTexts {
    BiText portOpenTitle = PromptTitleCap;
    BiText portOpen = LinkText::PortOpen;
    BiText busyTitle = PromptTitle;
    BiText busy = LinkText::Busy;
    BiText connecting = LinkText::Connecting;
    BiText readProgressBefore{"Reading ", "正在读取 "};
    BiText readProgressAfter{" Data Block", " 数据块"};
    BiText writeProgressBefore{"Writing  ", "正在写入  "};
    BiText writeProgressAfter{"  Data Block", "  数据块"};
    BiText afterReadLabel{"Read Signal parameters in gear. ", "信令参数读出正常 ！"};
    BiText afterReadTitle = PromptTitleCap;
    BiText afterReadBox{"Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"};
    BiText afterWriteTitle = PromptTitleCap;
    BiText afterWriteBox{"Complete Written Signal parameters to the transceiver.",
                         "向对讲机写入信令参数完毕 ！"};
    BiText afterWriteLabel{"Complete Written Signal parameters ", "信令参数写入完毕 ！"};
    BiText failureTitle = PromptTitle;
    BiText failureBox = LinkText::FailConnect;
    BiText failureLabel = LinkText::CommFault;
    BiText failurePanel = LinkText::CommFaultPanel;  // main window's panel 2
    // A second paragraph of the failure box when the radio had acknowledged
    // rows of a write before it failed (empty: none).
    BiText failureAfterRows{"", ""};
    BiText passwordRefusedTitle = PromptTitleCap;
    BiText passwordRefused{"PassWord Error, Reading Stop", "读写数据命令字错误，禁止读出"};
};

// What the retry pause does when no retry is left (flags, combined).
enum LinkFailureReport : unsigned {
    FailBox = 1,        // the failure box
    FailBarZero = 2,    // progress bar to 0 (after the box)
    FailLabel = 4,      // the failure status label (after the box)
    FailPanel2 = 8,     // the main window's panel 2 (after the box)
    FailHideFirst = 16  // before the box: bar to 0 and hidden, label emptied
};

// Which status-bar panels an accepted identification writes.
enum class IdentPanels {
    Standard,       // bands 1-4 in panels 8, 10, 12, 14; model 2; 4 emptied; firmware 6
    ThreeBands,     // bands 1-3 in 8, 10, 12; model 2; bytes 38-47 in 4; firmware 6
    None            // nothing written, BandLimits untouched
};

struct LinkSettings {
    // The stretch of radio memory.
    int readBase = 0;    // address of the first 64-byte block (low byte 0)
    int writeBase = 0;   // address of the first 16-byte row (low byte 0)
    int readBlocks = 0;  // 64-byte blocks a read fetches
    int writeRows = 0;   // 16-byte rows a write sends

    // Attempts and delays.
    int readRetries = 3;      // attempts after the first, set by the Read button
    int writeRetries = 3;     // the same for the Write button
    int retryDelayMs = 3000;  // the pause between a reply time-out and the retry
    bool busyTest = true;     // Read and Write refuse while an exchange runs

    // Sending.
    bool bytePerTick = false;  // one byte per send-timer tick: the first after
    int byteTickMs = 10;       // 15 ms, the others byteTickMs apart
    int replyTimeoutMs = 1000; // from the last byte of a frame
    int byteTimeoutMs = 2000;  // re-armed at every byte while a frame goes out
    int framePauseSteps = 0;   // counted pause after every frame (0: none)

    // Handshake.
    bool ackIdentReply = true;          // answer the identification with an Ack
    int identAckPauseSteps = 40000;     // counted pause after that Ack
    bool passwordStage = true;          // ask for the password block
    bool ackPasswordBlock = true;       // answer the password block with an Ack
    int passwordAckPauseSteps = 4000;   // counted pause after that Ack
    IdentPanels identPanels = IdentPanels::Standard;

    // Data phase.
    bool firstReadRequestAck = false;   // an Ack in front of the first block request
    int firstReadBlock = 2;             // reply row of the first data block
    bool readProgressAfterAdvance = true;  // progress shows the advanced block number
    bool readDoneBar100 = true;         // the bar goes to 100 when a read completes
    bool readDoneLabelFirst = true;     // the read label before the read box (else after)
    int writeLabelOffset = -1;          // write label number = BlockNumber + offset

    // The window's routines. Empty ones take the engine's own behaviour.
    // Runs in the Read/Write click after the busy test, before the start;
    // write: the Write button. False keeps the exchange from starting (an
    // open edit the user must finish first).
    std::function<bool(bool write)> beforeStart;
    // Runs in the Read/Write click when the port opened, before the bar shows.
    std::function<void()> started;
    // The first write frame instead of row 0 (then BlockNumber starts at 0).
    std::function<QByteArray()> writePreamble;
    // Row `index` of the stretch (from 0); default MemoryImage row writeBase/16 + index.
    std::function<std::array<quint8, 16>(int index)> writeRow;
    // Replaces the unpacking of a finished read (default: reply rows
    // firstReadBlock.. into MemoryImage from row readBase/16).
    std::function<void()> unpack;
    // The window's show routine, called after the default unpacking.
    std::function<void()> show;
    // A window that takes each reply's data from the fixed bytes 5-68 counts
    // a data reply only with its 'X' behind the Ack (at byte 1); any other
    // window takes it with its 'X' at byte 0 or 1.
    bool replyBehindAck = false;
    // Decides on the password block in PasswordBlockCopy; false refuses.
    std::function<bool()> passwordCheck;

    unsigned failureReport = FailBox | FailBarZero | FailLabel;
    LinkTexts texts;
};
