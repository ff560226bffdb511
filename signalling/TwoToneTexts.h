#pragma once
// The 2-tone editor's texts in both languages besides its caption table:
// grid headings, tab captions, the decode responses and its warnings.
#include "memory/DecodeFunctionNames.h"
#include "platform/Language.h"

namespace TwoToneTexts {
inline constexpr BiText EncodeTab{"Encode", "编码"};
inline constexpr BiText DecodeTab{"Decode", "解码"};
// Frame_Dec_xx after a decode code is chosen: the code's number, then this.
inline constexpr BiText DecodeCodeSuffix{" Decode 2 Tone Frequency", " 解码信息两音频率"};

inline constexpr BiText EncodeGridFormat{
    "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)",
    "^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) "};
inline constexpr BiText DecodeGridFormat{
    "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   "
    "|^Alert|^Dec_4|^   Response   |^Alert",
    "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 式  "
    "|^提示|^解码4|^   响 应 方 式  |^提示"};

// The responses of a decode entry.
using DecodeFunctionNames::Responses;

// A typed tone outside 300-3000 Hz; its English title ends in a double quote.
inline constexpr BiText RangeWarning{"Frequency range 300Hz to 3000Hz",
                                     "频率范围在 300.0 HZ - 3000.0 HZ 之间  ！"};
inline constexpr BiText RangeWarningTitle{"Operate Prompt\"", "操作提示"};

// Default, Open, Save and Close while the exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
} // namespace TwoToneTexts
