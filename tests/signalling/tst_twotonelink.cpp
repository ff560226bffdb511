// The 2-tone editor's own read and write through the window against the
// simulated radio: 12 block requests from 0x2D00, 48 rows written, an open
// encode edit going out with the write, and a radio that does not answer.
#include "signalling/DtmfTwoToneFixture.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "link/LinkSession.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "signalling/TwoToneEditorWindow.h"
#include "signalling/TwoToneLayout.h"

using namespace LinkFrames;
using namespace DtmfTwoToneFixture;

namespace {
const int First = TwoToneLayout::FirstRow;
const int Rows = TwoToneLayout::RowCount;

TwoToneEditorWindow *load()
{
    return qobject_cast<TwoToneEditorWindow *>(Windows::load(WindowName::frm_2tone));
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

class TstTwoToneLink : public QObject, LinkTestBench
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpBench();
        DtmfTwoToneFixture::reset(WindowName::frm_2tone, [] { return new TwoToneEditorWindow; });
        useFakePorts();
        plugRadio(1);
    }
    void cleanup()
    {
        DtmfTwoToneFixture::cleanup();
        tearDownBench();
    }

    void readFillsTheAreaAndShowsIt()
    {
        QByteArray area(Rows * 16, char(0x5A));
        area[16 * 4 + 0] = char(0xE8);  // 1000 Hz: E8 03
        area[16 * 4 + 1] = char(0x03);
        radio->setBytes(0x2D00, area);
        MemoryImage[First - 1][0] = 0x42;
        MemoryImage[First + Rows][0] = 0x42;
        TwoToneEditorWindow *w = load();
        QSignalSpy done(w->session(), &LinkSession::readCompleted);
        QVERIFY(clickOnScreen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        const QList<QByteArray> requests = blockRequests(radio->frameBytes());
        QCOMPARE(requests.size(), 12);
        for (int k = 0; k < 12; ++k)
            QCOMPARE(requests.at(k), request(0x2D00 + 64 * k));
        // The read's redisplay stores the reset byte, 0x5A past its list of
        // 80, as the last entry it shows (79); the tone times (90) are in
        // their lists and stay as read.
        QByteArray shown = area;
        shown[16 * 47] = char(79);
        QCOMPARE(imageBytes(First, Rows), shown);
        QCOMPARE(w->controls.timings[0]->text(), QStringLiteral("900"));
        QCOMPARE(w->controls.timings[3]->text(), QStringLiteral("8000"));
        QCOMPARE(int(MemoryImage[First - 1][0]), 0x42);
        QCOMPARE(int(MemoryImage[First + Rows][0]), 0x42);
        QCOMPARE(w->controls.MSF_Encode->textMatrix(5, 1), QStringLiteral("1000.0"));
        QCOMPARE(w->controls.MSF_Encode->textMatrix(1, 1), QString());  // 0x5A5A is out of range
        QCOMPARE(boxTexts(), QStringList{"Complete reading the data from transceiver."});
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Read Signal parameters in gear. "));
    }

    void writeSendsAnOpenEditWithTheRows()
    {
        TwoToneEditorWindow *w = load();
        QVERIFY(clickCell(w->controls.MSF_Encode, 4, 1));
        TextBox *e = w->controls.Text_Encode;
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QStringLiteral("2100"));
        QSignalSpy done(w->session(), &LinkSession::writeCompleted);
        // The button pressed with the edit still open.
        QVERIFY(clickOnScreen(w->Command_Write));
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        const QList<QByteArray> writes = writeFrames(*radio);
        QCOMPARE(writes.size(), 48);
        QCOMPARE(writes.first(), QByteArray("X\x2D\x00\x10", 4) + imageRow(First));
        QCOMPARE(radio->bytes(0x2D00, Rows * 16), imageBytes(First, Rows));
        QCOMPARE(radio->bytes(0x2D30, 2), QByteArray("\x34\x08", 2));  // 2100 Hz
        QCOMPARE(boxTexts(), QStringList{"Complete Written Signal parameters to the transceiver."});
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Complete Written Signal parameters "));
    }

    void silentRadio()
    {
        radio->setSilence(0);
        LanguageFlag = -1;
        TwoToneEditorWindow *w = load();
        const auto before = rows(First, Rows);
        QSignalSpy failed(w->session(), &LinkSession::exchangeFailed);
        QVERIFY(clickOnScreen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(failed.count(), 1);
        int handshakes = 0;
        for (const QByteArray &f : radio->frameBytes())
            handshakes += f == Handshake;
        QCOMPARE(handshakes, 4);
        QCOMPARE(boxTexts(), QStringList{"与对讲机联络失败 ！"});
        QCOMPARE(w->ProgressBar1->value(), 0);
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("与对讲机通讯故障 ！"));
        QCOMPARE(rows(First, Rows), before);
    }
};

QTEST_MAIN(TstTwoToneLink)
#include "tst_twotonelink.moc"
