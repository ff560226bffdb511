#pragma once
// The language in use and the bilingual texts that follow it.
#include <QString>

// 0 for English, -1 for Chinese; any non-zero value reads as Chinese.
// Only the main window's language commands write it.
extern qint16 LanguageFlag;

// One caption or message in both languages, picked by LanguageFlag when shown.
struct BiText {
    const char *en;
    const char *zh;
    QString text() const { return QString::fromUtf8(LanguageFlag ? zh : en); }
    QString english() const { return QString::fromUtf8(en); }
    QString chinese() const { return QString::fromUtf8(zh); }
    operator QString() const { return text(); }
};

// The titles of the system's message boxes.
inline constexpr BiText PromptTitle{"Operate prompt", "操作提示"};
inline constexpr BiText PromptTitleCap{"Operate Prompt", "操作提示"};
