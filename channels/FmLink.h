#pragma once
// The FM editor's own exchange with the radio: the 16 FM records (radio
// 0x3000-0x30FF, image rows 768-783), read as 4 blocks of 64 bytes and
// written as 16 rows (LinkProfile::fm). It is the one exchange that
// compares the typed password with the radio's password block and stops on
// a mismatch; these are the window's routines for it.
#include <array>
#include <functional>

#include "link/LinkSettings.h"

// The password check on a received password block (entries 0-15) and the
// typed password (entries 0-5 compared): accepted when the user password
// (bytes 0-5) is six blanks or six 0xFF bytes, or when the typed password
// equals the user password (bytes 0-5) or the super password (bytes 6-11).
bool FmPasswordAccepted(const std::array<quint8, 17> &block, const std::array<qint16, 17> &typed);

// LinkProfile::fm with the window's routines: the password check on
// PasswordBlockCopy and TypedPassword, RegionToggle := 0 when a read has
// started, and `show` (the grid redrawn) after a read has been unpacked.
LinkSettings FmLinkSettings(std::function<void()> show);
