// The message-box service under its test recorder, the bilingual texts and
// the screen measures.
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StandardTexts.h"
#include "platform/StatusBar.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QtTest>

Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgResult)

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

    // A box shown for real, in the language in use: every button speaks it,
    // and Return answers with the default button.
    void shownBoxButtonsSpeakTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<MsgResult>("onReturn");
        QTest::newRow("English OK") << 0 << MsgButtons::OkOnly << QStringList{"OK"} << MsgResult::Ok;
        QTest::newRow("Chinese OK") << -1 << MsgButtons::OkOnly << QStringList{"确定"} << MsgResult::Ok;
        QTest::newRow("English OK, Cancel") << 0 << MsgButtons::OkCancel << QStringList{"Cancel", "OK"}
                                            << MsgResult::Ok;
        QTest::newRow("Chinese OK, Cancel") << -1 << MsgButtons::OkCancel << QStringList{"取消", "确定"}
                                            << MsgResult::Ok;
        QTest::newRow("Chinese Yes, No, Cancel") << -1 << MsgButtons::YesNoCancel
                                                 << QStringList{"取消", "否(&N)", "是(&Y)"} << MsgResult::Yes;
        QTest::newRow("English Yes, No") << 0 << MsgButtons::YesNo << QStringList{"&No", "&Yes"}
                                         << MsgResult::Yes;
    }
    void shownBoxButtonsSpeakTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(MsgButtons, buttons);
        QFETCH(QStringList, captions);
        QFETCH(MsgResult, onReturn);
        LanguageFlag = qint16(language);
        QWidget owner;
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));

        QStringList seen;
        bool pressed = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isActiveWindow())
                return;
            poll.stop();
            for (QAbstractButton *b : box->buttons())
                if (b->isVisible())
                    seen << b->text();
            pressed = true;
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, Qt::Key_Return);
        });
        QTimer::singleShot(3000, &poll, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->reject();  // never became active: the test fails below, it does not hang
        });
        poll.start();
        const MsgResult answer = MsgBox("text", MsgIcon::Exclamation, PromptTitle, buttons);
        QVERIFY(pressed);
        seen.sort();
        captions.sort();
        QCOMPARE(seen, captions);
        QCOMPARE(answer, onReturn);
    }

    // Qt's own menus speak the language in use once the program's texts
    // are installed: a text box's edit menu and a child window's frame menu.
    void standardMenusSpeakTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("edit");
        QTest::addColumn<QStringList>("frame");
        QTest::newRow("English") << 0 << QStringList{"&Copy", "&Paste", "Select All"}
                                 << QStringList{"&Restore", "Mi&nimize", "&Close"};
        QTest::newRow("Chinese") << -1 << QStringList{"复制(&C)", "粘贴(&P)", "全选"}
                                 << QStringList{"还原(&R)", "最小化(&N)", "关闭(&C)"};
    }
    void standardMenusSpeakTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, edit);
        QFETCH(QStringList, frame);
        InstallStandardTexts();
        InstallStandardTexts();  // once is enough; twice changes nothing
        LanguageFlag = qint16(language);
        const auto captions = [](QMenu *menu) {
            QStringList l;
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    l << a->text().section(QLatin1Char('\t'), 0, 0);  // without the shortcut
            return l;
        };
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        const QStringList editSeen = captions(menu.get());
        for (const QString &c : edit)
            QVERIFY2(editSeen.contains(c), qPrintable(editSeen.join(" | ")));
        QMdiSubWindow child;
        const QStringList frameSeen = captions(child.systemMenu());
        for (const QString &c : frame)
            QVERIFY2(frameSeen.contains(c), qPrintable(frameSeen.join(" | ")));
        QCOMPARE(StandardTextChinese("QLineEdit", "no such text"), QString());
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
