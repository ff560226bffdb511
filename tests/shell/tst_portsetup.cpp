// The port setup window: the button of the current port, OK's test open of
// the main window's port and the restarted identification, Cancel.
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

#include "link/LinkState.h"
#include "link/StartupIdentify.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "shell/PortSetupWindow.h"
#include "support/ClickWhereSeen.h"
#include "support/FrameCloseBox.h"
#include "support/MdiStage.h"
#include "support/LinkTestBench.h"

namespace {
const QString Name = QStringLiteral("Form_setup");

PortSetupWindow *window() { return Windows::get<PortSetupWindow>(Name); }
[[nodiscard]] bool click(const char *button)
{
    return clickWhereSeen(window()->findChild<QPushButton *>(QLatin1String(button)));
}
int checkedPort()
{
    int found = 0;
    for (int n = 1; n <= 12; ++n)
        if (window()->option(n)->isChecked())
            found = found ? -1 : n;
    return found;
}
}

class TestPortSetup : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<QObject> owner;
    StartupIdentify *link = nullptr;

private slots:
    void init()
    {
        setUpBench();
        for (int p = 2; p <= 14; p += 2)
            SetMainPanel(p, QStringLiteral("old %1").arg(p));
        useFakePorts();
        Windows::define(Name, Windows::Kind::Child, [] { return new PortSetupWindow; });
        radio->setModel("NEWMOD");
        owner = std::make_unique<QObject>();
        link = new StartupIdentify(owner.get());
    }
    void cleanup()
    {
        Windows::reset();
        owner.reset();
        Screen::setTestSizePixels(QSize());
        tearDownBench();
    }

    void loadShowsCurrentPort_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("checked");
        QTest::newRow("COM1") << 1 << 1;
        QTest::newRow("COM12") << 12 << 12;
        QTest::newRow("COM15 from the probe: none") << 15 << 0;
    }
    void loadShowsCurrentPort()
    {
        QFETCH(int, port);
        QFETCH(int, checked);
        CommPortNumber = qint16(port);
        Windows::load(Name);
        QCOMPARE(checkedPort(), checked);
    }

    void captionsAndPlace_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("English") << 0 << "Communication Port Setup" << "Confirm" << "Cancel";
        QTest::newRow("Chinese") << -1 << "通讯端口设置" << "确 定" << "取 消";
    }
    void captionsAndPlace()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        LanguageFlag = qint16(language);
        Screen::setTestSizePixels(QSize(1280, 800));
        Windows::load(Name);
        QCOMPARE(window()->windowTitle(), title);
        QCOMPARE(window()->findChild<QPushButton *>(QStringLiteral("Command_ok"))->text(), ok);
        QCOMPARE(window()->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), cancel);
        QCOMPARE(window()->option(7)->text(), QStringLiteral("COM7"));
        const QSize client = Windows::clientSize();
        QCOMPARE(window()->width(), int(client.width() / 1.9));
        // No taller than half the client area: only as tall as what it holds.
        QVERIFY(window()->height() <= client.height() / 2);
        QVERIFY(window()->height() >= window()->childrenRect().bottom());
    }

    void okOpensAndIdentifiesAgain()
    {
        FakeCommControl::plug(4, radio.get());
        CommPortNumber = 1;
        MainStandIn stage;
        Windows::load(Name);
        QVERIFY(clickWhereSeen(window()->option(4)));
        QVERIFY(click("Command_ok"));
        QCOMPARE(int(CommPortNumber), 4);
        QVERIFY(!Windows::isLoaded(Name));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 0);
        for (int p : {2, 4, 6, 8, 10})
            QCOMPARE(MainPanel(p), QString());
        QCOMPARE(MainPanel(12), QStringLiteral("old 12"));
        QCOMPARE(MainPanel(14), QStringLiteral("old 14"));
        TestClock::advance(500);
        QCOMPARE(MainPanel(2), QStringLiteral("NEWMOD"));
        QCOMPARE(MainPanel(8), QStringLiteral(" 136-- 174"));
    }

    void okWithoutChoiceReopensPort15()
    {
        FakeCommControl::plug(15, radio.get());
        CommPortNumber = 15;
        MainStandIn stage;
        Windows::load(Name);
        QVERIFY(click("Command_ok"));
        QCOMPARE(int(CommPortNumber), 15);
        QVERIFY(!Windows::isLoaded(Name));
        TestClock::advance(500);
        QCOMPARE(MainPanel(2), QStringLiteral("NEWMOD"));
    }

    void okWithPortThatFailsStaysOpen()
    {
        CommPortNumber = 1;
        MainStandIn stage;
        Windows::load(Name);
        QVERIFY(clickWhereSeen(window()->option(9)));
        QVERIFY(click("Command_ok"));
        QCOMPARE(int(CommPortNumber), 9);
        QCOMPARE(PortErrorFlag, qint16(-1));
        QVERIFY(Windows::isLoaded(Name));
        QCOMPARE(checkedPort(), 9);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QStringLiteral("Communication Port Open Error ！"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
        QCOMPARE(MainPanel(2), QString());
        QCOMPARE(TestClock::nextDue(), qint64(-1));  // no identification started
    }

    void okWhileIdentificationWaitsThenAfterIt()
    {
        radio->setSilence(0, 4);
        FakeCommControl::plug(3, radio.get());
        CommPortNumber = 3;
        link->RestartIdentify();
        TestClock::advance(1000);  // waiting for the reply with the port open
        MainStandIn stage;
        Windows::load(Name);
        QVERIFY(click("Command_ok"));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(Windows::isLoaded(Name));
        TestClock::advance(30000);  // the identification gives up
        QCOMPARE(MainPanel(4), QStringLiteral("Communication fault."));
        QVERIFY(click("Command_ok"));
        QVERIFY(!Windows::isLoaded(Name));
        TestClock::advance(500);
        QCOMPARE(MainPanel(2), QStringLiteral("NEWMOD"));
        QCOMPARE(MainPanel(4), QString());
    }

    void closeBoxInTheTitleBar()
    {
        MainStandIn stage(QSize(1000, 700));
        CommPortNumber = 2;
        Windows::load(Name);
        QMdiSubWindow *frame = Windows::frameOf(window());
        QVERIFY(frame);
        QVERIFY(QTest::qWaitForWindowExposed(&stage.main));
        QVERIFY(!(frame->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(clickFrameCloseBox(frame));
        QTRY_VERIFY(!Windows::isLoaded(Name));
        QCOMPARE(int(CommPortNumber), 2);  // closed as Cancel closes it
        QCOMPARE(TestClock::nextDue(), qint64(-1));
        Windows::setMdiArea(nullptr);
    }

    void cancelChangesNothing()
    {
        FakeCommControl::plug(4, radio.get());
        CommPortNumber = 2;
        MainStandIn stage;
        Windows::load(Name);
        QVERIFY(clickWhereSeen(window()->option(4)));
        QVERIFY(click("Command1"));
        QVERIFY(!Windows::isLoaded(Name));
        QCOMPARE(int(CommPortNumber), 2);
        QCOMPARE(MainPanel(2), QStringLiteral("old 2"));
        QCOMPARE(TestClock::nextDue(), qint64(-1));
    }
};

QTEST_MAIN(TestPortSetup)
#include "tst_portsetup.moc"
