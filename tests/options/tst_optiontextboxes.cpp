// The option editor's typed boxes, shown in a main window stand-in and
// typed into as a person does: a character the power-on text or a code
// cannot store is refused in words, in the window's language, and the box
// keeps its text, caret, focus and stored bytes; what it can store is typed
// on as before.
#include "options/OptionWindowFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/LinkTestBench.h"
#include "support/OnScreenMessageBox.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QtTest>

#include "memory/MemoryMap.h"

using namespace OptionWindowFixture;

namespace {
QList<int> row(int r)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << int(MemoryImage[r][c]);
    return b;
}

// The bytes of a power-on text: its characters, blanks after them.
QList<int> powerOnBytes(const QByteArray &text)
{
    QList<int> b;
    for (int c = 0; c < 16; ++c)
        b << (c < text.size() ? int(quint8(text.at(c))) : 0x20);
    return b;
}
}

class TstOptionTextBoxes : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;

    OptionEditorWindow *loadShown()
    {
        OptionEditorWindow *w = load();
        if (w)
            main->area->setActiveSubWindow(Windows::frameOf(w));
        return w;
    }

private slots:
    void init()
    {
        setUpBench();
        resetProgramState(true, answerOnScreen);  // each box shown for real, closed with Return
        defineWindows();
        useFakePorts();
        plugRadio(1);
        main = std::make_unique<MainStandIn>();
        QVERIFY(main->waitActive());
    }

    void cleanup()
    {
        cleanupProgramState();
        main.reset();
        tearDownBench();
    }

    void powerOnTextRefusesWhatItCannotStore_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        const QString en = QStringLiteral(
            "The power-on message takes single-byte characters only (letters, digits, blank and signs) .");
        const QString zh = QStringLiteral("开机显示字符只能使用单字节字符（字母、数字、空格和符号）！");
        QTest::newRow("composed, English") << 0 << "compose" << QStringLiteral("欢迎 OK") << en;
        QTest::newRow("pasted, English") << 0 << "paste" << QStringLiteral("中文AB") << en;
        QTest::newRow("composed, Chinese") << -1 << "compose" << QStringLiteral("中文AB") << zh;
        QTest::newRow("pasted, Chinese") << -1 << "paste" << QStringLiteral("欢迎 OK") << zh;
    }
    void powerOnTextRefusesWhatItCannotStore()
    {
        QFETCH(int, language);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, words);
        LanguageFlag = qint16(language);
        OptionEditorWindow *w = loadShown();
        TextBox *pon = w->panel->Text_Model_Disp;
        QVERIFY(clickWhereSeen(pon));
        QTRY_VERIFY(pon->hasFocus());
        typeABCD(pon);
        // The caret after "AB ", with text behind it.
        QCOMPARE(pon->text(), QStringLiteral("AB CD"));
        pon->setCursorPosition(3);
        const QList<int> before = row(MemoryMap::PowerOnTextRow);
        QCOMPARE(before, powerOnBytes("AB CD"));

        if (how == QLatin1String("compose")) {
            QInputMethodEvent preedit(QStringLiteral("huanying"), {});
            QApplication::sendEvent(pon, &preedit);
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(pon, &commit);
        } else {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(pon, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(boxTexts(), QStringList{words});
        QCOMPARE(MsgBoxRecorder::boxes().first().title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
        QCOMPARE(MsgBoxRecorder::boxes().first().icon, MsgIcon::Exclamation);
        QTRY_VERIFY(pon->hasFocus());
        // The redraw of the window, active again, leaves the box as it was.
        QTest::qWait(50);
        QCOMPARE(pon->text(), QStringLiteral("AB CD"));
        QCOMPARE(pon->cursorPosition(), 3);
        QCOMPARE(row(MemoryMap::PowerOnTextRow), before);

        // What it can store is typed on at the caret.
        QTest::keyClicks(pon, QStringLiteral("OK "));
        QCOMPARE(pon->text(), QStringLiteral("AB OK CD"));
        QCOMPARE(row(MemoryMap::PowerOnTextRow), powerOnBytes("AB OK CD"));
        QCOMPARE(boxTexts().size(), 1);
    }

    // The ANI and PTT-ID boxes hold DTMF codes: another character typed is
    // refused in words, and the ANI check does not run, since the focus
    // never left the box.
    void codeBoxRefusesWhatItCannotStore_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("words");
        const QString en = QStringLiteral("The code takes only the DTMF characters 0-9, A-D, * and # .");
        const QString zh = QStringLiteral("编码只能使用 DTMF 字符 0-9、A-D、* 和 # ！");
        QTest::newRow("ANI, English") << "Text_ANI" << 237 << 0 << en;
        QTest::newRow("ANI, Chinese") << "Text_ANI" << 237 << -1 << zh;
        QTest::newRow("PTT-ID end") << "Text_PttId_End" << 239 << 0 << en;
    }
    void codeBoxRefusesWhatItCannotStore()
    {
        QFETCH(QString, box);
        QFETCH(int, row);
        QFETCH(int, language);
        QFETCH(QString, words);
        LanguageFlag = qint16(language);
        OptionEditorWindow *w = loadShown();
        auto *code = control<TextBox>(w, box.toLatin1().constData());
        QVERIFY(clickWhereSeen(code));
        QTRY_VERIFY(code->hasFocus());
        QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(code, QStringLiteral("12x"));
        QCOMPARE(boxTexts(), QStringList{words});
        QTRY_VERIFY(code->hasFocus());
        QTest::qWait(50);
        QCOMPARE(code->text(), QStringLiteral("12"));
        QCOMPARE(code->cursorPosition(), 2);
        QCOMPARE(::row(row).mid(0, 3), (QList<int>{1, 2, 0xFF}));
        QTest::keyClicks(code, QStringLiteral("3#"));
        QCOMPARE(code->text(), QStringLiteral("123#"));
        QCOMPARE(::row(row).mid(0, 5), (QList<int>{1, 2, 3, 12, 0xFF}));
        QCOMPARE(boxTexts().size(), 1);
    }

private:
    // Replaces the power-on text with "AB CD", typed.
    static void typeABCD(TextBox *pon)
    {
        QTest::keyClick(pon, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pon, QStringLiteral("AB CD"));
    }
};

QTEST_MAIN(TstOptionTextBoxes)
#include "tst_optiontextboxes.moc"
