#pragma once
// The DTMF editor's own texts in both languages: its title, the captions of
// its frames, labels, boxes and buttons (by objectName), and its warnings.
#include "platform/Language.h"

struct DtmfCaption {
    const char *name;  // objectName
    BiText text;
};

namespace DtmfTexts {
inline constexpr BiText Title{"DTMF Encode/Decode ", "DTMF 编解码参数编辑"};

inline constexpr DtmfCaption Captions[] = {
    {"Frame_Encode", {"DTMF Encode", "DTMF 编码"}},
    {"Label_encode_xh", {"Number", "编码码组"}},
    {"Label_tx_encode", {" Code ", "发送编码"}},
    {"Label_dtmf_ontime", {"DTMF Speed (On Time)", "发码持续时间（MS）"}},
    {"Label_dtmf_offtime", {"DTMF Speed (Off Time)", "发码间断时间（MS）"}},
    {"Label_Group_code", {"Group Code", "群呼码"}},
    {"Command_read", {"Read", "读 取"}},
    {"Command_Write", {"Write", "写  入"}},
    {"Command_def", {"Default", "默 认"}},
    {"Command_save", {"Save", "保  存"}},
    {"Command_open", {"Open", "打  开"}},
    {"Command_close", {"Close", "关  闭"}},
    {"Label_PassWord", {"PassWord", "读写密码"}},
    {"Frame_State", {"State", "本机状态"}},
    {"Check_RX", {"RX Disable", "接收禁止"}},
    {"Check_Tx", {"TX Disable", "发射禁止"}},
    {"Frame_Decode", {"DTMF Decode", "DTMF 解码"}},
    {"Label_xc", {"Inspection", "巡 查 码"}},
    {"Label_jt", {"Monitor", "监 听 码"}},
    {"Label_bj", {"Alarm", "报 警 码"}},
    {"Label_yy", {"Stun", "遥 晕 码"}},
    {"Label_yb", {"Kill", "遥 毙 码"}},
    {"Label_kj", {"Revive", "开 机 码"}},
    {"Frame_Ctrl", {"Control ID code and control right", "控制ID码及控制权限"}},
    {"Label_xcjtyyybkj_2", {"      Inspection             Stun                 Revive ", ""}},
    {"Label_xcjtyyybkj_1",
     {"              Monitor                Kill", "巡查      监听     遥晕     遥毙      开机 "}},
    {"Check_Ctrl_En", {"Function Control by master and vice ID code", "接受主副ID控制"}},
    {"Label_PID", {"Master Control ID", "主控ID码"}},
    {"Label_SID", {"Vice Control ID", "副控ID码"}},
    {"Label_Dec_Space_Code", {"Space Code", "码组间隔码"}},
    {"Label_Reset_Time", {"Reset Time(ms)", "复位时间(ms)"}},
    {"Label_Rece_End_ProcDelay", {"Delay processing time (ms)", "收码结束延迟处理时间(ms)"}},
};

// Default, Open, Save and Close while the exchange runs (title PromptTitle).
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
// Closing the window by other means while the exchange runs (title PromptTitle).
inline constexpr BiText UnloadBusy{"Read-write operating，don't close the window.,",
                                   "正在进行读写操作,请勿关窗口 ！,"};

// The exchange's own texts.
inline constexpr BiText AfterReadLabel{"Read DTMF Signal parameters in gear. ",
                                       "DTMF 信令参数读出正常 ！"};
inline constexpr BiText AfterWriteBox{"Complete Written DTMF Signal parameters to the transceiver.",
                                      "向对讲机写入 DTMF 信令参数完毕 ！"};
inline constexpr BiText AfterWriteLabel{"Complete Written DTMF Signal parameters ",
                                        "DTMF 信令参数写入完毕 ！"};
} // namespace DtmfTexts
