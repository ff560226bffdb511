// The alignment editor shown in the main window's MDI area and driven with
// real mouse and key events: where the focus lands, typing into value,
// limit and password boxes, a click into the window while another child
// window is active, a click-through without an edit that changes no byte and
// sends nothing, every tab clicked where it is seen, the initialise box, and
// the focus back in a box after its warning has been answered.
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>

#include "alignment/AdjustLayout.h"
#include "link/LinkSession.h"
#include "memory/AdjustDefaults.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "support/AdjustEditorFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"
#include "support/OnScreenMessageBox.h"
#include "support/TabClick.h"

using namespace AdjustEditorFixture;

namespace {
class OtherWindow : public Form
{
};

// Replaces a box's text by typing, as a user would: a click where the box is
// seen, all of it selected and deleted (Delete passes a limit box's key
// filter), then the keys. False when the box cannot be clicked.
[[nodiscard]] bool retype(TextBox *box, const QString &keys)
{
    if (!clickWhereSeen(box))
        return false;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, keys);
    return true;
}
}

class TestAdjustInput : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;
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
        main = std::make_unique<MainStandIn>();
        area = main->area;
        QVERIFY(main->waitActive());
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
        QVERIFY(clickWhereSeen(box));
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
            QVERIFY(clickTabWhereSeen(w->TabStrip1, tab));
            QCOMPARE(w->CurrentAdjustTab, tab);
            if (tab <= 1) {
                QVERIFY(clickWhereSeen(w->valueBox("Text_TXP_UHF2", 15)));
                QVERIFY(clickWhereSeen(w->valueBox("Text_TXP_VHF", 3)));
            } else if (tab == 2) {
                QVERIFY(clickWhereSeen(w->valueBox("Text_SQ_UHF0", 9)));
                QVERIFY(clickWhereSeen(w->valueBox("Text_Sq_Offset_UHF2", 15)));
            } else if (tab == 3) {
                PickList *list = w->list("Combo_Voice_Dev");
                QVERIFY(clickWhereSeen(list));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                for (int b = 0; b < 4; ++b) {
                    QVERIFY(clickWhereSeen(w->Text_Freq_L[b]));
                    QVERIFY(clickWhereSeen(w->Text_Freq_H[b]));
                }
                QVERIFY(clickWhereSeen(w->Text_user_PassWord));
                QVERIFY(clickWhereSeen(w->Text_Super_PassWord));
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
        QVERIFY(clickTabWhereSeen(w->TabStrip1, TabRange));
        const QList<int> before = block();
        TextBox *upper = w->Text_Freq_H[0];
        QVERIFY(retype(upper, "180"));
        QVERIFY(clickWhereSeen(w->Text_Freq_L[1]));
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
        QVERIFY(retype(upper, "174"));
        QVERIFY(retype(w->Text_Freq_L[0], "136"));
        QVERIFY(clickWhereSeen(w->Text_user_PassWord));
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(cells(24, 0, 6), (QList<int>{1, 3, 6, 1, 7, 4}));
        QTest::keyClicks(w->Text_user_PassWord, "ab");
        QCOMPARE(cells(31, 0, 6), (QList<int>{32, 32, 65, 66, 32, 32}));
    }

    // Each tab, clicked where a person sees it from every other tab, shows
    // its own page: its caption, its frame alone, and that frame's controls
    // under the mouse.
    void everyTabClickedWhereSeen_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("frame");
        QTest::newRow("high power") << int(TabHighPower) << QStringLiteral("发射功率调整（高功率）") << "Frame_Frame";
        QTest::newRow("middle power") << int(TabMiddlePower) << QStringLiteral("发射功率调整（中功率）") << "Frame_Frame";
        QTest::newRow("squelch") << int(TabSquelch) << QStringLiteral("静噪等级调整") << "Frame_Sql";
        QTest::newRow("deviation") << int(TabDeviation) << QStringLiteral("调制度、输出音量调整") << "Frame_Dev";
        QTest::newRow("range") << int(TabRange) << QStringLiteral("频率范围") << "Frame_Other";
    }
    void everyTabClickedWhereSeen()
    {
        QFETCH(int, tab);
        QFETCH(QString, title);
        QFETCH(QString, frame);
        AdjustEditorWindow *w = openShown();
        QVERIFY(w);
        const QList<int> before = block();
        const QList<QGroupBox *> frames{w->Frame_Frame, w->Frame_Sql, w->Frame_Dev, w->Frame_Other};
        for (int from = 0; from < w->TabStrip1->count(); ++from) {
            if (from == tab)
                continue;
            QVERIFY(clickTabWhereSeen(w->TabStrip1, from));
            QCOMPARE(w->CurrentAdjustTab, from);
            QVERIFY(clickTabWhereSeen(w->TabStrip1, tab));
            QCOMPARE(w->TabStrip1->currentIndex(), tab);
            QCOMPARE(w->CurrentAdjustTab, tab);
            QCOMPARE(w->windowTitle(), title);
            for (QGroupBox *f : frames) {
                QCOMPARE(f->isVisible(), f->objectName() == frame);
                if (f->objectName() != frame)
                    continue;
                QWidget *under = QApplication::widgetAt(f->mapToGlobal(f->rect().center()));
                QVERIFY2(under == f || f->isAncestorOf(under),
                         qPrintable(frame + " is covered by " + (under ? under->objectName() : "nothing")));
            }
        }
        QCOMPARE(block(), before);
        QVERIFY(boxTexts().isEmpty());
    }

    // A page switched away from under the focused control: a limit box
    // checks what it holds as it goes (its warning, answered on screen, and
    // the bound shown; nothing stored), and the keyboard lands on the first
    // control of the page now shown, never on a button such as Read. A
    // focus outside the pages stays where it is.
    void pageSwitchFromUnderTheFocus_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<int>("bound");  // the limit box shows it after its warning
        QTest::newRow("limit 180 left for the squelch page")
            << int(TabRange) << "Text_Freq_H(0)" << "180" << int(TabSquelch) << "Text_SQ_VHF(0)" << 1 << 179;
        QTest::newRow("limit 399 left for the power page")
            << int(TabRange) << "Text_Freq_L(2)" << "399" << int(TabHighPower) << "Text_TXP_VHF(0)" << 1 << 400;
        QTest::newRow("good limit left for the deviation page")
            << int(TabRange) << "Text_Freq_H(0)" << "170" << int(TabDeviation) << "Combo_Voice_Dev" << 0 << 0;
        QTest::newRow("power box left for the range page")
            << int(TabHighPower) << "Text_TXP_UHF0(2)" << "" << int(TabRange) << "Text_Freq_L(0)" << 0 << 0;
        QTest::newRow("power box stays between the power pages")
            << int(TabHighPower) << "Text_TXP_UHF0(2)" << "" << int(TabMiddlePower) << "Text_TXP_UHF0(2)" << 0 << 0;
        QTest::newRow("a button keeps the focus")
            << int(TabSquelch) << "Command_def" << "" << int(TabRange) << "Command_def" << 0 << 0;
    }
    void pageSwitchFromUnderTheFocus()
    {
        QFETCH(int, from);
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(int, to);
        QFETCH(QString, focus);
        QFETCH(int, warnings);
        QFETCH(int, bound);
        AdjustEditorWindow *w = openShown();
        QVERIFY(w);
        QVERIFY(clickTabWhereSeen(w->TabStrip1, from));
        auto *start = w->findChild<QWidget *>(control);
        QVERIFY(start);
        if (qobject_cast<QPushButton *>(start))
            start->setFocus(Qt::TabFocusReason);  // a click would press it
        else
            QVERIFY(clickWhereSeen(start));
        QCOMPARE(QApplication::focusWidget(), start);
        if (!keys.isEmpty()) {
            QTest::keyClick(start, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(start, keys);
        }
        const QList<int> before = block();
        MsgBoxRecorder::install(answerOnScreen);
        QVERIFY(clickTabWhereSeen(w->TabStrip1, to));
        QCOMPARE(w->CurrentAdjustTab, to);
        QCOMPARE(MsgBoxRecorder::boxes().size(), warnings);
        QTRY_COMPARE(QApplication::focusWidget(), w->findChild<QWidget *>(focus));
        QTest::qWait(100);
        QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget *>(focus));
        if (warnings) {
            QCOMPARE(block(), before);
            auto *box = qobject_cast<TextBox *>(start);
            QVERIFY(box);
            QCOMPARE(box->text(), QString::number(bound));
        }
    }

    // The initialise box as the range tab shows it from cell (31, 15), and
    // what a click on it then stores: bits 0-3 kept, the flag 16 added when
    // it is ticked, bits 5-7 dropped.
    void initialiseBoxShownAndClicked_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("afterClick");
        QTest::newRow("0") << 0 << false << 16;
        QTest::newRow("7") << 7 << false << 23;
        QTest::newRow("8") << 8 << false << 24;
        QTest::newRow("9") << 9 << true << 9;
        QTest::newRow("15") << 15 << true << 15;
        QTest::newRow("16") << 16 << true << 0;
        QTest::newRow("18") << 18 << true << 2;
        QTest::newRow("24") << 24 << true << 8;
        QTest::newRow("35") << 35 << true << 3;
        QTest::newRow("40") << 40 << true << 8;
        QTest::newRow("255") << 255 << true << 15;
    }
    void initialiseBoxShownAndClicked()
    {
        QFETCH(int, cell);
        QFETCH(bool, ticked);
        QFETCH(int, afterClick);
        AdjustImage[31][15] = qint16(cell);
        AdjustEditorWindow *w = openShown();
        QVERIFY(w);
        QVERIFY(clickTabWhereSeen(w->TabStrip1, TabRange));
        QCOMPARE(w->Check_Csh_Type->isChecked(), ticked);
        QCOMPARE(int(AdjustImage[31][15]), cell);  // showing stores nothing
        QVERIFY(clickWhereSeen(w->Check_Csh_Type, indicatorCentre(w->Check_Csh_Type)));
        QCOMPARE(w->Check_Csh_Type->isChecked(), !ticked);
        QCOMPARE(int(AdjustImage[31][15]), afterClick);
        QVERIFY(boxTexts().isEmpty());
    }

    // A value or limit refused with a warning: once the user has answered
    // the real box, the keyboard focus is back in the box, which shows what
    // it was reset to (a value box its cell's factory value, a limit box its
    // band's bound), and the next key goes there.
    void focusBackAfterTheWarning_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("leaveKey");  // 0: the warning comes while typing
        QTest::addColumn<int>("row");       // the value box's cell, -1 for a limit
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("limit");
        const int tab = Qt::Key_Tab;
        QTest::newRow("power 64") << int(TabHighPower) << "Text_TXP_UHF1(4)" << "64" << 0 << 2 << 4 << "";
        QTest::newRow("middle power 64") << int(TabMiddlePower) << "Text_TXP_VHF(3)" << "64" << 0 << 4 << 3 << "";
        QTest::newRow("level 101") << int(TabSquelch) << "Text_SQ_UHF2(9)" << "101" << 0 << 14 << 9 << "";
        QTest::newRow("offset letter") << int(TabSquelch) << "Text_Sq_Offset_VHF(0)" << "x" << 0 << 9 << 0 << "";
        QTest::newRow("upper 180, Tab") << int(TabRange) << "Text_Freq_H(0)" << "180" << tab << -1 << 0 << "179";
        QTest::newRow("upper 180, Backtab") << int(TabRange) << "Text_Freq_H(0)" << "180" << int(Qt::Key_Backtab) << -1 << 0 << "179";
        QTest::newRow("lower 120, Backtab to the tabs") << int(TabRange) << "Text_Freq_L(0)" << "120" << int(Qt::Key_Backtab) << -1 << 0 << "130";
        QTest::newRow("lower 399, Tab") << int(TabRange) << "Text_Freq_L(2)" << "399" << tab << -1 << 0 << "400";
        QTest::newRow("lower above upper, Tab") << int(TabRange) << "Text_Freq_L(1)" << "190" << tab << -1 << 0 << "130";
    }
    void focusBackAfterTheWarning()
    {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(int, leaveKey);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, limit);
        AdjustEditorWindow *w = openShown();
        QVERIFY(w);
        QVERIFY(clickTabWhereSeen(w->TabStrip1, tab));
        auto *target = w->findChild<TextBox *>(box);
        QVERIFY(target);
        QVERIFY(clickWhereSeen(target));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(target));
        MsgBoxRecorder::install(answerOnScreen);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(target, keys);
        if (leaveKey)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(leaveKey));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(target));
        QTest::qWait(100);  // and nothing moves it afterwards
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(target));
        const QString reset = row >= 0 ? QString::number(AdjustDefaults[row][col]) : limit;
        QCOMPARE(target->text(), reset);
        if (row >= 0)
            QCOMPARE(AdjustImage[row][col], AdjustDefaults[row][col]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(target->text(), reset.chopped(1));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }
};

QTEST_MAIN(TestAdjustInput)
#include "tst_adjustinput.moc"
