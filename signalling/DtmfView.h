#pragma once
// What the DTMF editor shows, read from the DTMF area in one go before any
// control is touched, and what showing it stores back. A display stores
// what a control's own handler would store when the display changes that
// control, and nothing where it changes nothing:
// - an on-time, off-time, delay or reset byte beyond its list becomes the
//   list's last index (StoreListByteInRange);
// - a code row whose box's text changes is rewritten from the new text
//   (packed: codes from byte 0 on, 0xFF after the last); a row whose text
//   stays, however its bytes lie (sixteen blanks, say), is left alone;
// - an ID-control byte other than 1 becomes 1 when the display turns the
//   box from cleared to ticked; a box already ticked keeps its byte.
// Every other byte stays as it is, so a redisplay (on load, on every
// activation, after Default, a read or a code box's focus loss) never
// clears a right or a tick.
#include <QString>
#include <array>

#include "signalling/DtmfCodeBoxes.h"
#include "signalling/DtmfSettings.h"

// What the window's controls showed before a display. A window just built
// shows empty code boxes and a cleared ID control.
struct DtmfShown {
    std::array<QString, DtmfCodeBoxCount> codes;  // in DtmfCodeBoxes() order
    bool idControlTicked = false;
};

struct DtmfView {
    std::array<QString, DtmfCodeBoxCount> codes;  // in DtmfCodeBoxes() order
    std::array<bool, DtmfCodeBoxCount> repack{};  // the box's text changes: its row is stored again
    std::array<int, DtmfListCount> lists;         // item shown, -1 for none
    std::array<QString, DtmfListCount> listTexts; // text shown (a digit code's digit too)
    std::array<bool, DtmfCheckCount> checks;      // in DtmfChecks() order
    bool idControlStored = false;                 // the ID control turns ticked: 1 is stored
    bool idControlsEnabled = false;               // the twelve ID controls
};

// The area as it shows over controls that showed `before`.
DtmfView ReadDtmfView(const DtmfShown &before = {});
// Stores what showing `view` stores back (see above); nothing else.
void StoreDtmfViewBack(const DtmfView &view);
