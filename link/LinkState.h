#pragma once
// The link's module-level state, shared by every window's exchange: the port
// in use, the result of the last open, the base address of the exchange that
// started last, the typed password, the last password block and the tables of
// raw read replies.
#include <QString>
#include <QtGlobal>
#include <array>

#include "memory/MemoryImage.h"

// The serial port every exchange opens (COM1 = 1).
extern qint16 CommPortNumber;
// Result of the last attempt to open a port: 0 good, -1 failed.
extern qint16 PortErrorFlag;
// High and low byte of the first address of the exchange that started last.
extern std::array<quint8, 2> SessionBaseAddress;
// Character codes of the trimmed text of the password box that changed last;
// entries 0-5 are 32 where the text is shorter. All 0 until a box changes.
extern std::array<qint16, 17> TypedPassword;
// Entries 0-15: the password block taken by the last exchange's handshake.
extern std::array<quint8, 17> PasswordBlockCopy;
// The password window's old and new password: entries 0-5 hold one-byte
// character codes, left-aligned and filled up with blanks.
extern std::array<qint16, 17> OldPassword;
extern std::array<qint16, 17> NewPassword;
// The channel editor's region of the frame in flight: 0 channels, -1 names.
extern qint16 RegionToggle;

inline constexpr int ReplyRows = 257;
inline constexpr int ReplyCols = 71;
// Raw 69-byte replies of a read, one row per block number.
extern CellGrid<ReplyRows, ReplyCols> ReadReplyBuffer;
using StoredReply = std::array<qint16, ReplyCols>;
// Where the 64 data bytes of a stored reply start: after its 'X' (among its
// first six bytes), the address and the length; 4 when it has no 'X' there.
int ReplyDataStart(const StoredReply &reply);
// The channel editor's twin of ReadReplyBuffer for its name region.
extern CellGrid<ReplyRows, ReplyCols> NameReplyBuffer;

// What every password box does on a change: entries 0-5 := 32, then the
// codes of the trimmed text's characters from entry 0 on. Characters beyond
// the 17th are ignored; a character without a single-byte code counts as "?".
void SetTypedPassword(const QString &text);

// Back to program start (the opening command stored). Tests call it.
void resetLinkState();
