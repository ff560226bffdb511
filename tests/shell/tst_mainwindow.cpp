// The main window's start-up, menus, toolbar and language commands.
#include "link/Frames.h"
#include "link/LinkState.h"
#include "memory/AdjustDefaults.h"
#include "memory/BandTable.h"
#include "memory/MemoryImage.h"
#include "memory/ToneNames.h"
#include "platform/CommControl.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "platform/Windows.h"
#include "shell/LanguageTexts.h"
#include "shell/MainMenus.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanelWidths.h"
#include "support/ClickWhereSeen.h"
#include "support/MenuClick.h"
#include "support/TextFits.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

namespace {
// A stand-in for the windows the menus open, counting its loads.
QMap<QString, int> loads;
// The stand-in of this name refuses to close (an open edit it keeps), and
// counts how often it was asked.
QString staysOpen;
int closeRefusals = 0;
class StubForm : public Form
{
public:
    void formLoad() override { ++loads[objectName()]; }
    bool queryUnload() override
    {
        if (objectName() != staysOpen)
            return true;
        ++closeRefusals;
        return false;
    }
};

const QStringList stubWindows = {"frm_chann",       "frm_option",      "frm_dtmf",
                                 "frm_2tone",       "frm_5tone",       "Form_open_chann",
                                 "Form_save_chann", "Form_Comm_Read",  "Form_Comm_Write",
                                 "Form_setup",      "Form_type",       "frmAbout"};
}

class TestMainWindow : public QObject
{
    Q_OBJECT
    MainWindow *main = nullptr;

    QAction *entry(const QString &name) { return main->menuEntry(name); }
    void startUp(QSize screen = {1280, 800})
    {
        Screen::setTestSizePixels(screen);
        Windows::define("MDImain", Windows::Kind::TopLevel, [] { return new MainWindow; });
        for (const QString &w : stubWindows)
            Windows::define(w, w == "Form_type" || w == "Form_save_chann" ? Windows::Kind::TopLevel
                                                                         : Windows::Kind::Child,
                            [] { return new StubForm; });
        main = qobject_cast<MainWindow *>(Windows::load("MDImain"));
        QVERIFY(main);
    }

    // An open stand-in as a window a person works in: its name as its
    // title, a text box the focus can stand in, and a size.
    static void furnish(const QString &window)
    {
        QWidget *w = Windows::find(window);
        w->setWindowTitle(window);
        auto *label = new QLabel(QStringLiteral("Text"), w);
        label->setObjectName(QStringLiteral("Label_text"));
        auto *edit = new QLineEdit(w);
        edit->setObjectName(QStringLiteral("Text1"));
        label->setBuddy(edit);
        label->setGeometry(10, 10, 100, 20);
        edit->setGeometry(10, 40, 150, 24);
        label->show();
        edit->show();
        Windows::frameOf(w)->resize(320, 200);
    }
    // The main window shown and active, as a person finds it, with the
    // channel editor and the windows named open and furnished.
    [[nodiscard]] bool startUpActive(const QStringList &windows = {})
    {
        startUp();
        if (!main)
            return false;
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main))
            return false;
        furnish("frm_chann");
        for (const QString &w : windows) {
            if (!Windows::load(w))
                return false;
            furnish(w);
        }
        return true;
    }
    static QMdiSubWindow *frame(const QString &window) { return Windows::frameOf(Windows::find(window)); }
    // The window is the active child, on top of the others, with the focus
    // in its text box (waited for a while, as the window system takes its
    // time); a warning says what stands where when it is not.
    bool inFrontWithFocus(const QString &window)
    {
        if (QTest::qWaitFor([&] { return inFrontNow(window); }, 1000))
            return true;
        QWidget *focus = QApplication::focusWidget();
        QMdiSubWindow *active = main->mdiArea()->activeSubWindow();
        const auto stack = main->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        qWarning("%s: active %s, top %s, %s, focus in %s", qPrintable(window),
                 active ? qPrintable(active->widget()->objectName()) : "none",
                 stack.isEmpty() ? "none" : qPrintable(stack.last()->widget()->objectName()),
                 frame(window) && frame(window)->isMinimized() ? "minimised" : "not minimised",
                 focus ? qPrintable(focus->window()->objectName() + "/" + focus->objectName()) : "nothing");
        return false;
    }
    bool inFrontNow(const QString &window)
    {
        QMdiSubWindow *f = frame(window);
        QWidget *focus = QApplication::focusWidget();
        const auto stack = main->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        return f && main->mdiArea()->activeSubWindow() == f && !stack.isEmpty() && stack.last() == f
               && !f->isMinimized() && focus && focus == Windows::find(window)->findChild<QLineEdit *>("Text1");
    }
    [[nodiscard]] bool choose(const QString &top, const QString &item = {})
    {
        return chooseMenuEntry(main, entry(top), item);
    }
    // A click on a toolbar button where it is seen.
    [[nodiscard]] bool clickToolbar(const QString &key)
    {
        auto *bar = main->findChild<QToolBar *>("Toolbar1");
        for (QAction *a : bar->actions())
            if (a->data().toString() == key)
                return clickWhereSeen(bar->widgetForAction(a));
        return false;
    }
    // The Window menu as it opens, entry by entry: its name, its caption,
    // its check mark and whether it can be chosen; the menu is closed again
    // with Escape.
    QStringList windowMenuSeen()
    {
        QMenu *menu = entry("Window")->menu();
        if (!clickMenuBarWhereSeen(main, entry("Window")))
            return {"(the menu did not open)"};
        QStringList seen;
        for (QAction *a : menu->actions())
            if (a->isSeparator())
                seen << "-";
            else
                seen << QStringLiteral("%1 \"%2\"%3%4")
                            .arg(a->objectName(), a->text(), a->isChecked() ? " checked" : "",
                                 a->isEnabled() ? "" : " disabled");
        if (!escapeMenu(main, menu))
            seen << "(the menu stays open)";
        return seen;
    }

private slots:
    void init()
    {
        loads.clear();
        staysOpen.clear();
        closeRefusals = 0;
        MsgBoxRecorder::install();
        ComPorts::setTable({});  // no serial ports at all
        resetMemoryState();
        LanguageFlag = 0;
    }
    void cleanup()
    {
        Windows::reset();
        main = nullptr;
        MsgBoxRecorder::uninstall();
        Screen::setTestSizePixels({});
        ComPorts::clearTable();
    }

    void startUpBuildsTheFactoryImageAndOpensTheChannelEditor()
    {
        MemoryImage[5][16] = 7;  // column 16 is outside the radio: left alone
        ProgramModeHandshake.fill(0);
        startUp();
        QCOMPARE(programModeHandshakeFrame(),
                 QByteArray::fromHex("55202101 23ffdc02"));
        QCOMPARE(ChannelCount, qint16(200));
        QCOMPARE(BandLimits[0].lower, 136.0);
        QCOMPARE(BandLimits[0].upper, 174.0);
        QCOMPARE(BandLimits[3].upper, 480.0);
        QCOMPARE(BandTableRow, qint16(0));
        QCOMPARE(MemoryImage[200][0], qint16(255));
        QCOMPARE(MemoryImage[1024][15], qint16(255));
        QCOMPARE(MemoryImage[5][16], qint16(7));
        // The alignment block holds its factory values.
        for (int r = 0; r < 32; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(AdjustImage[r][c], AdjustDefaults[r][c]);
        QVERIFY(AdjustImage[0][0] != 0 || AdjustImage[16][0] != 0);
        QVERIFY(Windows::isLoaded("frm_chann"));
        QVERIFY(Windows::frameOf(Windows::find("frm_chann")));
        QCOMPARE(loads["frm_chann"], 1);
        QCOMPARE(AboutTexts.size(), 6);
        QCOMPARE(AboutTexts[4], QString("Confirm"));
    }

    void withNoPortTheStartUpWarnsOnceAndGoesOn()
    {
        startUp();
        int warnings = 0;
        for (const MsgRecord &box : MsgBoxRecorder::boxes())
            if (box.text == QString("Communication Port Open Error ！")) {
                ++warnings;
                QCOMPARE(box.title, QString("Operate Prompt"));
            }
        QCOMPARE(warnings, 1);
        QCOMPARE(CommPortNumber, qint16(1));
        QCOMPARE(PortErrorFlag, qint16(-1));
        QVERIFY(Windows::isLoaded("frm_chann"));
    }

    // The order of the start-up as its two boxes see it: the screen warning
    // after the window shows and before the probe; the port-open warning of
    // the identification start after the tables and band limits, before the
    // factory image and the channel editor.
    void startUpStepsInOrder()
    {
        struct Seen {
            QString text;
            bool mainShown;
            qint16 port;
            qint16 channels;
            double band1Lower;
            QString firstTone;
            qint16 lastImageCell;
            bool channelEditor;
        };
        QList<Seen> seen;
        MsgBoxRecorder::install([&seen](const MsgRecord &box) {
            QWidget *w = Windows::find("MDImain");
            seen.append({box.text, w && w->isVisible(), CommPortNumber, ChannelCount,
                         BandLimits[0].lower, ToneNames[0], MemoryImage[1024][0],
                         Windows::isLoaded("frm_chann")});
            return MsgResult::Ok;
        });
        CommPortNumber = 7;
        PortErrorFlag = 0;
        startUp({1024, 768});
        QCOMPARE(seen.size(), 2);

        QCOMPARE(seen[0].text, QString("Set the display mode of the computer to 1280 * 800 "));
        QVERIFY(seen[0].mainShown);
        QCOMPARE(seen[0].port, qint16(7));  // not probed yet
        QCOMPARE(seen[0].channels, qint16(0));

        QCOMPARE(seen[1].text, QString("Communication Port Open Error ！"));
        QCOMPARE(seen[1].port, qint16(1));
        QCOMPARE(seen[1].channels, qint16(200));
        QCOMPARE(seen[1].band1Lower, 136.0);
        QCOMPARE(seen[1].firstTone.trimmed(), QString("OFF"));
        QCOMPARE(seen[1].lastImageCell, qint16(0));  // not filled yet
        QVERIFY(!seen[1].channelEditor);

        QCOMPARE(MemoryImage[1024][0], qint16(255));
        QVERIFY(Windows::isLoaded("frm_chann"));
    }

    void startUpWritesTheEnglishTexts()
    {
        startUp();
        QCOMPARE(main->windowTitle(),
                 QString("ZQ-7310 two Band  Mobile two way radio Program Software."));
        const QStringList labels = {"Model:", "", "S I M:", "", "MCU-Version:", "", "Band-A", "",
                                    "Band-B"};
        for (int k = 1; k <= 9; k += 2)
            QCOMPARE(main->statusPanels()->panelText(k), labels[k - 1]);
        QVERIFY(entry("Language_eng")->isChecked());
        QVERIFY(!entry("Language_chn")->isChecked());
    }

    void panelWidthsAreFractionsOfTheScreen()
    {
        startUp({1600, 900});
        const int percent[] = {4, 4, 5, 10, 6, 5, 5, 5, 5, 5, 5, 5, 5, 5, 20};
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(main->statusPanels()->panelWidth(k), 1600 * percent[k - 1] / 100);
        QCOMPARE(main->size(), QSize(1600, 900));
    }

    void neverWiderThanTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("fractions");  // the panels keep their exact fractions
        QTest::newRow("1280 x 800") << QSize(1280, 800) << false;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
        QTest::newRow("640 x 480") << QSize(640, 480) << false;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
    }
    void neverWiderThanTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, fractions);
        startUp(screen);
        QVERIFY2(main->minimumSizeHint().width() <= screen.width(),
                 qPrintable(QString::number(main->minimumSizeHint().width())));
        QVERIFY(main->minimumSize().width() <= screen.width());  // what a window manager enforces
        QCOMPARE(main->size(), screen);
        const int percent[] = {4, 4, 5, 10, 6, 5, 5, 5, 5, 5, 5, 5, 5, 5, 20};
        for (int k = 1; k <= 15; ++k) {
            const int full = int(screen.width() * percent[k - 1] / 100.0 + 0.5);
            const int shown = main->statusPanels()->panelWidth(k);
            // Where the screen is wide enough, only the blank last panel gives way.
            if (fractions || (screen.width() >= 1024 && k < 15))
                QCOMPARE(shown, full);
            else
                QVERIFY(shown <= full);
        }
    }

    // Every panel's text is seen whole on the smallest screen the program is
    // made for, in both languages, whatever an exchange writes there: a text
    // wider than its panel widens it at the cost of the blank last panel,
    // and the bar keeps its width.
    void panelTextsShownWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("English, 1280 x 800") << 0 << QSize(1280, 800);
        QTest::newRow("Chinese, 1280 x 800") << -1 << QSize(1280, 800);
        QTest::newRow("English, 1920 x 1080") << 0 << QSize(1920, 1080);
    }
    void panelTextsShownWhole()
    {
        QFETCH(int, language);
        QFETCH(QSize, screen);
        startUp(screen);
        if (language)
            main->Language_chn_Click();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        StatusBar *bar = main->statusPanels();
        int asked = 0;
        for (int k = 1; k <= bar->panelCount(); ++k)
            asked += bar->panelWidth(k);
        const auto shownTotal = [bar] {
            int total = 0;
            for (int k = 1; k <= bar->panelCount(); ++k)
                total += bar->panel(k)->width();
            return total;
        };
        const QString fault = language ? QStringLiteral("联机故障 ！") : QStringLiteral("Communication fault.");
        // What the start-up identification and a failed exchange write.
        SetMainPanel(2, fault);
        SetMainPanel(3, language ? QStringLiteral("状态:") : QStringLiteral("Stat:"));
        SetMainPanel(4, fault);
        QStringList cuts = textfits::cutCaptions(bar);
        QCOMPARE(shownTotal(), asked);
        // What an accepted identification writes.
        SetMainPanel(2, QStringLiteral("ZQ-7310"));
        SetMainPanel(4, QStringLiteral("1234567890"));
        SetMainPanel(6, QStringLiteral("V2.01.07"));
        for (int k : {8, 10, 12, 14})
            SetMainPanel(k, QStringLiteral(" 136-- 174"));
        cuts << textfits::cutCaptions(bar);
        QCOMPARE(shownTotal(), asked);
        QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1Char('\n'))));
        // A panel whose text fits keeps its share of the screen.
        QCOMPARE(bar->panel(7)->width(), bar->panelWidth(7));
    }

    void narrowedPanelWidths_data()
    {
        using Widths = QList<int>;
        QTest::addColumn<Widths>("widths");
        QTest::addColumn<int>("excess");
        QTest::addColumn<Widths>("narrowed");
        QTest::newRow("no excess") << Widths{50, 60, 200} << 0 << Widths{50, 60, 200};
        QTest::newRow("negative excess") << Widths{50, 60, 200} << -5 << Widths{50, 60, 200};
        QTest::newRow("from the last panel") << Widths{50, 60, 200} << 9 << Widths{50, 60, 191};
        QTest::newRow("all of the last panel") << Widths{50, 60, 200} << 200 << Widths{50, 60, 0};
        QTest::newRow("then in proportion") << Widths{50, 150, 10} << 30 << Widths{45, 135, 0};
        QTest::newRow("more than all") << Widths{5, 5, 5} << 40 << Widths{0, 0, 0};
        QTest::newRow("none") << Widths{} << 10 << Widths{};
    }
    void narrowedPanelWidths()
    {
        using Widths = QList<int>;
        QFETCH(Widths, widths);
        QFETCH(int, excess);
        QFETCH(Widths, narrowed);
        QCOMPARE(NarrowedPanelWidths(widths, excess), narrowed);
    }

    void smallScreensAreWarned_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("warned");
        QTest::newRow("1280 x 800 exactly") << QSize(1280, 800) << false;
        QTest::newRow("one pixel short in height") << QSize(1280, 799) << true;
        QTest::newRow("one pixel short in width") << QSize(1279, 800) << true;
        QTest::newRow("larger") << QSize(1920, 1080) << false;
    }
    void smallScreensAreWarned()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, warned);
        startUp(screen);
        bool seen = false;
        for (const MsgRecord &box : MsgBoxRecorder::boxes())
            if (box.text == "Set the display mode of the computer to 1280 * 800 ") {
                seen = true;
                QCOMPARE(box.title, QString("Operate Prompt"));
                QCOMPARE(box.icon, MsgIcon::Exclamation);
            }
        QCOMPARE(seen, warned);
    }

    // Captions after the start-up, after the Chinese command and after the
    // English command.
    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("startup");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        const QList<QStringList> rows = {
            {"File", "File", "文件", "File"},
            {"File_New", "New", "新建", "New"},
            {"File_Open", "Open", "打开", "Open"},
            {"File_save", "Save", "保存", "Save"},
            {"File_saveas", "Save As", "另存为", "Save As"},
            {"File_exit", "Exit", "退出", "Exit"},
            {"fm_chann_edit", "FM-Radio", "FM-频道", "FM-Radio"},
            {"chann_edit", "Channel", "信道编辑", "Channel"},
            {"sys_edit", "Option", "可选参数", "Option"},
            {"sig_edit", "Signal", "信令编辑", "Signal"},
            {"Sig_dtmf", "DTMF", "DTMF", "DTMF"},
            {"Sig_2tone", "2 TONE", "2 TONE", "2 TONE"},
            {"Sig_5tone", "5 TONE", "5 TONE", "5 TONE"},
            {"Sig_ZLC1200", "ZLC1200", "ZLC1200", "ZLC1200"},
            {"frm_adj", "Adjust", "调整参数", "Adjust"},
            {"Program", "Program", "编程", "Program"},
            {"Prog_read", "Read form radio", "从对讲机读取数据", "Read from radio"},
            {"Prog_write", "Write to radio", "向对讲机写入数据", "Write to radio"},
            {"PC_PassWord", "PassWord", "密码修改", "PassWord"},
            {"proc_setup", "Communication", "端口设置", "Communication"},
            {"Language_Setup", "Language", "语言", "Language"},
            {"Language_chn", "中文", "中文", "中文"},
            {"Language_eng", "English", "English", "English"},
            {"Window", "Window", "窗口", "Window"},
            {"Window_cascade", "Cascade", "层叠", "Cascade"},
            {"Window_tile", "Tile", "平铺", "Tile"},
            {"about", "About", "关于", "About"},
            {"Menu_Exit", "Exit", "退出", "Exit"},
        };
        for (const QStringList &r : rows)
            QTest::newRow(qPrintable(r[0])) << r[0] << r[1] << r[2] << r[3];
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, startup);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        startUp();
        QCOMPARE(entry(name)->text(), startup);
        main->Language_chn_Click();
        QCOMPARE(entry(name)->text(), chinese);
        main->Language_eng_Click();
        QCOMPARE(entry(name)->text(), english);
    }

    void languageCommandsSwitchTitlePanelsAndMarks()
    {
        startUp();
        main->statusPanels()->setPanelText(11, "x");
        entry("Language_chn")->trigger();
        QCOMPARE(LanguageFlag, qint16(-1));
        QCOMPARE(main->windowTitle(), QString("ZQ-7310 双段双频显示分离面盖车台编程软件 "));
        QCOMPARE(main->statusPanels()->panelText(1), QString("机  型:"));
        QCOMPARE(main->statusPanels()->panelText(3), QString("序列号:"));
        QCOMPARE(main->statusPanels()->panelText(5), QString("固体版本:"));
        QCOMPARE(main->statusPanels()->panelText(7), QString("频段-A"));
        QCOMPARE(main->statusPanels()->panelText(9), QString("频段-B"));
        QCOMPARE(main->statusPanels()->panelText(11), QString());
        QVERIFY(entry("Language_chn")->isChecked());
        QVERIFY(!entry("Language_eng")->isChecked());
        QCOMPARE(DecodeResponseList[3], QString("3.提醒并回"));
        QCOMPARE(CallFunctionList[4], QString("4.巡查"));

        // Choosing Chinese again keeps its mark on (an exclusive pair).
        entry("Language_chn")->trigger();
        QVERIFY(entry("Language_chn")->isChecked());
        QVERIFY(!entry("Language_eng")->isChecked());

        entry("Language_eng")->trigger();
        QCOMPARE(LanguageFlag, qint16(0));
        QCOMPARE(CallFunctionList[4], QString("4.Inspection "));
        QCOMPARE(AboutTexts[5], QString("System Information(&S)..."));
        QVERIFY(entry("Language_eng")->isChecked());
        QVERIFY(!entry("Language_chn")->isChecked());
    }

    void entriesNeverOffered_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("fm_chann_edit") << "fm_chann_edit" << false << false;
        QTest::newRow("Sig_ZLC1200") << "Sig_ZLC1200" << false << false;
        QTest::newRow("Sig_ZLC2400") << "Sig_ZLC2400" << false << false;
        QTest::newRow("frm_adj") << "frm_adj" << false << false;
        QTest::newRow("PC_PassWord") << "PC_PassWord" << false << false;
        QTest::newRow("about") << "about" << false << false;
        QTest::newRow("File_save can't be chosen") << "File_save" << true << false;
        QTest::newRow("chann_edit") << "chann_edit" << true << true;
        QTest::newRow("sys_edit") << "sys_edit" << true << true;
        QTest::newRow("sig_edit") << "sig_edit" << true << true;
        QTest::newRow("File_New") << "File_New" << true << true;
    }
    void entriesNeverOffered()
    {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        startUp();
        QCOMPARE(entry(name)->isVisible(), visible);
        QCOMPARE(entry(name)->isEnabled(), enabled);
        main->Language_chn_Click();
        QCOMPARE(entry(name)->isVisible(), visible);
    }

    void toolbarButtonsInOrder()
    {
        startUp();
        auto *bar = main->findChild<QToolBar *>("Toolbar1");
        QVERIFY(bar);
        QStringList keys;
        for (QAction *a : bar->actions()) {
            keys << a->data().toString();
            QVERIFY(a->text().isEmpty());
            QVERIFY(!a->icon().isNull());
        }
        QCOMPARE(keys, (QStringList{"open", "save", "edit_option", "edit_chann", "edit_dtmf",
                                    "read", "write", "exit"}));
    }

    void toolbarEditorButtonsCloseTheChannelEditorFirst_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<int>("channelLoads");
        QTest::newRow("edit_option") << "edit_option" << "frm_option" << 1;
        QTest::newRow("edit_dtmf") << "edit_dtmf" << "frm_dtmf" << 1;
        QTest::newRow("edit_chann reopens it") << "edit_chann" << "frm_chann" << 2;
    }
    void toolbarEditorButtonsCloseTheChannelEditorFirst()
    {
        QFETCH(QString, key);
        QFETCH(QString, opens);
        QFETCH(int, channelLoads);
        startUp();
        main->Toolbar1_ButtonClick(key);
        QVERIFY(Windows::isLoaded(opens));
        QCOMPARE(Windows::isLoaded("frm_chann"), opens == "frm_chann");
        QCOMPARE(loads["frm_chann"], channelLoads);
    }

    // A toolbar button that closes the channel editor first does nothing
    // more when the editor stays open (it keeps an edit, with its warning):
    // the editor is asked once, and no other window opens or closes.
    void toolbarButtonsStopWhenTheChannelEditorStays_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("notOpened");
        QTest::newRow("edit_option") << "edit_option" << "frm_option";
        QTest::newRow("edit_dtmf") << "edit_dtmf" << "frm_dtmf";
        QTest::newRow("edit_chann") << "edit_chann" << "";
        QTest::newRow("exit") << "exit" << "";
    }
    void toolbarButtonsStopWhenTheChannelEditorStays()
    {
        QFETCH(QString, key);
        QFETCH(QString, notOpened);
        startUp();
        staysOpen = "frm_chann";
        auto *bar = main->findChild<QToolBar *>("Toolbar1");
        QVERIFY(bar);
        QWidget *button = nullptr;
        for (QAction *a : bar->actions())
            if (a->data().toString() == key)
                button = bar->widgetForAction(a);
        QVERIFY(clickWhereSeen(button));
        QCOMPARE(closeRefusals, 1);
        QVERIFY(Windows::isLoaded("frm_chann"));
        QCOMPARE(loads["frm_chann"], 1);
        QVERIFY(Windows::isLoaded("MDImain"));
        if (!notOpened.isEmpty())
            QVERIFY(!Windows::isLoaded(notOpened));
    }

    void menusOnlyLoadTheirEditor()
    {
        startUp();
        entry("chann_edit")->trigger();  // already open: nothing happens
        QCOMPARE(loads["frm_chann"], 1);
        entry("sys_edit")->trigger();
        QVERIFY(Windows::isLoaded("frm_option"));
        QVERIFY(Windows::isLoaded("frm_chann"));
        entry("Sig_2tone")->trigger();
        QVERIFY(Windows::isLoaded("frm_2tone"));
    }

    // An editor that is open but covered (or minimised) comes back with its
    // entry, its toolbar button or its entry in the Window menu: in front,
    // active, with the focus, and not loaded a second time.
    void anOpenEditorComesToTheFront_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");   // a toolbar key, or a menu-bar entry
        QTest::addColumn<QString>("item");  // the entry in its menu
        QTest::addColumn<bool>("minimised");
        QTest::newRow("Option") << "frm_option" << "sys_edit" << "" << false;
        QTest::newRow("Option, minimised") << "frm_option" << "sys_edit" << "" << true;
        QTest::newRow("Channel") << "frm_chann" << "chann_edit" << "" << false;
        QTest::newRow("Signal > DTMF") << "frm_dtmf" << "sig_edit" << "Sig_dtmf" << false;
        QTest::newRow("Signal > 2 TONE") << "frm_2tone" << "sig_edit" << "Sig_2tone" << false;
        QTest::newRow("Signal > 5 TONE, minimised") << "frm_5tone" << "sig_edit" << "Sig_5tone" << true;
        QTest::newRow("Communication") << "Form_setup" << "proc_setup" << "" << false;
        QTest::newRow("Window > frm_option") << "frm_option" << "Window" << "Window_frm_option" << false;
        QTest::newRow("Window > frm_chann, minimised") << "frm_chann" << "Window" << "Window_frm_chann" << true;
        QTest::newRow("toolbar Option") << "frm_option" << "edit_option" << "" << false;
        QTest::newRow("toolbar DTMF") << "frm_dtmf" << "edit_dtmf" << "" << false;
    }
    void anOpenEditorComesToTheFront()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QFETCH(QString, item);
        QFETCH(bool, minimised);
        QVERIFY(startUpActive({"frm_option", "frm_dtmf", "Form_setup", "frm_5tone", "frm_2tone"}));
        if (minimised)
            frame(window)->showMinimized();
        // The user works in another window, which covers the one wanted.
        const QString other = window == "frm_2tone" ? "frm_5tone" : "frm_2tone";
        Windows::show(other);
        QVERIFY(clickWhereSeen(Windows::find(other)->findChild<QLineEdit *>("Text1")));
        QVERIFY(inFrontWithFocus(other));
        const QMap<QString, int> before = loads;

        if (entry(how))
            QVERIFY(choose(how, item));
        else
            QVERIFY(clickToolbar(how));
        QVERIFY(inFrontWithFocus(window));
        QCOMPARE(loads[window], before[window]);
    }

    // The Window menu lists the open child windows by their titles, the
    // active one checked, and follows windows that open and close.
    void windowMenuListsTheOpenWindows()
    {
        QVERIFY(startUpActive({"frm_option", "frm_2tone"}));
        QCOMPARE(windowMenuSeen(), (QStringList{"Window_cascade \"Cascade\"", "Window_tile \"Tile\"", "-",
                                                "Window_frm_chann \"frm_chann\"",
                                                "Window_frm_option \"frm_option\"",
                                                "Window_frm_2tone \"frm_2tone\" checked"}));
        QVERIFY(Windows::unload("frm_option"));
        QVERIFY(choose("Window", "Window_frm_chann"));
        QVERIFY(inFrontWithFocus("frm_chann"));
        QCOMPARE(windowMenuSeen(), (QStringList{"Window_cascade \"Cascade\"", "Window_tile \"Tile\"", "-",
                                                "Window_frm_chann \"frm_chann\" checked",
                                                "Window_frm_2tone \"frm_2tone\""}));
        // In Chinese; with no window open there is nothing to arrange.
        QVERIFY(choose("Language_Setup", "Language_chn"));
        QVERIFY(Windows::unload("frm_chann"));
        QVERIFY(Windows::unload("frm_2tone"));
        QCOMPARE(windowMenuSeen(),
                 (QStringList{"Window_cascade \"层叠\" disabled", "Window_tile \"平铺\" disabled"}));
    }

    // Tile lays the windows side by side, none covering another; Cascade
    // stacks them, each a step below and right of the one before.
    void windowMenuArrangesTheWindows()
    {
        QVERIFY(startUpActive({"frm_option", "frm_dtmf", "frm_2tone"}));
        QVERIFY(choose("Window", "Window_tile"));
        const auto frames = main->mdiArea()->subWindowList();
        QCOMPARE(frames.size(), 4);
        const QRect client = main->mdiArea()->viewport()->rect();
        for (QMdiSubWindow *a : frames) {
            QVERIFY(client.contains(a->geometry()));
            for (QMdiSubWindow *b : frames)
                QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
        }
        QVERIFY(choose("Window", "Window_cascade"));
        const auto stack = main->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        for (int i = 1; i < stack.size(); ++i) {
            QVERIFY(stack[i]->x() > stack[i - 1]->x());
            QVERIFY(stack[i]->y() > stack[i - 1]->y());
        }
    }

    void readAndWriteCloseAndReload_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("window");
        QTest::newRow("menu read") << "Prog_read" << "Form_Comm_Read";
        QTest::newRow("menu write") << "Prog_write" << "Form_Comm_Write";
        QTest::newRow("menu open") << "File_Open" << "Form_open_chann";
        QTest::newRow("menu save as") << "File_saveas" << "Form_save_chann";
        QTest::newRow("toolbar read") << "read" << "Form_Comm_Read";
        QTest::newRow("toolbar write") << "write" << "Form_Comm_Write";
        QTest::newRow("toolbar open") << "open" << "Form_open_chann";
        QTest::newRow("toolbar save") << "save" << "Form_save_chann";
    }
    void readAndWriteCloseAndReload()
    {
        QFETCH(QString, how);
        QFETCH(QString, window);
        startUp();
        auto run = [&] {
            if (QAction *a = entry(how))
                a->trigger();
            else
                main->Toolbar1_ButtonClick(how);
        };
        run();
        run();
        QCOMPARE(loads[window], 2);
        QVERIFY(Windows::isLoaded(window));
    }

    void exitClosesChildrenButTopLevelWindowsStay()
    {
        startUp();
        Windows::load("Form_save_chann");
        QPointer<QWidget> mainPtr = main;
        main->Toolbar1_ButtonClick("exit");
        QVERIFY(!Windows::isLoaded("MDImain"));
        QVERIFY(!Windows::isLoaded("frm_chann"));
        QVERIFY(Windows::isLoaded("Form_save_chann"));
        QTRY_VERIFY(!mainPtr);
        main = nullptr;
    }

    void aChildThatRefusesKeepsTheMainWindowOpen()
    {
        startUp();
        // It is asked once per exit: a refusal that warns warns once.
        static int asked;
        asked = 0;
        struct Stubborn : Form {
            bool queryUnload() override
            {
                ++asked;
                return false;
            }
        };
        Windows::define("stubborn", Windows::Kind::Child, [] { return new Stubborn; });
        Windows::load("stubborn");
        entry("Menu_Exit")->trigger();
        QVERIFY(Windows::isLoaded("MDImain"));
        QVERIFY(Windows::isLoaded("stubborn"));
        QVERIFY(!Windows::isLoaded("frm_chann"));
        QCOMPARE(asked, 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
