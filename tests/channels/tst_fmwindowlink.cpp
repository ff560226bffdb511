// The FM editor's Read and Write buttons against the simulated radio on the
// test clock: the block read into the image and the grid, the block
// written, the password refusal and the passwords that pass, the port that
// does not open and a radio that does not answer.
#include "support/ClickWhereSeen.h"
#include "support/FmEditorFixture.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "channels/FmRecord.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"

using namespace FmGrid;
using namespace FmEditorFixture;
using namespace LinkFrames;

namespace {
// The radio's FM block: channel 1 on 87.5 MHz "RADIO1" (bytes 8-13),
// channel 2 on 107.9 MHz "ABC" (bytes 10-12), channel 16 on 101.1 MHz
// without a name; the others erased.
QByteArray radioBlock()
{
    QByteArray b(256, char(0xFF));
    auto put = [&](int n, const char *digits, const char *name, int start) {
        for (int k = 0; k < 8; ++k)
            b[16 * n + k] = char(digits[k] - '0');
        for (int k = 0; name[k]; ++k)
            b[16 * n + start + k] = name[k];
    };
    put(0, "08750000", "RADIO1", 8);
    put(1, "10790000", "ABC", 10);
    put(15, "10110000", "", 8);
    return b;
}

QByteArray password(const QByteArray &user, const QByteArray &super)
{
    return user + super;
}
}

class TstFmWindowLink : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;  // the editor opens in it, where a user clicks it

private slots:
    void init()
    {
        setUpBench();
        FmEditorFixture::reset();
        useFakePorts();
        plugRadio(1);
        main = std::make_unique<MainStandIn>();
        QVERIFY(main->waitActive());
    }
    void cleanup()
    {
        FmEditorFixture::cleanup();
        main.reset();
        tearDownBench();
    }

    void readShowsTheRadiosChannels_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << 0 << "Read FM Radio parameters in gear. "
                                 << "Complete reading the data from transceiver." << "Operate Prompt";
        QTest::newRow("Chinese") << -1 << " FM 收音机参数读出正常 ！" << "从对讲机中读取数据完毕 ！" << "操作提示";
    }
    void readShowsTheRadiosChannels()
    {
        QFETCH(int, language);
        QFETCH(QString, label);
        QFETCH(QString, box);
        QFETCH(QString, title);
        LanguageFlag = qint16(language);
        radio->setBytes(0x3000, radioBlock());
        radio->setBandLimits(1, 144, 146);
        MemoryImage[767][15] = 0x12;
        MemoryImage[784][0] = 0x34;
        FmEditorWindow *w = load();
        RegionToggle = -1;
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(RegionToggle, qint16(0));
        QVERIFY(!w->ProgressBar1->isHidden());
        TestClock::advance(20000);

        QCOMPARE(imageBytes(768, 16), radioBlock());
        QCOMPARE(int(MemoryImage[767][15]), 0x12);
        QCOMPARE(int(MemoryImage[784][0]), 0x34);
        const QStringList freqs{w->MSF_Chann->textMatrix(1, ColFrequency), w->MSF_Chann->textMatrix(2, ColFrequency),
                                w->MSF_Chann->textMatrix(3, ColFrequency), w->MSF_Chann->textMatrix(16, ColFrequency)};
        QCOMPARE(freqs, (QStringList{"87.50000", "107.90000", "", "101.10000"}));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("RADIO1"));
        QCOMPARE(w->MSF_Chann->textMatrix(2, ColName), QStringLiteral("ABC"));
        QCOMPARE(w->MSF_Chann->textMatrix(16, ColName), QString());
        QCOMPARE(MainPanel(2), QStringLiteral("ZQ7310"));
        QCOMPARE(MainPanel(8), QStringLiteral(" 144-- 146"));
        QCOMPARE(BandLimits[0].upper, 146.0);
        QCOMPARE(boxTexts(), QStringList{box});
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, title);
        QCOMPARE(w->Label_tr_count->text(), label);
        QCOMPARE(w->ProgressBar1->value(), 100);
        QVERIFY(!w->transferBusy());
        // A click-through of the freshly read grid changes none of its bytes.
        QVERIFY(clickCell(w, 1, ColFrequency));
        QVERIFY(clickCell(w, 2, ColName));
        QVERIFY(clickCell(w, 3, ColFrequency));
        QVERIFY(clickCell(w, 5, ColNumber));
        QCOMPARE(imageBytes(768, 16), radioBlock());
    }

    void writeSendsTheBlock()
    {
        FmEditorWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_Write));
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
        TestClock::advance(20000);
        QCOMPARE(radio->bytes(0x3000, 256), imageBytes(768, 16));
        QCOMPARE(radio->bytes(0x2FF0, 16), QByteArray(16, char(0xFF)));
        QCOMPARE(radio->bytes(0x3100, 16), QByteArray(16, char(0xFF)));
        QCOMPARE(boxTexts(), QStringList{"Complete Written FM parameters to the transceiver."});
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Complete Written FM parameters "));
        QCOMPARE(w->ProgressBar1->value(), 93);
        QVERIFY(!w->transferBusy());
    }

    void passwordRefusedUntilTyped_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("typed");
        QTest::newRow("read, user password") << false << "123456";
        QTest::newRow("read, super password") << false << "654321";
        QTest::newRow("write, user password") << true << "123456";
        QTest::newRow("write, super password") << true << "654321";
    }
    void passwordRefusedUntilTyped()
    {
        QFETCH(bool, write);
        QFETCH(QString, typed);
        radio->setBytes(0x3DF0, password("123456", "654321"));
        radio->setBytes(0x3000, radioBlock());
        FmEditorWindow *w = load();
        const QByteArray imageBefore = imageBytes(768, 16);
        QPushButton *button = write ? w->Command_Write : w->Command_read;
        QVERIFY(clickWhereSeen(button));
        TestClock::advance(20000);
        QCOMPARE(boxTexts(), QStringList{"PassWord Error, Reading Stop"});
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
        QCOMPARE(imageBytes(768, 16), imageBefore);
        QCOMPARE(radio->bytes(0x3000, 256), radioBlock());
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 1);  // no retry
        QVERIFY(!w->transferBusy());
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));

        // The user types the password into the window's box.
        MsgBoxRecorder::clear();
        w->Text_PassWord->selectAll();
        QTest::keyClicks(w->Text_PassWord, typed);
        QVERIFY(clickWhereSeen(button));
        TestClock::advance(20000);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(MsgBoxRecorder::boxes()[0].text.startsWith(QStringLiteral("Complete")));
        QCOMPARE(radio->bytes(0x3000, 256), imageBytes(768, 16));
        QCOMPARE(imageBytes(768, 16), write ? imageBefore : radioBlock());
    }

    void radioWithoutPassword_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::newRow("blanks") << QByteArray("      ");
        QTest::newRow("erased") << QByteArray(6, char(0xFF));
    }
    void radioWithoutPassword()
    {
        QFETCH(QByteArray, user);
        radio->setBytes(0x3DF0, password(user, "654321"));
        radio->setBytes(0x3000, radioBlock());
        FmEditorWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(20000);
        QCOMPARE(boxTexts(), QStringList{"Complete reading the data from transceiver."});
        QCOMPARE(imageBytes(768, 16), radioBlock());
    }

    void portThatDoesNotOpen()
    {
        CommPortNumber = 7;  // nothing there
        FmEditorWindow *w = load();
        QVERIFY(clickWhereSeen(w->Command_read));
        QCOMPARE(boxTexts(),
                 QStringList{"Communication port is error, please setting right communication port . ！"});
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
        QCOMPARE(PortErrorFlag, qint16(-1));
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->Label_tr_count->text(), QString());
        QVERIFY(!w->transferBusy());
    }

    void radioThatDoesNotAnswer()
    {
        radio->setSilence(0);
        FmEditorWindow *w = load();
        const QByteArray imageBefore = imageBytes(768, 16);
        QVERIFY(clickWhereSeen(w->Command_read));
        TestClock::advance(60000);
        QCOMPARE(countFrames(radio->frameBytes(), Handshake), 4);  // three retries
        QCOMPARE(boxTexts(), QStringList{"Fail connect with transceiver."});
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
        QCOMPARE(w->Label_tr_count->text(), QStringLiteral("Communication fault."));
        QCOMPARE(w->ProgressBar1->value(), 0);
        QCOMPARE(imageBytes(768, 16), imageBefore);
        QVERIFY(!w->transferBusy());
    }
};

QTEST_MAIN(TstFmWindowLink)
#include "tst_fmwindowlink.moc"
