#include "shell/MainMenus.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

const QList<MenuEntry> &MenuTree()
{
    static const QList<MenuEntry> tree = {
        {"File", nullptr, "File", "File", "文件", true},
        {"File_New", "File", "New", "New", "新建", true},
        {"File_Open", "File", "Open", "Open", "打开", true},
        {"File_save", "File", "Save", "Save", "保存", true},
        {"File_saveas", "File", "Save As", "Save As", "另存为", true},
        {"File_exit", "File", "Exit", "Exit", "退出", true},
        {"fm_chann_edit", nullptr, "FM 频道编辑", "FM-Radio", "FM-频道", false},
        {"chann_edit", nullptr, "信道编辑", "Channel", "信道编辑", true},
        {"sys_edit", nullptr, "可选参数", "Option", "可选参数", true},
        {"sig_edit", nullptr, "信令编辑", "Signal", "信令编辑", true},
        {"Sig_dtmf", "sig_edit", "DTMF", nullptr, nullptr, true},
        {"Sig_2tone", "sig_edit", "2 TONE", nullptr, nullptr, true},
        {"Sig_5tone", "sig_edit", "5 TONE", nullptr, nullptr, true},
        {"Sig_ZLC1200", "sig_edit", "ZLC1200", nullptr, nullptr, false},
        {"Sig_ZLC2400", "sig_edit", "ZLC2400", nullptr, nullptr, false},
        {"frm_adj", nullptr, "调整参数", "Adjust", "调整参数", false},
        {"Program", nullptr, "Program", "Program", "编程", true},
        {"Prog_read", "Program", "Read form radio", "Read from radio", "从对讲机读取数据", true},
        {"Prog_write", "Program", "Write to radio", "Write to radio", "向对讲机写入数据", true},
        {"PC_PassWord", nullptr, "修改密码", "PassWord", "密码修改", false},
        {"proc_setup", nullptr, "端口设置", "Communication", "端口设置", true},
        {"Language_Setup", nullptr, "语言", "Language", "语言", true},
        {"Language_chn", "Language_Setup", "中文", nullptr, nullptr, true},
        {"Language_eng", "Language_Setup", "English", nullptr, nullptr, true},
        {"Window", nullptr, "Window", "Window", "窗口", true},
        {"Window_cascade", "Window", "Cascade", "Cascade", "层叠", true},
        {"Window_tile", "Window", "Tile", "Tile", "平铺", true},
        {"about", nullptr, "关于", "About", "关于", false},
        {"Menu_Exit", nullptr, "退出", "Exit", "退出", true},
    };
    return tree;
}

const QStringList &StartupCaptionEntries()
{
    static const QStringList names = {"about",    "Menu_Exit",  "Language_Setup", "proc_setup",
                                      "sig_edit", "sys_edit",   "chann_edit",     "fm_chann_edit",
                                      "frm_adj",  "PC_PassWord"};
    return names;
}

void BuildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QMap<QString, QMenu *> menus;
    const auto &tree = MenuTree();
    for (int i = 0; i < tree.size(); ++i) {
        const MenuEntry &e = tree[i];
        const bool hasChildren = i + 1 < tree.size() && tree[i + 1].parent
                                 && QLatin1String(tree[i + 1].parent) == QLatin1String(e.name);
        QAction *action;
        if (hasChildren) {
            auto *menu = new QMenu(QString::fromUtf8(e.design), window);
            menu->setObjectName(QString::fromUtf8(e.name) + QStringLiteral("_menu"));
            menus.insert(QString::fromUtf8(e.name), menu);
            action = menu->menuAction();
        } else {
            action = new QAction(QString::fromUtf8(e.design), window);
        }
        action->setObjectName(QString::fromUtf8(e.name));
        if (e.parent)
            menus.value(QString::fromUtf8(e.parent))->addAction(action);
        else
            bar->addAction(action);
        if (!e.offered) {
            action->setVisible(false);
            action->setEnabled(false);
        }
    }
    // The Save entry exists but can't be chosen.
    MenuAction(window, QStringLiteral("File_save"))->setEnabled(false);
    for (const char *name : {"Language_chn", "Language_eng"})
        MenuAction(window, QString::fromLatin1(name))->setCheckable(true);
}

QAction *MenuAction(QMainWindow *window, const QString &name)
{
    for (QAction *a : window->findChildren<QAction *>(name))
        return a;
    return nullptr;
}

const QStringList &ToolbarKeys()
{
    static const QStringList keys = {"open", "save",  "edit_option", "edit_chann",
                                     "edit_dtmf", "read", "write", "exit"};
    return keys;
}

QToolBar *BuildToolbar(QMainWindow *window)
{
    auto *bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_DialogOpenButton,     QStyle::SP_DialogSaveButton,
        QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogListView,
        QStyle::SP_FileDialogContentsView, QStyle::SP_ArrowDown,
        QStyle::SP_ArrowUp,              QStyle::SP_DialogCloseButton,
    };
    QStyle *style = QApplication::style();
    for (int i = 0; i < ToolbarKeys().size(); ++i) {
        const QString key = ToolbarKeys()[i];
        QAction *a = bar->addAction(style->standardIcon(icons[i]), QString());
        a->setObjectName(QStringLiteral("Toolbar1_") + key);
        a->setData(key);
        a->setToolTip(QString());
        // No caption on screen, but a name for screen readers.
        if (QWidget *button = bar->widgetForAction(a))
            button->setAccessibleName(key);
    }
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void WriteMenuCaptions(QMainWindow *window, bool chinese, const QStringList &only)
{
    for (const MenuEntry &e : MenuTree()) {
        const char *caption = chinese ? e.chinese : e.english;
        if (!caption)
            continue;
        const QString name = QString::fromUtf8(e.name);
        if (!only.isEmpty() && !only.contains(name))
            continue;
        if (QAction *a = MenuAction(window, name))
            a->setText(QString::fromUtf8(caption));
    }
}

QString MainWindowTitle(bool chinese)
{
    return chinese ? QStringLiteral("ZQ-7310 双段双频显示分离面盖车台编程软件 ")
                   : QStringLiteral("ZQ-7310 two Band  Mobile two way radio Program Software.");
}

QString PanelLabel(int panel, bool chinese)
{
    switch (panel) {
    case 1: return chinese ? QStringLiteral("机  型:") : QStringLiteral("Model:");
    case 3: return chinese ? QStringLiteral("序列号:") : QStringLiteral("S I M:");
    case 5: return chinese ? QStringLiteral("固体版本:") : QStringLiteral("MCU-Version:");
    case 7: return chinese ? QStringLiteral("频段-A") : QStringLiteral("Band-A");
    case 9: return chinese ? QStringLiteral("频段-B") : QStringLiteral("Band-B");
    default: return QString();
    }
}
