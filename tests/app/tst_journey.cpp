// The whole program against a simulated radio, on the test clock: start-up
// finds the radio and identifies it, the whole radio is read, a channel is
// edited, the image goes to a ".dat" file and back, and is written to the
// radio again. Read and Write are clicked where a person sees them.
#include "app/Application.h"
#include "channels/ChannelEditorWindow.h"
#include "link/LinkControls.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/ReadWindow.h"
#include "link/WriteWindow.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "platform/FileState.h"
#include "shell/ImageFile.h"
#include "shell/MainWindow.h"
#include "support/ClickWhereSeen.h"
#include "support/FakeCommControl.h"
#include "support/SimRadio.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Radio memory with something recognisable in every row the read keeps.
void fillRadio(SimRadio &radio)
{
    QByteArray mem(SimRadio::MemorySize, char(0xFF));
    for (int a = 0; a < 0x3140; ++a)
        mem[a] = char((a * 7 + a / 16) & 0xFF);
    // Channel 0: 145.5 MHz both ways, no tones, default bits.
    const QByteArray channel0 = QByteArray::fromHex("00005514000055140000000000000000");
    for (int i = 0; i < 16; ++i)
        mem[i] = channel0[i];
    radio.memory().replace(0, 0x3140, mem.left(0x3140));
}

bool runUntil(const std::function<bool()> &done, qint64 limitMs = 120000)
{
    const qint64 end = TestClock::now() + limitMs;
    while (!done() && TestClock::now() < end)
        if (!TestClock::step())
            break;
    return done();
}
}

class TestJourney : public QObject
{
    Q_OBJECT
    SimRadio *radio = nullptr;

private slots:
    void init()
    {
        TestClock::install();
        MsgBoxRecorder::install();
        Screen::setTestSizePixels({1280, 800});
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        radio = new SimRadio;
        fillRadio(*radio);
        FakeCommControl::plug(7, radio);
        resetMemoryState();
        resetLinkState();
        resetFileState();
        LanguageFlag = 0;
    }
    void cleanup()
    {
        Windows::reset();
        FakeCommControl::unplugAll();
        delete radio;
        setCommControlFactory({});
        MsgBoxRecorder::uninstall();
        Screen::setTestSizePixels({});
        TestClock::uninstall();
    }

    void readEditSaveLoadWrite()
    {
        // Start-up: the probe keeps COM7, the identification fills the panels.
        defineWindows();
        auto *main = qobject_cast<MainWindow *>(Windows::load("MDImain"));
        QVERIFY(main);
        QCOMPARE(CommPortNumber, qint16(7));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        QVERIFY(runUntil([] { return !MainPanel(2).isEmpty(); }));
        QCOMPARE(MainPanel(2), QString("ZQ7310"));
        QCOMPARE(MainPanel(8), QString(" 136-- 174"));
        QVERIFY(runUntil([] { return !LinkSession::anyExchangeRunning(); }));

        // Read the whole radio.
        main->Toolbar1_ButtonClick("read");
        auto *read = Windows::get<ReadWindow>("Form_Comm_Read");
        QVERIFY(read);
        QVERIFY(clickWhereSeen(read->Command_read));
        QVERIFY(runUntil([] { return !LinkSession::anyExchangeRunning(); }, 600000));
        for (int r = 0; r < 788; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(MemoryImage[r][c], qint16(quint8(radio->byteAt(16 * r + c))));
        QCOMPARE(MemoryImage[788][0], qint16(255));  // beyond the read: factory image

        // The channel editor shows what was read once it is activated again.
        auto *editor = Windows::get<ChannelEditorWindow>("frm_chann");
        QVERIFY(editor);
        editor->formActivate();
        QCOMPARE(editor->MSF_Chann->textMatrix(1, 2), QString("145.50000"));

        // Through a ".dat" file and back into a spoilt image.
        QTemporaryDir dir;
        QVERIFY(WriteImageFile(dir.path(), "journey.dat"));
        const auto saved = MemoryImage;
        for (int r = 0; r < 1025; ++r)
            MemoryImage[r].fill(0);
        QVERIFY(ReadImageFile(dir.path(), "journey.dat"));
        QVERIFY(MemoryImage == saved);

        // Write it all back to a radio whose memory was wiped.
        QByteArray wiped(0x3100, char(0x00));
        radio->memory().replace(0, 0x3100, wiped);
        main->Toolbar1_ButtonClick("write");
        auto *write = Windows::get<WriteWindow>("Form_Comm_Write");
        QVERIFY(write);
        QVERIFY(clickWhereSeen(write->Command_Write));
        QVERIFY(runUntil([] { return !LinkSession::anyExchangeRunning(); }, 900000));
        for (int r = 0; r < 784; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(qint16(quint8(radio->byteAt(16 * r + c))), MemoryImage[r][c]);
    }
};

QTEST_MAIN(TestJourney)
#include "tst_journey.moc"
