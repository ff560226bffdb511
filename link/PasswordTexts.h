#pragma once
// Captions and messages of the password change window, in both languages;
// each is picked by LanguageFlag when it is set or shown.
#include "platform/Language.h"

namespace PasswordText {
// Captions.
inline constexpr BiText Caption{"Modify PassWord", "修改密码"};
inline constexpr BiText OldPassWord{"Old PassWord", "原密码"};
inline constexpr BiText NewPassWord{"New PassWord", "新密码"};
inline constexpr BiText ConfirmPassWord{"Confirm PassWord", "确认新密码"};
inline constexpr BiText Modify{"Modify", "修改"};
inline constexpr BiText Close{"Close", "关闭"};

// Boxes; the title of each stands beside it. The port and failure boxes
// are the shared LinkText::PortError and LinkText::FailConnect.
inline constexpr BiText NotConsistent{"Password is not consistent .", "密码不一致"};  // PromptTitle
inline constexpr BiText OldRefused{"Old PassWord Error, Writeing Stop",
                                   "原密码错误，禁止写入"};                             // PromptTitleCap
inline constexpr BiText Success{"PassWord Modify Success ! ", "密码修改成功 "};         // PromptTitleCap
inline constexpr BiText CloseBusy{"Read-write operating，don't close the window. ,",
                                  "正在进行读写操作,请勿关窗口 ！,"};                   // PromptTitle
// A character a password cannot hold, refused as it is typed (PromptTitleCap).
inline constexpr BiText Characters{
    "The password takes single-byte characters only (letters, digits, blank and signs) .",
    "密码只能使用单字节字符（字母、数字、空格和符号）！"};
}
