#pragma once
// The 2-tone editor's own controls (not its buttons and exchange controls):
// the tab strip; the encode frame with its grid, in-cell editor and three
// timing lists; the decode frame with its grid, in-cell list, the four tone
// boxes of the chosen decode code and the reset list. Built into the window
// with their objectNames and caption labels as buddies.
#include <array>

#include "signalling/TwoToneTimings.h"

class FlexGrid;
class PickList;
class QGroupBox;
class QLabel;
class QTabBar;
class QWidget;
class TextBox;

struct TwoToneControls {
    // Builds every control as a child of `window`; returns the widget that
    // holds the tab strip and the two frames, for the window's own layout.
    QWidget *build(QWidget *window);

    QTabBar *TabStrip1 = nullptr;
    QGroupBox *Frame_Encode = nullptr;
    FlexGrid *MSF_Encode = nullptr;
    TextBox *Text_Encode = nullptr;
    PickList *Combo_Encode = nullptr;  // the in-cell editor's list: no encode cell opens it
    QGroupBox *Frame_Decode = nullptr;
    FlexGrid *MSF_Decode = nullptr;
    PickList *Combo_Decode = nullptr;
    TextBox *Text_Decode = nullptr;    // the in-cell editor's text box: no decode cell opens it
    QGroupBox *Frame_Dec_xx = nullptr;
    std::array<TextBox *, 4> toneBoxes{};  // Text_A to Text_D
    std::array<PickList *, TwoToneTimingCount> timings{};  // in TwoToneTimings() order
};
