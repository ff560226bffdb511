#pragma once
// What the DTMF editor shows, read from the DTMF area in one go before any
// control is touched, and what showing it stores back: an on-time, off-time,
// delay or reset byte past its list becomes the list's last index, and a
// code row not packed as its text reads (a byte without a character among
// codes, say) is rewritten from that text. Every other byte stays as it is,
// so a redisplay (on load, on every activation, after Default, a read or a
// code box's focus loss) never clears a right or a tick.
#include <QString>
#include <array>

#include "signalling/DtmfCodeBoxes.h"
#include "signalling/DtmfSettings.h"

struct DtmfView {
    std::array<QString, DtmfCodeBoxCount> codes;  // in DtmfCodeBoxes() order
    std::array<bool, DtmfCodeBoxCount> repack{};  // the row differs from its text's packing
    std::array<int, DtmfListCount> lists;         // item shown, -1 for none
    std::array<QString, DtmfListCount> listTexts; // text shown (a digit code's digit too)
    std::array<int, DtmfListCount> listStores;    // byte stored back, -1 for none
    std::array<bool, DtmfCheckCount> checks;      // in DtmfChecks() order
    bool idControlsEnabled = false;               // the twelve ID controls
};

DtmfView ReadDtmfView();
// Stores what showing `view` stores back (see above); nothing else.
void StoreDtmfViewBack(const DtmfView &view);
