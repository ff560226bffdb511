#pragma once
// The option editor's own texts in both languages: the window and button
// captions, the captions of the frequency-mode frames and of the code and
// text boxes, and the editor's warnings. The list labels' captions stand in
// the option box table (OptionBoxes.h).
#include "platform/Language.h"

namespace OptionTexts {
inline constexpr BiText Caption{"Optional Features", "可选参数编辑"};
inline constexpr BiText Read{"Read", "读 取"};
inline constexpr BiText Write{"Write", "写  入"};
inline constexpr BiText Default{"Default", "默 认"};
inline constexpr BiText Save{"Save", "保  存"};
inline constexpr BiText Open{"Open", "打  开"};
inline constexpr BiText Close{"Close", "关  闭"};
inline constexpr BiText PassWord{"PassWord", "读写密码"};

// The code and power-on boxes.
inline constexpr BiText PowerOnFrame{"Power-On Message", "开机显示字符"};
inline constexpr BiText Models{"Models", "机型"};
inline constexpr BiText Ani{"ANI", "身份码"};
inline constexpr BiText SendBegin{"Press PTT to Send", "按下发码"};
inline constexpr BiText SendEnd{"Release PTT to Send", "松开发码"};

// The frames of the frequency-mode records A to D.
inline constexpr BiText FrameCaption[4] = {
    {"A Frequency model parameters", "A 区频率模式参数"},
    {"B Frequency model parameters", "B 区频率模式参数"},
    {"C Frequency model parameters", "C 区频率模式参数"},
    {"D Frequency model parameters", "D 区频率模式参数"},
};
inline constexpr BiText SelectCaption[4] = {
    {" A Frequency model", " A 区频率参数编辑"},
    {" B Frequency model", " B 区频率参数编辑"},
    {" C Frequency model", " C 区频率参数编辑"},
    {" D Frequency model", " D 区频率参数编辑"},
};
// The fixed unit label beside the frequency box and the offset list.
inline const char *const Mhz = "MHZ";

// Refusals while the editor's exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
inline constexpr BiText CloseBusy{"Read-write operating，don't close the window.,",
                                  "正在进行读写操作,请勿关窗口 ！,"};

// Frequency box warnings (title PromptTitle).
inline constexpr BiText FrequencyTooLong{"Over the range of  frequency .", "频率超出范围 ！"};
inline constexpr BiText FrequencyOutOfBand{"The working frequency is out of range.", "当前工作频率超出范围 ！"};

// ANI check warnings (title PromptTitleCap).
inline constexpr BiText AniLength{"ANI ID code length is 3 to 5 digit.", "身份码长度为 3 - 5 位 ！"};
inline constexpr BiText AniRange{" Available ANI ID code from 00000 to 99999. ",
                                 " 身份码的有效数字为 00000 - 99999 "};

// A character the power-on text cannot hold (title PromptTitleCap); the
// code boxes say DtmfCodeCharacters.
inline constexpr BiText PowerOnCharacters{
    "The power-on message takes single-byte characters only (letters, digits, blank and signs) .",
    "开机显示字符只能使用单字节字符（字母、数字、空格和符号）！"};
}
