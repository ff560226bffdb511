#pragma once
// The 2-tone editor's own texts in both languages: title, captions by
// objectName, grid headings, tab captions and its warnings.
#include "platform/Language.h"

struct TwoToneCaption {
    const char *name;  // objectName
    BiText text;
};

namespace TwoToneTexts {
inline constexpr BiText Title{"2 TONE", "2 TONE 编解码参数编辑"};

inline constexpr TwoToneCaption Captions[] = {
    {"Frame_Encode", {"2 TONE Encode", "2 TONE 编码"}},
    {"Label_1st", {"1st Tone Duration(MS)", "发送第 1 个频率时间长度（MS）"}},
    {"Label_2nd", {"2nd Tone Duration(MS)", "发送第 2 个频率时间长度（MS）"}},
    {"Label_gap", {"Gap of Tone (MS)", "前后两个频率的间隔时长 （MS）"}},
    {"Frame_Decode", {"2 TONE Decode", "2 TONE 解码"}},
    {"Label_A_tone", {"A Tone( HZ )", "A 音（HZ）"}},
    {"Label_B_Tone", {"B Tone( HZ )", "B 音（HZ）"}},
    {"Label_C_Tone", {"C Tone( HZ )", "C 音（HZ）"}},
    {"Label_D_Tone", {"D Tone( HZ )", "D 音（HZ）"}},
    {"Label_Reset", {"Reset_Time (MS)", "复位时间（MS）"}},
    {"Frame_Dec_xx", {" 1 Decode 2 Tone Frequency", " 1 解码信息两音频率"}},
    {"Command_read", {"Read", "读 取"}},
    {"Command_Write", {"Write", "写  入"}},
    {"Command_def", {"Default", "默 认"}},
    {"Command_save", {"Save", "保  存"}},
    {"Command_open", {"Open", "打  开"}},
    {"Command_close", {"Close", "关  闭"}},
    {"Label_PassWord", {"PassWord", "读写密码"}},
};

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

// The responses of a decode entry, as the main window's language texts
// hold them.
inline constexpr BiText Responses[4] = {
    {"0.None", "0.无"},
    {"1.Alert", "1.提醒"},
    {"2.Transpond", "2.回复"},
    {"3.Alert+Transpond", "3.提醒并回"},
};

// A typed tone outside 300-3000 Hz; its English title ends in a double quote.
inline constexpr BiText RangeWarning{"Frequency range 300Hz to 3000Hz",
                                     "频率范围在 300.0 HZ - 3000.0 HZ 之间  ！"};
inline constexpr BiText RangeWarningTitle{"Operate Prompt\"", "操作提示"};

// Default, Open, Save and Close while the exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
} // namespace TwoToneTexts
