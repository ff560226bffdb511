#pragma once
// The channel editor's own texts in both languages: window and button
// captions, grid headings and its warnings.
#include "platform/Language.h"

namespace ChannelTexts {
inline constexpr BiText Caption{"Channel Information", "信道参数编辑"};
inline constexpr BiText Read{"Read", "读 取"};
inline constexpr BiText Write{"Write", "写 入"};
inline constexpr BiText Clear{"Clear", "清 除"};
inline constexpr BiText Default{"Default", "出厂值"};
inline constexpr BiText Save{"Save", "保 存"};
inline constexpr BiText Open{"Open", "打 开"};
inline constexpr BiText Close{"Close", "关 闭"};
inline constexpr BiText PassWord{"PassWord", "读写密码"};
inline constexpr BiText GridFormat{
    "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power"
    "|^ W/N |^PTT-ID|^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name",
    "^信道号|^ 工作频段 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率"
    "|^信道带宽|^PTT-ID|^繁忙锁定|^扫描添加|^信令码|^可选信令|^静音方式|^扰频|信 道 名 称"};

// Cell warnings (title PromptTitle, the name warning PromptTitleCap).
inline constexpr BiText RxOutOfRange{"Over the range of receive frequency .", "接收频率超出范围 ！"};
inline constexpr BiText RxFirst{"Please input the receive frequency in advance.", "请先输入接收频率 ！"};
inline constexpr BiText TxOutOfRange{"Over the range of transmit frequency .", "发射频率超出范围 ！"};
inline constexpr BiText NameTooLong{"The channel name holds 8 single-byte characters at most .",
                                    "信道名称的字符个数最大为 8 位 ！"};
inline constexpr BiText NameCharacters{"The channel name takes only the characters 0-9, A-Z and blank .",
                                       "信道名称只能使用字符 0-9、A-Z 和空格 ！"};

// Refusals while the editor's exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
inline constexpr BiText ClearBusy{"Read-write operating，don't clear operate .,",
                                  "正在进行读写操作,请勿进行清除操作 ！,"};
inline constexpr BiText CloseBusy{"Read-write operating，don't close the window. ,",
                                  "正在进行读写操作,请勿关窗口 ！,"};
inline constexpr BiText UnloadBusy{"Read-write operating，don't close the window.,",
                                   "正在进行读写操作,请勿关窗口 ！,"};
}
