// The alignment editor shown in the main window's MDI area and driven with
// real mouse and key events: where the focus lands, typing into value,
// limit and password boxes, a click into the window while another child
// window is active, and a click-through without an edit that changes no
// byte and sends nothing.
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>

#include "memory/AdjustDefaults.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "support/AdjustEditorFixture.h"
#include "support/LinkTestBench.h"

using namespace AdjustEditorFixture;

namespace {
class OtherWindow : public Form
{
};

void clickTab(AdjustEditorWindow *w, int tab)
{
    QTest::mouseClick(w->TabStrip1, Qt::LeftButton, {}, w->TabStrip1->tabRect(tab).center());
}

// Replaces a box's text by typing, as a user would: all of it selected and
// deleted (Delete passes a limit box's key filter), then the keys.
void retype(TextBox *box, const QString &keys)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, keys);
}
}

class TestAdjustInput : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<QMainWindow> main;
    QMdiArea *area = nullptr;

    AdjustEditorWindow *openShown()
    {
        auto *w = qobject_cast<AdjustEditorWindow *>(Windows::show(QStringLiteral("frm_Adj_Txp")));
        if (w)
            QApplication::processEvents();
        return w;
    }

private slots:
    void init()
    {
        setUpBench();
        useFakePorts();
        reset();
        plugRadio(1);
        Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new OtherWindow; });
        main = std::make_unique<QMainWindow>();
        area = new QMdiArea;
        main->setCentralWidget(area);
        main->resize(1280, 800);
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        Windows::setMdiArea(area);
        MsgBoxRecorder::clear();
    }
    void cleanup()
    {
        Windows::reset();
        Windows::setMdiArea(nullptr);
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AdjustEditorFixture::cleanup();
        tearDownBench();
    }

    void focusAndTyping()
    {
        AdjustEditorWindow *w = openShown();
        QVERIFY(w);
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(w));
        TextBox *first = w->valueBox("Text_TXP_VHF", 0);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(first));
        QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(first, "12");
        QCOMPARE(AdjustImage[0][0], qint16(12));
        QTest::keyClick(first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->valueBox("Text_TXP_VHF", 1)));
        // A letter warns at once and the box takes its factory value.
        QTest::keyClicks(QApplication::focusWidget(), "x");
        QCOMPARE(boxTexts(), QStringList{QString::fromUtf8(" 输入数字范围为 0 - 63 ！")});
        QCOMPARE(w->valueBox("Text_TXP_VHF", 1)->text(), QStringLiteral("60"));
        QCOMPARE(AdjustImage[0][1], qint16(60));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->valueBox("Text_TXP_VHF", 1)));
    }

    void clickIntoInactiveWindow()
    {
        AdjustEditorWindow *w = openShown();
        QWidget *other = Windows::load(QStringLiteral("other"));
        area->setActiveSubWindow(Windows::frameOf(other));
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(other));
        AdjustImage[2][5] = 33;  // changed behind the editor's back: not redrawn on activation
        TextBox *box = w->valueBox("Text_TXP_UHF1", 5);
        QTest::mouseClick(box, Qt::LeftButton);
        QTRY_COMPARE(area->activeSubWindow(), Windows::frameOf(w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
        QCOMPARE(box->text(), QStringLiteral("40"));
        QCOMPARE(AdjustImage[2][5], qint16(33));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, "7");
        QCOMPARE(AdjustImage[2][5], qint16(7));
        QVERIFY(boxTexts().isEmpty());
    }

    void clickThroughChangesNothing()
    {
        AdjustEditorWindow *w = openShown();
        const QList<int> before = block();
        for (int tab : {1, 2, 3, 4, 0}) {
            clickTab(w, tab);
            QCOMPARE(w->CurrentAdjustTab, tab);
            if (tab <= 1) {
                QTest::mouseClick(w->valueBox("Text_TXP_UHF2", 15), Qt::LeftButton);
                QTest::mouseClick(w->valueBox("Text_TXP_VHF", 3), Qt::LeftButton);
            } else if (tab == 2) {
                QTest::mouseClick(w->valueBox("Text_SQ_UHF0", 9), Qt::LeftButton);
                QTest::mouseClick(w->valueBox("Text_Sq_Offset_UHF2", 15), Qt::LeftButton);
            } else if (tab == 3) {
                PickList *list = w->list("Combo_Voice_Dev");
                QTest::mouseClick(list, Qt::LeftButton);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                for (int b = 0; b < 4; ++b) {
                    QTest::mouseClick(w->Text_Freq_L[b], Qt::LeftButton);
                    QTest::mouseClick(w->Text_Freq_H[b], Qt::LeftButton);
                }
                QTest::mouseClick(w->Text_user_PassWord, Qt::LeftButton);
                QTest::mouseClick(w->Text_Super_PassWord, Qt::LeftButton);
            }
        }
        QCOMPARE(w->windowTitle(), QString::fromUtf8("发射功率调整（高功率）"));
        QCOMPARE(block(), before);
        QVERIFY(boxTexts().isEmpty());
        QVERIFY(radio->receivedBytes().isEmpty());
    }

    void limitBoxesWithKeys()
    {
        AdjustEditorWindow *w = openShown();
        clickTab(w, TabRange);
        const QList<int> before = block();
        TextBox *upper = w->Text_Freq_H[0];
        retype(upper, "180");
        QTest::mouseClick(w->Text_Freq_L[1], Qt::LeftButton);
        QCOMPARE(boxTexts(), QStringList{"Receive frequency of upper limit can't more than the highest of work frequency. "});
        QCOMPARE(upper->text(), QStringLiteral("179"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(upper));
        QCOMPARE(block(), before);

        // Four characters take no more keys, Backspace included.
        MsgBoxRecorder::clear();
        QTest::keyClick(upper, Qt::Key_End);
        QTest::keyClicks(upper, "12");
        QCOMPARE(upper->text(), QStringLiteral("1791"));
        QTest::keyClick(upper, Qt::Key_Backspace);
        QCOMPARE(upper->text(), QStringLiteral("1791"));
        QTest::keyClick(upper, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(upper, "5");
        QCOMPARE(upper->text(), QStringLiteral("1791"));

        // A good pair stores its band's digits when the box is left.
        retype(upper, "174");
        retype(w->Text_Freq_L[0], "136");
        QTest::mouseClick(w->Text_user_PassWord, Qt::LeftButton);
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(cells(24, 0, 6), (QList<int>{1, 3, 6, 1, 7, 4}));
        QTest::keyClicks(w->Text_user_PassWord, "ab");
        QCOMPARE(cells(31, 0, 6), (QList<int>{32, 32, 65, 66, 32, 32}));
    }
};

QTEST_MAIN(TestAdjustInput)
#include "tst_adjustinput.moc"
