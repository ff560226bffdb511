#include "shell/FileDialogName.h"

#include "platform/MessageBox.h"

FileNameCheck CheckFileName(const QString &text, const QString &suffix)
{
    // Only the blank is trimmed; tabs and the like stay part of the name.
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    const QString name = text.mid(first, last - first);

    static const QString forbidden = QStringLiteral("*$\\/#");
    for (QChar ch : name)
        if (forbidden.contains(ch))
            return {FileNameVerdict::BadName, name};

    if (name.size() < suffix.size())
        return {FileNameVerdict::BadSuffix, name};
    const QString tail = name.right(suffix.size());
    if (tail != suffix.toLower() && tail != suffix.toUpper())
        return {FileNameVerdict::BadSuffix, name};
    return {FileNameVerdict::Accepted, name};
}

std::optional<QString> CheckDialogFileName(const QString &text, const QString &suffix,
                                           const BiText &badName, const BiText &badSuffix)
{
    const FileNameCheck check = CheckFileName(text, suffix);
    switch (check.verdict) {
    case FileNameVerdict::Accepted:
        return check.name;
    case FileNameVerdict::BadName:
        MsgBox(badName, MsgIcon::Exclamation, PromptTitle);
        break;
    case FileNameVerdict::BadSuffix:
        MsgBox(badSuffix, MsgIcon::Exclamation, PromptTitle);
        break;
    }
    return std::nullopt;
}
