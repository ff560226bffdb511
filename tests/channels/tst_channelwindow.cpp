// The channel editor window: captions, load, Default, Clear, Open, Save and
// Close, the refusals while its exchange runs, and the redraw on activation.
#include "support/ChannelEditorFixture.h"
#include "support/MdiStage.h"
#include "support/FakeCommControl.h"
#include "support/SimRadio.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <memory>

#include "channels/ChannelLink.h"
#include "channels/ChannelRecord.h"
#include "link/LinkControls.h"
#include "link/LinkSession.h"
#include "platform/VbTimer.h"

using namespace ChannelGrid;
using namespace ChannelEditorFixture;
using Bytes = QList<int>;

namespace {
// Stand-ins for the image file dialogs.
class DummyDialog : public Form
{
};

void defineDialogs()
{
    Windows::define(QStringLiteral("Form_open_chann"), Windows::Kind::Child, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("Form_save_chann"), Windows::Kind::TopLevel, [] { return new DummyDialog; });
}

void putName(int ch, const char *name)
{
    for (int k = 0; k < 16; ++k)
        MemoryImage[256 + ch][k] = k < int(qstrlen(name)) ? qint16(quint8(name[k])) : 0xFF;
}
}

class TstChannelWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<SimRadio> radio;

private slots:
    void init();
    void cleanup();
    void captionsByLanguage_data();
    void captionsByLanguage();
    void loadShowsEveryChannel();
    void defaultKeepsOnlyFactoryNames();
    void clearEmptiesEveryChannel();
    void refusalsWhileTransferRuns_data();
    void refusalsWhileTransferRuns();
    void closeBoxRefusedUntilTheReadEnds();
    void openSaveAndClose();
    void openBringsAnOpenDialogToTheFront();
    void switchingChildWindowsRedraws();
    void returnFromTopLevelRedrawsChangedImageOnly();
    void returnFromAnotherTopLevelWindowShowsNewImage();
};

void TstChannelWindow::init()
{
    TestClock::install();
    reset();
    defineDialogs();
    radio = std::make_unique<SimRadio>();
    setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
    FakeCommControl::plug(1, radio.get());
    CommPortNumber = 1;
}

void TstChannelWindow::cleanup()
{
    ChannelEditorFixture::cleanup();
    Windows::setMdiArea(nullptr);
    setCommControlFactory({});
    FakeCommControl::unplugAll();
    radio.reset();
    TestClock::uninstall();
}

void TstChannelWindow::captionsByLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");  // caption, 7 buttons, password label
    QTest::addColumn<QString>("rxHeading");
    QTest::addColumn<QString>("nameHeading");
    QTest::newRow("English") << 0
        << QStringList{"Channel Information", "Read", "Write", "Clear", "Default", "Save", "Open",
                       "Close", "PassWord"}
        << "RX Frequency" << "CH-Name";
    QTest::newRow("Chinese") << -1
        << QStringList{"信道参数编辑", "读 取", "写 入", "清 除", "出厂值", "保 存", "打 开", "关 闭", "读写密码"}
        << "接收频率(MHZ)" << "信 道 名 称";
}

void TstChannelWindow::captionsByLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    QFETCH(QString, rxHeading);
    QFETCH(QString, nameHeading);
    LanguageFlag = qint16(language);
    ChannelEditorWindow *w = load();
    const QStringList shown{w->windowTitle(), w->Command_read->text(), w->Command_Write->text(),
                            w->Command_Clear->text(), w->Command_def->text(), w->Command_save->text(),
                            w->Command_open->text(), w->Command_close->text(), w->Label_PassWord->text()};
    QCOMPARE(shown, texts);
    QCOMPARE(w->MSF_Chann->cols(), 16);
    QCOMPARE(w->MSF_Chann->textMatrix(0, ColRxFreq), rxHeading);
    QCOMPARE(w->MSF_Chann->textMatrix(0, ColName), nameHeading);
}

void TstChannelWindow::loadShowsEveryChannel()
{
    ChannelEditorWindow *w = load();
    QCOMPARE(w->MSF_Chann->rows(), 201);
    QCOMPARE(w->MSF_Chann->textMatrix(1, 0), QStringLiteral("0"));
    QCOMPARE(w->MSF_Chann->textMatrix(200, 0), QStringLiteral("199"));
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColRxFreq), QStringLiteral("155.02500"));
    QCOMPARE(w->MSF_Chann->textMatrix(200, ColRxFreq), QStringLiteral("480.62500"));
    QVERIFY(!w->Text_Edit->isVisible());
    QVERIFY(!w->Combo_edit->isVisible());
    QVERIFY(w->ProgressBar1->isHidden());
    QCOMPARE(w->Text_PassWord->text(), QStringLiteral("468027"));
    QCOMPARE(w->Label_PassWord->buddy(), w->Text_PassWord);
    QCOMPARE(w->findChild<QWidget *>(QStringLiteral("MSF_Chann")), w->MSF_Chann);
}

void TstChannelWindow::defaultKeepsOnlyFactoryNames()
{
    putName(0, "HOME");
    putName(50, "FIFTY");
    for (int k = 0; k < 16; ++k)
        MemoryImage[50][k] = qint16(k == 15 ? 4 : 0x11);  // a channel in use
    ChannelEditorWindow *w = load();
    QCOMPARE(w->MSF_Chann->textMatrix(51, ColName), QStringLiteral("FIFTY"));
    QVERIFY(clickWhereSeen(w->Command_def));
    QCOMPARE(row(50), Bytes(16, 0xFF));
    QCOMPARE(row(256 + 50), Bytes(16, 0xFF));
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME"));
    QCOMPARE(row(256).mid(0, 4), Bytes({'H', 'O', 'M', 'E'}));
    QCOMPARE(w->MSF_Chann->textMatrix(51, ColRxFreq), QString());
    QCOMPARE(w->MSF_Chann->row(), 200);
    QCOMPARE(w->MSF_Chann->col(), 0);
    QVERIFY(MsgBoxRecorder::boxes().isEmpty());
}

void TstChannelWindow::clearEmptiesEveryChannel()
{
    putName(0, "HOME");
    MemoryImage[456][0] = 0x42;  // beyond the names
    ChannelEditorWindow *w = load();
    QVERIFY(clickWhereSeen(w->Command_Clear));
    for (int ch = 0; ch < 200; ++ch) {
        QCOMPARE(row(ch), Bytes(16, 0xFF));
        QCOMPARE(row(256 + ch), Bytes(16, 0xFF));
    }
    QCOMPARE(int(MemoryImage[456][0]), 0x42);
    for (int r : {1, 7, 200}) {
        for (int c = ColBand; c <= ColName; ++c)
            QCOMPARE(w->MSF_Chann->textMatrix(r, c), QString());
        QCOMPARE(w->MSF_Chann->textMatrix(r, 0), QString::number(r - 1));
    }
    QVERIFY(MsgBoxRecorder::boxes().isEmpty());
}

void TstChannelWindow::refusalsWhileTransferRuns_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Clear") << 0 << "Command_Clear" << QStringLiteral("Read-write operating，don't clear operate .,");
    QTest::newRow("Clear zh") << -1 << "Command_Clear" << QStringLiteral("正在进行读写操作,请勿进行清除操作 ！,");
    QTest::newRow("Open") << 0 << "Command_open" << "Read-write operating with transceiver .";
    QTest::newRow("Save zh") << -1 << "Command_save" << QStringLiteral("正在与对讲机进行读写操作 ！");
    QTest::newRow("Close") << 0 << "Command_close" << QStringLiteral("Read-write operating，don't close the window. ,");
    QTest::newRow("Close zh") << -1 << "Command_close" << QStringLiteral("正在进行读写操作,请勿关窗口 ！,");
    // Default refuses too: a write under way would send a mix of two tables.
    QTest::newRow("Default") << 0 << "Command_def" << "Read-write operating with transceiver .";
}

void TstChannelWindow::refusalsWhileTransferRuns()
{
    QFETCH(int, language);
    QFETCH(QString, button);
    QFETCH(QString, text);
    ChannelEditorWindow *w = load();
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(300);  // the write is under way
    QCOMPARE(w->session()->WriteBusy, qint16(-1));
    MemoryImage[0][12] = 0x07;  // an edit meanwhile
    const Bytes ch0 = row(0);
    LanguageFlag = qint16(language);
    // The exchange stands still while the refusal is on screen.
    bool timerRanUnderBox = false;
    const LinkControls &c = w->session()->controls();
    MsgBoxRecorder::install([&](const MsgRecord &) {
        timerRanUnderBox = c.Timer1->enabled() || c.Timer2->enabled() || c.Timer3->enabled();
        return MsgResult::Ok;
    });
    QVERIFY(clickWhereSeen(w->findChild<QPushButton *>(button)));
    QVERIFY(!timerRanUnderBox);
    QVERIFY(c.Timer2->enabled() || c.Timer1->enabled());
    QCOMPARE(boxTexts(), QStringList{text});
    QCOMPARE(MsgBoxRecorder::boxes().first().title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
    QCOMPARE(row(0), ch0);
    QVERIFY(Windows::isLoaded(QStringLiteral("frm_chann")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_open_chann")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_save_chann")));
    QCOMPARE(w->session()->WriteBusy, qint16(-1));
}

void TstChannelWindow::closeBoxRefusedUntilTheReadEnds()
{
    ChannelEditorWindow *w = load();
    auto *port = w->findChild<CommControl *>(QStringLiteral("MSC"));
    QVERIFY(port);
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(300);
    QVERIFY(port->portOpen());
    QVERIFY(!Windows::unload(QStringLiteral("frm_chann")));
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window.,")});
    QVERIFY(w->session()->ReadBusy == -1);
    TestClock::advance(120000);
    QCOMPARE(w->session()->ReadBusy, qint16(0));
    QVERIFY(Windows::unload(QStringLiteral("frm_chann")));
    QVERIFY(!port->portOpen());
}

void TstChannelWindow::openSaveAndClose()
{
    ChannelEditorWindow *w = load();
    QVERIFY(clickWhereSeen(w->Command_open));
    QVERIFY(clickWhereSeen(w->Command_save));
    QVERIFY(Windows::isLoaded(QStringLiteral("Form_open_chann")));
    QVERIFY(Windows::isLoaded(QStringLiteral("Form_save_chann")));
    QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    QVERIFY(clickWhereSeen(w->Command_close));
    QVERIFY(!Windows::isLoaded(QStringLiteral("frm_chann")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_open_chann")));
    QVERIFY(!Windows::isLoaded(QStringLiteral("Form_save_chann")));
}

void TstChannelWindow::openBringsAnOpenDialogToTheFront()
{
    MainStandIn stage(QSize(1200, 760));
    QMdiArea &area = *stage.area;
    ChannelEditorWindow *w = load();
    QVERIFY(clickWhereSeen(w->Command_open));
    QWidget *dialog = Windows::find(QStringLiteral("Form_open_chann"));
    QVERIFY(Windows::frameOf(dialog));
    area.setActiveSubWindow(Windows::frameOf(w));
    QVERIFY(clickWhereSeen(w->Command_open));
    QCOMPARE(Windows::find(QStringLiteral("Form_open_chann")), dialog);
    QCOMPARE(area.activeSubWindow(), Windows::frameOf(dialog));
    Windows::reset();
}

void TstChannelWindow::switchingChildWindowsRedraws()
{
    MainStandIn stage(QSize(1200, 760));
    QMdiArea &area = *stage.area;
    Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new DummyDialog; });
    ChannelEditorWindow *w = load();
    QMdiSubWindow *frame = Windows::frameOf(w);
    QVERIFY(frame);
    Windows::load(QStringLiteral("other"));
    area.setActiveSubWindow(Windows::frameOf(Windows::find(QStringLiteral("other"))));
    // The image changes behind the editor's back (a file was opened, say).
    for (int k = 0; k < 16; ++k)
        MemoryImage[120][k] = qint16(k == 15 ? 4 : 0);
    w->MSF_Chann->setCurrentCell(5, 3);
    area.setActiveSubWindow(frame);
    QCOMPARE(w->MSF_Chann->textMatrix(121, ColRxFreq), QStringLiteral("0.000000"));
    QCOMPARE(w->MSF_Chann->row(), 200);
    QCOMPARE(w->MSF_Chann->col(), 0);
}

void TstChannelWindow::returnFromTopLevelRedrawsChangedImageOnly()
{
    MainStandIn stage(QSize(1200, 760));
    QMdiArea &area = *stage.area;
    ChannelEditorWindow *w = load();
    area.setActiveSubWindow(Windows::frameOf(w));
    // An editor open while a message box comes and goes: nothing moves.
    QVERIFY(clickCell(w, 3, ColName));
    QVERIFY(w->Text_Edit->isVisible());
    QTest::keyClicks(w->Text_Edit, QStringLiteral("abc"));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w, &activate);
    QCOMPARE(w->MSF_Chann->row(), 3);
    QVERIFY(w->Text_Edit->isVisible());
    QCOMPARE(w->Text_Edit->text(), QStringLiteral("abc"));
    // A top-level dialog replaced the image: the grid shows it, and the
    // edit begun on the old image is dropped, not written over the new one.
    for (int k = 0; k < 16; ++k)
        MemoryImage[2][k] = qint16(k == 15 ? 4 : 0);
    putName(2, "NEW");
    QApplication::sendEvent(w, &activate);
    QCOMPARE(w->MSF_Chann->textMatrix(3, ColName), QStringLiteral("NEW"));
    QCOMPARE(row(258).mid(0, 3), Bytes({'N', 'E', 'W'}));
    QVERIFY(!w->Text_Edit->isVisible());
    QCOMPARE(w->MSF_Chann->row(), 200);
}

void TstChannelWindow::returnFromAnotherTopLevelWindowShowsNewImage()
{
    MainStandIn stage(QSize(1200, 800));
    QVERIFY(stage.waitActive());
    ChannelEditorWindow *w = load();
    // A top-level dialog (the save dialog, say) takes the focus; meanwhile
    // the image changes; the focus comes back to the main window.
    QWidget dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    putName(2, "NEW");
    for (int k = 0; k < 16; ++k)
        MemoryImage[2][k] = qint16(k == 15 ? 4 : 0);
    QApplication::setActiveWindow(&stage.main);
    QVERIFY(QTest::qWaitForWindowActive(&stage.main));
    QTRY_COMPARE(w->MSF_Chann->textMatrix(3, ColName), QStringLiteral("NEW"));
}

QTEST_MAIN(TstChannelWindow)
#include "tst_channelwindow.moc"
