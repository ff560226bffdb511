// The name cells of the channel and FM grids, typed into with real keys in
// shown windows: a blank inside a name outlives closing the window, a read
// from the radio and an edit elsewhere in the name; a character a name
// cannot hold is refused in words at once, and the cell keeps what it held.
#include "support/BoxTexts.h"
#include "support/ChannelEditorFixture.h"
#include "support/ClickWhereSeen.h"
#include "support/FmEditorFixture.h"
#include "support/LinkTestBench.h"
#include "support/MdiStage.h"
#include "support/OnScreenMessageBox.h"

#include <QInputMethodEvent>
#include <QPushButton>
#include <memory>

#include "channels/ChannelRecord.h"
#include "channels/FmRecord.h"

using Bytes = QList<int>;

namespace {
constexpr int F = 0xFF;

// What an input method commits: the text the person composed.
void compose(QWidget *box, const QString &text)
{
    QInputMethodEvent preedit(QStringLiteral("zhong"), {});
    QApplication::sendEvent(box, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

// Empties the open cell editor as a person does: all selected, then Delete.
void emptyEditor(TextBox *box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
}

Bytes channelName(int ch) { return ChannelEditorFixture::row(256 + ch).mid(0, 8); }
}

class TstNameCells : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;

    ChannelEditorWindow *loadChannels()
    {
        ChannelEditorWindow *w = ChannelEditorFixture::load();
        main->area->setActiveSubWindow(Windows::frameOf(w));
        return w;
    }
    FmEditorWindow *loadFm()
    {
        FmEditorWindow *w = FmEditorFixture::load();
        main->area->setActiveSubWindow(Windows::frameOf(w));
        return w;
    }
    // Changes the name's last character to `last` with the keys: a click on
    // the cell, End, Backspace, the new character, a click on a cell that
    // opens no editor.
    template <class Window>
    bool changeLastCharacter(Window *w, int r, int col, const QString &last, QPoint elsewhere)
    {
        if (!clickGridCellWhereSeen(w->MSF_Chann, r, col) || !w->Text_Edit->isVisible())
            return false;
        QTest::keyClick(w->Text_Edit, Qt::Key_End);
        QTest::keyClick(w->Text_Edit, Qt::Key_Backspace);
        QTest::keyClicks(w->Text_Edit, last);
        return clickGridCellWhereSeen(w->MSF_Chann, elsewhere.y(), elsewhere.x());
    }
    // A cell of each grid that opens no editor: its click leaves the cell edited.
    static QPoint channelElsewhere() { return {12, ChannelCount - 1}; }
    static QPoint fmElsewhere() { return {FmGrid::ColNumber, 4}; }

private slots:
    void init()
    {
        setUpBench();
        ChannelEditorFixture::reset();
        Windows::define(QStringLiteral("frm_FM"), Windows::Kind::Child, [] { return new FmEditorWindow; });
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

    void channelNameKeepsItsInnerBlank_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("typed, window closed and opened again") << "reopen";
        QTest::newRow("read from the radio") << "read";
    }
    void channelNameKeepsItsInnerBlank()
    {
        QFETCH(QString, how);
        using namespace ChannelGrid;
        ChannelEditorWindow *w = loadChannels();
        if (how == QLatin1String("reopen")) {
            QVERIFY(ChannelEditorFixture::clickCell(w, 1, ColName));
            QVERIFY(w->Text_Edit->isVisible());
            emptyEditor(w->Text_Edit);
            QTest::keyClicks(w->Text_Edit, QStringLiteral("home 2"));
            QVERIFY(ChannelEditorFixture::leave(w));
            QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 2"));
            QCOMPARE(channelName(0), (Bytes{0x48, 0x4F, 0x4D, 0x45, F, 0x32, F, F}));
            QVERIFY(Windows::unload(QStringLiteral("frm_chann")));
            w = loadChannels();
        } else {
            radio->setBytes(0x0000, QByteArray::fromHex("00005514000055140000000000000004"));
            radio->setBytes(0x1000, QByteArray::fromHex("484f4d45ff32ffffffffffffffffffff"));
            QVERIFY(clickWhereSeen(w->Command_read));
            TestClock::advance(120000);
            QCOMPARE(boxTexts().size(), 1);  // the read's completion
        }
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 2"));
        // An edit elsewhere in the name leaves the blank as it was stored.
        QVERIFY(changeLastCharacter(w, 1, ColName, QStringLiteral("3"), channelElsewhere()));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 3"));
        QCOMPARE(channelName(0), (Bytes{0x48, 0x4F, 0x4D, 0x45, F, 0x33, F, F}));
        w->ShowChannels();
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 3"));
    }

    void fmNameKeepsItsInnerBlank()
    {
        using namespace FmGrid;
        FmEditorWindow *w = loadFm();
        QVERIFY(FmEditorFixture::clickCell(w, 1, ColName));
        QVERIFY(w->Text_Edit->isVisible());
        emptyEditor(w->Text_Edit);
        QTest::keyClicks(w->Text_Edit, QStringLiteral("home 2"));
        QVERIFY(FmEditorFixture::clickCell(w, 4, ColNumber));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 2"));
        const Bytes frequency = FmEditorFixture::record(0).mid(0, 8);
        QCOMPARE(FmEditorFixture::record(0).mid(8), (Bytes{'H', 'O', 'M', 'E', ' ', '2', F, F}));
        QVERIFY(Windows::unload(QStringLiteral("frm_FM")));
        w = loadFm();
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 2"));
        QVERIFY(changeLastCharacter(w, 1, ColName, QStringLiteral("3"), fmElsewhere()));
        QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("HOME 3"));
        QCOMPARE(FmEditorFixture::record(0), frequency + Bytes({'H', 'O', 'M', 'E', ' ', '3', F, F}));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // A character typed into a name cell that the name cannot hold: the
    // box shown for real, in the window's language, with the characters the
    // name takes; the cell editor keeps its text, caret and focus, nothing
    // is stored, and typing goes on.
    void characterANameCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("words");
        QTest::newRow("channel, English") << "frm_chann" << 0
            << "The channel name takes only the characters 0-9, A-Z and blank .";
        QTest::newRow("channel, Chinese") << "frm_chann" << -1 << QStringLiteral("信道名称只能使用字符 0-9、A-Z 和空格 ！");
        QTest::newRow("FM, English") << "frm_FM" << 0
            << "The station name takes single-byte characters only (letters, digits, blank and signs) .";
        QTest::newRow("FM, Chinese") << "frm_FM" << -1 << QStringLiteral("电台名称只能使用单字节字符（字母、数字、空格和符号）！");
    }
    void characterANameCannotHoldIsRefused()
    {
        QFETCH(QString, window);
        QFETCH(int, language);
        QFETCH(QString, words);
        LanguageFlag = qint16(language);
        MsgBoxRecorder::install(answerOnScreen);
        const bool fm = window == QLatin1String("frm_FM");
        Form *w = fm ? static_cast<Form *>(loadFm()) : static_cast<Form *>(loadChannels());
        FlexGrid *grid = fm ? static_cast<FmEditorWindow *>(w)->MSF_Chann : static_cast<ChannelEditorWindow *>(w)->MSF_Chann;
        TextBox *edit = fm ? static_cast<FmEditorWindow *>(w)->Text_Edit : static_cast<ChannelEditorWindow *>(w)->Text_Edit;
        const int col = fm ? int(FmGrid::ColName) : int(ChannelGrid::ColName);
        auto stored = [fm] { return fm ? FmEditorFixture::record(0) : channelName(0); };
        QVERIFY(clickGridCellWhereSeen(grid, 1, col));
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        emptyEditor(edit);
        QTest::keyClicks(edit, QStringLiteral("AB"));
        const Bytes before = stored();

        compose(edit, QStringLiteral("中文"));
        QCOMPARE(boxTexts(), QStringList{words});
        QCOMPARE(MsgBoxRecorder::boxes().last().title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
        QCOMPARE(MsgBoxRecorder::boxes().last().icon, MsgIcon::Exclamation);
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("AB"));
        QCOMPARE(edit->cursorPosition(), 2);
        QCOMPARE(stored(), before);
        if (!fm) {
            // A sign typed with a key, likewise.
            QTest::keyClicks(edit, QStringLiteral("-"));
            QCOMPARE(boxTexts(), (QStringList{words, words}));
            QTRY_COMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(edit->text(), QStringLiteral("AB"));
        }
        QTest::keyClicks(edit, QStringLiteral("C"));
        const QPoint elsewhere = fm ? fmElsewhere() : channelElsewhere();
        QVERIFY(clickGridCellWhereSeen(grid, elsewhere.y(), elsewhere.x()));
        QCOMPARE(grid->textMatrix(1, col), QStringLiteral("ABC"));
        QCOMPARE(boxTexts().size(), fm ? 1 : 2);
        if (fm)
            QCOMPARE(stored().mid(8), (Bytes{F, F, 'A', 'B', 'C', F, F, F}));
        else
            QCOMPARE(stored(), (Bytes{'A', 'B', 'C', F, F, F, F, F}));
    }
};

QTEST_MAIN(TstNameCells)
#include "tst_namecells.moc"
