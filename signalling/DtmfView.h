#pragma once
// What the DTMF editor shows, read from the DTMF area in one go before any
// control is touched: showing it stores nothing, so a redisplay (on load,
// on every activation, after Default, a read or a code box's focus loss)
// leaves the image as it was.
#include <QString>
#include <array>

#include "signalling/DtmfCodeBoxes.h"
#include "signalling/DtmfSettings.h"

struct DtmfView {
    std::array<QString, DtmfCodeBoxCount> codes;  // in DtmfCodeBoxes() order
    std::array<int, DtmfListCount> lists;         // item shown, -1 for none
    std::array<bool, DtmfCheckCount> checks;      // in DtmfChecks() order
    bool idControlsEnabled = false;               // the twelve ID controls
};

DtmfView ReadDtmfView();
