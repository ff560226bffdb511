// An editor's Read, clicked where the user sees the button, against a radio
// that answers a block request with another block (its echo and its bytes),
// or with the block and a byte more (inside its data or behind it): the read
// tries again and shows the right rows, or, when the radio always answers
// so, fails with the image as it was. The success box never comes while the
// image holds another block's bytes or shifted ones.
#include "app/Application.h"
#include "link/EditorWindow.h"
#include "link/LinkSession.h"
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"
#include "support/OnScreenMessageBox.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace LinkFrames;

namespace {
// Image rows as pairs: first row, row count.
using Rows = QList<int>;

// The radio holds the factory image (every byte within its list, so that
// showing it stores nothing back), or bytes that differ from block to block.
void fillRadio(SimRadio &radio, bool factory)
{
    for (int r = 0; r < 0x3200 / 16; ++r) {
        QByteArray row = imageRow(r);
        if (!factory)
            for (int c = 0; c < 16; ++c)
                row[c] = char(((16 * r + c) * 7 + r / 16) & 0xFF);
        radio.setBytes(16 * r, row);
    }
}

// Whether the rows hold the radio's bytes of their own addresses.
bool rowsFromRadio(const SimRadio &radio, const Rows &rows)
{
    for (int k = 0; k + 1 < rows.size(); k += 2)
        for (int r = rows[k]; r < rows[k] + rows[k + 1]; ++r)
            if (imageRow(r) != radio.bytes(16 * r, 16))
                return false;
    return true;
}

// How the radio answers the request it answers wrongly.
enum Fault { AnotherBlock, ExtraByteInside, ExtraByteBehind };

void eraseRows(const Rows &rows)
{
    for (int k = 0; k + 1 < rows.size(); k += 2)
        for (int r = rows[k]; r < rows[k] + rows[k + 1]; ++r)
            MemoryImage[r].fill(0xFF);
}

} // namespace

class TestWrongBlockWindows : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;
    QString successBox;          // the read's success text of the window under test
    Rows stretches;              // its image rows
    bool successWithRightRows = true;

    EditorWindow *openWindow(const QString &name);
    void windows();
    // The row's window opened over a radio that answers its request with
    // the other block `times` times (-1: always).
    EditorWindow *windowAnsweredWrongly(int times);

private slots:
    void init();
    void cleanup();

    void answeredOnceWithAnotherBlock_data() { windows(); }
    void answeredOnceWithAnotherBlock();
    void alwaysAnsweredWithAnotherBlock_data() { windows(); }
    void alwaysAnsweredWithAnotherBlock();
};

void TestWrongBlockWindows::init()
{
    // At the moment the success box shows, the rows must already be right.
    // Each box is shown and closed with Return as a user closes it.
    setUpBench([this](const MsgRecord &m) {
        if (m.text == successBox && !rowsFromRadio(*radio, stretches))
            successWithRightRows = false;
        return answerOnScreen(m);
    });
    ChannelCount = 200;
    BuildSharedTables();
    SetStartupBandLimits();
    BuildFactoryImage();
    defineWindows();
    useFakePorts();
    plugRadio(1);
    main = std::make_unique<MainStandIn>();
    QVERIFY(QTest::qWaitForWindowExposed(&main->main));
    successWithRightRows = true;
}

void TestWrongBlockWindows::cleanup()
{
    cleanupProgramState();
    main.reset();
    tearDownBench();
}

EditorWindow *TestWrongBlockWindows::openWindow(const QString &name)
{
    auto *w = qobject_cast<EditorWindow *>(Windows::load(name));
    if (!w)
        return nullptr;
    if (QWidget *sub = w->parentWidget())
        main->area->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(sub));
    QCoreApplication::processEvents();
    return w;
}

// The window, the request the radio answers wrongly and the block it sends
// instead, the rows the read replaces, the texts of success and failure.
void TestWrongBlockWindows::windows()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("answered");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("factory");  // the radio's bytes: factory image, else a pattern
    QTest::addColumn<QString>("success");
    QTest::addColumn<int>("fault");
    const QString option = WindowName::frm_option, fiveTone = WindowName::frm_5tone,
                  channels = WindowName::frm_chann;
    const QString done = "Complete reading the data from transceiver.";
    const QString channelsDone = "Complete reading data from the transceiver.";
    QTest::newRow("option editor: 0x0E80 answered by 0x0EC0")
        << option << 0x0E80 << 0x0EC0 << Rows{232, 8} << true << done << int(AnotherBlock);
    QTest::newRow("5-tone editor: 0x2440 answered by 0x2480")
        << fiveTone << 0x2440 << 0x2480 << Rows{576, 32} << true << done << int(AnotherBlock);
    QTest::newRow("channel editor: a name block answered by the next")
        << channels << 0x1040 << 0x1080 << Rows{0, 200, 256, 200} << false << channelsDone
        << int(AnotherBlock);
    QTest::newRow("option editor: 0x0E80 with a byte too many inside")
        << option << 0x0E80 << 0x0E80 << Rows{232, 8} << true << done << int(ExtraByteInside);
    QTest::newRow("5-tone editor: 0x2440 with a byte behind it")
        << fiveTone << 0x2440 << 0x2440 << Rows{576, 32} << true << done << int(ExtraByteBehind);
    QTest::newRow("channel editor: a name block with a byte too many inside")
        << channels << 0x1040 << 0x1040 << Rows{0, 200, 256, 200} << false << channelsDone
        << int(ExtraByteInside);
}

EditorWindow *TestWrongBlockWindows::windowAnsweredWrongly(int times)
{
    QFETCH(QString, window);
    QFETCH(int, requested);
    QFETCH(int, answered);
    QFETCH(Rows, rows);
    QFETCH(bool, factory);
    QFETCH(QString, success);
    QFETCH(int, fault);
    successBox = success;
    stretches = rows;
    fillRadio(*radio, factory);
    // The two blocks must differ for the test to see which was taken.
    if (fault == AnotherBlock && radio->bytes(requested, 64) == radio->bytes(answered, 64)) {
        qWarning("the radio holds the same bytes at 0x%04X and 0x%04X", requested, answered);
        return nullptr;
    }
    if (factory)
        eraseRows(rows);  // so that only a read brings the radio's bytes
    if (rowsFromRadio(*radio, rows)) {
        qWarning("the image holds the radio's rows before any read");
        return nullptr;
    }
    if (fault == AnotherBlock)
        radio->answerAs(requested, answered, times);
    else
        radio->addExtraByte(requested, fault == ExtraByteInside ? 20 : 64, 0, times);
    EditorWindow *w = openWindow(window);
    if (!w)
        qWarning("%s does not open as an editor window", qPrintable(window));
    return w;
}

void TestWrongBlockWindows::answeredOnceWithAnotherBlock()
{
    EditorWindow *w = windowAnsweredWrongly(1);
    QVERIFY(w);
    QFETCH(Rows, rows);
    QFETCH(QString, success);
    QSignalSpy done(w->session(), &LinkSession::readCompleted);

    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(120000);

    QCOMPARE(done.count(), 1);
    QVERIFY(rowsFromRadio(*radio, rows));
    QVERIFY(successWithRightRows);
    QCOMPARE(boxTexts(), QStringList{success});
    // One attempt ended on the wrong block, the second read it all.
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
    QVERIFY(!LinkSession::anyExchangeRunning());
}

void TestWrongBlockWindows::alwaysAnsweredWithAnotherBlock()
{
    EditorWindow *w = windowAnsweredWrongly(-1);
    QVERIFY(w);
    const auto before = MemoryImage;
    QSignalSpy done(w->session(), &LinkSession::readCompleted);
    QSignalSpy failed(w->session(), &LinkSession::exchangeFailed);

    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(120000);

    QCOMPARE(done.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(MemoryImage == before);
    QCOMPARE(boxTexts(), QStringList{"Fail connect with transceiver."});
    QVERIFY(!w->session()->exchangeRunning());
    // The keyboard stays on the Read button: Space tries again.
    QTRY_COMPARE(QApplication::focusWidget(), w->Command_read);
    const int handshakes = countFrames(radio->frameBytes(), Handshake);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    TestClock::advance(20);
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), handshakes + 1);
    w->session()->stop();
}

QTEST_MAIN(TestWrongBlockWindows)
#include "tst_wrongblock.moc"
