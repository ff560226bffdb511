#pragma once
// Captions and messages of the whole-radio read and write windows, in both
// languages; each is picked by LanguageFlag when it is shown.
#include "platform/Language.h"

namespace WholeRadioText {
// Shared by both windows.
inline constexpr BiText Cancel{"Cancel", "取消"};
inline constexpr BiText Help{"Help", "帮助"};
inline constexpr BiText PassWord{"PassWord", "读写密码"};
inline constexpr BiText CancelBusy{"Read-write operating，don't close the window. ,",
                                   "正在进行读写操作,请勿关窗口 ！,"};

// The read window.
inline constexpr BiText ReadCaption{"Read Data From Radio", "从对讲机读取数据"};
inline constexpr BiText Read{"Read", "读取"};
inline constexpr BiText ReadingBefore{"Reading ", "正在读取 "};
inline constexpr BiText ReadingAfter{" Data Block", " 数据块"};
inline constexpr BiText ReadDoneBox{"Complete reading data from the transceiver.",
                                    "从对讲机中读取数据完毕 ！"};
inline constexpr BiText ReadDoneLabel{"Read Data is Ok ！", "数据读出正常 ！"};
inline constexpr const char *ReadPasswordDesign = "468027";

// The write window.
inline constexpr BiText WriteCaption{"Write Data to Radio", "写数据到对讲机"};
inline constexpr BiText Write{"Write", "写入"};
inline constexpr BiText WritingBefore{"Writing  ", "正在写入  "};
inline constexpr BiText WritingAfter{"  Data Block", "  数据块"};
inline constexpr BiText WriteDoneBox{"Complete Written the data to transceiver.",
                                     "向对讲机写入数据完毕 ！"};
inline constexpr BiText WriteDoneLabel{"Data Writed ！", "参数写入完毕 ！"};
inline constexpr const char *WritePasswordDesign = "902735";
inline constexpr BiText WriteStoppedPartway{
    "The radio now holds only part of the new data. Write it again.",
    "对讲机现在只存有部分新数据，请重新写入 ！"};
}
