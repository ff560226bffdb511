#pragma once
// The DTMF editor's warnings in both languages (its captions are the
// window's caption table).
#include "platform/Language.h"

namespace DtmfTexts {
// Default, Open, Save and Close while the exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
// Closing the window by other means while the exchange runs (title PromptTitle).
inline constexpr BiText UnloadBusy{"Read-write operating，don't close the window.,",
                                   "正在进行读写操作,请勿关窗口 ！,"};

// The rights under the rights headings, in bit order; a rights box is named
// for screen readers by its ID's label and its right.
inline constexpr BiText Rights[5] = {{"Inspection", "巡查"}, {"Monitor", "监听"}, {"Stun", "遥晕"},
                                     {"Kill", "遥毙"}, {"Revive", "开机"}};
} // namespace DtmfTexts
