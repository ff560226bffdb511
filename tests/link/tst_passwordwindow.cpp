// The password change window against the simulated radio on the manual test
// clock: a change with the user password, the super password and no password
// in the radio, a wrong old password, new passwords that differ, no radio, a
// port that does not open, a radio that answers badly or too early, the busy
// refusals, and closing the window in the middle of its exchange. The exact
// bytes on the line and the moments of the boxes are checked.
#include <QtTest>

#include "link/LinkState.h"
#include "link/PasswordSession.h"
#include "link/PasswordWindow.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

#include <QPushButton>
#include <memory>

using namespace LinkFrames;

namespace {
const QString Name = QStringLiteral("Form_Write_PassWord");
QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

// Bytes 12-15 of the radio's password block: alignment values.
const QByteArray BlockTail = hex("11223344");

const QByteArray BlockRequest = hex("06533DC040");
const QByteArray End("E");

// What the window puts on the line for a change that writes `block`.
QByteArray changeBytes(const QByteArray &block)
{
    return Handshake + BlockRequest + Ack + hex("583DF010") + block + End;
}
// ... and for an exchange that stops after the block: nothing written.
const QByteArray StopBytes = Handshake + BlockRequest + Ack + End;
// ... and for one that refuses the block reply: no Ack either.
const QByteArray RefusedBytes = Handshake + BlockRequest + End;

// Line times of a complete change on the test clock: one byte every 15 ms,
// the opening command from 15 ms, answered when its last byte has crossed
// the line (122 ms); the request from 137 ms, answered at 199 ms; its Ack
// once the line stayed quiet behind the reply for 40 ms (239 ms), the block
// taken after the Ack's pause (240 ms); the new block from 255 ms to 540 ms;
// the answer comes at 542 ms.
constexpr qint64 BlockReplyAt = 199;
constexpr qint64 BlockTakenAt = 240;
constexpr qint64 NewBlockSentAt = 540;
constexpr qint64 AnswerAt = 542;

struct Moment {
    MsgRecord box;
    qint64 at;
    bool closingTimerOn;
};

QString boxText(const MsgRecord &b) { return b.text + QLatin1String(" | ") + b.title; }
}

class TestPasswordWindow : public QObject, LinkTestBench
{
    Q_OBJECT
    QList<Moment> moments;
    std::unique_ptr<MainStandIn> main;  // the window opens in it, where a user clicks it

    PasswordWindow *window() { return Windows::get<PasswordWindow>(Name); }
    PasswordWindow *open()
    {
        Windows::load(Name);
        return window();
    }
    bool isOpen() { return Windows::isLoaded(Name); }
    void storeBlock(const QByteArray &twelve) { radio->setBytes(0x3DF0, twelve + BlockTail); }
    QByteArray radioBlock() const { return radio->bytes(0x3DF0, 16); }
    static void fill(PasswordWindow *w, const QString &old, const QString &new1, const QString &new2)
    {
        w->Text_Old_PassWord->setText(old);
        w->Text_New_Password_1->setText(new1);
        w->Text_New_PassWord_2->setText(new2);
    }
    QStringList boxes() const
    {
        QStringList t;
        for (const Moment &m : moments)
            t << boxText(m.box);
        return t;
    }
    void expectIdle(PasswordWindow *w)
    {
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QCOMPARE(w->session()->ReadBusy, qint16(0));
        QVERIFY(!w->findChild<CommControl *>(QStringLiteral("MSC"))->portOpen());
        QVERIFY(!LinkSession::anyExchangeRunning());
    }

private slots:
    void init()
    {
        moments.clear();
        setUpBench([this](const MsgRecord &box) {
            PasswordWindow *w = window();
            moments << Moment{box, TestClock::now(), w && w->Timer4->enabled()};
            return MsgResult::Ok;
        });
        useFakePorts();
        plugRadio(1);
        // Something in the window's neighbourhood that it must leave alone.
        for (int r = 0; r < ImageRows; ++r)
            for (int c = 0; c < ImageCols; ++c)
                MemoryImage[r][c] = qint16((r * 7 + c) & 0xFF);
        for (int r = 0; r < 32; ++r)
            for (int c = 0; c < 16; ++c)
                AdjustImage[r][c] = qint16((r + c * 3) & 0xFF);
        QByteArray before(48, 0);
        for (int i = 0; i < 48; ++i)
            before[i] = char(0xA0 + i);
        radio->setBytes(0x3DC0, before);
        Windows::define(Name, Windows::Kind::Child, [] { return new PasswordWindow; });
        main = std::make_unique<MainStandIn>();
        QVERIFY(main->waitActive());
    }
    void cleanup()
    {
        Windows::reset();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tearDownBench();
    }

    void captions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // window, three labels, two buttons
        QTest::newRow("English") << 0 << QStringList{"Modify PassWord", "Old PassWord", "New PassWord",
                                                     "Confirm PassWord", "Modify", "Close"};
        QTest::newRow("Chinese") << -1 << QStringList{"修改密码", "原密码", "新密码", "确认新密码",
                                                      "修改", "关闭"};
    }
    void captions()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        LanguageFlag = qint16(language);
        PasswordWindow *w = open();
        QVERIFY(w);
        const QStringList shown{w->windowTitle(), w->Label_old_PassWord->text(),
                                w->Label_New_Password_1->text(), w->Label_New_PassWord_2->text(),
                                w->Command_Write->text(), w->Command_Cancel->text()};
        QCOMPARE(shown, texts);
        QCOMPARE(w->Label_old_PassWord->buddy(), w->Text_Old_PassWord);
        QCOMPARE(w->Label_New_Password_1->buddy(), w->Text_New_Password_1);
        QCOMPARE(w->Label_New_PassWord_2->buddy(), w->Text_New_PassWord_2);
        for (TextBox *t : {w->Text_Old_PassWord, w->Text_New_Password_1, w->Text_New_PassWord_2})
            QCOMPARE(t->text(), QString());
        QCOMPARE(w->ExchangeEnded, qint16(0));
        QVERIFY(!w->Timer4->enabled());
        QCOMPARE(w->Timer4->interval(), 500);
    }

    // Changes that reach the radio: the block as the radio holds it after.
    void change_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("stored");  // bytes 0-11 of the block before
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("new1");
        QTest::addColumn<QString>("new2");
        QTest::addColumn<QByteArray>("written");  // bytes 0-11 after
        QTest::newRow("user password") << 0 << QByteArray("123456SUPER1") << "123456" << "abc" << "abc"
                                       << QByteArray("abc   SUPER1");
        QTest::newRow("super password") << 0 << QByteArray("123456SUPER1") << "SUPER1" << "9x9x9x" << "9x9x9x"
                                        << QByteArray("9x9x9xSUPER1");
        QTest::newRow("short, stored blank-filled") << 0 << QByteArray("ab    SUPER1") << "ab" << "cd" << "cd"
                                                    << QByteArray("cd    SUPER1");
        QTest::newRow("new texts trimmed") << 0 << QByteArray("123456SUPER1") << "123456" << "  ab" << "ab "
                                           << QByteArray("ab    SUPER1");
        QTest::newRow("no password: six blanks, any old") << 0 << QByteArray("      SUPER1") << "zzz" << "new1"
                                                          << "new1" << QByteArray("new1  SUPER1");
        QTest::newRow("no password: six 0xFF, super set") << 0 << (hex("FFFFFFFFFFFF") + "SUPER1") << ""
                                                          << "p" << "p" << QByteArray("p     SUPER1");
        QTest::newRow("empty new password removes it") << 0 << QByteArray("123456SUPER1") << "123456" << ""
                                                       << "" << QByteArray("      SUPER1");
        QTest::newRow("Chinese") << -1 << QByteArray("123456SUPER1") << "123456" << "abc" << "abc"
                                 << QByteArray("abc   SUPER1");
    }
    void change()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, stored);
        QFETCH(QString, old);
        QFETCH(QString, new1);
        QFETCH(QString, new2);
        QFETCH(QByteArray, written);
        LanguageFlag = qint16(language);
        storeBlock(stored);
        radio->setBandLimits(1, 140, 150);
        const auto image = MemoryImage;
        const auto adjust = AdjustImage;
        const auto bands = BandLimits;
        PasswordWindow *w = open();
        fill(w, old, new1, new2);
        QVERIFY(clickWhereSeen(w->Command_Write));
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        TestClock::advance(AnswerAt + 499);

        QCOMPARE(radioBlock(), written + BlockTail);
        QCOMPARE(radio->receivedBytes(), changeBytes(written + BlockTail));
        // One byte every 15 ms within each frame.
        const auto rx = radio->received();
        QCOMPARE(rx.first().ms, 15.0);
        for (int i : {1, 7, 9, 12, 15, 33})
            QCOMPARE(rx[i].ms - rx[i - 1].ms, 15.0);
        QCOMPARE(rx[8].ms, 137.0);            // the request's Ack
        QCOMPARE(rx[13].ms, 239.0);           // the Ack of the block reply, the line quiet behind it
        QCOMPARE(rx[14].ms, 255.0);           // the new block, after the pause
        QCOMPARE(rx.last().ms, double(AnswerAt));  // 'E' as soon as the answer is in

        QCOMPARE(moments.size(), 1);
        QCOMPARE(boxText(moments[0].box), language ? QStringLiteral("密码修改成功  | 操作提示")
                                                   : QStringLiteral("PassWord Modify Success !  | Operate Prompt"));
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        QCOMPARE(moments[0].at, AnswerAt);
        QVERIFY(!moments[0].closingTimerOn);  // the closing timer waits for the box
        for (TextBox *t : {w->Text_Old_PassWord, w->Text_New_Password_1, w->Text_New_PassWord_2})
            QCOMPARE(t->text(), QString());
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(OldPassword[i], qint16(0x20));
            QCOMPARE(NewPassword[i], qint16(0x20));
        }
        expectIdle(w);
        // The identification is only tested; the image, the alignment table
        // and the status bar stay as they were.
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(BandLimits[k].lower, bands[k].lower);
            QCOMPARE(BandLimits[k].upper, bands[k].upper);
        }
        QCOMPARE(MemoryImage, image);
        QCOMPARE(AdjustImage, adjust);
        for (int p = 1; p <= 15; ++p)
            QCOMPARE(status->panelText(p), QString());

        // The window closes 500 ms after the box.
        QVERIFY(isOpen());
        TestClock::advance(1);
        QVERIFY(!isOpen());
    }

    void wrongOldPassword()
    {
        storeBlock("123456SUPER1");
        PasswordWindow *w = open();
        fill(w, QStringLiteral("12345"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(10000);
        QCOMPARE(radio->receivedBytes(), StopBytes);
        QCOMPARE(radioBlock(), QByteArray("123456SUPER1") + BlockTail);
        QCOMPARE(boxes(), QStringList{"Old PassWord Error, Writeing Stop | Operate Prompt"});
        QCOMPARE(moments[0].at, BlockTakenAt);
        QVERIFY(isOpen());
        QCOMPARE(w->Text_Old_PassWord->text(), QStringLiteral("12345"));
        QCOMPARE(w->Text_New_Password_1->text(), QStringLiteral("abc"));
        expectIdle(w);

        // Corrected, the next Modify starts again from the opening command.
        radio->clearRecord();
        w->Text_Old_PassWord->setText(QStringLiteral("123456"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(AnswerAt);
        QCOMPARE(radio->receivedBytes(), changeBytes(QByteArray("abc   SUPER1") + BlockTail));
        QCOMPARE(moments.size(), 2);
        QCOMPARE(moments[1].box.text, QStringLiteral("PassWord Modify Success ! "));
    }

    void newPasswordsDiffer_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("new1");
        QTest::addColumn<QString>("new2");
        QTest::addColumn<QString>("box");
        QTest::newRow("different") << 0 << "abc" << "abd" << "Password is not consistent . | Operate prompt";
        QTest::newRow("letter case") << 0 << "abc" << "ABC" << "Password is not consistent . | Operate prompt";
        QTest::newRow("confirmation empty") << 0 << "abc" << "" << "Password is not consistent . | Operate prompt";
        QTest::newRow("Chinese") << -1 << "abc" << "abd" << "密码不一致 | 操作提示";
    }
    void newPasswordsDiffer()
    {
        QFETCH(int, language);
        QFETCH(QString, new1);
        QFETCH(QString, new2);
        QFETCH(QString, box);
        LanguageFlag = qint16(language);
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), new1, new2);
        NewPassword.fill(7);
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(10000);
        QCOMPARE(boxes(), QStringList{box});
        QCOMPARE(moments[0].box.icon, MsgIcon::Exclamation);
        QCOMPARE(radio->receivedBytes(), QByteArray());
        QCOMPARE(NewPassword[0], qint16(7));
        QVERIFY(isOpen());
        expectIdle(w);
    }

    // Exchanges that end in the failure box after the reply time-out and
    // the 5000 ms wait; there is no second attempt and the window stays.
    void noAnswer_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<qint64>("boxAt");  // the last byte sent + 1000 + 5000
        QTest::newRow("no radio") << "no radio" << Handshake << qint64(120 + 6000);
        QTest::newRow("identification not accepted") << "ident" << Handshake << qint64(120 + 6000);
        QTest::newRow("no block reply") << "block" << Handshake + BlockRequest << qint64(197 + 6000);
        QTest::newRow("no answer to the new block") << "answer"
            << Handshake + BlockRequest + Ack + hex("583DF010") + "abc   SUPER1" + BlockTail
            << qint64(NewBlockSentAt + 6000);
    }
    void noAnswer()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, sent);
        QFETCH(qint64, boxAt);
        storeBlock("123456SUPER1");
        SimRadio *line = radio.get();
        if (fault == QLatin1String("no radio"))
            FakeCommControl::plug(1, nullptr);
        else if (fault == QLatin1String("ident"))
            radio->replaceReply(0, hex("06") + QByteArray(49, char(0x01)));
        else if (fault == QLatin1String("block"))
            radio->setSilence(1);
        else
            radio->setSilence(2);
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(boxAt - 1);
        QVERIFY(moments.isEmpty());
        QCOMPARE(w->session()->WriteBusy, qint16(0));  // the time-out ended the attempt
        TestClock::advance(20000);
        QCOMPARE(boxes(), QStringList{"Fail connect with transceiver. | Operate prompt"});
        QCOMPARE(moments[0].at, boxAt);
        if (fault != QLatin1String("no radio"))
            QCOMPARE(line->receivedBytes(), sent);
        QCOMPARE(w->findChild<FakeCommControl *>(QStringLiteral("MSC"))->written(), sent);
        QVERIFY(isOpen());
        QCOMPARE(w->Text_Old_PassWord->text(), QStringLiteral("123456"));
        expectIdle(w);
    }

    // The radio's block reply is not the block: no 'X' where its 64 bytes
    // fit, another block's echo, or a byte more than the block, inside it or
    // behind it, before the new block goes out. Nothing is written, 'E' ends
    // the exchange and the failure box comes at once; the reply is not
    // acknowledged: its Ack waits until the line has stayed quiet behind it.
    void unusableBlockReply_data()
    {
        QTest::addColumn<QByteArray>("reply");  // instead of the radio's own
        QTest::addColumn<int>("answered");      // the block it sends for 0x3DC0
        QTest::addColumn<int>("extraAt");       // its data byte where a byte is added, -1: none
        QTest::addColumn<double>("extraGapMs");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<qint64>("boxAt");
        QByteArray data(64, char(0x20));
        const QByteArray none;
        QTest::newRow("'X' at 2") << hex("0606583DC040") + data << 0x3DC0 << -1 << 0.0 << RefusedBytes
                                  << BlockReplyAt;
        QTest::newRow("'X' at 9") << QByteArray(9, char(0x06)) + hex("583DC040") + data << 0x3DC0 << -1
                                  << 0.0 << RefusedBytes << BlockReplyAt;
        QTest::newRow("no 'X'") << QByteArray(69, char(0x06)) << 0x3DC0 << -1 << 0.0 << RefusedBytes
                                << BlockReplyAt;
        QTest::newRow("another block") << none << 0x3D80 << -1 << 0.0 << RefusedBytes << BlockReplyAt;
        QTest::newRow("a byte too many inside the block") << none << 0x3DC0 << 20 << 0.0 << RefusedBytes
                                                          << BlockReplyAt;
        QTest::newRow("a byte behind the block") << none << 0x3DC0 << 64 << 0.0 << RefusedBytes
                                                 << BlockReplyAt;
        // As a USB serial adapter hands it over: up to 40 ms behind the block.
        for (const double late : {2.0, 16.0, 30.0, 39.0})
            QTest::addRow("a byte behind the block, %g ms later", late)
                << none << 0x3DC0 << 64 << late << RefusedBytes << BlockReplyAt + qint64(late);
    }
    void unusableBlockReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, answered);
        QFETCH(int, extraAt);
        QFETCH(double, extraGapMs);
        QFETCH(QByteArray, sent);
        QFETCH(qint64, boxAt);
        storeBlock("123456SUPER1");
        radio->setBytes(0x3D80, QByteArray(64, char(0x20)));  // another block with no password
        if (!reply.isEmpty())
            radio->replaceReply(1, reply);
        radio->answerAs(0x3DC0, answered);
        if (extraAt >= 0)
            radio->addExtraByte(0x3DC0, extraAt, extraGapMs);
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(10000);
        QCOMPARE(radio->receivedBytes(), sent);
        QCOMPARE(radioBlock(), QByteArray("123456SUPER1") + BlockTail);
        QCOMPARE(boxes(), QStringList{"Fail connect with transceiver. | Operate prompt"});
        QCOMPARE(moments[0].at, boxAt);
        QVERIFY(isOpen());
        expectIdle(w);
    }

    // An answer other than 06: the failure box, then the window closes.
    void newBlockRefused()
    {
        storeBlock("123456SUPER1");
        radio->setWriteAck(2, 0x15);
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(AnswerAt + 499);
        QCOMPARE(radio->receivedBytes(), changeBytes(QByteArray("abc   SUPER1") + BlockTail));
        QCOMPARE(boxes(), QStringList{"Fail connect with transceiver. | Operate prompt"});
        QCOMPARE(moments[0].at, AnswerAt);
        QVERIFY(!moments[0].closingTimerOn);
        QCOMPARE(w->Text_New_Password_1->text(), QStringLiteral("abc"));  // boxes keep their texts
        expectIdle(w);
        TestClock::advance(1);
        QVERIFY(!isOpen());
    }

    // An Ack that comes while the new block is still going out is no answer
    // to it: the radio that then stays silent has not taken the block.
    void answerBeforeTheBlockIsOut()
    {
        storeBlock("123456SUPER1");
        radio->setSilence(2, 1);
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(250);  // three bytes of the new block are out
        radio->sendRaw(Ack);
        TestClock::advance(20000);
        QCOMPARE(radio->receivedBytes(),
                 Handshake + BlockRequest + Ack + hex("583DF010") + "abc   SUPER1" + BlockTail);
        QCOMPARE(boxes(), QStringList{"Fail connect with transceiver. | Operate prompt"});
        QCOMPARE(moments[0].at, NewBlockSentAt + 6000);
        QVERIFY(isOpen());
        expectIdle(w);
    }

    void portDoesNotOpen_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("box");
        QTest::newRow("English") << 0 << "Communication port is error, please setting right communication port . ！ | Operate prompt";
        QTest::newRow("Chinese") << -1 << "通讯端口打开错误，请正确设置通讯端口 ！ | 操作提示";
    }
    void portDoesNotOpen()
    {
        QFETCH(int, language);
        QFETCH(QString, box);
        LanguageFlag = qint16(language);
        CommPortNumber = 7;  // nothing there
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        QCOMPARE(PortErrorFlag, qint16(-1));
        TestClock::advance(10000);
        QCOMPARE(boxes(), QStringList{box});
        QCOMPARE(radio->receivedBytes(), QByteArray());
        QVERIFY(isOpen());
        expectIdle(w);
    }

    // While the exchange runs: Close refuses, Modify only takes the new
    // texts, and the passwords count as they stand when the block arrives.
    void whileTheExchangeRuns()
    {
        storeBlock("123456SUPER1");
        PasswordWindow *w = open();
        fill(w, QStringLiteral("000000"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(60);
        QVERIFY(clickWhereSeen(w->Command_Cancel));
        QCOMPARE(boxes(), QStringList{"Read-write operating，don't close the window. , | Operate prompt"});
        QVERIFY(isOpen());
        w->Text_Old_PassWord->setText(QStringLiteral("SUPER1"));
        fill(w, QStringLiteral("SUPER1"), QStringLiteral("zz"), QStringLiteral("zz"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        fill(w, QStringLiteral("SUPER1"), QStringLiteral("zz"), QStringLiteral("yy"));
        QVERIFY(clickWhereSeen(w->Command_Write));  // differ: the box, NewPassword stays "zz"
        TestClock::advance(AnswerAt - 60 + 1000);
        QCOMPARE(radio->receivedBytes(), changeBytes(QByteArray("zz    SUPER1") + BlockTail));
        QCOMPARE(boxes(), (QStringList{"Read-write operating，don't close the window. , | Operate prompt",
                                       "Password is not consistent . | Operate prompt",
                                       "PassWord Modify Success !  | Operate Prompt"}));
        QVERIFY(!isOpen());
    }

    // The boxes of a refused old password, a refused Close and a failed
    // exchange in Chinese.
    void boxesInChinese()
    {
        LanguageFlag = -1;
        storeBlock("123456SUPER1");
        PasswordWindow *w = open();
        fill(w, QStringLiteral("bad"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(60);
        QVERIFY(clickWhereSeen(w->Command_Cancel));
        TestClock::advance(10000);
        radio->setSilence(0);
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(10000);
        QCOMPARE(boxes(), (QStringList{"正在进行读写操作,请勿关窗口 ！, | 操作提示",
                                       "原密码错误，禁止写入 | 操作提示",
                                       "与对讲机联络失败 ！ | 操作提示"}));
    }

    // Closing the window (the main window's reload, say) ends the exchange.
    void unloadDuringTheExchange()
    {
        storeBlock("123456SUPER1");
        PasswordWindow *w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(130);  // the identification is in, the request not yet out
        auto *port = w->findChild<FakeCommControl *>(QStringLiteral("MSC"));
        QVERIFY(port->portOpen());
        QVERIFY(Windows::unload(Name));
        QVERIFY(!isOpen());
        TestClock::advance(20000);
        QVERIFY(moments.isEmpty());
        QCOMPARE(radioBlock(), QByteArray("123456SUPER1") + BlockTail);
        QVERIFY(!LinkSession::anyExchangeRunning());
        // A new window runs its own exchange from the start.
        radio->clearRecord();
        w = open();
        fill(w, QStringLiteral("123456"), QStringLiteral("abc"), QStringLiteral("abc"));
        QVERIFY(clickWhereSeen(w->Command_Write));
        TestClock::advance(AnswerAt);
        QCOMPARE(radioBlock(), QByteArray("abc   SUPER1") + BlockTail);
    }
};

QTEST_MAIN(TestPasswordWindow)
#include "tst_passwordwindow.moc"
