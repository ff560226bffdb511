// The FM editor window: captions, load, Default, Clear, Open, Save and
// Close, the refusals while its exchange runs, and the shown window driven
// with the mouse and keys: where the focus goes, a click into an inactive
// window, a click-through that changes nothing, an open edit in a save and
// a write.
#include "support/FmEditorFixture.h"
#include "support/MdiStage.h"
#include "support/FakeCommControl.h"
#include "support/LinkFrames.h"
#include "support/SimRadio.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "channels/FmRecord.h"
#include "link/LinkControls.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "memory/FmDefaults.h"
#include "platform/VbTimer.h"

using namespace FmGrid;
using namespace FmEditorFixture;
using Bytes = QList<int>;

namespace {
constexpr int F = 0xFF;

class DummyDialog : public Form
{
};

void defineDialogs()
{
    Windows::define(QStringLiteral("Form_open_chann"), Windows::Kind::Child, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("Form_save_chann"), Windows::Kind::TopLevel, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new DummyDialog; });
}

void putRecord(int n, const Bytes &bytes)
{
    for (int k = 0; k < 16; ++k)
        MemoryImage[768 + n][k] = qint16(bytes.value(k, F));
}

QStringList column(FmEditorWindow *w, int c)
{
    QStringList l;
    for (int r = 1; r <= 17; ++r)
        l << w->MSF_Chann->textMatrix(r, c);
    return l;
}
}

class TstFmWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<SimRadio> radio;
    std::unique_ptr<MainStandIn> stage;
    QMdiArea *area = nullptr;

    // The editor shown in an MDI area, as the program shows it.
    FmEditorWindow *loadShown()
    {
        stage = std::make_unique<MainStandIn>(QSize(1200, 760));
        area = stage->area;
        FmEditorWindow *w = load();
        area->setActiveSubWindow(Windows::frameOf(w));
        if (!stage->waitActive())
            qWarning("the main window did not become active");
        return w;
    }

private slots:
    void init()
    {
        TestClock::install();
        reset();
        defineDialogs();
        radio = std::make_unique<SimRadio>();
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        FakeCommControl::plug(1, radio.get());
        CommPortNumber = 1;
    }

    void cleanup()
    {
        FmEditorFixture::cleanup();
        stage.reset();
        area = nullptr;
        setCommControlFactory({});
        FakeCommControl::unplugAll();
        radio.reset();
        TestClock::uninstall();
    }

    void captionsByLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // caption, 7 buttons, password label
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("English") << 0
            << QStringList{"FM Radio Information", "Read", "Write", "Clear", "Default", "Save", "Open",
                           "Close", "PassWord"}
            << QStringList{"FM  Channel", "Receive Frequency (MHZ)", "FM Station Name"};
        QTest::newRow("Chinese") << -1
            << QStringList{"FM 收音机频道编辑", "读 取", "写  入", "清  除", "默认", "保  存", "打  开",
                           "关  闭", "读写密码"}
            << QStringList{"FM 频 道 号", "接  收  频  率 (MHZ)", "电    台    名    称"};
    }
    void captionsByLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, headings);
        LanguageFlag = qint16(language);
        FmEditorWindow *w = load();
        const QStringList shown{w->windowTitle(), w->Command_read->text(), w->Command_Write->text(),
                                w->Command_Clear->text(), w->Command_def->text(), w->Command_save->text(),
                                w->Command_open->text(), w->Command_close->text(), w->Label_PassWord->text()};
        QCOMPARE(shown, texts);
        QCOMPARE(w->MSF_Chann->cols(), 3);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(w->MSF_Chann->textMatrix(0, c).trimmed(), headings[c]);
    }

    void loadShowsTheSixteenChannels()
    {
        FmEditorWindow *w = load();
        QCOMPARE(w->FmPage, 0x30);
        QCOMPARE(w->MSF_Chann->rows(), 18);
        QStringList numbers;
        for (int r = 1; r <= 16; ++r)
            numbers << QString::number(r);
        QCOMPARE(column(w, 0), numbers + QStringList{""});
        QCOMPARE(column(w, 1), (QStringList{"88.90000", "90.40000", "", "92.30000", "", "95.50000", "",
                                            "96.90000", "", "98.30000", "", "103.90000", "", "100.70000", "",
                                            "105.90000", ""}));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), FmNameText(0));
        QVERIFY(!w->MSF_Chann->textMatrix(1, ColName).isEmpty());
        QCOMPARE(w->MSF_Chann->row(), 1);
        QCOMPARE(w->MSF_Chann->col(), 0);
        QVERIFY(!w->Text_Edit->isVisible());
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->Label_tr_count->text(), QString());
        QCOMPARE(w->Text_PassWord->text(), QStringLiteral("468027"));
        QCOMPARE(w->Label_PassWord->buddy(), w->Text_PassWord);
        // The main window's width (here the screen's, 1280) / 1.8; no taller
        // than its height / 1.5, only as tall as what the window holds.
        QCOMPARE(w->width(), std::max(int(1280 / 1.8), w->minimumSizeHint().width()));
        QVERIFY(w->height() <= int(800 / 1.5));
        QCOMPARE(w->height(), w->layout()->totalSizeHint().height());
        // The grid shows its three columns whole.
        int columns = 0;
        for (int c = 0; c < 3; ++c)
            columns += w->MSF_Chann->colWidth(c);
        QVERIFY(w->MSF_Chann->width() > columns);
        QVERIFY(w->MSF_Chann->geometry().bottom() < w->Label_tr_count->geometry().top());
    }

    void erasedBlockShowsEmptyChannels()
    {
        for (int n = 0; n < 16; ++n)
            putRecord(n, Bytes(16, F));
        FmEditorWindow *w = load();
        QCOMPARE(column(w, 1), QStringList(17, QString()));
        QCOMPARE(column(w, 2), QStringList(17, QString()));
    }

    void defaultRestoresTheFactoryChannels()
    {
        FmEditorWindow *w = load();
        const Bytes factory = wholeImage();
        for (int n = 0; n < 16; ++n)
            putRecord(n, Bytes(16, 0x01));
        w->MSF_Chann->setTextMatrix(4, ColName, QStringLiteral("stale"));
        QVERIFY(clickWhereSeen(w->Command_def));
        QCOMPARE(wholeImage(), factory);
        QCOMPARE(w->MSF_Chann->textMatrix(4, ColName), FmNameText(3));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColFrequency), QStringLiteral("88.90000"));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void clearEmptiesTheBlock()
    {
        FmEditorWindow *w = load();
        MemoryImage[767][15] = 0x5A;
        MemoryImage[784][0] = 0x5B;
        w->ProgressBar1->show();
        w->ProgressBar1->setValue(40);
        w->Label_tr_count->setText(QStringLiteral("earlier"));
        QVERIFY(clickWhereSeen(w->Command_Clear));
        for (int n = 0; n < 16; ++n)
            QCOMPARE(record(n), Bytes(16, 0));
        QCOMPARE(MemoryImage[767][15], qint16(0x5A));
        QCOMPARE(MemoryImage[784][0], qint16(0x5B));
        QCOMPARE(column(w, 1), QStringList(17, QString()));
        QCOMPARE(column(w, 2), QStringList(17, QString()));
        QCOMPARE(column(w, 0).first(), QStringLiteral("1"));
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->ProgressBar1->value(), 0);
        QCOMPARE(w->Label_tr_count->text(), QString());
    }

    void refusalsWhileTransferRuns_data()
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
        QTest::newRow("Read") << 0 << "Command_read" << "Read-write operating with transceiver .";
    }
    void refusalsWhileTransferRuns()
    {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, text);
        FmEditorWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(100);  // the write is under way
        QVERIFY(w->transferBusy());
        const Bytes before = wholeImage();
        LanguageFlag = qint16(language);
        QVERIFY(clickWhereSeen(w->findChild<QPushButton *>(button)));
        QCOMPARE(boxTexts(), QStringList{text});
        QCOMPARE(MsgBoxRecorder::boxes().first().title,
                 language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
        QCOMPARE(wholeImage(), before);
        QVERIFY(Windows::isLoaded(QStringLiteral("frm_FM")));
        QVERIFY(!Windows::isLoaded(QStringLiteral("Form_open_chann")));
        QVERIFY(!Windows::isLoaded(QStringLiteral("Form_save_chann")));
        QVERIFY(w->transferBusy());
        // The exchange carries on to its end.
        MsgBoxRecorder::clear();
        TestClock::advance(20000);
        QVERIFY(!w->transferBusy());
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }

    void defaultIsNotRefusedWhileTransferRuns()
    {
        FmEditorWindow *w = load();
        for (int n = 0; n < 16; ++n)
            putRecord(n, Bytes(16, 0));
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(40);
        QVERIFY(w->transferBusy());
        QVERIFY(clickWhereSeen(w->Command_def));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColFrequency), QStringLiteral("88.90000"));
        QVERIFY(w->transferBusy());
    }

    void closeBoxRefusedUntilTheReadEnds()
    {
        FmEditorWindow *w = load();
        auto *port = w->findChild<CommControl *>(QStringLiteral("MSC"));
        QVERIFY(port);
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(40);
        QVERIFY(port->portOpen());
        QVERIFY(!Windows::unload(QStringLiteral("frm_FM")));
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window.,")});
        TestClock::advance(20000);
        QVERIFY(!w->transferBusy());
        QVERIFY(Windows::unload(QStringLiteral("frm_FM")));
        QVERIFY(!port->portOpen());
    }

    void openSaveAndClose()
    {
        FmEditorWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_open));
        QVERIFY(clickWhereSeen(w->Command_save));
        QVERIFY(Windows::isLoaded(QStringLiteral("Form_open_chann")));
        QVERIFY(Windows::isLoaded(QStringLiteral("Form_save_chann")));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        QVERIFY(clickWhereSeen(w->Command_close));
        QVERIFY(!Windows::isLoaded(QStringLiteral("frm_FM")));
        QVERIFY(!Windows::isLoaded(QStringLiteral("Form_open_chann")));
        QVERIFY(!Windows::isLoaded(QStringLiteral("Form_save_chann")));
    }

    // ------------------------------------------------ the shown window

    void typingAFrequencyAndReturnLeavesTheFocusInTheGrid()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 3, ColFrequency));
        QVERIFY(w->Text_Edit->isVisible());
        QCOMPARE(w->focusWidget(), w->Text_Edit);
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("99.5"));
        QTest::keyClick(w->Text_Edit, Qt::Key_Return);
        QCOMPARE(w->focusWidget(), w->MSF_Chann);
        // No key in the grid starts a transfer.
        QTest::keyClick(w->MSF_Chann, Qt::Key_Space);
        QTest::keyClick(w->MSF_Chann, Qt::Key_Return);
        QVERIFY(!w->transferBusy());
        QVERIFY(radio->frames().isEmpty());
        // Leaving the cell commits it.
        QVERIFY(clickCell(w, 5, ColNumber));
        QCOMPARE(record(2), (Bytes{0, 9, 9, 5, 0, 0, 0, 0, F, F, F, F, F, F, F, F}));
        QCOMPARE(w->MSF_Chann->textMatrix(3, ColFrequency), QStringLiteral("99.50000"));
        QCOMPARE(w->focusWidget(), w->MSF_Chann);
    }

    void tabCommitsAndStaysInTheGrid()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 1, ColName));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClick(w->Text_Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("jazz"));
        QTest::keyClick(w->Text_Edit, Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), w->MSF_Chann);
        QVERIFY(!w->Text_Edit->isVisible());
        QCOMPARE(record(0).mid(8), (Bytes{F, F, 'J', 'A', 'Z', 'Z', F, F}));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("JAZZ"));
    }

    void scrollHidesTheEditorAndKeepsTheEdit()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 1, ColFrequency));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClick(w->Text_Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("104"));
        // The window opens tall enough for every row: made shorter, it scrolls.
        QMdiSubWindow *frame = Windows::frameOf(w);
        frame->resize(frame->width(), frame->height() - 5 * w->MSF_Chann->rowHeight(0));
        QScrollBar *bar = w->MSF_Chann->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QVERIFY(w->Text_Edit->isVisible());
        bar->setValue(bar->maximum());
        QVERIFY(!w->Text_Edit->isVisible());
        QCOMPARE(w->focusWidget(), w->MSF_Chann);
        bar->setValue(0);
        QVERIFY(w->Text_Edit->isVisible());
        QCOMPARE(w->Text_Edit->text(), QStringLiteral("104"));
        QVERIFY(clickCell(w, 2, ColNumber));
        QCOMPARE(record(0).mid(0, 8), (Bytes{1, 0, 4, 0, 0, 0, 0, 0}));
    }

    void clickIntoAnInactiveWindowOpensItsEditor()
    {
        FmEditorWindow *w = loadShown();
        Windows::load(QStringLiteral("other"));
        area->setActiveSubWindow(Windows::frameOf(Windows::find(QStringLiteral("other"))));
        QVERIFY(area->activeSubWindow() != Windows::frameOf(w));
        // Meanwhile the image changed (a file was opened, say).
        putRecord(1, Bytes{1, 0, 1, 1, 0, 0, 0, 0, F, F, 'A', 'B', 'C', F, F, F});
        QVERIFY(clickCell(w, 2, ColName));
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(w));
        QCOMPARE(w->MSF_Chann->textMatrix(2, ColFrequency), QStringLiteral("101.10000"));
        QVERIFY(w->Text_Edit->isVisible());
        QCOMPARE(w->Text_Edit->text(), QStringLiteral("ABC"));
        QCOMPARE(w->focusWidget(), w->Text_Edit);
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClick(w->Text_Edit, Qt::Key_End);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("de"));
        QVERIFY(clickCell(w, 6, ColNumber));
        QCOMPARE(record(1).mid(8), (Bytes{F, 'A', 'B', 'C', 'D', 'E', F, F}));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void clickThroughWithoutEditChangesNoByte()
    {
        // An erased record and a factory name stored from byte 8 stay as
        // they are until the user edits them.
        putRecord(2, Bytes(16, F));
        putRecord(4, Bytes{0, 9, 5, 5, 0, 0, 0, 0, 'S', 'P', 'O', 'R', 'T', F, F, F});
        MemoryImage[768 + 6][8] = 0x07;  // a byte the display leaves out
        FmEditorWindow *w = loadShown();
        const Bytes before = wholeImage();
        for (int r = 1; r <= 17; ++r)
            for (int c = 0; c < 3; ++c)
                QVERIFY(clickCell(w, r, c));
        QVERIFY(clickCell(w, 1, ColFrequency));
        for (int k = 0; k < 20; ++k)
            QTest::keyClick(w->MSF_Chann, Qt::Key_Down);
        QTest::keyClick(w->MSF_Chann, Qt::Key_Right);
        for (int k = 0; k < 20; ++k)
            QTest::keyClick(w->MSF_Chann, Qt::Key_Up);
        QVERIFY(clickCell(w, 9, ColNumber));
        QCOMPARE(wholeImage(), before);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColFrequency), QStringLiteral("88.90000"));
    }

    void cellsWithoutAnEditor()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 17, ColFrequency));
        QVERIFY(!w->Text_Edit->isVisible());
        QVERIFY(!w->editor()->isOpen());
        QVERIFY(clickCell(w, 4, ColNumber));
        QVERIFY(!w->Text_Edit->isVisible());
        QVERIFY(clickCell(w, 16, ColName));
        QVERIFY(w->Text_Edit->isVisible());
        // The editor lies over its cell.
        const QRect cell = w->MSF_Chann->cellRect(16, ColName);
        QCOMPARE(w->Text_Edit->geometry().topLeft(), w->MSF_Chann->mapTo(w, cell.topLeft()));
    }

    void outOfRangeFrequencyWarnsAndStoresTheLowEnd()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 1, ColFrequency));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClick(w->Text_Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("108.01"));
        QVERIFY(clickCell(w, 1, ColNumber));
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("Over the range of receive frequency .")});
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColFrequency), QStringLiteral("87.00000"));
        QCOMPARE(record(0).mid(0, 8), (Bytes{0, 8, 7, 0, 0, 0, 0, 0}));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), FmNameText(0));
        QVERIFY(!FmNameText(0).isEmpty());
        QCOMPARE(w->focusWidget(), w->MSF_Chann);
    }

    // A station name typed longer than six: the warning in the window's
    // language, the first six in capitals shown and stored, bytes 14 and 15
    // without a character, and the focus back in the grid.
    void longNameTypedKeepsSix_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << 0 << "The letter of channel name max 6 bit . " << "Operate Prompt";
        QTest::newRow("Chinese") << -1 << QStringLiteral("信道名称的字符个数最大为 6 位 ！") << QStringLiteral("操作提示");
    }
    void longNameTypedKeepsSix()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(QString, title);
        LanguageFlag = qint16(language);
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 1, ColName));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClick(w->Text_Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("classics"));
        QTest::keyClick(w->Text_Edit, Qt::Key_Tab);
        QCOMPARE(boxTexts(), QStringList{text});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, title);
        QCOMPARE(MsgBoxRecorder::boxes().first().icon, MsgIcon::Exclamation);
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("CLASSI"));
        QCOMPARE(record(0), (Bytes{0, 8, 8, 9, 0, 0, 0, 0, 'C', 'L', 'A', 'S', 'S', 'I', F, F}));
        QCOMPARE(w->focusWidget(), w->MSF_Chann);
    }

    // A name that uses all eight bytes (read from a radio or a file) shows
    // whole and stays as it is while the user only looks; once its row is
    // stored it keeps six, with the warning saying why.
    void eightCharacterNameFromTheRadio()
    {
        const Bytes eight{0, 9, 5, 5, 0, 0, 0, 0, 'S', 'P', 'O', 'R', 'T', 'S', 'F', 'M'};
        putRecord(4, eight);
        FmEditorWindow *w = loadShown();
        QCOMPARE(w->MSF_Chann->textMatrix(5, ColName), QStringLiteral("SPORTSFM"));
        QVERIFY(clickCell(w, 5, ColName));
        QCOMPARE(w->Text_Edit->text(), QStringLiteral("SPORTSFM"));
        QVERIFY(clickCell(w, 5, ColFrequency));
        QVERIFY(clickCell(w, 6, ColNumber));
        QCOMPARE(record(4), eight);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());

        QVERIFY(clickCell(w, 5, ColFrequency));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClick(w->Text_Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("96"));
        QVERIFY(clickCell(w, 6, ColNumber));
        QCOMPARE(boxTexts(), QStringList{"The letter of channel name max 6 bit . "});
        QCOMPARE(record(4), (Bytes{0, 9, 6, 0, 0, 0, 0, 0, 'S', 'P', 'O', 'R', 'T', 'S', F, F}));
        QCOMPARE(w->MSF_Chann->textMatrix(5, ColFrequency), QStringLiteral("96.00000"));
        QCOMPARE(w->MSF_Chann->textMatrix(5, ColName), QStringLiteral("SPORTS"));
    }

    void openEditGoesIntoTheSavedImage()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 3, ColFrequency));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("100"));
        QVERIFY(clickWhereSeen(w->Command_save));
        QCOMPARE(record(2).mid(0, 8), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(w->MSF_Chann->textMatrix(3, ColFrequency), QStringLiteral("100.00000"));
        QVERIFY(Windows::isLoaded(QStringLiteral("Form_save_chann")));
    }

    void openEditGoesIntoTheWrite()
    {
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 5, ColFrequency));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("101"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(20000);
        QCOMPARE(radio->bytes(0x3040, 8), QByteArray::fromHex("0100010000000000"));
        QCOMPARE(radio->bytes(0x3000, 256), LinkFrames::imageBytes(768, 16));
    }

    void imageReplacedDropsTheOpenEdit_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Default") << "Command_def";
        QTest::newRow("Clear") << "Command_Clear";
        QTest::newRow("Read") << "Command_read";
    }
    void imageReplacedDropsTheOpenEdit()
    {
        QFETCH(QString, button);
        QByteArray fm(256, 0);
        fm[0x20] = 0;
        fm[0x21] = 9;
        fm[0x22] = 1;  // radio record 2: 91 MHz, no name
        for (int k = 0x28; k < 0x30; ++k)
            fm[k] = char(0xFF);
        radio->setBytes(0x3000, fm);
        FmEditorWindow *w = loadShown();
        QVERIFY(clickCell(w, 3, ColName));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("lost"));
        QVERIFY(clickWhereSeen(w->findChild<QPushButton *>(button)));
        TestClock::advance(20000);
        QVERIFY(!w->Text_Edit->isVisible());
        QVERIFY(!w->editor()->isOpen());
        QVERIFY(clickCell(w, 8, ColNumber));  // leaving the cell now stores nothing
        QVERIFY(!FmNameText(2).contains(QStringLiteral("LOST")));
        QCOMPARE(w->MSF_Chann->textMatrix(3, ColName), FmNameText(2));
        if (button == QLatin1String("Command_read"))
            QCOMPARE(w->MSF_Chann->textMatrix(3, ColFrequency), QStringLiteral("91.00000"));
    }
};

QTEST_MAIN(TstFmWindow)
#include "tst_fmwindow.moc"
