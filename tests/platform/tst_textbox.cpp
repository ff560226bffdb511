// The text box: one key filter for typing, pastes and drops; a character
// refused in words, once, for the whole text it came in; Enter; and a
// lost-focus event that fires once per real move of the focus.
#include "platform/TextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/MessageBox.h"

namespace {
// The tone columns' filter: digits, the point and D/N/I, lower case raised.
int toneKeys(int k)
{
    if ((k >= '0' && k <= '9') || k == '.' || k == 'D' || k == 'N' || k == 'I' || k == TextBox::KeyEnter)
        return k;
    if (k == 'd' || k == 'n' || k == 'i')
        return k - 32;
    return 0;
}

// A box of single-byte letters and digits: digits and capitals pass, lower
// case is dropped without a word (as a full box drops a key), and a control
// character or one beyond one byte is refused in words.
constexpr BiText HoldsLatin{"Letters and digits only .", "只能输入字母和数字 ！"};
int latinKeys(int k)
{
    const bool control = k < 0x20 && k != TextBox::KeyBackspace && k != TextBox::KeyEnter;
    if (k > 0xFF || control)
        return TextBox::refuse(HoldsLatin);
    return (k >= 'a' && k <= 'z') ? 0 : k;
}
}

class TstTextBox : public QObject
{
    Q_OBJECT
private slots:
    void typedKeysPassTheFilter_data();
    void typedKeysPassTheFilter();
    void pasteGoesThroughTheFilter_data();
    void pasteGoesThroughTheFilter();
    void contextMenuPasteIsFiltered();
    void refusedCharacterRefusesItsWholeText_data();
    void refusedCharacterRefusesItsWholeText();
    void enterRaisesEnterOnce();
    void lostFocusFiresOncePerRealMove();
    void modalBoxInLostFocusDoesNotFireAgain();
};

void TstTextBox::typedKeysPassTheFilter_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits and point") << "" << "67.5" << "67.5";
    QTest::newRow("lower case raised") << "" << "d023n" << "D023N";
    QTest::newRow("others dropped") << "" << "O-x1+" << "1";
    QTest::newRow("blank dropped") << "" << "1 2" << "12";
}

void TstTextBox::typedKeysPassTheFilter()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TextBox box;
    box.setKeyFilter(toneKeys);
    box.setText(start);
    QTest::keyClicks(&box, typed);
    QCOMPARE(box.text(), expected);
}

void TstTextBox::pasteGoesThroughTheFilter_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mixed") << "d0-23 n" << "D023N";
    QTest::newRow("nothing allowed") << "xyz" << "";
    // Ctrl+V is a paste, never the letter v typed with a modifier.
    QTest::newRow("not the letter v") << "12" << "12";
}

void TstTextBox::pasteGoesThroughTheFilter()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    TextBox box;
    box.setKeyFilter(toneKeys);
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), expected);
    // Shift+Insert is the other paste key.
    box.clear();
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box.text(), expected);
}

void TstTextBox::contextMenuPasteIsFiltered()
{
    TextBox box;
    box.setKeyFilter(toneKeys);
    box.show();
    QApplication::clipboard()->setText(QStringLiteral("a1b2"));
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &ev);
    auto *menu = box.findChild<QMenu *>();
    QVERIFY(menu);
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
        if (a->text().startsWith(QLatin1String("&Paste")))
            paste = a;
    QVERIFY(paste);
    paste->trigger();
    QCOMPARE(box.text(), QStringLiteral("12"));
    menu->close();
}

void TstTextBox::refusedCharacterRefusesItsWholeText_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("after");   // the box's text afterwards
    QTest::addColumn<QString>("words");   // the refusal's words, none when empty
    const QString en = QStringLiteral("Letters and digits only .");
    const QString zh = QStringLiteral("只能输入字母和数字 ！");
    QTest::newRow("composed, English") << "compose" << QStringLiteral("中文AB") << 0 << "AB|CD" << en;
    QTest::newRow("composed, Chinese") << "compose" << QStringLiteral("AB中") << -1 << "AB|CD" << zh;
    QTest::newRow("composed, allowed") << "compose" << QStringLiteral("XY") << 0 << "ABXY|CD" << "";
    QTest::newRow("pasted") << "paste" << QStringLiteral("欢迎 OK") << 0 << "AB|CD" << en;
    // The line break of a copied line goes before the filter sees it.
    QTest::newRow("pasted with a line break") << "paste" << QStringLiteral("OK\r\n") << 0 << "ABOK|CD" << "";
    QTest::newRow("dropped") << "drop" << QStringLiteral("中A") << 0 << "AB|CD" << en;
    // Dropped without a word, as before: lower case here.
    QTest::newRow("pasted, silent drop") << "paste" << QStringLiteral("xY") << 0 << "ABY|CD" << "";
}

void TstTextBox::refusedCharacterRefusesItsWholeText()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(int, language);
    QFETCH(QString, after);
    QFETCH(QString, words);
    LanguageFlag = qint16(language);
    MsgBoxRecorder::install();
    TextBox box;
    box.setKeyFilter(latinKeys);
    box.setText(QStringLiteral("ABCD"));
    box.setCursorPosition(2);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    if (how == QLatin1String("compose")) {
        QInputMethodEvent start(QStringLiteral("zhong"), {});
        QApplication::sendEvent(&box, &start);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&box, &commit);
    } else if (how == QLatin1String("paste")) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QMimeData data;
        data.setText(text);
        // Dropped where the caret stands.
        QPoint at(0, box.height() / 2);
        while (at.x() < box.width() && box.cursorPositionAt(at) < 2)
            at.rx() += 1;
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&box, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&box, &drop);
        QCoreApplication::processEvents();  // its words come once the drag has ended
    }
    const int caret = int(after.indexOf(QLatin1Char('|')));
    QCOMPARE(box.text(), QString(after).remove(QLatin1Char('|')));
    if (how != QLatin1String("drop") || !words.isEmpty())
        QCOMPARE(box.cursorPosition(), caret);
    const QList<MsgRecord> boxes = MsgBoxRecorder::boxes();
    MsgBoxRecorder::uninstall();
    LanguageFlag = 0;
    if (words.isEmpty()) {
        QVERIFY(boxes.isEmpty());
        return;
    }
    QCOMPARE(boxes.size(), 1);  // once for the whole text
    QCOMPARE(boxes[0].text, words);
    QCOMPARE(boxes[0].title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
    QCOMPARE(boxes[0].icon, MsgIcon::Exclamation);
    QCOMPARE(boxes[0].buttons, MsgButtons::OkOnly);
}

void TstTextBox::enterRaisesEnterOnce()
{
    TextBox box;
    box.setText(QStringLiteral("145"));
    QSignalSpy enter(&box, &TextBox::enterPressed);
    QSignalSpy done(&box, &QLineEdit::editingFinished);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(done.count(), 0);
    QCOMPARE(box.text(), QStringLiteral("145"));
    // A filter that discards Enter swallows it.
    box.setKeyFilter([](int k) { return k == TextBox::KeyEnter ? 0 : k; });
    QTest::keyClick(&box, Qt::Key_Enter);
    QCOMPARE(enter.count(), 1);
    // Backspace is a key like the others for the filter.
    box.setKeyFilter([](int k) { return k == TextBox::KeyBackspace ? 0 : k; });
    box.end(false);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("145"));
}

namespace {
// Two text boxes in an active window, the first one with the focus.
void twoBoxesFirstFocused(QWidget &window, TextBox *&a, TextBox *&b)
{
    auto *layout = new QVBoxLayout(&window);
    a = new TextBox;
    b = new TextBox;
    layout->addWidget(a);
    layout->addWidget(b);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    a->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(a->hasFocus());
}
}

void TstTextBox::lostFocusFiresOncePerRealMove()
{
    QWidget window;
    TextBox *a = nullptr;
    TextBox *b = nullptr;
    twoBoxesFirstFocused(window, a, b);
    if (QTest::currentTestFailed())
        return;
    QSignalSpy lost(a, &TextBox::lostFocus);
    QSignalSpy got(b, &TextBox::gotFocus);
    // The window losing the activation is no loss of focus for the box.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(a, &away);
    QCOMPARE(lost.count(), 0);
    b->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(b->hasFocus());
    QCOMPARE(lost.count(), 1);
    QCOMPARE(got.count(), 1);
}

void TstTextBox::modalBoxInLostFocusDoesNotFireAgain()
{
    QWidget window;
    TextBox *a = nullptr;
    TextBox *b = nullptr;
    twoBoxesFirstFocused(window, a, b);
    if (QTest::currentTestFailed())
        return;
    int lost = 0;
    auto validationBox = [&] {
        // A modal box takes the focus for a moment and gives it back.
        QDialog box(&window);
        auto *inner = new TextBox(&box);
        inner->setFocus();
        QTimer::singleShot(50, &box, &QDialog::accept);
        box.exec();
    };
    connect(a, &TextBox::lostFocus, this, [&] {
        ++lost;
        validationBox();
    });
    // Enter validates with a box: the box taking the focus is no focus loss.
    connect(a, &TextBox::enterPressed, this, validationBox);
    QTest::keyClick(a, Qt::Key_Return);
    QTest::qWait(100);
    QCOMPARE(lost, 0);
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(a->hasFocus());
    QCOMPARE(lost, 0);
    // A real move fires once, although its handler shows a box too.
    b->setFocus(Qt::MouseFocusReason);
    QTest::qWait(150);
    QCOMPARE(lost, 1);
}

QTEST_MAIN(TstTextBox)
#include "tst_textbox.moc"
