// The About window: its texts follow the language at the time it opens, it
// sits in the main window's client area, and the system-information button
// finds the tool by the registry's two places or tells the user it can't.
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "platform/Windows.h"
#include "shell/AboutWindow.h"
#include "shell/LanguageTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/FrameCloseBox.h"
#include "support/MdiStage.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Name = QStringLiteral("frmAbout");
const QString NotAvailable = QStringLiteral("此时系统信息不可用");
const QString ProgramName = QStringLiteral("zq7310");

QWidget *window() { return Windows::find(Name); }
QString text(const char *name)
{
    if (auto *l = window()->findChild<QLabel *>(QLatin1String(name)))
        return l->text();
    return window()->findChild<QPushButton *>(QLatin1String(name))->text();
}

// Where a registry value of a test case points: nowhere, at the tool file
// itself, at the folder that holds it, or at a folder without it.
enum class Place { None, ToolFile, ToolFolder, EmptyFolder, MissingFile, FolderNamedLikeTool };
}
Q_DECLARE_METATYPE(Place)

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void textsFollowLanguageAtLoad_data();
    void textsFollowLanguageAtLoad();
    void okCloses();
    void placedInClientArea();
    void closeBoxInTheTitleBar();
    void sysInfoPathRules_data();
    void sysInfoPathRules();
    void sysInfoButtonKeepsWindowOpen();

private:
    QString pathFor(Place place) const;
    QTemporaryDir m_dir;
    QStringList m_started;
    bool m_startSucceeds = true;
};

void TestAbout::initTestCase()
{
    QCoreApplication::setApplicationName(ProgramName);
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("tool")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("empty")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("odd/MSINFO32.EXE")));
    QFile tool(m_dir.filePath(QStringLiteral("tool/MSINFO32.EXE")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
}

void TestAbout::init()
{
    Windows::reset();
    Windows::define(Name, Windows::Kind::Child, [] { return new AboutWindow; });
    Registry::reset();
    MsgBoxRecorder::install();
    m_started.clear();
    m_startSucceeds = true;
    AboutWindow::setProgramStarter([this](const QString &path) {
        m_started << path;
        return m_startSucceeds;
    });
    LanguageFlag = 0;
}

void TestAbout::cleanup()
{
    Windows::reset();
    Windows::setMdiArea(nullptr);
    Registry::reset();
    MsgBoxRecorder::uninstall();
    AboutWindow::setProgramStarter({});
    LanguageFlag = 0;
}

QString TestAbout::pathFor(Place place) const
{
    switch (place) {
    case Place::None: return QString();
    case Place::ToolFile: return m_dir.filePath(QStringLiteral("tool/MSINFO32.EXE"));
    case Place::ToolFolder: return m_dir.filePath(QStringLiteral("tool"));
    case Place::EmptyFolder: return m_dir.filePath(QStringLiteral("empty"));
    case Place::MissingFile: return m_dir.filePath(QStringLiteral("nowhere/sysinfo"));
    case Place::FolderNamedLikeTool: return m_dir.filePath(QStringLiteral("odd"));
    }
    return QString();
}

void TestAbout::textsFollowLanguageAtLoad_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("sysInfo");

    QTest::newRow("English") << 0 << "Confirm" << "System Information(&S)...";
    QTest::newRow("Chinese") << -1 << "确定" << "系统信息(&S)...";
}

void TestAbout::textsFollowLanguageAtLoad()
{
    QFETCH(int, language);
    QFETCH(QString, ok);
    QFETCH(QString, sysInfo);

    // The texts were last loaded for the other language; opening reloads them.
    LanguageFlag = language ? 0 : -1;
    LoadLanguageTexts();
    const QStringList otherLanguage = AboutTexts;
    LanguageFlag = qint16(language);

    QVERIFY(Windows::load(Name));
    QCOMPARE(text("cmdOK"), ok);
    QCOMPARE(text("cmdSysInfo"), sysInfo);
    const QStringList shown{text("lblTitle"), text("lblVersion"), text("lblDescription"),
                            text("lblDisclaimer")};
    QCOMPARE(shown, AboutTexts.mid(0, 4));
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(!shown[i].isEmpty(), qPrintable(QString::number(i)));
        QVERIFY2(shown[i] != otherLanguage[i], qPrintable(shown[i]));
    }
    QCOMPARE(window()->windowTitle(), QString());
}

void TestAbout::okCloses()
{
    MainStandIn stage;
    QVERIFY(Windows::load(Name));
    QVERIFY(clickWhereSeen(window()->findChild<QPushButton *>(QStringLiteral("cmdOK"))));
    QVERIFY(!Windows::isLoaded(Name));
}

void TestAbout::placedInClientArea()
{
    MainStandIn stage(QSize(900, 600));

    QWidget *w = Windows::load(Name);
    QVERIFY(w);
    QMdiSubWindow *frame = Windows::frameOf(w);
    QVERIFY(frame);
    const QSize client = Windows::clientSize();
    const double left = (client.width() * 15 - AboutWindow::DesignWidth) / 2.0;
    const double top = (client.height() * 15 - AboutWindow::DesignHeight) / 2.0 - 500;
    QCOMPARE(frame->pos(), QPoint(int(left / 15 + 0.5), int(top / 15 + 0.5)));
    QVERIFY(!(frame->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(w->size(), QSize(AboutWindow::DesignWidth / 15, AboutWindow::DesignHeight / 15));
}

void TestAbout::closeBoxInTheTitleBar()
{
    MainStandIn stage(QSize(900, 600));
    QMdiSubWindow *frame = Windows::frameOf(Windows::load(Name));
    QVERIFY(frame);
    QVERIFY(QTest::qWaitForWindowExposed(&stage.main));
    QVERIFY(clickFrameCloseBox(frame));
    QTRY_VERIFY(!Windows::isLoaded(Name));
}

void TestAbout::sysInfoPathRules_data()
{
    QTest::addColumn<Place>("first");     // "PATH" under the first key
    QTest::addColumn<Place>("location");  // "MSINFO" under the second key
    QTest::addColumn<Place>("started");   // None: nothing may be started

    QTest::newRow("nothing registered") << Place::None << Place::None << Place::None;
    QTest::newRow("first key's path used as it reads, file or not")
        << Place::MissingFile << Place::None << Place::MissingFile;
    QTest::newRow("first key wins over the second")
        << Place::ToolFile << Place::EmptyFolder << Place::ToolFile;
    QTest::newRow("second key's folder holding the tool")
        << Place::None << Place::ToolFolder << Place::ToolFile;
    QTest::newRow("second key's folder without the tool")
        << Place::None << Place::EmptyFolder << Place::None;
    QTest::newRow("second key's folder with a folder named like the tool")
        << Place::None << Place::FolderNamedLikeTool << Place::None;
    QTest::newRow("second key's value a missing folder")
        << Place::None << Place::MissingFile << Place::None;
}

void TestAbout::sysInfoPathRules()
{
    QFETCH(Place, first);
    QFETCH(Place, location);
    QFETCH(Place, started);

    if (first != Place::None)
        Registry::setString(Registry::LocalMachine, QString::fromLatin1(SysInfoKey),
                            QStringLiteral("PATH"), pathFor(first));
    if (location != Place::None)
        Registry::setString(Registry::LocalMachine, QString::fromLatin1(SysInfoLocationKey),
                            QStringLiteral("MSINFO"), pathFor(location));

    StartSysInfo();

    QCOMPARE(m_started, started == Place::None ? QStringList() : QStringList{pathFor(started)});
    if (started == Place::None) {
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        const MsgRecord box = MsgBoxRecorder::boxes().first();
        QCOMPARE(box.text, NotAvailable);
        QCOMPARE(box.title, ProgramName);
        QCOMPARE(box.icon, MsgIcon::None);
        QCOMPARE(box.buttons, MsgButtons::OkOnly);
    } else {
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }
    QCOMPARE(Registry::openHandleCount(), 0);
}

void TestAbout::sysInfoButtonKeepsWindowOpen()
{
    // Failures on the way all end in the same box, in either language: a
    // start that fails, a first key that can't be opened, a value that is
    // not text.
    LanguageFlag = -1;
    MainStandIn stage;
    QVERIFY(Windows::load(Name));
    auto *button = window()->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));

    Registry::setString(Registry::LocalMachine, QString::fromLatin1(SysInfoKey),
                        QStringLiteral("PATH"), pathFor(Place::ToolFile));
    m_startSucceeds = false;
    QVERIFY(clickWhereSeen(button));
    QCOMPARE(m_started, QStringList{pathFor(Place::ToolFile)});

    Registry::denyAccess(Registry::LocalMachine, QString::fromLatin1(SysInfoKey));
    Registry::setString(Registry::LocalMachine, QString::fromLatin1(SysInfoLocationKey),
                        QStringLiteral("MSINFO"), pathFor(Place::ToolFolder));
    m_startSucceeds = true;
    QVERIFY(clickWhereSeen(button));  // falls back to the second key
    QCOMPARE(m_started.size(), 2);

    Registry::reset();
    Registry::setValue(Registry::LocalMachine, QString::fromLatin1(SysInfoKey),
                       QStringLiteral("PATH"), Registry::Binary, QByteArray("\x01\x02", 2));
    QVERIFY(clickWhereSeen(button));
    QCOMPARE(m_started.size(), 2);

    QCOMPARE(MsgBoxRecorder::boxes().size(), 2);
    for (const MsgRecord &box : MsgBoxRecorder::boxes()) {
        QCOMPARE(box.text, NotAvailable);
        QCOMPARE(box.title, ProgramName);
    }
    QVERIFY(Windows::isLoaded(Name));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
