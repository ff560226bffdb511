// The message-box service under its test recorder, the bilingual texts and
// the screen measures.
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"

#include <QtTest>

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        MsgBoxRecorder::uninstall();
        LanguageFlag = 0;
        Screen::setTestSizePixels({});
    }

    void recorderNotesEachBoxAndAnswers()
    {
        MsgBoxRecorder::install([](const MsgRecord &r) {
            return r.buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
        });
        QCOMPARE(MsgBox("first", MsgIcon::Exclamation, "t1"), MsgResult::Ok);
        QCOMPARE(MsgBox("second", MsgIcon::Question, "t2", MsgButtons::YesNo), MsgResult::No);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 2);
        QCOMPARE(MsgBoxRecorder::boxes()[0].text, QString("first"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QString("t1"));
        QCOMPARE(MsgBoxRecorder::boxes()[0].icon, MsgIcon::Exclamation);
        MsgBoxRecorder::clear();
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void bilingualTextFollowsTheFlag_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << 0 << "Operate prompt";
        QTest::newRow("Chinese") << -1 << "操作提示";
        QTest::newRow("any non-zero reads as Chinese") << 1 << "操作提示";
    }
    void bilingualTextFollowsTheFlag()
    {
        QFETCH(int, flag);
        QFETCH(QString, title);
        LanguageFlag = qint16(flag);
        QCOMPARE(PromptTitle.text(), title);
    }

    void screenIsMeasuredInTwips()
    {
        Screen::setTestSizePixels({1280, 800});
        QCOMPARE(Screen::widthTwips(), 19200);
        QCOMPARE(Screen::heightTwips(), 12000);
        QCOMPARE(Screen::toPixels(19200 * 0.05), 64);
    }

    void statusBarPanelsAreNumberedFromOne()
    {
        StatusBar bar(15);
        setMainStatusBar(&bar);
        SetMainPanel(1, "Model:");
        SetMainPanel(15, "end");
        SetMainPanel(0, "ignored");
        SetMainPanel(16, "ignored");
        QCOMPARE(MainPanel(1), QString("Model:"));
        QCOMPARE(MainPanel(15), QString("end"));
        QCOMPARE(MainPanel(16), QString());
        setMainStatusBar(nullptr);
        SetMainPanel(1, "no bar: nothing happens");
        QCOMPARE(MainPanel(1), QString());
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
