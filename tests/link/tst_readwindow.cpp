// The whole-radio read window against the simulated radio on the manual test
// clock: the exact requests of a whole read, what lands in the image, the
// progress and texts, a radio that stops, no radio, a port held elsewhere,
// the busy refusals and closing the window in the middle of a read.
#include <QLayout>
#include <QtTest>

#include <QLineEdit>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/ReadWindow.h"
#include "link/WholeReadUnpack.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/TransferWindowFixture.h"

using namespace LinkFrames;

namespace {
const QString Name = QStringLiteral("Form_Comm_Read");

// Every frame the program sends in one complete attempt of the whole read.
QList<QByteArray> wholeReadFrames()
{
    QList<QByteArray> f{Handshake, Ack, request(0x3DF0, 0x10), Ack + request(0)};
    for (int n = 1; n <= 200; ++n)
        f << Ack + request((n - 1) * 64);
    f << Ack;
    return f;
}

QByteArray pattern(int seed, int n)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((seed + i * 7 + i / 256) & 0xFF);
    return b;
}

void fillImage(int seed)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < ImageCols; ++c)
            MemoryImage[r][c] = qint16((seed + r * 16 + c * 3) & 0xFF);
}

auto imageCopy() { return MemoryImage; }

// How the radio fails in the failure tests.
enum Fault { Silent, ExtraByteInside, ExtraByteBehind };
}

class TestReadWindow : public QObject, TransferWindowFixture<ReadWindow>
{
    Q_OBJECT

public:
    TestReadWindow() : TransferWindowFixture(Name) {}

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void captions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // window, read, cancel, help, password label
        QTest::newRow("English") << 0 << QStringList{"Read Data From Radio", "Read", "Cancel", "Help", "PassWord"};
        QTest::newRow("Chinese") << -1 << QStringList{"从对讲机读取数据", "读取", "取消", "帮助", "读写密码"};
    }
    void captions()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        LanguageFlag = qint16(language);
        Screen::setTestSizePixels(QSize(1200, 900));
        ReadWindow *w = open(false);  // placed from the screen: no main window yet
        Screen::setTestSizePixels(QSize());
        QVERIFY(w);
        // A third of the main window wide, centred across, a third down;
        // no taller than a third of it, only as tall as what it holds, about
        // the same middle.
        QCOMPARE(w->width(), 400);
        QCOMPARE(w->x(), 400);
        QVERIFY(w->height() <= 300);
        QCOMPARE(w->height(), w->layout()->totalSizeHint().height());
        QVERIFY(qAbs(w->geometry().center().y() - QRect(400, 200, 400, 300).center().y()) <= 1);
        QCOMPARE(w->windowTitle(), texts[0]);
        QCOMPARE(button("Command_read")->text(), texts[1]);
        QCOMPARE(button("Command_Cancel")->text(), texts[2]);
        QCOMPARE(button("Command_Help")->text(), texts[3]);
        auto *caption = w->findChild<QLabel *>(QStringLiteral("Label_PassWord"));
        auto *password = w->findChild<QLineEdit *>(QStringLiteral("Text_PassWord"));
        QCOMPARE(caption->text(), texts[4]);
        QCOMPARE(caption->buddy(), password);
        QCOMPARE(password->text(), QStringLiteral("468027"));
        QCOMPARE(label()->text(), QString());
        QCOMPARE(w->closeRequest(), qint16(0));
        // The design text is not a change: the typed password stays unset.
        QCOMPARE(TypedPassword[0], qint16(0));
        password->setText(QStringLiteral(" ab "));
        QCOMPARE(TypedPassword[0], qint16('a'));
        QCOMPARE(TypedPassword[2], qint16(32));
    }

    void wholeRead_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("firstLabel");
        QTest::addColumn<QString>("lastLabel");
        QTest::addColumn<QString>("doneBox");
        QTest::addColumn<QString>("doneLabel");
        QTest::newRow("English") << 0 << "Reading 1 Data Block" << "Reading 200 Data Block"
                                 << "Complete reading data from the transceiver." << "Read Data is Ok ！";
        QTest::newRow("Chinese") << -1 << "正在读取 1 数据块" << "正在读取 200 数据块"
                                 << "从对讲机中读取数据完毕 ！" << "数据读出正常 ！";
    }
    void wholeRead()
    {
        QFETCH(int, language);
        QFETCH(QString, firstLabel);
        QFETCH(QString, lastLabel);
        QFETCH(QString, doneBox);
        QFETCH(QString, doneLabel);
        LanguageFlag = qint16(language);
        const QByteArray memory = pattern(3, SimRadio::MemorySize);
        radio->setBytes(0, memory);
        fillImage(9);
        const auto before = imageCopy();
        RegionToggle = -1;

        ReadWindow *w = open();
        // Bar value and status line when each block request reaches the radio.
        QList<int> bars;
        QStringList labels;
        connect(radio.get(), &SimRadio::frameReceived, w, [&](const QByteArray &f) {
            if (f.startsWith('S') && f != request(0x3DF0, 0x10)) {
                bars << bar()->value();
                labels << label()->text();
            }
        });
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(w->session()->ReadBusy, qint16(-1));
        QCOMPARE(RegionToggle, qint16(0));
        QVERIFY(!bar()->isHidden());
        QCOMPARE(label()->text(), language ? QStringLiteral("正在与对讲机联络 ！")
                                           : QStringLiteral("Connecting with transceiver. "));
        TestClock::advance(60000);

        // 201 requests, the first behind an Ack; no Ack to the password block.
        QCOMPARE(radio->frameBytes(), wholeReadFrames());
        // Rows 0 to 787 hold radio 0x0000-0x313F; nothing else changed.
        QCOMPARE(imageBytes(0, WholeReadImageRows), memory.left(WholeReadImageRows * 16));
        for (int r = WholeReadImageRows; r < ImageRows; ++r)
            QCOMPARE(MemoryImage[r], before[r]);
        for (int r = 0; r < WholeReadImageRows; ++r)
            QCOMPARE(MemoryImage[r][16], before[r][16]);
        // The progress counts the block just stored: Int(n / 201 * 100).
        QCOMPARE(bars.size(), 201);
        QCOMPARE(bars[0], 0);
        QCOMPARE(labels[0], language ? QStringLiteral("正在与对讲机联络 ！")
                                     : QStringLiteral("Connecting with transceiver. "));
        bars.removeFirst();
        labels.removeFirst();
        for (int n = 1; n <= 200; ++n) {
            QCOMPARE(bars[n - 1], int(n / 201.0 * 100));
            QCOMPARE(labels[n - 1], (language ? QStringLiteral("正在读取 %1 数据块")
                                              : QStringLiteral("Reading %1 Data Block")).arg(n));
        }
        QCOMPARE(labels.first(), firstLabel);
        QCOMPARE(labels.last(), lastLabel);
        QCOMPARE(bars.first(), 0);
        QCOMPARE(bars.last(), 99);
        // The box comes first, the status line after it; the bar stays at 99.
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, doneBox);
        QCOMPARE(moments[0].box.title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        QCOMPARE(moments[0].label, lastLabel);
        QCOMPARE(label()->text(), doneLabel);
        QCOMPARE(bar()->value(), 99);
        QVERIFY(!port(w)->portOpen());
        QCOMPARE(w->session()->ReadBusy, qint16(0));
        QVERIFY(!LinkSession::anyExchangeRunning());
        // Reply rows 1 and 2 both hold address 0; row 201 holds 0x31C0.
        QCOMPARE(ReadReplyBuffer[1][2], qint16(0));
        QCOMPARE(ReadReplyBuffer[2][2], qint16(0));
        QCOMPARE(ReadReplyBuffer[201][2], qint16(0x31));
        QCOMPARE(ReadReplyBuffer[201][3], qint16(0xC0));
        QCOMPARE(MainPanel(8), QStringLiteral(" 136-- 174"));

        // The window stays open and reads again from the start.
        radio->clearRecord();
        radio->setBytes(0, pattern(77, 0x3200));
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(radio->frameBytes(), wholeReadFrames());
        QCOMPARE(imageBytes(0, WholeReadImageRows), pattern(77, WholeReadImageRows * 16));
        QCOMPARE(moments.size(), 2);
    }

    void unpack_data()
    {
        QTest::addColumn<QByteArray>("head");  // the reply's first bytes
        QTest::addColumn<int>("start");        // where its data begin
        QTest::newRow("Ack then X") << QByteArray("\x06X\x00\x00\x40", 5) << 5;
        QTest::newRow("X first") << QByteArray("X\x00\x00\x40", 4) << 4;
        QTest::newRow("no X in bytes 0-5") << QByteArray("\x01\x02\x03\x04", 4) << 4;
        QTest::newRow("X at byte 5") << QByteArray("\x01\x02\x03\x04\x05X", 6) << 9;
    }
    void unpack()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, start);
        fillImage(1);
        const auto before = imageCopy();
        for (int b = 0; b < ReplyRows; ++b)
            for (int c = 0; c < ReplyCols; ++c)
                ReadReplyBuffer[b][c] = qint16((b * 5 + c) & 0xFF);
        // Every reply has the layout under test: the data bytes are 100 + k.
        for (int b = WholeReadFirstReply; b <= WholeReadLastReply; ++b) {
            for (int c = 0; c < Frame::DataReplyTaken; ++c)
                ReadReplyBuffer[b][c] = qint16(c < head.size() ? quint8(head[c]) : (100 + c - start) & 0xFF);
            ReadReplyBuffer[b][69] = ReadReplyBuffer[b][70] = 0x5A;  // never received
        }
        QCOMPARE(WholeReadDataStart(2), start);
        UnpackWholeRead();
        for (int r = 0; r < WholeReadImageRows; ++r)
            for (int c = 0; c < 16; ++c) {
                const int k = (r % 4) * 16 + c;  // data byte of the block
                const int expected = start + k < Frame::DataReplyTaken ? (100 + k) & 0xFF : 255;
                QCOMPARE(int(MemoryImage[r][c]), expected);
            }
        for (int r = WholeReadImageRows; r < ImageRows; ++r)
            QCOMPARE(MemoryImage[r], before[r]);
    }

    // The radio stops answering, or answers a block with a byte more than
    // the block (inside its data or behind it): no reply, so the attempt
    // ends and a new one starts; never the success box with shifted bytes.
    void radioStops_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("from");   // request number
        QTest::addColumn<int>("count");  // -1: for good
        QTest::addColumn<bool>("completes");
        QTest::addColumn<int>("handshakes");
        // Requests 0-2 are the handshake, the password block and the first
        // block request; block n's request (n >= 1) is request 2 + n.
        QTest::newRow("stops at block 100 for good") << int(Silent) << 102 << -1 << false << 4;
        QTest::newRow("misses one reply, then recovers") << int(Silent) << 102 << 1 << true << 2;
        QTest::newRow("stops at the last block for good") << int(Silent) << 202 << -1 << false << 4;
        QTest::newRow("a byte too many inside block 100 once") << int(ExtraByteInside) << 102 << 1 << true << 2;
        QTest::newRow("a byte too many inside block 100 always")
            << int(ExtraByteInside) << 102 << -1 << false << 4;
        QTest::newRow("a byte behind block 100 once") << int(ExtraByteBehind) << 102 << 1 << true << 2;
        QTest::newRow("a byte behind the last block always")
            << int(ExtraByteBehind) << 202 << -1 << false << 4;
    }
    void radioStops()
    {
        QFETCH(int, fault);
        QFETCH(int, from);
        QFETCH(int, count);
        QFETCH(bool, completes);
        QFETCH(int, handshakes);
        const QByteArray memory = pattern(41, SimRadio::MemorySize);
        radio->setBytes(0, memory);
        if (fault == Silent)
            radio->setSilence(from, count);
        else  // block n (request 2 + n) is the 64 bytes at 64 * (n - 1)
            radio->addExtraByte(64 * (from - 3), fault == ExtraByteInside ? 20 : 64, 0, count);
        fillImage(2);
        const auto before = imageCopy();
        ReadWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(120000);

        const auto frames = radio->frameBytes();
        QCOMPARE(countFrames(frames, Handshake), handshakes);
        // An attempt that gets through the handshake starts over with the
        // Ack-led first request right behind the password block's request
        // (a silent radio lets only the first through).
        int firstRequests = 0;
        for (int i = 1; i < frames.size(); ++i)
            if (frames[i] == Ack + request(0) && frames[i - 1] == request(0x3DF0, 0x10))
                ++firstRequests;
        QCOMPARE(firstRequests, fault != Silent ? handshakes : completes ? 2 : 1);
        QCOMPARE(moments.size(), 1);
        if (completes) {
            QCOMPARE(moments[0].box.text, QStringLiteral("Complete reading data from the transceiver."));
            QCOMPARE(imageBytes(0, WholeReadImageRows), memory.left(WholeReadImageRows * 16));
        } else {
            QCOMPARE(moments[0].box.text, QStringLiteral("Fail connect with transceiver."));
            QCOMPARE(moments[0].box.title, QStringLiteral("Operate prompt"));
            QCOMPARE(label()->text(), QStringLiteral("Communication fault."));
            QCOMPARE(bar()->value(), 0);
            // A read that did not complete leaves the image as it was.
            QVERIFY(MemoryImage == before);
        }
        QVERIFY(!port(w)->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

    void noRadio()
    {
        FakeCommControl::plug(1, nullptr);  // the port exists, nothing answers
        fillImage(4);
        const auto before = imageCopy();
        ReadWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(label()->text(), QStringLiteral("Connecting with transceiver. "));
        TestClock::advance(16059);
        QVERIFY(moments.isEmpty());
        TestClock::advance(1);
        // Four attempts of 15 ms + 1000 ms, three 3000 ms pauses, and the
        // last pause before the report.
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].at, qint64(16060));
        QCOMPARE(moments[0].box.text, QStringLiteral("Fail connect with transceiver."));
        QCOMPARE(port(w)->openCount(), 4);
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(label()->text(), QStringLiteral("Communication fault."));
        QVERIFY(MemoryImage == before);
        TestClock::advance(60000);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(port(w)->openCount(), 4);
    }

    void portHeldElsewhere_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << 0
            << "Communication port is error, please setting right communication port . ！" << "Operate prompt";
        QTest::newRow("Chinese") << -1 << "通讯端口打开错误，请正确设置通讯端口 ！" << "操作提示";
    }
    void portHeldElsewhere()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(QString, title);
        LanguageFlag = qint16(language);
        FakeCommControl other;
        other.setCommPort(1);
        QVERIFY(other.setPortOpen(true));
        ReadWindow *w = open();
        label()->setText(QStringLiteral("earlier"));
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, text);
        QCOMPARE(moments[0].box.title, title);
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        QCOMPARE(PortErrorFlag, qint16(-1));
        QCOMPARE(w->session()->ReadBusy, qint16(0));
        QCOMPARE(label()->text(), QStringLiteral("earlier"));
        QVERIFY(bar()->isHidden());
        TestClock::advance(20000);
        QCOMPARE(moments.size(), 1);  // no retry after a failed open
        QVERIFY(radio->receivedBytes().isEmpty());
        other.setPortOpen(false);
    }

    void buttonsWhileBusy()
    {
        radio->setBytes(0, pattern(5, SimRadio::MemorySize));
        ReadWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(500);
        QCOMPARE(w->session()->ReadBusy, qint16(-1));
        const QString progress = label()->text();

        QVERIFY(clickWhereSeen(w->Command_read));
        QVERIFY(clickWhereSeen(button("Command_Cancel")));
        QVERIFY(clickWhereSeen(button("Command_Help")));
        QCOMPARE(moments.size(), 2);
        QCOMPARE(moments[0].box.text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(moments[0].box.title, QStringLiteral("Operate prompt"));
        QCOMPARE(moments[1].box.text, QStringLiteral("Read-write operating，don't close the window. ,"));
        QCOMPARE(moments[1].box.title, QStringLiteral("Operate prompt"));
        // The read stands still while a refusal is on screen.
        QVERIFY(!moments[0].timersRunning);
        QVERIFY(!moments[1].timersRunning);
        QCOMPARE(label()->text(), progress);
        QVERIFY(Windows::isLoaded(Name));

        // The refused clicks changed nothing: the read goes on to its end.
        TestClock::advance(60000);
        QCOMPARE(moments.size(), 3);
        QCOMPARE(moments[2].box.text, QStringLiteral("Complete reading data from the transceiver."));
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);

        // Idle: Cancel closes the window.
        QVERIFY(clickWhereSeen(button("Command_Cancel")));
        QVERIFY(!Windows::isLoaded(Name));
    }

    void closedInTheMiddle()
    {
        const QByteArray memory = pattern(13, SimRadio::MemorySize);
        radio->setBytes(0, memory);
        fillImage(6);
        const auto before = imageCopy();
        ReadWindow *w = open();
        QPointer<FakeCommControl> msc = port(w);
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(1500);
        QCOMPARE(w->session()->ReadBusy, qint16(-1));

        // The main window's menu entry closes and reloads the window.
        Windows::reload(Name);
        QVERIFY(!msc || !msc->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
        TestClock::advance(20000);
        QVERIFY(MemoryImage == before);
        QVERIFY(moments.isEmpty());

        // The new window reads at once: the port is free again.
        ReadWindow *fresh = window();
        QVERIFY(fresh && fresh != w);
        QCOMPARE(label()->text(), QString());
        QVERIFY(clickWhereSeen(fresh->Command_read));
        TestClock::advance(60000);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, QStringLiteral("Complete reading data from the transceiver."));
        QCOMPARE(imageBytes(0, WholeReadImageRows), memory.left(WholeReadImageRows * 16));
    }

    void portLostBetweenFrames()
    {
        // The port closes itself (a line error) while the next request waits
        // for the send timer: the attempt ends as a reply time-out would,
        // and the retry reads the whole radio.
        const QByteArray memory = pattern(17, SimRadio::MemorySize);
        radio->setBytes(0, memory);
        ReadWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(500);  // between two block requests
        QCOMPARE(w->session()->ReadBusy, qint16(-1));
        port(w)->setPortOpen(false);
        TestClock::advance(60000);
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, QStringLiteral("Complete reading data from the transceiver."));
        QCOMPARE(imageBytes(0, WholeReadImageRows), memory.left(WholeReadImageRows * 16));
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

    void readDuringRetryPause()
    {
        // The first attempt's handshake goes unanswered; Read pressed in the
        // retry pause starts the one exchange that runs, and the pending
        // retry is dropped.
        radio->setBytes(0, pattern(8, SimRadio::MemorySize));
        radio->setSilence(0, 1);
        ReadWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(2000);
        QCOMPARE(w->session()->ReadBusy, qint16(0));
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, QStringLiteral("Complete reading data from the transceiver."));
    }
};

QTEST_MAIN(TestReadWindow)
#include "tst_readwindow.moc"
