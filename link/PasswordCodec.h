#pragma once
// The rules of the password change: a typed password as six blank-filled
// character codes, the password block inside the radio's answer to the
// 64-byte read at 0x3DC0, the checks of the old password against that block,
// and the frames the password exchange sends.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace PasswordRules {
inline constexpr int Length = 6;                 // characters of a password
inline constexpr quint8 Blank = 0x20;
inline constexpr int BlockReadAddress = 0x3DC0;  // 64 bytes; the block is the last 16
inline constexpr int BlockReadLength = 0x40;
inline constexpr int BlockInRead = 48;           // data byte where the block starts
inline constexpr int BlockReplyTaken = 69;       // bytes taken of the read's answer

// A password as the window keeps it (entries 0-5 used, one code each).
using Codes = std::array<qint16, 17>;
// The 16 bytes at 0x3DF0: user password 0-5, super password 6-11, then
// alignment values.
using Block = std::array<quint8, 16>;

// Entries 0-5 := 0x20, then the one-byte codes of the first six characters
// of the text without leading and trailing blanks; entries 6 on are left
// alone. The password boxes refuse characters without a one-byte code;
// should one reach this routine anyway it is coded as "?".
void setPasswordCodes(Codes &codes, const QString &text);

// The key rule of the password boxes: a typed or pasted character without a
// one-byte code is refused in words (TextBox::KeyRefused, with
// PasswordText::Characters); any other key passes unchanged.
int passwordKey(int key);

// Six 0x20 or six 0xFF in bytes 0-5: the radio has no user password.
bool noUserPassword(const Block &block);
// The old password passes when entries 0-5 equal the user password (block
// bytes 0-5) or else the super password (bytes 6-11), position by position.
bool oldPasswordAccepted(const Codes &old, const Block &block);

// The block in the bytes taken of the answer to the read at 0x3DC0 (at least
// BlockReplyTaken): a data frame whose 'X' stands at position 0 or 1 (after
// the radio's Ack) and echoes 0x3DC0 and 0x40; the block is data bytes
// 48-63, reply bytes p + 52 to p + 67. Nothing when there is no 'X' there
// (with the 'X' further on, the block's last bytes would lie beyond the
// bytes taken) or when the echo names another address or length: building
// the new block from another block would overwrite the super password.
std::optional<Block> blockFromReply(const quint8 *reply);

// 06 'S' 3D C0 40: an Ack, then the request for the 64 bytes at 0x3DC0.
QByteArray blockRequestFrame();
// 'X' 3D F0 10, the new user password (entries 0-5), then block bytes 6-15
// as read: the super password and the alignment values behind it unchanged.
QByteArray newBlockFrame(const Codes &newPassword, const Block &read);
}
