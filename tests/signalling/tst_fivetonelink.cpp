// The 5-tone editor's own exchange through the window, against the
// simulated radio on the test clock: a read of the 5-tone area that the
// window then shows, a write of the tables and the area as the image holds
// them (an open edit committed first), and a radio that does not answer.
#include "FiveToneFixture.h"
#include "support/LinkFrames.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "link/LinkSession.h"
#include "memory/FiveToneTables.h"
#include "signalling/FiveToneArea.h"

using namespace FiveToneArea;
using namespace LinkFrames;

class TstFiveToneLink : public QObject, FiveToneBench
{
    Q_OBJECT

private slots:
    void init() { setUpFiveTone(); }
    void cleanup() { tearDownFiveTone(); }

    void readShowsTheArea()
    {
        // The radio's 5-tone area: standards, encode entries and settings.
        QByteArray area(0x200, char(0xFF));
        for (int s = 0; s < 15; ++s) {
            area[16 * s + 0] = char(s);      // period 20 + 10 s
            area[16 * s + 1] = char(15 - s); // group tone
            area[16 * s + 2] = char(s);      // repeat tone
        }
        const QByteArray entry3 = QByteArray::fromHex("0102030405FFFFFFFFFFFFFFFFFFFF0B");
        area.replace(0x100 + 16 * 2, 16, entry3);
        area.replace(0x1F0, 16, QByteArray::fromHex("0A141E05FFFFFFFF0C020505FFFFFFFF").left(16));
        radio->setBytes(0x2400, area);
        MemoryImage[512][0] = 0x77;   // the tables are not read
        MemoryImage[656][0] = 0x66;   // beyond the area
        FiveToneWindow *w = FiveToneFixture::load();
        QSignalSpy done(w->session(), &LinkSession::readCompleted);
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(w->Label_tr_count->text(), "Connecting with transceiver. ");
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);

        QList<int> requests;
        for (const QByteArray &r : blockRequests(radio->frameBytes()))
            requests << frameAddress(r);
        QCOMPARE(requests, (QList<int>{0x2400, 0x2440, 0x2480, 0x24C0, 0x2500, 0x2540, 0x2580, 0x25C0}));
        for (int r = 0; r < 32; ++r)
            QCOMPARE(imageRow(FirstRow + r), radio->bytes(0x2400 + 16 * r, 16));
        QCOMPARE(int(MemoryImage[512][0]), 0x77);
        QCOMPARE(int(MemoryImage[656][0]), 0x66);
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(4, 1), "50");
        QCOMPARE(w->Frame_std->MSF_Chann->textMatrix(4, 2), "C");
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(3, 1), "12345");
        QCOMPARE(w->Frame_Encode->MSF_Encode->textMatrix(3, 4), "EURO");
        QCOMPARE(w->Frame_Encode->Combo_Enc_ys[3]->text(), "50");
        QCOMPARE(w->Frame_Encode->Combo_Decode_Std->text(), "CCITT");
        QCOMPARE(w->Frame_Encode->Combo_Dec_Res_Time->text(), "600");
        QCOMPARE(boxTexts(), QStringList{"Complete reading the data from transceiver."});
    }

    // The write sends rows 512 to 607 as the image holds them; the tables
    // are not rebuilt first, and an edit still open is committed.
    void writeSendsTablesAndArea()
    {
        MemoryImage[527][3] = 0x21;  // standard 15 of the first table
        FiveToneWindow *w = FiveToneFixture::load();
        QVERIFY(FiveToneFixture::clickTab(w, 1));
        QVERIFY(clickGridCellWhereSeen(w->Frame_Encode->MSF_Encode, 4, 1));
        QTest::keyClicks(w->Frame_Encode->Text_Encode, "ABCDE");
        QSignalSpy done(w->session(), &LinkSession::writeCompleted);
        QVERIFY(clickWhereSeen(w->Command_Write));
        QCOMPARE(MemoryImage[encodeRow(4)][0], 10);
        TestClock::advance(60000);
        QCOMPARE(done.count(), 1);
        QList<QByteArray> writes;
        for (const QByteArray &f : radio->frameBytes())
            if (f.startsWith('X') || f.startsWith(QByteArray("\x06X", 2)))
                writes << f;
        QCOMPARE(writes.size(), 96);
        for (int r = 0; r < 96; ++r)
            QCOMPARE(radio->bytes(0x2000 + 16 * r, 16), imageRow(512 + r));
        QCOMPARE(quint8(radio->byteAt(0x20F3)), quint8(0x21));
        QCOMPARE(radio->bytes(0x2530, 5), QByteArray::fromHex("0A0B0C0D0E"));
        QCOMPARE(boxTexts(), QStringList{"Complete Written Signal parameters to the transceiver."});
    }

    void silentRadio()
    {
        radio->setSilence(0);
        FiveToneWindow *w = FiveToneFixture::load();
        const auto before = MemoryImage;
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(60000);
        int handshakes = 0;
        for (const QByteArray &f : radio->frameBytes())
            handshakes += f == Handshake;
        QCOMPARE(handshakes, 4);
        QCOMPARE(boxTexts(), QStringList{"Fail connect with transceiver."});
        QCOMPARE(w->Label_tr_count->text(), "Communication fault.");
        QCOMPARE(w->ProgressBar1->value(), 0);
        QVERIFY(MemoryImage == before);
        QCOMPARE(w->session()->ReadBusy, qint16(0));
    }
};

QTEST_MAIN(TstFiveToneLink)
#include "tst_fivetonelink.moc"
