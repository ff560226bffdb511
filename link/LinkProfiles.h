#pragma once
// Every window's exchange with the radio as plain data, in one table: where
// it reads and writes, its retries, delays, handshake and texts. A window
// takes its row and adds its own routines (unpacking, show, password check,
// preamble); only variants of the link itself subclass LinkSession.
#include "link/LinkSettings.h"

namespace LinkProfile {
LinkSettings startupIdentify();  // the main window's identification
LinkSettings wholeRead();        // Form_Comm_Read
LinkSettings wholeWrite();       // Form_Comm_Write
LinkSettings channels();         // frm_chann: channels and names alternating
LinkSettings dtmf();             // frm_dtmf: the DTMF area, failure in panel 2 alone
LinkSettings twoTone();          // frm_2tone, the engine's canonical exchange
LinkSettings fiveTone();         // frm_5tone
LinkSettings fm();               // frm_FM: compares the typed password
LinkSettings alignment();        // frm_Adj_Txp: no password stage, a preamble ahead of a write
LinkSettings password();         // Form_Write_PassWord (its link is PasswordSession)
LinkSettings options();          // frm_option: the option area, 0x0E00-0x0FFF
}

// 64-byte blocks the channel exchange reads per region for `channels`
// channels: four a block, and one block more than they fill.
int ChannelReadBlocks(int channels);
