#pragma once
// The exchange texts that several windows share, once.
#include "platform/Language.h"

namespace LinkText {
inline constexpr BiText Busy{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
inline constexpr BiText Connecting{"Connecting with transceiver. ", "正在与对讲机联络 ！"};
inline constexpr BiText FailConnect{"Fail connect with transceiver.", "与对讲机联络失败 ！"};
inline constexpr BiText CommFault{"Communication fault.", "与对讲机通讯故障 ！"};
inline constexpr BiText CommFaultPanel{"Communication fault.", "联机故障 ！"};
inline constexpr BiText PortOpen{"Communication Port Open Error ！", "通讯端口打开错误，请正确设置通讯端口 ！"};
// The channel and FM editors' and the read, write and password windows' port box.
inline constexpr BiText PortError{
    "Communication port is error, please setting right communication port . ！",
    "通讯端口打开错误，请正确设置通讯端口 ！"};
}
