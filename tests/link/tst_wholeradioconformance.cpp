// The whole-radio read window's failure report, step by step: the box comes
// up over the progress the read had reached, and only after it the bar goes
// to 0 (still shown) and the status line to the fault text. The write window
// reports the other way round (bar hidden and line emptied first), so the two
// must not be mixed up when their shared set-up changes.
#include <QtTest>

#include "link/LinkSession.h"
#include "link/ReadWindow.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/VbTimer.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/TransferWindowFixture.h"

using namespace LinkFrames;

namespace {
const QString ReadName = QStringLiteral("Form_Comm_Read");

QByteArray pattern(int seed, int n)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((seed + i * 5 + i / 256) & 0xFF);
    return b;
}
}

class TestWholeRadioConformance : public QObject, TransferWindowFixture<ReadWindow>
{
    Q_OBJECT

public:
    TestWholeRadioConformance() : TransferWindowFixture(ReadName) {}

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void readFailureReportOrder_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("progress");  // the line when the radio fell silent
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fault");
        QTest::newRow("English") << 0 << "Reading 100 Data Block" << "Fail connect with transceiver."
                                 << "Operate prompt" << "Communication fault.";
        QTest::newRow("Chinese") << -1 << "正在读取 100 数据块" << "与对讲机联络失败 ！"
                                 << "操作提示" << "与对讲机通讯故障 ！";
    }
    void readFailureReportOrder()
    {
        QFETCH(int, language);
        QFETCH(QString, progress);
        QFETCH(QString, box);
        QFETCH(QString, title);
        QFETCH(QString, fault);
        LanguageFlag = qint16(language);
        radio->setBytes(0, pattern(29, SimRadio::MemorySize));
        // Requests 0-2 are the handshake, the password block and the first
        // block request; the one after block 100 and all later ones go
        // unanswered, so every retry fails at its handshake.
        radio->setSilence(102, -1);
        const auto before = MemoryImage;
        ReadWindow *w = open();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(120000);

        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 4);
        QCOMPARE(moments.size(), 1);
        QCOMPARE(moments[0].box.text, box);
        QCOMPARE(moments[0].box.title, title);
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        // Over the box: the progress of the first attempt, untouched by the
        // retries.
        QCOMPARE(moments[0].label, progress);
        QCOMPARE(moments[0].bar, int(100 / 201.0 * 100));
        QVERIFY(moments[0].barShown);
        // After it: the bar at 0 and still shown, the fault line.
        QCOMPARE(bar()->value(), 0);
        QVERIFY(!bar()->isHidden());
        QCOMPARE(label()->text(), fault);
        QVERIFY(MemoryImage == before);
        QVERIFY(!port(w)->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
    }
};

QTEST_MAIN(TestWholeRadioConformance)
#include "tst_wholeradioconformance.moc"
