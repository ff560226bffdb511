#pragma once
// The OK rule of every file dialog: the typed name, trimmed of blanks, must
// hold none of * $ \ / # and end in the dialog's suffix in all lower or all
// upper case. The file system is not consulted.
#include "platform/Language.h"

#include <QString>
#include <optional>

enum class FileNameVerdict { Accepted, BadName, BadSuffix };

struct FileNameCheck {
    FileNameVerdict verdict;
    QString name;  // the trimmed name (also when refused)
};

// The rule alone, without a box. suffix is given in lower case (".dat").
FileNameCheck CheckFileName(const QString &text, const QString &suffix);

// The rule with its boxes: the accepted name, or nothing after showing the
// bad-name or the bad-suffix box (one box at most).
std::optional<QString> CheckDialogFileName(const QString &text, const QString &suffix,
                                           const BiText &badName, const BiText &badSuffix);
