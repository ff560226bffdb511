#pragma once
// The frames of the radio's serial protocol: the opening command, the
// identification reply, read requests, data frames, write frames and the
// acknowledgement, with the small parsers the exchanges use on them.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

#include "memory/MemoryImage.h"

namespace Frame {
inline constexpr quint8 Ack = 0x06;
inline constexpr quint8 SessionEnd = 0x45;   // 'E'
inline constexpr quint8 Request = 0x53;      // 'S'
inline constexpr quint8 Data = 0x58;         // 'X'
inline constexpr quint8 IdentEnd = 0x55;     // end mark of the identification reply

inline constexpr int IdentReplyTaken = 50;      // bytes taken of an identification reply
inline constexpr int PasswordReplyTaken = 20;   // bytes taken of the password-block reply
inline constexpr int DataReplyTaken = 69;       // bytes taken of a 64-byte data reply
inline constexpr int PasswordBlockAddress = 0x3DF0;

// The line: 9600 baud, a byte is ten bits (start, eight data, stop).
inline constexpr int LineBaud = 9600;
inline constexpr double ByteMs = 10.0 * 1000.0 / LineBaud;
}

// The opening command of every exchange, in entries 0-7 of a ten-entry
// table. It holds the command from program start; the main window's load
// routine stores it again before any exchange can run.
extern std::array<quint8, 10> ProgramModeHandshake;
void StoreProgramModeHandshake();
QByteArray programModeHandshakeFrame();  // entries 0-7

// Which of the two accepted layouts 50 received bytes have.
enum class IdentForm { None, A, B };
// Form A: byte 0 is 0x01 and byte 48 is 0x55. Form B (after an Ack): byte 0
// is 0x06 and byte 49 is 0x55.
IdentForm identForm(const quint8 *reply50);

// What an identification reply says, read from the reply with its leading
// Ack (form B) already removed.
struct IdentInfo {
    std::array<BandPair, 4> bands{};
    QString model;     // bytes 10-15
    QString firmware;  // bytes 26-31
    QString serial;    // bytes 38-47 (only the channel editor shows it)
};
// A limit is 100 * a + 10 * b + c over its three digit bytes, no range check.
IdentInfo parseIdentReply(const quint8 *reply);
// One band panel: " 136-- 174" (a blank stands for each limit's sign).
QString bandPanelText(const BandPair &band);
// One character per byte, in order, nothing trimmed.
QString bytesText(const quint8 *bytes, int count);

// 'S', address high, address low, length; with an Ack in front when asked.
QByteArray readRequestFrame(int address, int length, bool leadingAck = false);
// 'X', address high, address low, 0x10 and the 16 data bytes; with an Ack in
// front when asked (21 bytes, else 20).
QByteArray writeFrame(int address, const std::array<quint8, 16> &data, bool leadingAck);

// Position of the first 'X' among bytes[from..to], or -1.
int findDataMark(const quint8 *bytes, int from, int to);

// What a read request asks for; the default is none (nothing answers it).
struct ReadRequest {
    int address = -1;
    int length = -1;
    bool operator==(const ReadRequest &) const = default;
};
// The request a frame makes when it is a read request ('S', address high,
// address low, length; with or without an Ack in front), else nothing.
std::optional<ReadRequest> readRequestOf(const QByteArray &frame);
// Whether the data frame head at `mark` ('X', address high, address low,
// length) answers `request`: a reply that echoes another address or length
// carries another block, whatever its bytes.
bool dataHeadAnswers(const quint8 *mark, const ReadRequest &request);
