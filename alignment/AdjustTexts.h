#pragma once
// The alignment editor's own message texts and the captions of its buttons
// (the captions exist in Chinese only).
#include "platform/Language.h"

// Default, Open or Save while the editor's exchange runs (title PromptTitle).
inline constexpr BiText AdjustBusyText{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
// Close while the exchange runs (title PromptTitle).
inline constexpr BiText AdjustCloseBusyText{"Read-write operating，don't close the window.,",
                                            "正在进行读写操作,请勿关窗口 ！,"};
// The range warnings of the value boxes keep this title in either language.
inline constexpr const char *AdjustChineseTitle = "操作提示";

inline constexpr const char *AdjustReadCaption = "读  取";
inline constexpr const char *AdjustWriteCaption = "写  入";
inline constexpr const char *AdjustDefaultCaption = "默认值";
inline constexpr const char *AdjustOpenCaption = "打  开";
inline constexpr const char *AdjustSaveCaption = "保  存";
inline constexpr const char *AdjustCloseCaption = "关  闭";
