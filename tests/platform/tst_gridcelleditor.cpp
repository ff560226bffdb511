// The in-cell grid editor when its rules refuse to let a cell be left (a
// code of the wrong length, say): whichever way the user tries to leave -
// a click on another cell, Tab, a cursor key after scrolling the cell away,
// a commit before a save - one warning per try, and the editor stays open
// on its cell, in view, with the focus and the text as typed. A rule that
// takes the text closes the editor as before; a list can open on an item
// it picks (a stored value beyond the list). An editor opens with its whole
// text selected, so that typing replaces it, also after the double click
// that opened it; Escape abandons the edit.
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/OnScreenMessageBox.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <memory>

namespace {
// Column 1 is typed and takes three characters or none; column 2 is a
// list, which picks "c" as it opens on a cell that shows "?".
class ThreeCharacterRules : public GridCellRules
{
public:
    explicit ThreeCharacterRules(FlexGrid *grid) : m_grid(grid) {}
    CellEditorChoice editorFor(int, int col) override
    {
        CellEditorChoice choice;
        if (col == 1) {
            choice.kind = CellEditorChoice::Text;
        } else if (col == 2) {
            choice.kind = CellEditorChoice::List;
            choice.items = QStringList{"a", "b", "c"};
            if (m_grid->textMatrix(m_grid->row(), 2) == "?")
                choice.select = 2;
        }
        return choice;
    }
    void commit(GridCellEditor &editor, int row, int col, const QString &text) override
    {
        if (col == 1 && text.size() != 3 && !text.isEmpty()) {
            MsgBox(QStringLiteral("three"), MsgIcon::Exclamation, QStringLiteral("t"));
            editor.stayOnCell();
            return;
        }
        commits << QStringLiteral("%1,%2=%3").arg(row).arg(col).arg(text);
        m_grid->setTextMatrix(row, col, text);
    }
    void pick(GridCellEditor &, int row, int col, int index) override
    {
        commits << QStringLiteral("pick %1,%2=%3").arg(row).arg(col).arg(index);
    }
    QStringList commits;

private:
    FlexGrid *m_grid;
};

struct Stage {
    QWidget window;
    FlexGrid *grid = new FlexGrid(&window);
    TextBox *text = new TextBox(&window);
    PickList *list = new PickList(&window);
    QPushButton *elsewhere = new QPushButton(QStringLiteral("Save"), &window);
    ThreeCharacterRules rules{grid};
    GridCellEditor editor{grid, text, list, &rules};

    Stage()
    {
        text->hide();
        list->hide();
        grid->setFormatString(QStringLiteral("^No|^ Code      |^ List     "));
        grid->setRows(31);
        for (int r = 1; r <= 30; ++r)
            grid->setTextMatrix(r, 0, QString::number(r));
        grid->setGeometry(10, 10, 300, 200);  // about eight rows in view
        elsewhere->setGeometry(320, 10, 70, 30);
        window.resize(400, 300);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QRect cellAt(int r, int c) const
    {
        return grid->visualRect(grid->model()->index(r - 1, c - 1));
    }
    // A person's click on a cell where it is seen.
    [[nodiscard]] bool click(int r, int c) { return clickWhereSeen(grid->viewport(), cellAt(r, c).center()); }
    // The mouse wheel turned down over the cells, where they are seen.
    [[nodiscard]] bool wheelDown(int notches)
    {
        const QPoint at = grid->viewport()->rect().center();
        if (QApplication::widgetAt(grid->viewport()->mapToGlobal(at)) != grid->viewport()) {
            qWarning("the cells are covered");
            return false;
        }
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), {}, QPoint(0, -120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
        return true;
    }
    QList<int> current() const { return {grid->row(), grid->col()}; }
    // The second press of a double click on cell (r, c): it lands on what
    // the first press put there, as a person's hand does. False when that
    // is not the text editor.
    [[nodiscard]] bool secondPressOfADoubleClick(int r, int c)
    {
        const QPoint global = grid->viewport()->mapToGlobal(cellAt(r, c).center());
        QWidget *under = QApplication::widgetAt(global);
        if (under != text) {
            qWarning("the second press lands on %s", under ? under->metaObject()->className() : "nothing");
            return false;
        }
        const QPoint at = under->mapFromGlobal(global);
        QTest::mousePress(under, Qt::LeftButton, {}, at);
        QTest::mouseDClick(under, Qt::LeftButton, {}, at);
        QTest::mouseRelease(under, Qt::LeftButton, {}, at);
        return true;
    }
    // A key where the keyboard focus is.
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
};
} // namespace

class TstGridCellEditor : public QObject
{
    Q_OBJECT
    std::unique_ptr<Stage> s;

private slots:
    void init()
    {
        s = std::make_unique<Stage>();
        QVERIFY(QTest::qWaitForWindowActive(&s->window));
        // Each box is shown and takes the focus while it is open.
        MsgBoxRecorder::install(answerOnScreen);
    }
    void cleanup()
    {
        s.reset();
        MsgBoxRecorder::uninstall();
    }

    void refusedLeaveStaysOnCell_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on another cell") << "click";
        QTest::newRow("click on the list column") << "click list";
        QTest::newRow("Tab") << "Tab";
        QTest::newRow("Return, then a click") << "Return";
        QTest::newRow("commit before a save") << "commit";
        QTest::newRow("scrolled away, then a click") << "scroll, click";
        QTest::newRow("scrolled away, then a cursor key") << "scroll, key";
        QTest::newRow("scrolled away, then a commit before a save") << "scroll, commit";
    }
    void refusedLeaveStaysOnCell()
    {
        QFETCH(QString, how);
        QVERIFY(s->click(2, 1));
        QCOMPARE(QApplication::focusWidget(), s->text);
        QTest::keyClicks(s->text, "ab");
        if (how == "click") {
            QVERIFY(s->click(5, 1));
        } else if (how == "click list") {
            QVERIFY(s->click(3, 2));
        } else if (how == "Tab") {
            QTest::keyClick(s->text, Qt::Key_Tab);
        } else if (how == "Return") {
            QTest::keyClick(s->text, Qt::Key_Return);
            QVERIFY(!s->text->isVisible());  // hidden, the edit kept for the leave
            QVERIFY(s->click(5, 1));
        } else if (how == "commit") {
            QVERIFY(!s->editor.commitOpenEdit());
        } else {
            QVERIFY(s->wheelDown(6));
            QVERIFY(!s->text->isVisible());
            QCOMPARE(QApplication::focusWidget(), s->grid);
            if (how == "scroll, click") {
                QVERIFY(s->click(s->grid->topRow() + 2, 1));
            } else if (how == "scroll, commit") {
                QVERIFY(!s->editor.commitOpenEdit());
            } else {
                QTest::keyClick(s->grid, Qt::Key_Down);
                QCoreApplication::processEvents();  // the move back comes after the grid's own
            }
        }
        QCOMPARE(boxTexts(), QStringList{"three"});
        QCOMPARE(s->current(), (QList<int>{2, 1}));
        QVERIFY(s->editor.isOpen());
        QCOMPARE(s->editor.editRow(), 2);
        QVERIFY(s->text->isVisible());
        QVERIFY(!s->list->isVisible());
        QCOMPARE(s->text->geometry(), s->grid->cellRect(2, 1).translated(s->grid->pos()));
        QTRY_COMPARE(QApplication::focusWidget(), s->text);
        QCOMPARE(s->text->text(), "ab");
        QCOMPARE(s->grid->textMatrix(2, 1), "");
        QVERIFY(s->rules.commits.isEmpty());
        // Nothing left over: no further warning comes by itself.
        QCoreApplication::processEvents();
        QCOMPARE(boxTexts().size(), 1);
        QCOMPARE(s->current(), (QList<int>{2, 1}));
    }

    // One warning for each try, never more; completed, the cell is left
    // where the user went, and emptied as well.
    void eachTryWarnsOnceThenCompletedOrEmptied_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QStringList>("commits");
        QTest::newRow("completed") << "c" << "abc" << QStringList{"2,1=abc"};
        QTest::newRow("emptied: as it was, nothing to commit") << "" << "" << QStringList{};
    }
    void eachTryWarnsOnceThenCompletedOrEmptied()
    {
        QFETCH(QString, then);
        QFETCH(QString, cell);
        QFETCH(QStringList, commits);
        QVERIFY(s->click(2, 1));
        QTest::keyClicks(s->text, "ab");
        QVERIFY(s->click(5, 1));
        QTest::keyClick(s->text, Qt::Key_Tab);
        QVERIFY(s->click(6, 1));
        QCOMPARE(boxTexts(), QStringList(3, "three"));
        if (then.isEmpty()) {
            s->text->selectAll();
            QTest::keyClick(s->text, Qt::Key_Delete);
        } else {
            QTest::keyClicks(s->text, then);
        }
        QVERIFY(s->click(6, 1));
        QCOMPARE(boxTexts().size(), 3);
        QCOMPARE(s->rules.commits, commits);
        QCOMPARE(s->grid->textMatrix(2, 1), cell);
        QCOMPARE(s->current(), (QList<int>{6, 1}));
        QCOMPARE(s->editor.editRow(), 6);
        QTRY_COMPARE(QApplication::focusWidget(), s->text);
        QCOMPARE(s->text->text(), "");
    }

    // A rule that takes the text: the cell is committed and left at once.
    void acceptedLeaveClosesAsBefore()
    {
        QVERIFY(s->click(2, 1));
        QTest::keyClicks(s->text, "xyz");
        QVERIFY(s->click(3, 2));
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(s->rules.commits, QStringList{"2,1=xyz"});
        QCOMPARE(s->current(), (QList<int>{3, 2}));
        QVERIFY(!s->text->isVisible());
        QVERIFY(s->list->isVisible());
        QVERIFY(s->editor.commitOpenEdit());
        QVERIFY(!s->editor.isOpen());
        QCOMPARE(QApplication::focusWidget(), s->grid);
    }

    // A list opened on a cell whose value lies beyond it picks the item the
    // rules name, stored as a pick; other cells open on their own text.
    void listPicksAsItOpens()
    {
        s->grid->setTextMatrix(4, 2, "?");
        s->grid->setTextMatrix(5, 2, "b");
        QVERIFY(s->click(5, 2));
        QCOMPARE(s->list->text(), "b");
        QVERIFY(s->rules.commits.isEmpty());
        QVERIFY(s->click(4, 2));
        QCOMPARE(s->list->text(), "c");
        QCOMPARE(s->rules.commits, QStringList{"pick 4,2=2"});
        QVERIFY(s->click(5, 2));
        QCOMPARE(s->grid->textMatrix(4, 2), "c");
    }

    // An editor opens with the cell's whole text selected: typing replaces
    // it, however the editor was opened; the caret keys move inside it.
    void typingReplacesTheCellText_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("committed");
        QTest::newRow("a click") << "click" << "a c" << "xyz" << "xyz";
        QTest::newRow("a double click") << "double click" << "a c" << "xyz" << "xyz";
        QTest::newRow("hidden by Return, shown again as it was") << "Return" << "a c" << "yz" << "qyz";
        QTest::newRow("End, then typing appends") << "End" << "ab" << "c" << "abc";
        QTest::newRow("Home, then typing goes first") << "Home" << "bc" << "a" << "abc";
    }
    void typingReplacesTheCellText()
    {
        QFETCH(QString, how);
        QFETCH(QString, cell);
        QFETCH(QString, typed);
        QFETCH(QString, committed);
        s->grid->setTextMatrix(2, 1, cell);
        QVERIFY(s->click(2, 1));
        if (how == "double click")
            QVERIFY(s->secondPressOfADoubleClick(2, 1));
        QTRY_COMPARE(QApplication::focusWidget(), s->text);
        QCOMPARE(s->text->selectedText(), cell);
        if (how == "Return") {
            QTest::keyClicks(s->text, "q");
            s->key(Qt::Key_Return);
            QVERIFY(!s->text->isVisible());
            QVERIFY(s->click(2, 1));  // the pending edit, shown again
            QTRY_COMPARE(QApplication::focusWidget(), s->text);
            QCOMPARE(s->text->text(), "q");
        } else if (how == "End") {
            s->key(Qt::Key_End);
        } else if (how == "Home") {
            s->key(Qt::Key_Home);
        }
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QCOMPARE(s->text->text(), committed);
        QVERIFY(s->click(6, 1));
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(s->rules.commits, QStringList{"2,1=" + committed});
        QCOMPARE(s->grid->textMatrix(2, 1), committed);
    }

    // Escape abandons the open edit, shown, hidden by Return or kept after
    // a refused leave: the editor closes, the grid has the focus, the cell
    // keeps its text, and nothing is committed or warned of afterwards.
    void escapeAbandonsTheEdit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("boxes");
        QTest::newRow("typed") << "typed" << 0;
        QTest::newRow("hidden by Return") << "Return" << 0;
        QTest::newRow("kept after a refused leave") << "refused" << 1;
    }
    void escapeAbandonsTheEdit()
    {
        QFETCH(QString, how);
        QFETCH(int, boxes);
        s->grid->setTextMatrix(2, 1, "a c");
        QVERIFY(s->click(2, 1));
        QTest::keyClicks(s->text, "xy");
        if (how == "Return") {
            s->key(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), s->grid);
        } else if (how == "refused") {
            QVERIFY(s->click(5, 1));
            QTRY_COMPARE(QApplication::focusWidget(), s->text);
        }
        s->key(Qt::Key_Escape);
        QVERIFY(!s->editor.isOpen());
        QVERIFY(!s->text->isVisible());
        QCOMPARE(QApplication::focusWidget(), s->grid);
        QCOMPARE(s->current(), (QList<int>{2, 1}));
        QCOMPARE(s->grid->textMatrix(2, 1), "a c");
        // Neither a click elsewhere nor a save finds anything to commit.
        QVERIFY(s->click(6, 1));
        QVERIFY(s->editor.commitOpenEdit());
        QCoreApplication::processEvents();
        QCOMPARE(s->current(), (QList<int>{6, 1}));
        QVERIFY(s->rules.commits.isEmpty());
        QCOMPARE(s->grid->textMatrix(2, 1), "a c");
        QCOMPARE(boxTexts().size(), boxes);
        // The cell opens again on what it held.
        QVERIFY(s->click(2, 1));
        QCOMPARE(s->text->text(), "a c");
    }
};

QTEST_MAIN(TstGridCellEditor)
#include "tst_gridcelleditor.moc"
