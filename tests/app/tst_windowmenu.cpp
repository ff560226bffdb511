// The program's own editors brought back when they are covered: the option
// editor under the 5-tone and 2-tone editors comes to the front with the
// focus where the user left it, through its menu entry and through the
// Window menu, whose captions follow the language; the Signal entries do
// the same for their editors. Menus are clicked where a person sees them.
#include "app/Application.h"
#include "link/LinkControls.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "shell/MainWindow.h"
#include "support/ClickWhereSeen.h"
#include "support/FakeCommControl.h"
#include "support/MenuClick.h"
#include "support/ProgramState.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

class TestWindowMenu : public QObject
{
    Q_OBJECT
    MainWindow *main = nullptr;

    QAction *entry(const char *name) { return main->menuEntry(QString::fromLatin1(name)); }
    // The window is the active editor, on top of the others, and the focus
    // stands on focus.
    bool inFrontWithFocus(QLatin1String window, QWidget *focus)
    {
        const auto inFront = [&] {
            QMdiSubWindow *frame = Windows::frameOf(Windows::find(window));
            const auto stack = main->mdiArea()->subWindowList(QMdiArea::StackingOrder);
            return frame && main->mdiArea()->activeSubWindow() == frame && stack.last() == frame
                   && QApplication::focusWidget() == focus;
        };
        if (QTest::qWaitFor(inFront, 1000))
            return true;
        QWidget *now = QApplication::focusWidget();
        QMdiSubWindow *active = main->mdiArea()->activeSubWindow();
        qWarning("%s is not in front with the focus: active %s, focus on %s", window.data(),
                 active ? qPrintable(active->widget()->objectName()) : "none",
                 now ? qPrintable(now->objectName()) : "nothing");
        return false;
    }

private slots:
    void init()
    {
        resetProgramState(false);
        TestClock::install();
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        defineWindows();
        main = qobject_cast<MainWindow *>(Windows::load(WindowName::MDImain));
        QVERIFY(main);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
    }
    void cleanup()
    {
        Windows::reset();
        main = nullptr;
        setCommControlFactory({});
        cleanupProgramState();
        TestClock::uninstall();
    }

    void coveredEditorsComeBack_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("window");  // the Window menu's caption
        QTest::newRow("English") << 0 << "Window";
        QTest::newRow("Chinese") << -1 << "窗口";
    }
    void coveredEditorsComeBack()
    {
        QFETCH(int, language);
        QFETCH(QString, window);
        if (language)
            QVERIFY(chooseMenuEntry(main, entry("Language_Setup"), "Language_chn"));
        QCOMPARE(entry("Window")->text(), window);

        // The option editor, the user at work in its power-on text.
        QVERIFY(chooseMenuEntry(main, entry("sys_edit")));
        QWidget *option = Windows::find(WindowName::frm_option);
        QVERIFY(option);
        auto *powerOn = option->findChild<QLineEdit *>("Text_Model_Disp");
        QVERIFY(clickWhereSeen(powerOn));
        QVERIFY(inFrontWithFocus(WindowName::frm_option, powerOn));

        // The 5-tone and 2-tone editors open over it.
        QVERIFY(chooseMenuEntry(main, entry("sig_edit"), "Sig_5tone"));
        QVERIFY(chooseMenuEntry(main, entry("sig_edit"), "Sig_2tone"));
        QWidget *twoTone = Windows::find(WindowName::frm_2tone);
        QVERIFY(twoTone);
        QTRY_VERIFY(main->mdiArea()->activeSubWindow() == Windows::frameOf(twoTone));

        // The Option entry brings the same window back, focus where it was.
        QVERIFY(chooseMenuEntry(main, entry("sys_edit")));
        QCOMPARE(Windows::find(WindowName::frm_option), option);
        QVERIFY(inFrontWithFocus(WindowName::frm_option, powerOn));

        // Signal > 5 TONE brings the 5-tone editor back.
        QVERIFY(chooseMenuEntry(main, entry("sig_edit"), "Sig_5tone"));
        QWidget *fiveTone = Windows::find(WindowName::frm_5tone);
        QVERIFY(QTest::qWaitFor([&] { return main->mdiArea()->activeSubWindow() == Windows::frameOf(fiveTone); }));
        QVERIFY(fiveTone->isAncestorOf(QApplication::focusWidget()));

        // The Window menu lists every editor by its title; its option entry
        // brings the option editor back.
        QVERIFY(clickMenuBarWhereSeen(main, entry("Window")));
        QMenu *menu = entry("Window")->menu();
        QStringList titles;
        for (QAction *a : menu->actions())
            if (a->objectName().startsWith("Window_frm"))
                titles << a->text();
        QCOMPARE(titles, (QStringList{Windows::find(WindowName::frm_chann)->windowTitle(), option->windowTitle(),
                                      fiveTone->windowTitle(), twoTone->windowTitle()}));
        QVERIFY(escapeMenu(main, menu));
        QVERIFY(chooseMenuEntry(main, entry("Window"), "Window_frm_option"));
        QVERIFY(inFrontWithFocus(WindowName::frm_option, powerOn));
    }
};

QTEST_MAIN(TestWindowMenu)
#include "tst_windowmenu.moc"
