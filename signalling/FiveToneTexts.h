#pragma once
// The 5-tone editor's own texts in both languages: window, tab, frame, label
// and button captions, grid headings, warnings and the signal file's boxes.
#include "memory/DecodeFunctionNames.h"
#include "platform/Language.h"

namespace FiveToneTexts {
inline constexpr BiText Caption{"5 Tone Encode/Decode ", "5音信令编解码参数编辑"};
inline constexpr BiText TabStandard{"Standard", "标准"};
inline constexpr BiText TabEncode{"Encode", "编解码"};
inline constexpr BiText FrameStd{"5 TONE Standard Frequency", "5 TONE 标准频率"};
inline constexpr BiText StdName{"Standard Name", "标准名称"};
inline constexpr BiText FrameEncode{"5 Tone Encode", "5 TONE 编码"};
inline constexpr BiText Delay1{"Delay 1 (MS) ", "发送第1组码前的延迟时间（MS）"};
inline constexpr BiText Delay2{"Delay 2 (MS) ", "发送第2组码前的延迟时间（MS）"};
inline constexpr BiText Delay3{"Delay 3 (MS) ", "发送第3组码前的延迟时间（MS）"};
inline constexpr BiText Delay4{"First Digit Extend Length (MS)", "各组码第1个音的拓展时长（MS）"};
inline constexpr BiText DecodeCall{"5 TONE Decode Call", "5 TONE 解码呼叫帧"};
inline constexpr BiText DecodeDisp{"5 TONE Decode Disp", "5 TONE 解码显示帧"};
inline constexpr BiText DecodeStd{"5 TONE Decode Standard ", "5 TONE 解码使用标准"};
inline constexpr BiText ResetTime{"Decode Reset Time(ms)", "解码复位时间（MS）"};
inline constexpr BiText FrameBox[3]{{"1 frame", "第 1 帧"}, {"2 frame", "第 2 帧"}, {"3 frame", "第 3 帧"}};
inline constexpr BiText FrameDecode{"5 Tone Decode", "5 TONE 解码"};
inline constexpr BiText DecodeActions{"Execute after Code 1 Decode Succeeded   ",
                                      " 1 信息码各组编码成功解码后执行操作  "};
inline constexpr BiText FrameLabel[3]{{"Frame 1", "帧 1"}, {"Frame 2", "帧 2"}, {"Frame 3", "帧 3"}};
inline constexpr BiText Disp{"DISP", "屏幕显示"};
inline constexpr BiText Led{"LED", "指示灯"};
inline constexpr BiText Ctrl{"CTRL", "控制输出"};
inline constexpr BiText Alert{"ALERT", "提示音"};
inline constexpr BiText Read{"Read", "读 取"};
inline constexpr BiText Write{"Write", "写  入"};
inline constexpr BiText Default{"Default", "默 认"};
inline constexpr BiText Save{"Save", "保  存"};
inline constexpr BiText Open{"Open", "打  开"};
inline constexpr BiText Close{"Close", "关  闭"};
// The password label keeps its design caption in Chinese.
inline constexpr BiText PassWord{"PassWord", "读写密码"};

// Design captions of the decode page, the same in both languages.
inline constexpr const char *GroupCallLabel = "组呼位";
inline constexpr const char *ReplyAfterAll = "所有帧成功解码后回复";
inline constexpr const char *ReplyChannelFree = "信道空闲时回复";
inline constexpr const char *ReplyDelay = "回复延迟时间（MS）";

inline constexpr BiText StandardsFormat{"^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone ",
                                        "^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 "};
inline constexpr BiText EncodeFormat{"^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Standard ",
                                     "^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^使用标准"};
inline constexpr BiText DecodeFormat{
    "^Code|^Standard|^Frame1|^          Function       |^Frame2|^     Function    |^Frame3"
    "|^    Function   |^Transpond",
    "^信息码|^使用标准|^ 第1帧解码 |^ 功    能 |^ 第2帧解码 |^ 功    能 |^ 第3帧解码 |^ 功    能 |^ 回复码 "};

// The functions a decoded frame calls, as the decode list offers them.
using DecodeFunctionNames::CallFunctions;

// The encode and decode lists' warnings carry this title.
inline constexpr BiText CodeTitle{"Operate Prompt\"", "操作提示"};
inline constexpr BiText EncodeDigits{"Encode Digit is 5 Bits.", "编码位数为 5 位 ！"};
inline constexpr BiText DecodeDigits{"Decode Digit is 5 Bits.", "解码位数为 5 位 ！"};
inline constexpr BiText GroupDigits{"Group Digits only by 0 to 9 and A to F.",
                                    "码组字符只能是 0 - 9 或 A - F  ！"};

// Refusal while the editor's exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};

// The signal file (title PromptTitleCap).
inline constexpr BiText Loaded{"Succeed fold the Signal parameters from file.", "信令参数从文件调入成功 ！"};
inline constexpr BiText Saved{"Complete storing Signal parameters.", "信令参数保存完毕 ！"};
inline constexpr BiText LoadFailed{"Loading the Signal parameters from file failed; nothing was changed.",
                                   "信令参数从文件调入失败，参数未改变 ！"};
// Followed by what became of the file (SaveFailureText).
inline constexpr BiText SaveFailed{"Storing the Signal parameters failed", "信令参数保存失败"};
inline constexpr BiText TooShort{"The file ends at line %1, before all 256 rows were read.",
                                 "文件在第 %1 行结束，不足 256 行。"};
}
