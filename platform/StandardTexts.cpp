#include "platform/StandardTexts.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

namespace {
struct StandardText {
    const char *context;
    const char *source;
    const char *chinese;
};
constexpr StandardText Texts[] = {
    // A text box's edit menu.
    {"QLineEdit", "&Undo", "撤销(&U)"},
    {"QLineEdit", "&Redo", "重做(&R)"},
    {"QLineEdit", "Cu&t", "剪切(&T)"},
    {"QLineEdit", "&Copy", "复制(&C)"},
    {"QLineEdit", "&Paste", "粘贴(&P)"},
    {"QLineEdit", "Delete", "删除"},
    {"QLineEdit", "Select All", "全选"},
    // The menu of a child window's frame.
    {"QMdiSubWindow", "&Restore", "还原(&R)"},
    {"QMdiSubWindow", "&Move", "移动(&M)"},
    {"QMdiSubWindow", "&Size", "大小(&S)"},
    {"QMdiSubWindow", "Mi&nimize", "最小化(&N)"},
    {"QMdiSubWindow", "Ma&ximize", "最大化(&X)"},
    {"QMdiSubWindow", "Stay on &Top", "总在最前(&T)"},
    {"QMdiSubWindow", "&Close", "关闭(&C)"},
    // Standard buttons.
    {"QPlatformTheme", "OK", "确定"},
    {"QPlatformTheme", "Cancel", "取消"},
    {"QPlatformTheme", "&Yes", "是(&Y)"},
    {"QPlatformTheme", "&No", "否(&N)"},
    {"QPlatformTheme", "Close", "关闭"},
};

class StandardTextTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return LanguageFlag ? StandardTextChinese(context, source) : QString();
    }
    bool isEmpty() const override { return false; }
};
}

QString StandardTextChinese(const char *context, const char *source)
{
    if (!context || !source)
        return {};
    for (const StandardText &t : Texts)
        if (!std::strcmp(t.context, context) && !std::strcmp(t.source, source))
            return QString::fromUtf8(t.chinese);
    return {};
}

void InstallStandardTexts()
{
    static QTranslator *installed = nullptr;
    if (installed || !QCoreApplication::instance())
        return;
    installed = new StandardTextTranslator(QCoreApplication::instance());
    QCoreApplication::installTranslator(installed);
}
