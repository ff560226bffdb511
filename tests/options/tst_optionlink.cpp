// The option editor's own exchange against the simulated radio, through the
// window: 8 read requests from 0x0E00 to 0x0FC0 replacing rows 224-255 and
// shown at once, 32 write frames, the progress and status texts in both
// languages, a radio that does not answer.
#include "options/OptionWindowFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "link/LinkSession.h"
#include "options/FrequencyModeFrame.h"

using namespace OptionWindowFixture;
using namespace LinkFrames;

namespace {
int addressOf(const QByteArray &frame)
{
    const int x = frame.indexOf('X');
    return (quint8(frame.at(x + 1)) << 8) | quint8(frame.at(x + 2));
}

// A radio whose option area differs from the factory image: squelch 8, ANI
// 9087, record A 439.12500 with tone D023N, record B with an unlisted tone,
// power-on text "RADIO  ONE".
void fillRadio(SimRadio &radio)
{
    QByteArray area(0x200, char(0));
    area[2] = 8;
    const QByteArray ani = QByteArray::fromHex("090a0807ffffffffffffffffffffffff");
    area.replace(0xD0, 16, ani);
    area.replace(0x100, 8, QByteArray::fromHex("0403090102050000"));
    area[0x110] = 0x01;
    area[0x120] = 0x01;
    area[0x130] = char(0xED);  // 100.5 Hz
    area[0x131] = 0x03;
    area.replace(0x1E0, 16, QByteArray("RADIO  ONE      "));
    radio.setBytes(0x0E00, area);
}
} // namespace

class TstOptionLink : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;
    // Each frame the radio hears, with the bar and the label at that moment.
    struct Heard {
        QByteArray frame;
        int bar;
        QString label;
    };
    QList<Heard> heard;

    OptionEditorWindow *loadWatched();

private slots:
    void init();
    void cleanup();
    void readReplacesTheAreaAndShowsIt_data();
    void readReplacesTheAreaAndShowsIt();
    void writeSendsThirtyTwoFrames();
    void silentRadioFailsAfterFourAttempts();
    void readAndWriteRefuseWhileBusy();
    void erasedRadioIsWrittenBackAsShown();
};

void TstOptionLink::init()
{
    setUpBench();
    resetProgramState();
    defineWindows();
    useFakePorts();
    plugRadio(1);
    main = std::make_unique<MainStandIn>();
    heard.clear();
}

void TstOptionLink::cleanup()
{
    cleanupProgramState();
    main.reset();
    tearDownBench();
}

OptionEditorWindow *TstOptionLink::loadWatched()
{
    OptionEditorWindow *w = load();
    connect(radio.get(), &SimRadio::frameReceived, w, [this, w](const QByteArray &f) {
        heard << Heard{f, w->ProgressBar1->value(), w->Label_tr_count->text()};
    });
    return w;
}

void TstOptionLink::readReplacesTheAreaAndShowsIt_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");  // connecting, first progress, done label, box
    QTest::newRow("English") << 0
        << QStringList{"Connecting with transceiver. ", "Reading 3 Data Block",
                       "Read optional parameters in gear. ",
                       "Complete reading the data from transceiver."};
    QTest::newRow("Chinese") << -1
        << QStringList{"正在与对讲机联络 ！", "正在读取 3 数据块", "可选参数读出正常 ！",
                       "从对讲机中读取数据完毕 ！"};
}

void TstOptionLink::readReplacesTheAreaAndShowsIt()
{
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    LanguageFlag = qint16(language);
    fillRadio(*radio);
    MemoryImage[223][15] = 0x12;  // just outside the area
    MemoryImage[256][0] = 0x34;
    OptionEditorWindow *w = loadWatched();
    QSignalSpy done(w->session(), &LinkSession::readCompleted);
    QVERIFY(clickWhereSeen(w->Command_read));
    QCOMPARE(w->Label_tr_count->text(), texts[0]);
    QVERIFY(!w->ProgressBar1->isHidden());
    TestClock::advance(60000);
    QCOMPARE(done.count(), 1);

    QList<int> requests;
    for (const QByteArray &r : blockRequests(radio->frameBytes()))
        requests << frameAddress(r);
    QCOMPARE(requests, (QList<int>{0x0E00, 0x0E40, 0x0E80, 0x0EC0, 0x0F00, 0x0F40, 0x0F80, 0x0FC0}));
    QCOMPARE(imageBytes(224, 32), radio->bytes(0x0E00, 0x200));
    QCOMPARE(int(MemoryImage[223][15]), 0x12);
    QCOMPARE(int(MemoryImage[256][0]), 0x34);
    // When the radio hears the second request, the first block is in.
    QList<Heard> at;
    for (const Heard &h : heard)
        if (h.frame.startsWith('S') && h.frame != request(0x3DF0, 0x10))
            at << h;
    QCOMPARE(at.size(), 8);
    QCOMPARE(at[1].bar, 33);
    QCOMPARE(at[1].label, texts[1]);
    QCOMPARE(w->Label_tr_count->text(), texts[2]);
    QCOMPARE(boxTexts(), QStringList{texts[3]});
    QCOMPARE(MsgBoxRecorder::boxes()[0].title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
    // Shown at once; every byte lies within its list, so showing changed nothing.
    QCOMPARE(control<PickList>(w, "Combo_Sql")->text(), QStringLiteral("8"));
    QCOMPARE(w->panel->Text_ANI->text(), QStringLiteral("9087"));
    QCOMPARE(w->panel->Frame_A->Text_Freq->text(), QStringLiteral("439.12500"));
    QCOMPARE(control<PickList>(w, "Combo_r_ctdcs_a")->text(), QStringLiteral("D023N"));
    QCOMPARE(control<PickList>(w, "Combo_r_ctdcs_b")->listIndex(), -1);
    QCOMPARE(w->panel->Text_Model_Disp->text(), QStringLiteral("RADIO  ONE"));
    QCOMPARE(imageBytes(224, 32), radio->bytes(0x0E00, 0x200));
}

void TstOptionLink::writeSendsThirtyTwoFrames()
{
    for (int r = 224; r < 256; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = qint16((r * 7 + c) & 0xFF);
    OptionEditorWindow *w = loadWatched();
    const QByteArray area = imageBytes(224, 32);
    QSignalSpy done(w->session(), &LinkSession::writeCompleted);
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(60000);
    QCOMPARE(done.count(), 1);

    QList<QByteArray> writes;
    QList<QPair<int, QString>> atWrite;
    int acksBeforeWrites = 0;  // after the password request: its Ack, then one per later row
    bool passwordAsked = false;
    for (qsizetype i = 0; i < heard.size(); ++i) {
        const Heard &h = heard[i];
        passwordAsked = passwordAsked || h.frame == request(0x3DF0, 0x10);
        if (h.frame == Ack && passwordAsked)
            ++acksBeforeWrites;
        if (h.frame.startsWith('X')) {
            writes << h.frame;
            atWrite << qMakePair(h.bar, h.label);
            // Every row after the first comes right behind an Ack.
            if (writes.size() > 1)
                QCOMPARE(heard[i - 1].frame, Ack);
        }
    }
    QCOMPARE(writes.size(), 32);
    QCOMPARE(acksBeforeWrites, 1 + 31);
    for (int k = 0; k < 32; ++k)
        QCOMPARE(writes[k], writeFrame(0x0E00 + 16 * k, false));
    QCOMPARE(radio->bytes(0x0E00, 0x200), area);
    // The label counts the rows acknowledged so far.
    QCOMPARE(atWrite[1], qMakePair(3, QStringLiteral("Writing  1  Data Block")));
    QCOMPARE(atWrite[31], qMakePair(96, QStringLiteral("Writing  31  Data Block")));
    QCOMPARE(boxTexts(),
             QStringList{QStringLiteral("Complete writing optional parameters to the transceiver.")});
    QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Complete writing optional parameters "));
    QCOMPARE(w->ProgressBar1->value(), 96);
}

void TstOptionLink::silentRadioFailsAfterFourAttempts()
{
    radio->setSilence(0);
    OptionEditorWindow *w = loadWatched();
    QSignalSpy failed(w->session(), &LinkSession::exchangeFailed);
    const QByteArray area = imageBytes(224, 32);
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(60000);
    QCOMPARE(failed.count(), 1);
    QList<double> handshakes;
    for (const auto &f : radio->frames())
        if (f.bytes == Handshake)
            handshakes << f.firstMs;
    QCOMPARE(handshakes.size(), 4);
    // A reply time-out of 1000 ms after the frame, then 3000 ms to the retry.
    QVERIFY(handshakes[1] - handshakes[0] >= 4000);
    QVERIFY(handshakes[1] - handshakes[0] < 4100);
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
    QCOMPARE(w->ProgressBar1->value(), 0);
    QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Communication fault."));
    QCOMPARE(imageBytes(224, 32), area);
    QCOMPARE(w->session()->ReadBusy, qint16(0));
}

void TstOptionLink::readAndWriteRefuseWhileBusy()
{
    fillRadio(*radio);
    OptionEditorWindow *w = loadWatched();
    QVERIFY(clickWhereSeen(w->Command_read));
    TestClock::advance(50);
    QVERIFY(clickWhereSeen(w->Command_Write));
    QVERIFY(clickWhereSeen(w->Command_read));
    QCOMPARE(boxTexts(), (QStringList{QStringLiteral("Read-write operating with transceiver ."),
                                      QStringLiteral("Read-write operating with transceiver .")}));
    TestClock::advance(60000);
    QCOMPARE(imageBytes(224, 32), radio->bytes(0x0E00, 0x200));
    QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);
}

void TstOptionLink::erasedRadioIsWrittenBackAsShown()
{
    // A radio whose option area is erased, read twice (the lists already
    // show their last entries at the second read), then written.
    const QByteArray erased(0x200, char(0xFF));
    OptionEditorWindow *w = load();
    QVERIFY(w);
    PickList *sql = control<PickList>(w, "Combo_Sql");
    for (int read = 0; read < 2; ++read) {
        radio->setBytes(0x0E00, erased);
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(sql->text(), QStringLiteral("9"));
        QCOMPARE(int(MemoryImage[224][2]), 9);
        QCOMPARE(control<PickList>(w, "Combo_Tdr")->text(), QStringLiteral("M+ABC"));
        QCOMPARE(control<PickList>(w, "Combo_Offset_A")->text(), QStringLiteral("99.950MHZ"));
    }
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(60000);
    QCOMPARE(boxTexts(), (QStringList{QStringLiteral("Complete reading the data from transceiver."),
                                      QStringLiteral("Complete reading the data from transceiver."),
                                      QStringLiteral("Complete writing optional parameters to the transceiver.")}));
    // The radio gets what the window showed, not the erased bytes.
    const QByteArray sent = radio->bytes(0x0E00, 0x200);
    QCOMPARE(int(quint8(sent[0])), 7);     // watch mode: M+ABC
    QCOMPARE(int(quint8(sent[2])), 9);     // squelch: 9
    QCOMPARE(int(quint8(sent[5])), 39);    // time-out: 600
    QCOMPARE(int(quint8(sent[24])), 199);  // alarm channel: CH-199
    QCOMPARE(int(quint8(sent[52])), 127);  // DTMF gain: 127
    QCOMPARE(int(quint8(sent[1])), 0xFF);  // no list: as it came
    QCOMPARE(sent.mid(0xD0, 0x30), QByteArray(0x30, char(0xFF)));  // empty codes
    // Records A and B as the frames showed them; C and D, never shown, as
    // they came.
    for (int record : {0x100, 0x120}) {
        QCOMPARE(sent.mid(record, 8), QByteArray(8, char(0xFF)));
        QCOMPARE(sent.mid(record + 8, 6), QByteArray::fromHex("000909090500"));
        QCOMPARE(sent.mid(record + 16, 12), QByteArray::fromHex("000000000e0203080101" "0205"));
    }
    QCOMPARE(sent.mid(0x140, 0x40), QByteArray(0x40, char(0xFF)));
    QCOMPARE(sent.mid(0x1E0, 16), QByteArray(16, char(0xFF)));
}

QTEST_MAIN(TstOptionLink)
#include "tst_optionlink.moc"
