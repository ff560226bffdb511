#pragma once
// The DTMF editor's own controls (not its buttons and exchange controls):
// the encode frame with the 15 code boxes, the on/off-time lists and the
// state frame; the decode frame with the ID control, the ID boxes and
// rights, the six function code boxes and the four decode lists. Built into
// the window with their objectNames, caption labels as buddies, and laid
// out in frames.
#include <QList>
#include <array>

#include "signalling/DtmfCodeBoxes.h"
#include "signalling/DtmfSettings.h"

class PickList;
class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;
class TextBox;

struct DtmfControls {
    // Builds every control as a child of `window`; returns the widget that
    // holds the two frames side by side, for the window's own layout.
    QWidget *build(QWidget *window);

    QGroupBox *Frame_Encode = nullptr;
    QGroupBox *Frame_State = nullptr;
    QGroupBox *Frame_Decode = nullptr;
    QGroupBox *Frame_Ctrl = nullptr;
    QGroupBox *Frame_jm = nullptr;
    std::array<QLabel *, 15> Label_xh{};
    std::array<TextBox *, DtmfCodeBoxCount> codeBoxes{};  // in DtmfCodeBoxes() order
    std::array<PickList *, DtmfListCount> lists{};        // in DtmfLists() order
    std::array<QCheckBox *, DtmfCheckCount> checks{};     // in DtmfChecks() order
    QList<QWidget *> idControlled;                        // DtmfIdControlledNames()
    QLabel *Label_PID = nullptr;
    QLabel *Label_SID = nullptr;
};
