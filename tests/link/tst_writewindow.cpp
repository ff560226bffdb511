// The whole-radio write window against the simulated radio on the manual test
// clock: the five-tone tables rebuilt before every write, the exact 784
// frames, progress and texts, a radio that stops or answers wrongly, no radio,
// a port held elsewhere, the busy refusals, a Write in the wait before the
// failure report, and closing the window in the middle of a write.
#include <QtTest>

#include <QLineEdit>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/WriteWindow.h"
#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/TransferWindowFixture.h"

using namespace LinkFrames;

namespace {
const QString Name = QStringLiteral("Form_Comm_Write");
constexpr int ToneTableRow = 512;
constexpr int ToneTableRows = 64;

// Every frame of one complete write of image rows 0 to 783.
QList<QByteArray> wholeWriteFrames()
{
    QList<QByteArray> f{Handshake, Ack, request(0x3DF0, 0x10), Ack};
    for (int n = 0; n < WholeWriteRows; ++n)
        f << writeFrame(16 * n, n > 0);
    return f;
}

void fillImage(int seed)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < ImageCols; ++c)
            MemoryImage[r][c] = qint16((seed + r * 5 + c * 11) & 0xFF);
}

// Rows 512-575 as BuildFiveToneTables computes them; the image is unchanged.
QByteArray computedToneTables()
{
    const auto saved = MemoryImage;
    BuildFiveToneTables();
    const QByteArray tables = imageBytes(ToneTableRow, ToneTableRows);
    MemoryImage = saved;
    return tables;
}

bool isWriteFrame(const QByteArray &f)
{
    return (f.size() == 20 && f.startsWith('X')) || (f.size() == 21 && f.startsWith("\x06X"));
}

// How the radio fails in the failure tests.
enum Fault { Silent, WrongByte, SecondAck };
}

class TestWriteWindow : public QObject, TransferWindowFixture<WriteWindow>
{
    Q_OBJECT

public:
    TestWriteWindow() : TransferWindowFixture(Name) {}

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void captions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // window, write, cancel, help, password label
        QTest::newRow("English") << 0 << QStringList{"Write Data to Radio", "Write", "Cancel", "Help", "PassWord"};
        QTest::newRow("Chinese") << -1 << QStringList{"写数据到对讲机", "写入", "取消", "帮助", "读写密码"};
    }
    void captions()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        LanguageFlag = qint16(language);
        WriteWindow *w = open();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), texts[0]);
        QCOMPARE(button("Command_Write")->text(), texts[1]);
        QCOMPARE(button("Command_Cancel")->text(), texts[2]);
        QCOMPARE(button("Command_Help")->text(), texts[3]);
        auto *caption = w->findChild<QLabel *>(QStringLiteral("Label_PassWord"));
        auto *password = w->findChild<QLineEdit *>(QStringLiteral("Text_PassWord"));
        QCOMPARE(caption->text(), texts[4]);
        QCOMPARE(caption->buddy(), password);
        QCOMPARE(password->text(), QStringLiteral("902735"));
        QCOMPARE(label()->text(), QString());
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QCOMPARE(w->closeRequest(), qint16(0));
    }

    void wholeWrite_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("rowLabel");  // with %1 for n
        QTest::addColumn<QString>("doneBox");
        QTest::addColumn<QString>("doneLabel");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << 0 << "Writing  %1  Data Block" << "Complete Written the data to transceiver."
                                 << "Data Writed ！" << "Operate prompt";
        QTest::newRow("Chinese") << -1 << "正在写入  %1  数据块" << "向对讲机写入数据完毕 ！"
                                 << "参数写入完毕 ！" << "操作提示";
    }
    void wholeWrite()
    {
        QFETCH(int, language);
        QFETCH(QString, rowLabel);
        QFETCH(QString, doneBox);
        QFETCH(QString, doneLabel);
        QFETCH(QString, title);
        LanguageFlag = qint16(language);
        fillImage(21);
        // Whatever stands in the tone-table rows is replaced before the write.
        for (int r = ToneTableRow; r < ToneTableRow + ToneTableRows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = 0x11;
        const QByteArray tables = computedToneTables();
        QVERIFY(tables != imageBytes(ToneTableRow, ToneTableRows));
        RegionToggle = -1;

        WriteWindow *w = open();
        QList<int> bars;
        QStringList labels;
        connect(radio.get(), &SimRadio::frameReceived, w, [&](const QByteArray &f) {
            if (isWriteFrame(f)) {
                bars << bar()->value();
                labels << label()->text();
            }
        });
        QVERIFY(clickWhereSeen(w->Command_Write));
        QCOMPARE(imageBytes(ToneTableRow, ToneTableRows), tables);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        QCOMPARE(RegionToggle, qint16(0));
        QVERIFY(!bar()->isHidden());
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(label()->text(), language ? QStringLiteral("正在与对讲机联络 ！")
                                           : QStringLiteral("Connecting with transceiver. "));
        TestClock::advance(60000);

        // 784 frames in address order, the first without its Ack; each row
        // as the image holds it, rows 784 on never sent.
        QCOMPARE(radio->frameBytes(), wholeWriteFrames());
        QCOMPARE(radio->bytes(0, WholeWriteRows * 16), imageBytes(0, WholeWriteRows));
        QCOMPARE(radio->bytes(0x2000, 0x400), tables);
        QCOMPARE(radio->bytes(WholeWriteRows * 16, 0x3DF0 - WholeWriteRows * 16),
                 QByteArray(0x3DF0 - WholeWriteRows * 16, char(0xFF)));
        // The bar and the row label when row n goes out: Int(n / 784 * 100), n.
        QCOMPARE(bars.size(), WholeWriteRows);
        QCOMPARE(labels[0], language ? QStringLiteral("正在与对讲机联络 ！")
                                     : QStringLiteral("Connecting with transceiver. "));
        for (int n = 1; n < WholeWriteRows; ++n) {
            QCOMPARE(bars[n], int(double(n) / 784 * 100));
            QCOMPARE(labels[n], rowLabel.arg(n));
        }
        QCOMPARE(bars[7], 0);
        QCOMPARE(bars[8], 1);
        QCOMPARE(bars[392], 50);
        QCOMPARE(bars[783], 99);
        // The box, then the label; the bar stays at 99.
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, doneBox);
        QCOMPARE(moments[0].box.title, title);
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        QCOMPARE(moments[0].label, rowLabel.arg(783));
        QCOMPARE(label()->text(), doneLabel);
        QCOMPARE(bar()->value(), 99);
        QVERIFY(!port(w)->portOpen());
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QVERIFY(!LinkSession::anyExchangeRunning());

        // A second Write starts afresh from row 0.
        radio->clearRecord();
        fillImage(99);
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(60000);
        QCOMPARE(radio->frameBytes(), wholeWriteFrames());
        QCOMPARE(radio->bytes(0, WholeWriteRows * 16), imageBytes(0, WholeWriteRows));
        QCOMPARE(moments.size(), 2);
    }

    void radioFails_data()
    {
        QTest::addColumn<int>("request");  // request number of the first frame not taken
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("language");
        // Request 0 is the handshake, 1 the password block, 2 + n row n.
        QTest::newRow("no answer to the handshake") << 0 << int(Silent) << 0;
        QTest::newRow("no answer to the password block") << 1 << int(Silent) << 0;
        QTest::newRow("stops at row 0") << 2 << int(Silent) << 0;
        QTest::newRow("stops at row 300") << 302 << int(Silent) << 0;
        QTest::newRow("stops at row 300, Chinese") << 302 << int(Silent) << -1;
        QTest::newRow("stops at the last row") << 785 << int(Silent) << 0;
        QTest::newRow("wrong byte for row 300") << 302 << int(WrongByte) << 0;
        // Row 300's Ack, then a second one while row 301 is on the wire;
        // the radio lost row 301 and never answers it.
        QTest::newRow("second Ack for row 300, row 301 lost") << 303 << int(SecondAck) << 0;
    }
    void radioFails()
    {
        QFETCH(int, request);
        QFETCH(int, fault);
        QFETCH(int, language);
        LanguageFlag = qint16(language);
        fillImage(3);
        if (fault == Silent)
            radio->setSilence(request, -1);
        else if (fault == WrongByte)
            radio->setWriteAck(request, 0x15);
        else
            radio->lateSecondAck(request - 1, 30);
        WriteWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(120000);

        const auto frames = radio->frameBytes();
        // One attempt, nothing resent.
        QCOMPARE(countFrames(frames, Handshake), 1);
        const int rowsSent = int(std::count_if(frames.begin(), frames.end(), isWriteFrame));
        QCOMPARE(rowsSent, request == 0 ? 0 : request - 1);
        // The report comes 1000 ms + 5000 ms after the last frame went out.
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].at, qint64(radio->frames().last().lastMs) + 6000);
        // Once the radio has taken rows, the box says that it holds part of
        // the new data.
        QString box = language ? QStringLiteral("与对讲机联络失败 ！")
                               : QStringLiteral("Fail connect with transceiver.");
        if (request > 2)
            box += language ? QStringLiteral("\n对讲机现在只存有部分新数据，请重新写入 ！")
                            : QStringLiteral("\nThe radio now holds only part of the new data. Write it again.");
        QCOMPARE(moments[0].box.text, box);
        QCOMPARE(moments[0].box.title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        // Over the box the bar is hidden at 0 and the label empty.
        QCOMPARE(moments[0].label, QString());
        QCOMPARE(moments[0].bar, 0);
        QVERIFY(!moments[0].barShown);
        QCOMPARE(label()->text(), language ? QStringLiteral("与对讲机通讯故障 ！")
                                           : QStringLiteral("Communication fault."));
        QVERIFY(!port(w)->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
        // The rows the radio acknowledged stay written.
        if (request > 2)
            QCOMPARE(radio->bytes(0, (request - 2) * 16), imageBytes(0, request - 2));
        if (fault == SecondAck)  // the lost row is not on the radio
            QVERIFY(radio->bytes((request - 2) * 16, 16) != imageRow(request - 2));
    }

    void noRadioTiming_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fault");
        QTest::newRow("English") << 0 << "Fail connect with transceiver." << "Communication fault.";
        QTest::newRow("Chinese") << -1 << "与对讲机联络失败 ！" << "与对讲机通讯故障 ！";
    }
    void noRadioTiming()
    {
        QFETCH(int, language);
        QFETCH(QString, box);
        QFETCH(QString, fault);
        LanguageFlag = qint16(language);
        FakeCommControl::plug(1, nullptr);
        WriteWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(1015);
        // The reply time-out has passed: the busy flags are clear, the report waits.
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QVERIFY(!port(w)->portOpen());
        TestClock::advance(4999);
        QVERIFY(moments.isEmpty());
        TestClock::advance(1);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].at, qint64(6015));
        QCOMPARE(moments[0].box.text, box);
        QCOMPARE(label()->text(), fault);
        TestClock::advance(60000);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(port(w)->openCount(), 1);
    }

    void portLostBetweenRows()
    {
        // The port closes itself while the next row waits for the send
        // timer: the write is reported failed 5000 ms later, never done.
        fillImage(14);
        WriteWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(500);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        port(w)->setPortOpen(false);
        const qint64 lost = TestClock::now();
        TestClock::advance(60000);
        QCOMPARE(boxTexts(), QStringList{"Fail connect with transceiver.\nThe radio now holds only part "
                                         "of the new data. Write it again."});
        QVERIFY(moments[0].at > lost && moments[0].at <= lost + 15 + 5000);
        QCOMPARE(label()->text(), QStringLiteral("Communication fault."));
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

    void writeBeforeTheFailureReport()
    {
        // The handshake goes unanswered; Write pressed in the 5000 ms before
        // the report starts a new write, and the pending report is dropped.
        fillImage(8);
        radio->setSilence(0, 1);
        WriteWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(3000);
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(60000);
        QCOMPARE(boxTexts(), QStringList{"Complete Written the data to transceiver."});
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 2);
        QCOMPARE(radio->bytes(0, WholeWriteRows * 16), imageBytes(0, WholeWriteRows));
        QCOMPARE(label()->text(), QStringLiteral("Data Writed ！"));
    }

    void portHeldElsewhere()
    {
        fillImage(12);
        const QByteArray tables = computedToneTables();
        FakeCommControl other;
        other.setCommPort(1);
        QVERIFY(other.setPortOpen(true));
        WriteWindow *w = open();
        label()->setText(QStringLiteral("earlier"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        QCOMPARE(boxTexts(), QStringList{"Communication port is error, please setting right communication port . ！"});
        QCOMPARE(moments[0].box.title, QStringLiteral("Operate prompt"));
        QCOMPARE(PortErrorFlag, qint16(-1));
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QCOMPARE(label()->text(), QStringLiteral("earlier"));
        QVERIFY(bar()->isHidden());
        // The tone tables were rebuilt all the same.
        QCOMPARE(imageBytes(ToneTableRow, ToneTableRows), tables);
        TestClock::advance(20000);
        QCOMPARE(moments.size(), 1);
        QVERIFY(radio->receivedBytes().isEmpty());
        other.setPortOpen(false);
    }

    void buttonsWhileBusy()
    {
        fillImage(4);
        WriteWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(500);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        // A Write refused while busy does not rebuild the tone tables either.
        MemoryImage[ToneTableRow][0] = 0x33;
        const QString progress = label()->text();

        QVERIFY(clickWhereSeen(w->Command_Write));
        QVERIFY(clickWhereSeen(button("Command_Cancel")));
        QVERIFY(clickWhereSeen(button("Command_Help")));
        QCOMPARE(boxTexts(), (QStringList{"Read-write operating with transceiver .",
                                          "Read-write operating，don't close the window. ,"}));
        QCOMPARE(moments[0].box.title, QStringLiteral("Operate prompt"));
        QCOMPARE(moments[1].box.title, QStringLiteral("Operate prompt"));
        QCOMPARE(MemoryImage[ToneTableRow][0], qint16(0x33));
        QCOMPARE(label()->text(), progress);
        QVERIFY(Windows::isLoaded(Name));

        TestClock::advance(60000);
        QCOMPARE(moments.size(), 3);
        QCOMPARE(moments[2].box.text, QStringLiteral("Complete Written the data to transceiver."));
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);

        QVERIFY(clickWhereSeen(button("Command_Cancel")));
        QVERIFY(!Windows::isLoaded(Name));
    }

    void cancelBeforeTheFailureReport()
    {
        // Between the time-out and the report the window is not busy: Cancel
        // closes it, and no report follows.
        FakeCommControl::plug(1, nullptr);
        WriteWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(2000);
        QVERIFY(clickWhereSeen(button("Command_Cancel")));
        QVERIFY(!Windows::isLoaded(Name));
        TestClock::advance(20000);
        QVERIFY(moments.isEmpty());
        QVERIFY(!LinkSession::anyExchangeRunning());
        Q_UNUSED(w);
    }

    void closedInTheMiddle()
    {
        fillImage(6);
        WriteWindow *w = open();
        QPointer<FakeCommControl> msc = port(w);
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(3000);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));

        Windows::reload(Name);
        QVERIFY(!msc || !msc->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
        TestClock::advance(20000);
        QVERIFY(moments.isEmpty());

        WriteWindow *fresh = window();
        QVERIFY(fresh && fresh != w);
        radio->clearRecord();
        QVERIFY(clickWhereSeen(fresh->Command_Write));
        TestClock::advance(60000);
        QCOMPARE(boxTexts(), QStringList{"Complete Written the data to transceiver."});
        QCOMPARE(radio->frameBytes(), wholeWriteFrames());
    }
};

QTEST_MAIN(TestWriteWindow)
#include "tst_writewindow.moc"
