// The DTMF editor's own read and write through the window against the
// simulated radio: 8 block requests from 0x2900, 32 rows written, its texts,
// and a radio that does not answer (2000 ms between attempts, the fault in
// panel 2 of the status bar and no box).
#include "signalling/DtmfTwoToneFixture.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "link/LinkSession.h"
#include "platform/TextBox.h"
#include "signalling/DtmfEditorWindow.h"
#include "signalling/DtmfLayout.h"

using namespace LinkFrames;
using namespace DtmfTwoToneFixture;

namespace {
const int First = DtmfLayout::FirstRow;
const int Rows = DtmfLayout::RowCount;

DtmfEditorWindow *load()
{
    return qobject_cast<DtmfEditorWindow *>(Windows::load(WindowName::frm_dtmf));
}

int addressOf(const QByteArray &frame)
{
    const int x = frame.startsWith('\x06') ? 1 : 0;
    return (quint8(frame.at(x + 1)) << 8) | quint8(frame.at(x + 2));
}

QList<QByteArray> writeFrames(const SimRadio &radio)
{
    QList<QByteArray> writes;
    for (const QByteArray &f : radio.frameBytes())
        if (f.startsWith('X') || f.startsWith(QByteArray("\x06X", 2)))
            writes << f;
    return writes;
}
} // namespace

class TstDtmfLink : public QObject, LinkTestBench
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpBench();
        DtmfTwoToneFixture::reset(WindowName::frm_dtmf, [] { return new DtmfEditorWindow; });
        useFakePorts();
        plugRadio(1);
    }
    void cleanup()
    {
        DtmfTwoToneFixture::cleanup();
        tearDownBench();
    }

    void readFillsTheAreaAndShowsIt_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::newRow("English") << 0 << "Read DTMF Signal parameters in gear. "
                                 << "Complete reading the data from transceiver.";
        QTest::newRow("Chinese") << -1 << "DTMF 信令参数读出正常 ！" << "从对讲机中读取数据完毕 ！";
    }
    void readFillsTheAreaAndShowsIt()
    {
        QFETCH(int, language);
        QFETCH(QString, label);
        QFETCH(QString, box);
        QByteArray area(Rows * 16, char(0xFF));
        for (int i = 0; i < area.size(); ++i)
            area[i] = char((i * 5 + 1) % 16);  // DTMF codes everywhere
        radio->setBytes(0x2900, area);
        MemoryImage[First - 1][0] = 0x42;
        MemoryImage[First + Rows][15] = 0x42;
        LanguageFlag = qint16(language);
        DtmfEditorWindow *w = load();
        QSignalSpy done(w->session(), &LinkSession::readCompleted);
        QVERIFY(clickOnScreen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);

        const QList<QByteArray> requests = blockRequests(radio->frameBytes());
        QCOMPARE(requests.size(), 8);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(requests.at(k), request(0x2900 + 64 * k));
        QCOMPARE(imageBytes(First, Rows), area);
        QCOMPARE(int(MemoryImage[First - 1][0]), 0x42);
        QCOMPARE(int(MemoryImage[First + Rows][15]), 0x42);
        // Shown at once: encode code 1 is the first 16 codes of the radio.
        QCOMPARE(w->findChild<TextBox *>("Text_tx_Encode(0)")->text(),
                 QStringLiteral("16*D50C49B38A27#"));
        QCOMPARE(w->Label_tr_count->text(), label);
        QCOMPARE(boxTexts(), QStringList{box});
        QCOMPARE(MainPanel(2), QStringLiteral("ZQ7310"));
    }

    void writeSendsTheThirtyTwoRows()
    {
        for (int r = First; r < First + Rows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = qint16((r * 3 + c) & 0xFF);
        DtmfEditorWindow *w = load();
        QSignalSpy done(w->session(), &LinkSession::writeCompleted);
        QVERIFY(clickOnScreen(w->Command_Write));
        // The first progress label, after the first row's Ack, names one row.
        for (int ms = 0; ms < 5000 && !w->Label_tr_count->text().startsWith("Writing"); ++ms)
            TestClock::advance(1);
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Writing  1  Data Block"));
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        const QList<QByteArray> writes = writeFrames(*radio);
        QCOMPARE(writes.size(), 32);
        QCOMPARE(writes.first(), QByteArray("X\x29\x00\x10", 4) + imageRow(First));
        for (int k = 1; k < 32; ++k) {
            QCOMPARE(writes.at(k).size(), 21);
            QCOMPARE(addressOf(writes.at(k)), 0x2900 + 16 * k);
            QCOMPARE(writes.at(k).right(16), imageRow(First + k));
        }
        QCOMPARE(radio->bytes(0x2900, Rows * 16), imageBytes(First, Rows));
        QCOMPARE(boxTexts(),
                 QStringList{"Complete Written DTMF Signal parameters to the transceiver."});
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Complete Written DTMF Signal parameters "));
    }

    void silentRadioEndsInPanelTwo_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("label");
        QTest::newRow("read") << 0 << false << "Communication fault." << "Connecting with transceiver. ";
        QTest::newRow("write, Chinese") << -1 << true << "联机故障 ！" << "正在与对讲机联络 ！";
    }
    void silentRadioEndsInPanelTwo()
    {
        QFETCH(int, language);
        QFETCH(bool, write);
        QFETCH(QString, panel);
        QFETCH(QString, label);
        radio->setSilence(0);
        LanguageFlag = qint16(language);
        DtmfEditorWindow *w = load();
        const auto before = rows(First, Rows);
        QSignalSpy failed(w->session(), &LinkSession::exchangeFailed);
        QVERIFY(clickOnScreen(write ? w->Command_Write : w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(failed.count(), 1);
        QList<double> handshakes;
        for (const SimRadio::Frame &f : radio->frames())
            if (f.bytes == Handshake)
                handshakes << f.firstMs;
        QCOMPARE(handshakes.size(), 4);
        // The 1000 ms reply time-out, then the 2000 ms retry pause.
        for (int k = 1; k < 4; ++k) {
            const double gap = handshakes[k] - handshakes[k - 1];
            QVERIFY2(gap >= 3000 && gap < 3100, qPrintable(QString::number(gap)));
        }
        QCOMPARE(MainPanel(2), panel);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        QCOMPARE(w->Label_tr_count->text(), label);
        QVERIFY(!w->session()->exchangeRunning());
        QCOMPARE(rows(First, Rows), before);
    }
};

QTEST_MAIN(TstDtmfLink)
#include "tst_dtmflink.moc"
