// The DTMF editor window as a user meets it: captions in both languages,
// the code headings over their rows, the factory display, code boxes typed
// and pasted into with real keys, lists and check boxes (and what a screen
// reader hears of a digit code), Default, Open, Save and Close, the
// refusals while its exchange runs, and what a redraw stores: times beyond
// their lists as the last entry, a code row only when its box's text
// changes, 1 for the ID control it ticks, nothing else.
#include "signalling/DtmfTwoToneFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkTestBench.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>

#include "link/LinkSession.h"
#include "memory/CharacterCodec.h"
#include "memory/DtmfDefaults.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "signalling/DtmfEditorWindow.h"
#include "signalling/DtmfLayout.h"

using namespace DtmfTwoToneFixture;
using Bytes = QList<int>;

namespace {
const int First = DtmfLayout::FirstRow;
const int Decode = DtmfLayout::DecodeSettingsRow;

DtmfEditorWindow *load()
{
    return qobject_cast<DtmfEditorWindow *>(Windows::load(WindowName::frm_dtmf));
}

TextBox *box(DtmfEditorWindow *w, const QString &name)
{
    return w->findChild<TextBox *>(name);
}

PickList *list(DtmfEditorWindow *w, const char *name)
{
    return w->findChild<PickList *>(QLatin1String(name));
}

QCheckBox *check(DtmfEditorWindow *w, const QString &name)
{
    return w->findChild<QCheckBox *>(name);
}

QString caption(DtmfEditorWindow *w, const char *name)
{
    QWidget *c = w->findChild<QWidget *>(QLatin1String(name));
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->text();
    if (auto *g = qobject_cast<QGroupBox *>(c))
        return g->title();
    if (auto *b = qobject_cast<QAbstractButton *>(c))
        return b->text();
    return QStringLiteral("?");
}

void fillArea(qint16 value)
{
    for (int r = First; r < First + DtmfLayout::RowCount; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = value;
}

QList<QList<int>> area() { return rows(First, DtmfLayout::RowCount); }

// Ticks of the master and vice rights boxes, as one number each.
int rightsShown(DtmfEditorWindow *w, const char *array)
{
    int bits = 0;
    for (int i = 0; i < 5; ++i)
        if (check(w, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i))->isChecked())
            bits |= 1 << i;
    return bits;
}
QRect inWindow(QWidget *w, QWidget *c)
{
    return QRect(c->mapTo(w, QPoint(0, 0)), c->size());
}

// Where a label draws its text, in window w.
QRect textRect(QWidget *w, QLabel *l)
{
    const QRect drawn = l->style()->itemTextRect(l->fontMetrics(), l->contentsRect(), l->alignment(),
                                                 true, l->text());
    return drawn.translated(l->mapTo(w, QPoint(0, 0)));
}

// What a screen reader says of a list: its accessible value and, when that
// differs, its name.
QStringList spoken(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {QStringLiteral("(no accessible interface)")};
    QStringList said;
    for (QAccessible::Text t : {QAccessible::Value, QAccessible::Name}) {
        const QString text = a->text(t);
        if (!text.isEmpty() && !said.contains(text))
            said << text;
    }
    return said;
}

// A user's pick of item i: a click where the list is seen opens it (the
// window moved first when the test screen is too small to show it), a
// click on the item picks it. False, with a warning, when the list cannot
// be reached or its popup does not open or close.
[[nodiscard]] bool pickWithTheMouse(PickList *l, int i)
{
    if (!bringOnScreen(l)) {
        qWarning("the list cannot be brought on screen");
        return false;
    }
    if (!clickWhereSeen(l))
        return false;
    QAbstractItemView *view = l->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        qWarning("the list did not open");
        return false;
    }
    const QModelIndex item = l->model()->index(i, 0);
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    QTest::mouseMove(view->viewport(), at);
    if (!clickWhereSeen(view->viewport(), at))
        return false;
    if (!QTest::qWaitFor([view] { return !view->isVisible(); })) {
        qWarning("the list did not close");
        return false;
    }
    return true;
}
} // namespace

class TstDtmfWindow : public QObject, LinkTestBench
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpBench();
        DtmfTwoToneFixture::reset(WindowName::frm_dtmf, [] { return new DtmfEditorWindow; });
        useFakePorts();
        plugRadio(1);
    }
    void cleanup()
    {
        DtmfTwoToneFixture::cleanup();
        tearDownBench();
    }

    void captionsByLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << 0
            << QStringList{"DTMF Encode/Decode ", "DTMF Encode", "DTMF Speed (On Time)", "Kill",
                           "Master Control ID", "      Inspection             Stun                 Revive ",
                           "Function Control by master and vice ID code", "TX Disable", "Write",
                           "Default", "Close", "Vice Control ID Kill"};
        QTest::newRow("Chinese") << -1
            << QStringList{"DTMF 编解码参数编辑", "DTMF 编码", "发码持续时间（MS）", "遥 毙 码",
                           "主控ID码", "", "接受主副ID控制", "发射禁止", "写  入", "默 认", "关  闭", "副控ID码 遥毙"};
    }
    void captionsByLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        LanguageFlag = qint16(language);
        DtmfEditorWindow *w = load();
        const QStringList shown{w->windowTitle(),
                                caption(w, "Frame_Encode"),
                                caption(w, "Label_dtmf_ontime"),
                                caption(w, "Label_yb"),
                                caption(w, "Label_PID"),
                                caption(w, "Label_xcjtyyybkj_2"),
                                caption(w, "Check_Ctrl_En"),
                                caption(w, "Check_Tx"),
                                caption(w, "Command_Write"),
                                caption(w, "Command_def"),
                                caption(w, "Command_close"),
                                check(w, "Check_S(3)")->accessibleName()};
        QCOMPARE(shown, texts);
        QCOMPARE(caption(w, "Label_xh(0)"), QStringLiteral("1"));
        QCOMPARE(caption(w, "Label_xh(14)"), QStringLiteral("15"));
        // The language is taken at load: a switch leaves the open window as it is.
        LanguageFlag = qint16(language ? 0 : -1);
        QTest::keyClick(w, Qt::Key_Tab);
        QCOMPARE(w->windowTitle(), texts.first());
        QCOMPARE(caption(w, "Command_close"), texts.at(texts.size() - 2));
    }

    // The column headings "Number" and " Code " stand just above the
    // fifteen code rows, each over its column, in both languages, in the
    // window as it opens and made taller (a larger main window, or the user
    // dragging its edge): no wider gap between a heading's text and the first
    // row than between two rows.
    void codeHeadingsStandOverTheRows_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("taller");
        QTest::newRow("English") << 0 << 0;
        QTest::newRow("Chinese") << -1 << 0;
        QTest::newRow("English, 200 px taller") << 0 << 200;
        QTest::newRow("Chinese, 200 px taller") << -1 << 200;
    }
    void codeHeadingsStandOverTheRows()
    {
        QFETCH(int, language);
        QFETCH(int, taller);
        LanguageFlag = qint16(language);
        MdiHost host;
        DtmfEditorWindow *w = load();
        QVERIFY(QTest::qWaitForWindowExposed(w->window()));
        if (taller) {
            QMdiSubWindow *frame = Windows::frameOf(w);
            frame->move(frame->x(), 0);
            frame->resize(frame->width(), frame->height() + taller);
            QTRY_VERIFY(w->height() >= frame->height() - 40);
        }
        const QRect first = inWindow(w, box(w, "Text_tx_Encode(0)"));
        const QRect second = inWindow(w, box(w, "Text_tx_Encode(1)"));
        const QRect number = inWindow(w, w->controls.Label_xh[0]);
        const int rowGap = second.top() - first.bottom() - 1;
        for (const char *name : {"Label_encode_xh", "Label_tx_encode"}) {
            auto *heading = w->findChild<QLabel *>(QLatin1String(name));
            const QRect text = textRect(w, heading);
            const QRect column = QLatin1String(name) == QLatin1String("Label_tx_encode") ? first : number;
            const int gap = first.top() - text.bottom() - 1;
            QVERIFY2(gap >= 0 && gap <= rowGap + 6,
                     qPrintable(QStringLiteral("%1: %2 px above the first row, rows %3 px apart")
                                    .arg(QLatin1String(name)).arg(gap).arg(rowGap)));
            QVERIFY2(text.center().x() >= column.left() && text.center().x() <= column.right(), name);
        }
    }

    void factoryDisplay()
    {
        DtmfEditorWindow *w = load();
        QCOMPARE(box(w, "Text_tx_Encode(0)")->text(), QStringLiteral("12345"));
        QCOMPARE(box(w, "Text_tx_Encode(1)")->text(), QString());
        QCOMPARE(box(w, "Text_tx_Encode(14)")->text(), QStringLiteral("54321"));
        QCOMPARE(box(w, "Text_XC")->text(), QStringLiteral("101"));
        QCOMPARE(box(w, "Text_KJ")->text(), QStringLiteral("106"));
        QCOMPARE(box(w, "Text_SID")->text(), QStringLiteral("10002"));
        const QStringList lists{list(w, "Combo_Enc_ys1")->text(), list(w, "Combo_Enc_ys2")->text(),
                                list(w, "Combo_Dec_qh")->text(),
                                list(w, "Combo_Dec_Space_Code")->text(),
                                list(w, "Combo_Dec_Proc_Ys")->text(),
                                list(w, "Combo_Dec_Res_Time")->text()};
        QCOMPARE(lists, (QStringList{"80", "80", "*", "#", "500", "16000"}));
        QCOMPARE(list(w, "Combo_Enc_ys1")->listCount(), 196);
        QCOMPARE(list(w, "Combo_Dec_Res_Time")->listCount(), 200);
        QVERIFY(check(w, "Check_Ctrl_En")->isChecked());
        QCOMPARE(rightsShown(w, "Check_M"), 31);
        QCOMPARE(rightsShown(w, "Check_S"), 3);
        QVERIFY(!check(w, "Check_RX")->isChecked() && !check(w, "Check_Tx")->isChecked());
        QVERIFY(w->Label_PassWord->isHidden() && w->Text_PassWord->isHidden());
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // A redisplay reads the whole area before it sets a control. An erased
    // area shown by the window as it opens shows empty codes, the four times
    // at their last entries, empty group and separator and every box ticked;
    // it stores the four last indexes and 1 for the ID control it ticks, and
    // nothing else however often the window redraws: an ID-control byte of 7
    // that comes while the box is ticked stays, as do the rights' 0xFF.
    void redisplayStoresWhatItShows()
    {
        fillArea(0xFF);
        auto expected = area();
        expected[DtmfLayout::EncodeSettingsRow - First][0] = 195;
        expected[DtmfLayout::EncodeSettingsRow - First][1] = 195;
        expected[Decode - First][DtmfLayout::IdControlByte] = 1;
        expected[Decode - First][DtmfLayout::ProcessDelayByte] = 39;
        expected[Decode - First][DtmfLayout::ResetTimeByte] = 199;
        MdiHost host;
        DtmfEditorWindow *w = load();
        for (TextBox *b : w->controls.codeBoxes)
            QCOMPARE(b->text(), QString());
        QStringList lists;
        for (PickList *l : w->controls.lists)
            lists << (l->listIndex() < 0 ? l->unlistedText() : l->text());
        QCOMPARE(lists, (QStringList{"2000", "2000", "", "", "4000", "20000"}));
        for (QCheckBox *c : w->controls.checks)
            QVERIFY(c->isChecked());
        QCOMPARE(area(), expected);
        Windows::show(QStringLiteral("other"));
        // Meanwhile a file brought an ID-control byte of 7: the box stays ticked.
        MemoryImage[Decode][DtmfLayout::IdControlByte] = 7;
        expected[Decode - First][DtmfLayout::IdControlByte] = 7;
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QVERIFY(host.active(w));
        QCOMPARE(area(), expected);
        w->ShowDtmf();
        QCOMPARE(area(), expected);
    }

    // The ID control turned from cleared to ticked by a redraw stores 1, as
    // the box's own click does; a byte of 0 that comes is shown cleared and
    // stays 0.
    void idControlTickedByARedrawStoresOne()
    {
        MemoryImage[Decode][DtmfLayout::IdControlByte] = 0;
        MdiHost host;
        DtmfEditorWindow *w = load();
        QCheckBox *id = check(w, "Check_Ctrl_En");
        QVERIFY(!id->isChecked());
        QCOMPARE(int(MemoryImage[Decode][0]), 0);
        Windows::show(QStringLiteral("other"));
        MemoryImage[Decode][DtmfLayout::IdControlByte] = 0x80;  // a file brought another byte
        const auto before = area();
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QVERIFY(id->isChecked());
        QVERIFY(box(w, "Text_MID")->isEnabled());
        auto expected = before;
        expected[Decode - First][DtmfLayout::IdControlByte] = 1;
        QCOMPARE(area(), expected);
    }

    // A code row rewritten only when its box's text changes: sixteen blanks
    // show an empty box and stay blanks through every redraw; the box
    // clicked and left as it is changes nothing either.
    void blankCodeRowStaysAsItIs()
    {
        for (int c = 0; c < 16; ++c) {
            MemoryImage[First + 4][c] = 0x20;     // encode code 5
            MemoryImage[DtmfLayout::functionCodeRow(2)][c] = 0x20;  // alarm
        }
        const Bytes blanks(16, 0x20);
        MdiHost host;
        DtmfEditorWindow *w = load();
        QCOMPARE(box(w, "Text_tx_Encode(4)")->text(), QString());
        QCOMPARE(box(w, "Text_BJ")->text(), QString());
        QCOMPARE(row(First + 4), blanks);
        QVERIFY(clickOnScreen(box(w, "Text_tx_Encode(4)")));
        QVERIFY(clickOnScreen(box(w, "Text_BJ")));  // the encode box left
        QVERIFY(clickOnScreen(box(w, "Text_XC")));  // the alarm box left
        Windows::show(QStringLiteral("other"));
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(row(First + 4), blanks);
        QCOMPARE(row(DtmfLayout::functionCodeRow(2)), blanks);
        // Typed into, the row holds what the box shows.
        TextBox *b = box(w, "Text_BJ");
        QVERIFY(clickOnScreen(b));
        QTRY_COMPARE(QApplication::focusWidget(), b);
        QTest::keyClicks(b, QStringLiteral("7"));
        QCOMPARE(row(DtmfLayout::functionCodeRow(2)), Bytes({7}) + Bytes(15, 0xFF));
    }

    // A digit stored as group or separator code shows as that digit and
    // stays stored through every redraw; a user's pick from the opened list
    // stores its character as before.
    void groupAndSpaceCodesShowADigit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("byteNo");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("picked");
        QTest::newRow("group 5") << "Combo_Dec_qh" << DtmfLayout::GroupCodeByte << 5 << "5" << 4 << 15;
        QTest::newRow("group 10 is 0") << "Combo_Dec_qh" << DtmfLayout::GroupCodeByte << 10 << "0" << 5 << 0;
        QTest::newRow("separator 1") << "Combo_Dec_Space_Code" << DtmfLayout::SeparatorByte << 1 << "1"
                                     << 0 << 11;
        QTest::newRow("separator 0xFF") << "Combo_Dec_Space_Code" << DtmfLayout::SeparatorByte << 0xFF
                                        << "" << 1 << 12;
    }
    void groupAndSpaceCodesShowADigit()
    {
        QFETCH(QString, name);
        QFETCH(int, byteNo);
        QFETCH(int, code);
        QFETCH(QString, shown);
        QFETCH(int, pick);
        QFETCH(int, picked);
        MemoryImage[Decode][byteNo] = qint16(code);
        const auto before = area();
        MdiHost host;
        DtmfEditorWindow *w = load();
        PickList *l = list(w, qPrintable(name));
        QCOMPARE(l->listIndex(), -1);
        QCOMPARE(l->unlistedText(), shown);  // what a list without a selection shows
        Windows::show(QStringLiteral("other"));
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(l->unlistedText(), shown);
        QCOMPARE(area(), before);
        // A screen reader hears what the list shows: the digit, or for a
        // list showing nothing the caption of its label.
        const QString label = w->findChild<QLabel *>(
            name == QLatin1String("Combo_Dec_qh") ? "Label_Group_code" : "Label_Dec_Space_Code")->text();
        QCOMPARE(spoken(l), shown.isEmpty() ? QStringList{label} : QStringList{shown});

        QVERIFY(pickWithTheMouse(l, pick));
        QCOMPARE(int(MemoryImage[Decode][byteNo]), picked);
        QCOMPARE(l->listIndex(), pick);
        QCOMPARE(l->text(), DtmfCodeToChar(picked));
        QCOMPARE(spoken(l), QStringList{DtmfCodeToChar(picked)});
        w->ShowDtmf();
        QCOMPARE(l->listIndex(), pick);
    }

    // A code is stored as it is typed or pasted; once shown again (the box
    // left, the window activated) its row is packed as the box reads it:
    // codes from byte 0 on, 0xFF after the last.
    void codesArePackedWhenShown()
    {
        MdiHost host;
        DtmfEditorWindow *w = load();
        Windows::show(QStringLiteral("other"));
        // A file brought a kill code with gaps and a byte without a character,
        // and a packed stun code.
        const QList<qint16> gaps{0xFF, 3, 0x20, 0, 0xFF, 12};
        for (int c = 0; c < 16; ++c)
            MemoryImage[0x2A4][c] = c < gaps.size() ? gaps[c] : qint16(0xFF);
        StoreDtmfCodeString(QStringLiteral("12*"), 0x2A3);
        const Bytes stun = row(0x2A3);
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(box(w, "Text_YB")->text(), QStringLiteral("3D#"));
        QCOMPARE(row(0x2A4), Bytes({3, 0, 12}) + Bytes(13, 0xFF));
        QCOMPARE(row(0x2A3), stun);
        // Typed into, the box stores what it shows.
        TextBox *yb = box(w, "Text_YB");
        QVERIFY(clickOnScreen(yb));
        QTRY_COMPARE(QApplication::focusWidget(), yb);
        QTest::keyClick(yb, Qt::Key_End);
        QTest::keyClicks(yb, QStringLiteral("a"));
        QCOMPARE(row(0x2A4), Bytes({3, 0, 12, 13}) + Bytes(12, 0xFF));
    }

    void activationShowsAChangedImageAndKeepsTheRights()
    {
        MdiHost host;
        DtmfEditorWindow *w = load();
        Windows::show(QStringLiteral("other"));
        QVERIFY(!host.active(w));
        // A file brought other rights and an ID control that is off.
        MemoryImage[Decode][0] = 0;
        MemoryImage[Decode][1] = 0x15;
        MemoryImage[Decode][2] = 0xEA;
        const auto before = area();
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(rightsShown(w, "Check_M"), 0x15);
        QCOMPARE(rightsShown(w, "Check_S"), 0x0A);
        QVERIFY(!check(w, "Check_Ctrl_En")->isChecked());
        QVERIFY(!box(w, "Text_MID")->isEnabled());
        QVERIFY(!check(w, "Check_S(1)")->isEnabled());
        QVERIFY(box(w, "Text_XC")->isEnabled());
        // Back and forth again: the image stays as the file left it.
        Windows::show(QStringLiteral("other"));
        host.area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(area(), before);
    }

    void focusLandsOnTheFirstCode()
    {
        MdiHost host;
        DtmfEditorWindow *w = load();
        QVERIFY(host.active(w));
        QTRY_COMPARE(QApplication::focusWidget(), box(w, "Text_tx_Encode(0)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(w, "Text_tx_Encode(1)"));
    }

    void typingStoresTheCodeAndLeavingShowsItPacked()
    {
        MdiHost host;
        DtmfEditorWindow *w = load();
        TextBox *xc = box(w, "Text_XC");
        QVERIFY(clickOnScreen(xc));
        QCOMPARE(QApplication::focusWidget(), xc);
        xc->selectAll();
        // "e", space and Backspace are not code keys: nothing of them
        // arrives; the letter is refused in words.
        QTest::keyClicks(xc, QStringLiteral("1a e#"));
        QTest::keyClick(xc, Qt::Key_Backspace);
        QCOMPARE(xc->text(), QStringLiteral("1a#"));
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("The code takes only the DTMF characters 0-9, A-D, * and # .")});
        QCOMPARE(MsgBoxRecorder::boxes().first().icon, MsgIcon::Exclamation);
        QCOMPARE(row(0x2A0), Bytes({1, 13, 12}) + Bytes(13, 0xFF));
        QVERIFY(clickOnScreen(box(w, "Text_JT")));
        QCOMPARE(xc->text(), QStringLiteral("1A#"));
        QCOMPARE(row(0x2A0), Bytes({1, 13, 12}) + Bytes(13, 0xFF));
        // Delete removes the character after the caret; the field follows.
        xc->setFocus();
        xc->setCursorPosition(1);
        QTest::keyClick(xc, Qt::Key_Delete);
        QCOMPARE(row(0x2A0), Bytes({1, 12}) + Bytes(14, 0xFF));
        QCOMPARE(row(0x2A1), Bytes({1, 10, 2}) + Bytes(13, 0xFF));  // monitor kept
    }

    // Sixteen characters at most, typed or pasted; the encode code 15 box
    // never reaches the timing row after it.
    void sixteenCharactersAtMost_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("typed") << "typed";
        QTest::newRow("pasted with Ctrl+V") << "paste";
        QTest::newRow("pasted at the end of 15") << "paste15";
    }
    void sixteenCharactersAtMost()
    {
        QFETCH(QString, how);
        MdiHost host;
        DtmfEditorWindow *w = load();
        TextBox *b = box(w, "Text_tx_Encode(14)");
        QVERIFY(clickOnScreen(b));
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        const Bytes timing = row(DtmfLayout::EncodeSettingsRow);
        const QString twenty = QStringLiteral("12345678901234567890");
        if (how == QLatin1String("typed")) {
            QTest::keyClicks(b, twenty);
        } else {
            if (how == QLatin1String("paste15"))
                QTest::keyClicks(b, twenty.left(15));
            QApplication::clipboard()->setText(QStringLiteral("dd dd"));
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
            if (how == QLatin1String("paste"))
                for (int k = 0; k < 4; ++k)
                    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(b->text().size(), 16);
        QCOMPARE(row(First + 14).size(), 16);
        QVERIFY(!row(First + 14).contains(0xFF));
        // Enter at 16 changes nothing either.
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(b->text().size(), 16);
        QCOMPARE(row(DtmfLayout::EncodeSettingsRow), timing);
        QTest::keyClick(b, Qt::Key_Tab);
        QCOMPARE(b->text().size(), 16);
    }

    void listPicksStoreAndTypingDoesNot()
    {
        DtmfEditorWindow *w = load();
        PickList *group = list(w, "Combo_Dec_qh");
        group->setListIndex(5);  // a user's pick of "D"
        QCOMPARE(int(MemoryImage[Decode][4]), 0);
        group->setListIndex(0);
        QCOMPARE(int(MemoryImage[Decode][4]), 11);
        list(w, "Combo_Enc_ys2")->setListIndex(195);
        QCOMPARE(int(MemoryImage[DtmfLayout::EncodeSettingsRow][1]), 195);
        const auto before = area();
        for (PickList *l : w->controls.lists)
            QTest::keyClicks(l, QStringLiteral("5D#"));
        QCOMPARE(area(), before);
    }

    void checkBoxesStoreTheirBits()
    {
        MemoryImage[Decode][3] = 1;
        MdiHost host;
        DtmfEditorWindow *w = load();
        QVERIFY(clickOnScreen(check(w, "Check_Tx")));
        QCOMPARE(int(MemoryImage[Decode][3]), 3);
        QVERIFY(clickOnScreen(check(w, "Check_RX")));
        QCOMPARE(int(MemoryImage[Decode][3]), 2);
        QVERIFY(clickOnScreen(check(w, "Check_S(4)")));
        QCOMPARE(int(MemoryImage[Decode][2]), 3 | 16);
        // The ID control off: the twelve ID controls disabled with their
        // contents kept, the rights bytes untouched.
        QVERIFY(clickOnScreen(check(w, "Check_Ctrl_En")));
        QCOMPARE(int(MemoryImage[Decode][0]), 0);
        QCOMPARE(Bytes({MemoryImage[Decode][1], MemoryImage[Decode][2]}), Bytes({31, 19}));
        for (QWidget *c : w->controls.idControlled)
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        QCOMPARE(box(w, "Text_MID")->text(), QStringLiteral("10001"));
        QVERIFY(box(w, "Text_BJ")->isEnabled());
        QVERIFY(clickOnScreen(check(w, "Check_Ctrl_En")));
        QCOMPARE(int(MemoryImage[Decode][0]), 1);
        QVERIFY(box(w, "Text_MID")->isEnabled());
    }

    void clickIntoAnInactiveWindowEditsTheNewImage()
    {
        MdiHost host;
        DtmfEditorWindow *w = load();
        Windows::show(QStringLiteral("other"));
        QVERIFY(!host.active(w));
        // Meanwhile a file brought another alarm code.
        StoreDtmfCodeString(QStringLiteral("999"), 0x2A2);
        TextBox *bj = box(w, "Text_BJ");
        QVERIFY(clickOnScreen(bj));
        QVERIFY(host.active(w));
        QCOMPARE(bj->text(), QStringLiteral("999"));
        QCOMPARE(QApplication::focusWidget(), bj);
        QTest::keyClick(bj, Qt::Key_End);
        QTest::keyClicks(bj, QStringLiteral("1"));
        QCOMPARE(row(0x2A2), Bytes({9, 9, 9, 1}) + Bytes(12, 0xFF));
    }

    void clickThroughChangesNothing()
    {
        MdiHost host;
        StoreDtmfCodeString(QStringLiteral("ab"), First + 3);  // stored as 13, 14
        MemoryImage[Decode][4] = 5;                              // a digit as group code
        const auto before = area();
        DtmfEditorWindow *w = load();
        for (TextBox *b : w->controls.codeBoxes)
            QVERIFY(clickOnScreen(b));
        for (int k = 0; k < 40; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(clickOnScreen(box(w, "Text_XC")));
        QCOMPARE(area(), before);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void defaultRebuildsTheArea()
    {
        fillArea(0x33);
        MemoryImage[First - 1][0] = 0x42;
        MemoryImage[First + DtmfLayout::RowCount][0] = 0x42;
        DtmfEditorWindow *w = load();
        QVERIFY(clickOnScreen(w->Command_def));
        const auto shown = area();
        resetMemoryState();
        BuildDtmfDefaults();
        QCOMPARE(shown, area());
        QCOMPARE(box(w, "Text_tx_Encode(0)")->text(), QStringLiteral("12345"));
        QCOMPARE(list(w, "Combo_Dec_Res_Time")->text(), QStringLiteral("16000"));
    }

    void openSaveAndClose()
    {
        DtmfEditorWindow *w = load();
        Windows::load(WindowName::Form_open_menu);
        QVERIFY(clickOnScreen(w->Command_open));
        QVERIFY(clickOnScreen(w->Command_save));
        QVERIFY(Windows::isLoaded(WindowName::Form_open_chann));
        QVERIFY(Windows::isLoaded(WindowName::Form_save_chann));
        QVERIFY(clickOnScreen(w->Command_close));
        QVERIFY(!Windows::isLoaded(WindowName::frm_dtmf));
        QVERIFY(!Windows::isLoaded(WindowName::Form_open_menu));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void refusalsWhileTheExchangeRuns_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Default") << 0 << "Command_def" << "Read-write operating with transceiver .";
        QTest::newRow("Open") << 0 << "Command_open" << "Read-write operating with transceiver .";
        QTest::newRow("Save zh") << -1 << "Command_save" << "正在与对讲机进行读写操作 ！";
        QTest::newRow("Close") << 0 << "Command_close" << "Read-write operating with transceiver .";
        QTest::newRow("closing otherwise") << 0 << "" << "Read-write operating，don't close the window.,";
        QTest::newRow("closing otherwise zh") << -1 << "" << "正在进行读写操作,请勿关窗口 ！,";
    }
    void refusalsWhileTheExchangeRuns()
    {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, text);
        DtmfEditorWindow *w = load();
        fillArea(0x21);  // differs from the defaults Default would write
        QVERIFY(clickOnScreen(w->Command_read));
        TestClock::advance(20);  // the handshake is on its way
        QCOMPARE(w->session()->ReadBusy, qint16(-1));
        const auto before = area();
        LanguageFlag = qint16(language);
        if (button.isEmpty())
            QVERIFY(!Windows::unload(WindowName::frm_dtmf));
        else
            QVERIFY(clickOnScreen(w->findChild<QPushButton *>(button)));
        QCOMPARE(boxTexts(), QStringList{text});
        QCOMPARE(MsgBoxRecorder::boxes().first().title,
                 language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
        QCOMPARE(area(), before);
        QVERIFY(Windows::isLoaded(WindowName::frm_dtmf));
        QVERIFY(!Windows::isLoaded(WindowName::Form_open_chann));
        QVERIFY(!Windows::isLoaded(WindowName::Form_save_chann));
        QCOMPARE(w->session()->ReadBusy, qint16(-1));
        // The read goes on to its end; then the window closes.
        TestClock::advance(60000);
        QCOMPARE(w->session()->ReadBusy, qint16(0));
        QVERIFY(Windows::unload(WindowName::frm_dtmf));
    }
};

QTEST_MAIN(TstDtmfWindow)
#include "tst_dtmfwindow.moc"
