// The password window shown in the main window's MDI area and driven with
// real mouse and key events: where the focus lands, the tab order, the six
// characters a box keeps however they come, a click into the window while
// another child window is active, and a click-through without an edit that
// sends nothing and changes no byte.
#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "link/LinkState.h"
#include "link/PasswordWindow.h"
#include "memory/MemoryImage.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"

namespace {
const QString Name = QStringLiteral("Form_Write_PassWord");

class OtherWindow : public Form
{
};

QByteArray codes(const std::array<qint16, 17> &c)
{
    QByteArray b;
    for (int i = 0; i < 6; ++i)
        b.append(char(c[i]));
    return b;
}
}

class TestPasswordInput : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;
    QMdiArea *area = nullptr;

    PasswordWindow *openShown()
    {
        auto *w = qobject_cast<PasswordWindow *>(Windows::show(Name));
        if (w)
            QApplication::processEvents();
        return w;
    }

private slots:
    void init()
    {
        setUpBench();
        useFakePorts();
        plugRadio(1);
        Windows::define(Name, Windows::Kind::Child, [] { return new PasswordWindow; });
        Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new OtherWindow; });
        main = std::make_unique<MainStandIn>(QSize(1200, 800));
        area = main->area;
        QVERIFY(main->waitActive());
    }
    void cleanup()
    {
        Windows::reset();
        Windows::setMdiArea(nullptr);
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tearDownBench();
    }

    void placementFocusAndTabOrder()
    {
        PasswordWindow *w = openShown();
        QVERIFY(w);
        const QSize client = area->viewport()->size();
        const int width = client.width() / 4;
        const int height = client.height() / 3;
        // A quarter of the client area wide, no taller than a third of it
        // and only as tall as its boxes and buttons need, about the same
        // centre, raised above the middle.
        const QRect design((client.width() - width) / 2, (client.height() - height) / 2 - 33, width, height);
        const QRect frame = Windows::frameOf(w)->geometry();
        QCOMPARE(frame.left(), design.left());
        QCOMPARE(frame.width(), design.width());
        QVERIFY(frame.height() <= design.height());
        QVERIFY(frame.bottom() > w->Command_Cancel->mapTo(area->viewport(), w->Command_Cancel->rect().bottomLeft()).y());
        QVERIFY(qAbs(frame.center().y() - design.center().y()) <= 1);
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(w));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->Text_Old_PassWord));
        const QList<QWidget *> order{w->Text_New_Password_1, w->Text_New_PassWord_2, w->Command_Write,
                                     w->Command_Cancel, w->Text_Old_PassWord};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void boxesKeepSixCharacters()
    {
        PasswordWindow *w = openShown();
        TextBox *old = w->Text_Old_PassWord;
        QVERIFY(clickWhereSeen(old));
        QTest::keyClicks(old, QStringLiteral("1234567"));
        QCOMPARE(old->text(), QStringLiteral("123456"));
        QCOMPARE(codes(OldPassword), QByteArray("123456"));
        QTest::keyClick(old, Qt::Key_Backspace);  // Backspace still works at six
        QCOMPARE(old->text(), QStringLiteral("12345"));
        QCOMPARE(codes(OldPassword), QByteArray("12345 "));
        const QString words = QStringLiteral(
            "The password takes single-byte characters only (letters, digits, blank and signs) .");
        for (const QString &typed : {QString::fromUtf8("中"), QString::fromUtf8("é")})  // the first has no one-byte code
            QTest::sendKeyEvent(QTest::Click, old, Qt::Key_unknown, typed, Qt::NoModifier);
        QCOMPARE(old->text(), QString::fromUtf8("12345é"));
        QCOMPARE(boxTexts(), QStringList{words});

        TextBox *n1 = w->Text_New_Password_1;
        QVERIFY(clickWhereSeen(n1));
        // A paste with a character a password cannot hold is refused whole.
        QApplication::clipboard()->setText(QString::fromUtf8("ab中cdefgh"));
        QTest::keyClick(n1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(n1->text(), QString());
        QCOMPARE(boxTexts(), (QStringList{words, words}));
        QApplication::clipboard()->setText(QStringLiteral("abcdefgh"));
        QTest::keyClick(n1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(n1->text(), QStringLiteral("abcdef"));
        QTest::keyClick(n1, Qt::Key_V, Qt::ControlModifier);  // full: nothing more goes in
        QCOMPARE(n1->text(), QStringLiteral("abcdef"));
    }

    void clickIntoInactiveWindow()
    {
        PasswordWindow *w = openShown();
        QWidget *other = Windows::show(QStringLiteral("other"));
        QApplication::processEvents();
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(other));
        QVERIFY(clickWhereSeen(w->Text_New_PassWord_2));
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(w));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->Text_New_PassWord_2));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xy"));
        QCOMPARE(w->Text_New_PassWord_2->text(), QStringLiteral("xy"));
        QCOMPARE(w->Text_Old_PassWord->text(), QString());
    }

    void clickThroughChangesNothing()
    {
        for (int r = 0; r < ImageRows; ++r)
            for (int c = 0; c < ImageCols; ++c)
                MemoryImage[r][c] = qint16((r * 3 + c) & 0xFF);
        const auto image = MemoryImage;
        const auto adjust = AdjustImage;
        const QByteArray radioMemory = radio->memory();
        PasswordWindow *w = openShown();
        for (QWidget *box : {static_cast<QWidget *>(w->Text_Old_PassWord), static_cast<QWidget *>(w->Text_New_Password_1),
                             static_cast<QWidget *>(w->Text_New_PassWord_2)})
            QVERIFY(clickWhereSeen(box));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        TestClock::advance(5000);
        QVERIFY(clickWhereSeen(w->Command_Cancel));
        QVERIFY(!Windows::isLoaded(Name));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 0);
        QCOMPARE(radio->receivedBytes(), QByteArray());
        QCOMPARE(radio->memory(), radioMemory);
        QCOMPARE(MemoryImage, image);
        QCOMPARE(AdjustImage, adjust);
    }
};

QTEST_MAIN(TestPasswordInput)
#include "tst_passwordinput.moc"
