#include "shell/LanguageTexts.h"

#include "platform/Language.h"

QStringList AboutTexts;
QStringList DecodeResponseList;
QStringList CallFunctionList;

namespace {
const BiText aboutTexts[] = {
    {"ZQ-7310 radio programming software",
     "ZQ-7310 对讲机编程软件"},
    {"Version 1.0  Copyright (C) 2026 the ZQ-7310 programming software authors",
     "版本 1.0  版权所有 (C) 2026 ZQ-7310 编程软件作者"},
    {"Designed by the ZQ-7310 programming software team.",
     "本软件由 ZQ-7310 编程软件小组设计。"},
    {"Warning: unauthorised copying or distribution of this program, or any part of it, "
     "will be prosecuted to the maximum extent possible under the law.",
     "警告：未经授权复制或传播本程序或其任何部分，将依法追究责任。"},
    {"Confirm", "确定"},
    {"System Information(&S)...", "系统信息(&S)..."},
};

const BiText decodeResponses[] = {
    {"0.None", "0.无"},
    {"1.Alert", "1.提醒"},
    {"2.Transpond", "2.回复"},
    {"3.Alert+Transpond", "3.提醒并回"},
};

const BiText callFunctions[] = {
    {"0.Open Speak", "0.通话"},
    {"1.Primary Caller ID", "1.主叫"},
    {"2.Secondary Caller ID", "2.被叫"},
    {"3.Monitor", "3.监听"},
    {"4.Inspection ", "4.巡查"},
    {"5.Emergency", "5.报警"},
    {"6.Stun", "6.遥晕"},
    {"7.Kill", "7.遥毙"},
    {"8.Revive", "8.开机"},
};

template <size_t N>
QStringList pick(const BiText (&texts)[N])
{
    QStringList out;
    for (const BiText &t : texts)
        out << t.text();
    return out;
}
}

void LoadLanguageTexts()
{
    AboutTexts = pick(aboutTexts);
    DecodeResponseList = pick(decodeResponses);
    CallFunctionList = pick(callFunctions);
}
