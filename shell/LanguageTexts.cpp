#include "shell/LanguageTexts.h"

#include "memory/DecodeFunctionNames.h"
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
    DecodeResponseList = pick(DecodeFunctionNames::Responses);
    CallFunctionList = pick(DecodeFunctionNames::CallFunctions);
}
