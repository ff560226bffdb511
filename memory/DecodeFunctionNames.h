#pragma once
// What a decoded call does, in both languages: the responses of a 2-tone
// decode entry and the functions of a 5-tone decode frame. The main
// window's language texts and the two editors' lists show them.
#include "platform/Language.h"

namespace DecodeFunctionNames {
inline constexpr BiText Responses[4]{
    {"0.None", "0.无"},
    {"1.Alert", "1.提醒"},
    {"2.Transpond", "2.回复"},
    {"3.Alert+Transpond", "3.提醒并回"},
};

inline constexpr BiText CallFunctions[9]{
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
}
