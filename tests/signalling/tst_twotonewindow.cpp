// The 2-tone editor window as a user meets it, shown, with real mouse and
// key events: captions in both languages, the factory display, the encode
// grid's tone cells, the decode grid's lists, the tone boxes of the chosen
// decode code, the tabs, the timing lists, Default, Open, Save and Close,
// the refusals while its exchange runs, and redraws that store only a
// timing byte past its list.
#include "signalling/DtmfTwoToneFixture.h"
#include "support/FrameCloseBox.h"
#include "support/LinkTestBench.h"
#include "support/TabClick.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "link/LinkSession.h"
#include "memory/TwoToneDefaults.h"
#include "platform/GridCellEditor.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "signalling/TwoToneEditorWindow.h"
#include "signalling/TwoToneLayout.h"

using namespace DtmfTwoToneFixture;
using Bytes = QList<int>;

namespace {
const int First = TwoToneLayout::FirstRow;

TwoToneEditorWindow *load()
{
    return qobject_cast<TwoToneEditorWindow *>(Windows::load(WindowName::frm_2tone));
}

QList<QList<int>> area() { return rows(First, TwoToneLayout::RowCount); }

void fillArea(qint16 value)
{
    for (int r = First; r < First + TwoToneLayout::RowCount; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = value;
}

Bytes bytes(int row, int from, int count) { return DtmfTwoToneFixture::row(row).mid(from, count); }

FlexGrid *encodeGrid(TwoToneEditorWindow *w) { return w->controls.MSF_Encode; }
FlexGrid *decodeGrid(TwoToneEditorWindow *w) { return w->controls.MSF_Decode; }
TextBox *tone(TwoToneEditorWindow *w, int k) { return w->controls.toneBoxes[k]; }

[[nodiscard]] bool clickTab(TwoToneEditorWindow *w, int i)
{
    return clickTabWhereSeen(w->controls.TabStrip1, i);
}

[[nodiscard]] bool decodeTab(TwoToneEditorWindow *w) { return clickTab(w, 1); }

// Replaces the open encode editor's text as a user does.
void typeTone(TwoToneEditorWindow *w, const QString &text)
{
    TextBox *e = w->controls.Text_Encode;
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

[[nodiscard]] bool typeInto(TextBox *box, const QString &text)
{
    if (!clickOnScreen(box))
        return false;
    if (!QTest::qWaitFor([box] { return box->hasFocus(); })) {
        qWarning("%s did not take the focus", qPrintable(box->objectName()));
        return false;
    }
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    return true;
}
} // namespace

class TstTwoToneWindow : public QObject, LinkTestBench
{
    Q_OBJECT
    std::unique_ptr<MdiHost> host;

    TwoToneEditorWindow *loadShown()
    {
        host = std::make_unique<MdiHost>();
        TwoToneEditorWindow *w = load();
        if (!host->active(w))
            qFatal("the editor is not the active window");
        return w;
    }

private slots:
    void init()
    {
        setUpBench();
        DtmfTwoToneFixture::reset(WindowName::frm_2tone, [] { return new TwoToneEditorWindow; });
        useFakePorts();
        plugRadio(1);
    }
    void cleanup()
    {
        host.reset();
        DtmfTwoToneFixture::cleanup();
        tearDownBench();
    }

    void captionsByLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << 0
            << QStringList{"2 TONE", "Encode", "Decode", " 1 Decode 2 Tone Frequency",
                           "Gap of Tone (MS)", " 1st Frequency(HZ)", "    Response   ",
                           "1.Alert", "Default"};
        QTest::newRow("Chinese") << -1
            << QStringList{"2 TONE 编解码参数编辑", "编码", "解码", " 1 解码信息两音频率",
                           "前后两个频率的间隔时长 （MS）", " 第 1 个频率(HZ) ",
                           "   响 应 方 式  ", "1.提醒", "默 认"};
    }
    void captionsByLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        LanguageFlag = qint16(language);
        TwoToneEditorWindow *w = load();
        const QStringList shown{w->windowTitle(),
                                w->controls.TabStrip1->tabText(0),
                                w->controls.TabStrip1->tabText(1),
                                w->controls.Frame_Dec_xx->title(),
                                w->findChild<QLabel *>("Label_gap")->text(),
                                encodeGrid(w)->textMatrix(0, 1),
                                decodeGrid(w)->textMatrix(0, 2),
                                decodeGrid(w)->textMatrix(1, 2),
                                w->Command_def->text()};
        QCOMPARE(shown, texts);
        QCOMPARE(encodeGrid(w)->textMatrix(15, 0), QStringLiteral("15"));
        QCOMPARE(decodeGrid(w)->textMatrix(1, 0), QStringLiteral("1"));
    }

    void factoryDisplay()
    {
        TwoToneEditorWindow *w = load();
        QCOMPARE(encodeGrid(w)->textMatrix(1, 1), QStringLiteral("1981.0"));
        QCOMPARE(encodeGrid(w)->textMatrix(3, 2), QStringLiteral("1640.0"));
        QCOMPARE(encodeGrid(w)->textMatrix(4, 1), QString());
        QStringList timings;
        for (PickList *l : w->controls.timings)
            timings << l->text();
        QCOMPARE(timings, (QStringList{"600", "600", "300", "6000"}));
        QCOMPARE(w->controls.timings[0]->listCount(), 101);
        QCOMPARE(w->controls.timings[3]->listCount(), 80);
        QStringList row15;
        for (int c = 1; c <= 3; ++c)
            row15 << decodeGrid(w)->textMatrix(15, c);
        QCOMPARE(row15, (QStringList{"D-A", "0.None", "4"}));
        QCOMPARE(tone(w, 3)->text(), QStringLiteral("1275.0"));
        QVERIFY(w->ProgressBar1->isHidden());
        QVERIFY(w->Text_PassWord->isHidden());
        QVERIFY(!w->controls.Frame_Decode->isVisible());
    }

    // An erased area shows empty cells, the timing lists at their last
    // entries and empty tone boxes; the redisplay stores the four timing
    // bytes as those last indexes (100, 100, 100, 79) and nothing else,
    // however often the window redraws.
    void erasedAreaShowsLastTimingsAndStoresOnlyThem()
    {
        fillArea(0xFF);
        MemoryImage[First + 16][1] = 4;  // a response beyond the list shows entry 0
        auto expected = area();
        expected[15][0] = expected[15][1] = expected[15][2] = 100;
        expected[47][0] = 79;
        TwoToneEditorWindow *w = loadShown();
        QCOMPARE(encodeGrid(w)->textMatrix(1, 1), QString());
        QCOMPARE(decodeGrid(w)->textMatrix(1, 1), QString());
        QCOMPARE(decodeGrid(w)->textMatrix(1, 2), QStringLiteral("0.None"));
        QStringList timings;
        for (PickList *l : w->controls.timings)
            timings << l->text();
        QCOMPARE(timings, (QStringList{"1000", "1000", "1000", "8000"}));
        for (TextBox *b : w->controls.toneBoxes)
            QCOMPARE(b->text(), QString());
        QCOMPARE(area(), expected);
        w->ShowTwoTone();
        Windows::show(QStringLiteral("other"));
        host->area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(area(), expected);
    }

    // A timing byte past its list that arrives while the window is open
    // (a read, a file) is shown and stored as the last entry at the next
    // redraw; a byte inside the list is left as it is.
    void timingPastItsListFromElsewhere()
    {
        TwoToneEditorWindow *w = loadShown();
        Windows::show(QStringLiteral("other"));
        MemoryImage[First + 15][1] = 101;
        MemoryImage[First + 15][2] = 7;
        MemoryImage[First + 47][0] = 200;
        host->area->setActiveSubWindow(Windows::frameOf(w));
        QCOMPARE(w->controls.timings[1]->text(), QStringLiteral("1000"));
        QCOMPARE(w->controls.timings[2]->text(), QStringLiteral("70"));
        QCOMPARE(w->controls.timings[3]->text(), QStringLiteral("8000"));
        QCOMPARE(bytes(First + 15, 0, 3), Bytes({60, 100, 7}));
        QCOMPARE(int(MemoryImage[First + 47][0]), 79);
    }

    // Each tab, clicked where a person sees it, shows its own frame and
    // hides the other's.
    void tabsClickedWhereSeen_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << -1;
    }
    void tabsClickedWhereSeen()
    {
        QFETCH(int, language);
        LanguageFlag = qint16(language);
        TwoToneEditorWindow *w = loadShown();
        QTabBar *tabs = w->controls.TabStrip1;
        QCOMPARE(tabs->count(), 2);
        for (int i : {1, 0, 1}) {
            QVERIFY(clickTabWhereSeen(tabs, i));
            QCOMPARE(tabs->currentIndex(), i);
            QCOMPARE(w->controls.Frame_Encode->isVisible(), i == 0);
            QCOMPARE(w->controls.Frame_Decode->isVisible(), i == 1);
            QCOMPARE(w->controls.MSF_Encode->isVisible(), i == 0);
            QCOMPARE(w->controls.MSF_Decode->isVisible(), i == 1);
        }
    }

    void focusLandsOnTheEncodeGrid()
    {
        TwoToneEditorWindow *w = loadShown();
        QTRY_COMPARE(QApplication::focusWidget(), encodeGrid(w));
    }

    // Typing a tone into code 3's first tone and clicking another cell.
    void encodeTones_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Bytes>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warned");
        QTest::newRow("1000") << "1000" << Bytes{0xE8, 0x03} << "1000.0" << false;
        QTest::newRow("3000") << "3000" << Bytes{0xB8, 0x0B} << "3000.0" << false;
        QTest::newRow("2999.5 rounds up") << "2999.5" << Bytes{0xB8, 0x0B} << "3000.0" << false;
        QTest::newRow("letters refused") << "1e2x00" << Bytes{0xB0, 0x04} << "1200.0" << false;
        QTest::newRow("299.9") << "299.9" << Bytes{0, 0} << "" << true;
        QTest::newRow("3000.2") << "3000.2" << Bytes{0, 0} << "" << true;
        QTest::newRow("emptied") << "" << Bytes{0, 0} << "" << false;
    }
    void encodeTones()
    {
        QFETCH(QString, typed);
        QFETCH(Bytes, stored);
        QFETCH(QString, shown);
        QFETCH(bool, warned);
        TwoToneEditorWindow *w = loadShown();
        const Bytes second = bytes(First + 2, 8, 2);
        QVERIFY(clickCell(encodeGrid(w), 3, 1));
        QCOMPARE(QApplication::focusWidget(), w->controls.Text_Encode);
        QCOMPARE(w->controls.Text_Encode->text(), QStringLiteral("1540.0"));
        typeTone(w, typed);
        QTest::keyClick(w->controls.Text_Encode, Qt::Key_Backspace);  // does nothing
        QVERIFY(clickCell(encodeGrid(w), 9, 2));
        QCOMPARE(bytes(First + 2, 0, 2), stored);
        QCOMPARE(bytes(First + 2, 8, 2), second);
        QCOMPARE(encodeGrid(w)->textMatrix(3, 1), shown);
        if (warned) {
            QCOMPARE(boxTexts(), QStringList{"Frequency range 300Hz to 3000Hz"});
            QCOMPARE(MsgBoxRecorder::boxes().first().title, QStringLiteral("Operate Prompt\""));
        } else {
            QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        }
    }

    // A tone typed over a cell replaces it; Escape abandons it, with no
    // warning and no byte changed when the next cell is clicked.
    void typingReplacesAndEscapeAbandons_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<Bytes>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("typed over, left with a click") << false << Bytes{0xD0, 0x07} << "2000.0";
        QTest::newRow("Escape, then a click") << true << Bytes{0xBD, 0x07} << "1981.0";
    }
    void typingReplacesAndEscapeAbandons()
    {
        QFETCH(bool, escape);
        QFETCH(Bytes, stored);
        QFETCH(QString, shown);
        TwoToneEditorWindow *w = loadShown();
        QCOMPARE(bytes(First, 0, 2), Bytes({0xBD, 0x07}));
        QVERIFY(clickCell(encodeGrid(w), 1, 1));
        QTRY_COMPARE(QApplication::focusWidget(), w->controls.Text_Encode);
        QCOMPARE(w->controls.Text_Encode->selectedText(), QStringLiteral("1981.0"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2000"));
        if (escape) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!w->controls.Text_Encode->isVisible());
            QCOMPARE(QApplication::focusWidget(), encodeGrid(w));
        }
        QVERIFY(clickCell(encodeGrid(w), 9, 2));
        QCOMPARE(bytes(First, 0, 2), stored);
        QCOMPARE(encodeGrid(w)->textMatrix(1, 1), shown);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // Clicking cells and leaving them, with no edit, changes no byte: a tone
    // shown empty (stored 0xFFFF) stays as it is.
    void clickThroughChangesNothing()
    {
        MemoryImage[First + 5][0] = 0xFF;
        MemoryImage[First + 5][1] = 0xFF;
        MemoryImage[First + 16][5] = 0;  // an alert without an item
        const auto before = area();
        TwoToneEditorWindow *w = loadShown();
        for (int r : {1, 6, 15})
            for (int c : {1, 2})
                QVERIFY(clickCell(encodeGrid(w), r, c));
        QTest::keyClick(w->controls.Text_Encode, Qt::Key_Return);
        QVERIFY(clickCell(encodeGrid(w), 2, 2));
        QVERIFY(decodeTab(w));
        for (int c = 1; c <= 12; ++c)
            QVERIFY(clickCell(decodeGrid(w), 1, c));
        QVERIFY(clickRowNumber(decodeGrid(w), 2));
        for (TextBox *b : w->controls.toneBoxes)
            QVERIFY(clickOnScreen(b));
        QVERIFY(clickCell(decodeGrid(w), 3, 3));
        QCOMPARE(area(), before);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // A click opens the list on the stored value and stores nothing; only a
    // pick stores, and the cell shows it.
    void decodeListsStoreOnlyPicks_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pair of entry 2") << 4 << "B-C" << 0 << 0 << "A-B";
        QTest::newRow("response of entry 1") << 2 << "1.Alert" << 2 << 2 << "2.Transpond";
        QTest::newRow("alert of entry 3") << 9 << "3" << 4 << 5 << "5";
        QTest::newRow("alert of entry 4") << 12 << "4" << 15 << 16 << "16";
    }
    void decodeListsStoreOnlyPicks()
    {
        QFETCH(int, col);
        QFETCH(QString, opened);
        QFETCH(int, pick);
        QFETCH(int, byte);
        QFETCH(QString, shown);
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        const auto before = area();
        QVERIFY(clickCell(decodeGrid(w), 2, col));
        PickList *list = w->controls.Combo_Decode;
        QVERIFY(list->isVisible());
        QCOMPARE(list->text(), opened);
        QCOMPARE(area(), before);
        QTest::keyClicks(list, QStringLiteral("7C-"));  // typing picks nothing
        QCOMPARE(list->text(), opened);
        QCOMPARE(area(), before);
        list->setListIndex(pick);  // the user's pick
        QCOMPARE(int(MemoryImage[First + 17][col - 1]), byte);
        QVERIFY(clickCell(decodeGrid(w), 5, 5));
        QVERIFY(!list->isVisible() || w->decodeEditor()->editRow() == 5);
        QCOMPARE(decodeGrid(w)->textMatrix(2, col), shown);
        auto after = area();
        after[17][col - 1] = before[17][col - 1];
        QCOMPARE(after, before);
    }

    void unpairedResponseShowsEmptyOnceLeft()
    {
        MemoryImage[First + 19][3] = 0xFF;  // code 4, entry 2: no pair
        MemoryImage[First + 19][4] = 1;
        MemoryImage[First + 19][5] = 7;
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        QCOMPARE(decodeGrid(w)->textMatrix(4, 5), QStringLiteral("1.Alert"));
        QVERIFY(clickCell(decodeGrid(w), 4, 5));
        QVERIFY(clickCell(decodeGrid(w), 4, 6));
        QCOMPARE(w->controls.Combo_Decode->text(), QStringLiteral("7"));  // opened on the byte
        QVERIFY(clickCell(decodeGrid(w), 8, 8));
        QCOMPARE(decodeGrid(w)->textMatrix(4, 5), QString());
        QCOMPARE(decodeGrid(w)->textMatrix(4, 6), QString());
        QCOMPARE(bytes(First + 19, 3, 3), Bytes({0xFF, 1, 7}));
    }

    void doubleClickOnACodeEmptiesItsRowOnScreen()
    {
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        const auto before = area();
        QVERIFY(clickRowNumber(decodeGrid(w), 2, true));
        for (int c = 1; c <= 12; ++c)
            QCOMPARE(decodeGrid(w)->textMatrix(2, c), QString());
        QCOMPARE(w->CurrentDecodeCode, 1);
        QCOMPARE(tone(w, 0)->text(), QStringLiteral("1358.0"));
        QCOMPARE(area(), before);
        // Moving through the row with the keys leaves it empty.
        decodeGrid(w)->setFocus();
        QTest::keyClick(decodeGrid(w), Qt::Key_Right);
        QTest::keyClick(decodeGrid(w), Qt::Key_Right);
        QCOMPARE(decodeGrid(w)->col(), 2);
        QCOMPARE(decodeGrid(w)->textMatrix(2, 1), QString());
        w->ShowTwoTone();
        QCOMPARE(decodeGrid(w)->textMatrix(2, 1), QStringLiteral("A-B"));
    }

    void decodeTones_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Bytes>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warned");
        // A refused tone is left with Tab: the box, emptied, keeps the focus.
        QTest::newRow("1000, count 10040") << "1000" << Bytes{0xE8, 0x03, 0x38, 0x27} << "1000.0" << false;
        QTest::newRow("300, count 33467") << "300" << Bytes{0x2C, 0x01, 0xBB, 0x82} << "300.0" << false;
        QTest::newRow("299.5 is 300") << "299.5" << Bytes{0x2C, 0x01, 0xBB, 0x82} << "300.0" << false;
        QTest::newRow("3000.5 is 3000") << "3000.5" << Bytes{0xB8, 0x0B, 0x13, 0x0D} << "3000.0" << false;
        QTest::newRow("299.4") << "299.4" << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "" << true;
        QTest::newRow("3000.6") << "3000.6" << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "" << true;
        QTest::newRow("only a point") << "." << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "" << true;
        QTest::newRow("emptied") << "" << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "" << false;
    }
    void decodeTones()
    {
        QFETCH(QString, typed);
        QFETCH(Bytes, stored);
        QFETCH(QString, shown);
        QFETCH(bool, warned);
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        QVERIFY(clickRowNumber(decodeGrid(w), 2));  // decode code 2
        QCOMPARE(w->controls.Frame_Dec_xx->title(), QStringLiteral("2 Decode 2 Tone Frequency"));
        QVERIFY(typeInto(tone(w, 1), typed));
        // Leaving the box for the grid stores the tone for code 2, before the
        // click chooses code 5.
        if (warned)
            QTest::keyClick(tone(w, 1), Qt::Key_Tab);
        else
            QVERIFY(clickCell(decodeGrid(w), 5, 1));
        const int row = TwoToneLayout::decodeTonesRow(1);
        QCOMPARE(Bytes({MemoryImage[row][2], MemoryImage[row][3], MemoryImage[row][10],
                        MemoryImage[row][11]}),
                 stored);
        QCOMPARE(boxTexts(), warned ? QStringList{"Frequency range 300Hz to 3000Hz"} : QStringList());
        if (warned) {
            // The box emptied takes the focus back.
            QCOMPARE(QApplication::focusWidget(), tone(w, 1));
            QCOMPARE(tone(w, 1)->text(), QString());
        } else {
            QCOMPARE(w->CurrentDecodeCode, 4);
            w->Edata_Load(1);
            QCOMPARE(tone(w, 1)->text(), shown);
        }
    }

    void toneBoxTakesSevenCharacters()
    {
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        QVERIFY(typeInto(tone(w, 0), QStringLiteral("1234.56789")));
        QCOMPARE(tone(w, 0)->text(), QStringLiteral("1234.56"));
        QTest::keyClick(tone(w, 0), Qt::Key_Backspace);
        QCOMPARE(tone(w, 0)->text(), QStringLiteral("1234.56"));
    }

    void decodeTabChoosesCodeOne()
    {
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        QVERIFY(clickRowNumber(decodeGrid(w), 14));
        QCOMPARE(tone(w, 0)->text(), QStringLiteral("2200.0"));
        QVERIFY(clickTab(w, 0));
        QVERIFY(w->controls.Frame_Encode->isVisible());
        QVERIFY(decodeTab(w));
        QCOMPARE(w->CurrentDecodeCode, 0);
        QCOMPARE(w->controls.Frame_Dec_xx->title(), QStringLiteral("1 Decode 2 Tone Frequency"));
        QCOMPARE(tone(w, 0)->text(), QStringLiteral("1981.0"));
    }

    void encodeEditSurvivesATabSwitch()
    {
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(clickCell(encodeGrid(w), 5, 2));
        typeTone(w, QStringLiteral("1750"));
        QVERIFY(decodeTab(w));
        QVERIFY(!w->controls.Text_Encode->isVisible());
        QVERIFY(clickTab(w, 0));
        QVERIFY(clickCell(encodeGrid(w), 6, 1));
        QCOMPARE(bytes(First + 4, 8, 2), Bytes({0xD6, 0x06}));
    }

    void timingListsStorePicksOnly()
    {
        TwoToneEditorWindow *w = loadShown();
        w->controls.timings[2]->setListIndex(100);  // the user's pick of 1000 ms
        w->controls.timings[3]->setListIndex(0);
        QCOMPARE(bytes(First + 15, 0, 3), Bytes({60, 60, 100}));
        QCOMPARE(int(MemoryImage[First + 47][0]), 0);
        const auto before = area();
        for (PickList *l : w->controls.timings)
            QTest::keyClicks(l, QStringLiteral("95"));
        QCOMPARE(area(), before);
    }

    void clickIntoAnInactiveWindowShowsTheNewImageFirst()
    {
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(decodeTab(w));
        Windows::show(QStringLiteral("other"));
        QVERIFY(!host->active(w));
        // Meanwhile a file brought other entries for code 3.
        MemoryImage[First + 18][0] = 11;
        MemoryImage[First + 18][1] = 3;
        QVERIFY(clickCell(decodeGrid(w), 3, 2));
        QVERIFY(host->active(w));
        QCOMPARE(decodeGrid(w)->textMatrix(3, 1), QStringLiteral("D-C"));
        QCOMPARE(w->controls.Combo_Decode->text(), QStringLiteral("3.Alert+Transpond"));
        QCOMPARE(QApplication::focusWidget(), w->controls.Combo_Decode);
        QCOMPARE(int(MemoryImage[First + 18][1]), 3);
    }

    void defaultRebuildsTheArea()
    {
        fillArea(0x33);
        TwoToneEditorWindow *w = loadShown();
        QVERIFY(clickCell(encodeGrid(w), 2, 1));
        typeTone(w, QStringLiteral("999"));
        w->ProgressBar1->show();
        w->Label_tr_count->setText(QStringLiteral("earlier"));
        QVERIFY(clickOnScreen(w->Command_def));
        const auto shown = area();
        fillArea(0);
        BuildTwoToneDefaults();
        QCOMPARE(shown, area());
        QCOMPARE(encodeGrid(w)->textMatrix(2, 1), QStringLiteral("1358.0"));
        QCOMPARE(w->controls.timings[3]->text(), QStringLiteral("6000"));
        QVERIFY(w->ProgressBar1->isHidden());
        QCOMPARE(w->Label_tr_count->text(), QString());
        // The edit begun before Default is gone: leaving its cell stores nothing.
        QVERIFY(clickCell(encodeGrid(w), 7, 1));
        QCOMPARE(area(), shown);
    }

    void openSaveAndClose()
    {
        TwoToneEditorWindow *w = load();
        Windows::load(WindowName::Form_save_menu);
        QVERIFY(clickOnScreen(w->Command_open));
        QVERIFY(clickOnScreen(w->Command_save));
        QVERIFY(Windows::isLoaded(WindowName::Form_open_chann));
        QVERIFY(Windows::isLoaded(WindowName::Form_save_chann));
        QVERIFY(clickOnScreen(w->Command_close));
        QVERIFY(!Windows::isLoaded(WindowName::frm_2tone));
        QVERIFY(!Windows::isLoaded(WindowName::Form_save_menu));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void refusalsWhileTheExchangeRuns_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Default") << 0 << "Command_def" << "Read-write operating with transceiver .";
        QTest::newRow("Open zh") << -1 << "Command_open" << "正在与对讲机进行读写操作 ！";
        QTest::newRow("Save") << 0 << "Command_save" << "Read-write operating with transceiver .";
        QTest::newRow("Close") << 0 << "Command_close" << "Read-write operating with transceiver .";
        QTest::newRow("title bar close") << 0 << "frame" << "Read-write operating with transceiver .";
    }
    void refusalsWhileTheExchangeRuns()
    {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, text);
        TwoToneEditorWindow *w = loadShown();
        fillArea(0x21);
        w->ShowTwoTone();
        QVERIFY(clickOnScreen(w->Command_Write));
        TestClock::advance(20);
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        const auto before = area();
        LanguageFlag = qint16(language);
        if (button == QLatin1String("frame")) {
            QMdiSubWindow *frame = Windows::frameOf(w);
            QVERIFY(clickFrameCloseBox(frame));
        } else {
            QVERIFY(clickOnScreen(w->findChild<QPushButton *>(button)));
        }
        QTRY_COMPARE(boxTexts(), QStringList{text});
        QCOMPARE(MsgBoxRecorder::boxes().first().title,
                 language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
        QCOMPARE(area(), before);
        QVERIFY(Windows::isLoaded(WindowName::frm_2tone));
        QVERIFY(!Windows::isLoaded(WindowName::Form_open_chann));
        QVERIFY(!Windows::isLoaded(WindowName::Form_save_chann));
        QCOMPARE(w->session()->WriteBusy, qint16(-1));
        TestClock::advance(60000);
        QCOMPARE(w->session()->WriteBusy, qint16(0));
        QCOMPARE(radio->bytes(0x2D00, 48 * 16), QByteArray(48 * 16, char(0x21)));
    }
};

QTEST_MAIN(TstTwoToneWindow)
#include "tst_twotonewindow.moc"
