#pragma once
// The FM broadcast channel editor's own texts in both languages: window and
// button captions, grid headings and its warnings and refusals.
#include "platform/Language.h"

namespace FmTexts {
inline constexpr BiText Caption{"FM Radio Information", "FM 收音机频道编辑"};
inline constexpr BiText Read{"Read", "读 取"};
inline constexpr BiText Write{"Write", "写  入"};
inline constexpr BiText Clear{"Clear", "清  除"};
inline constexpr BiText Default{"Default", "默认"};
inline constexpr BiText Save{"Save", "保  存"};
inline constexpr BiText Open{"Open", "打  开"};
inline constexpr BiText Close{"Close", "关  闭"};
inline constexpr BiText PassWord{"PassWord", "读写密码"};
// The blanks inside the headings set the column widths.
inline constexpr BiText GridFormat{
    "^FM  Channel|^ Receive Frequency (MHZ)|^ FM Station Name  ",
    "^FM 频 道 号|^  接  收  频  率 (MHZ)  |^     电    台    名    称    "};

// Cell warnings.
inline constexpr BiText OutOfRange{"Over the range of receive frequency .", "接收频率超出范围 ！"};
inline constexpr BiText OutOfRangeTitle = PromptTitle;
// A station name keeps six characters.
inline constexpr BiText NameTooLong{"The letter of channel name max 6 bit . ",
                                    "信道名称的字符个数最大为 6 位 ！"};
inline constexpr BiText NameCharacters{
    "The station name takes single-byte characters only (letters, digits, blank and signs) .",
    "电台名称只能使用单字节字符（字母、数字、空格和符号）！"};
inline constexpr BiText NameTitle = PromptTitleCap;

// Refusals while the editor's exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
inline constexpr BiText ClearBusy{"Read-write operating，don't clear operate .,",
                                  "正在进行读写操作,请勿进行清除操作 ！,"};
inline constexpr BiText CloseBusy{"Read-write operating，don't close the window. ,",
                                  "正在进行读写操作,请勿关窗口 ！,"};
inline constexpr BiText UnloadBusy{"Read-write operating，don't close the window.,",
                                   "正在进行读写操作,请勿关窗口 ！,"};
}
