// The model selection window: the band-table rows it lists and shows, what
// opening, picking, OK and Cancel do to BandTableRow and the first band pair,
// and that typed text never stays in the list box.
#include "memory/BandTable.h"
#include "platform/Language.h"
#include "platform/Screen.h"
#include "platform/Windows.h"
#include "shell/ModelSelectWindow.h"
#include "support/ClickWhereSeen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QString Name = QStringLiteral("Form_type");

QWidget *window() { return Windows::find(Name); }
QComboBox *combo() { return window()->findChild<QComboBox *>(QStringLiteral("Combo_type")); }
QLabel *label(const char *name) { return window()->findChild<QLabel *>(QLatin1String(name)); }
QPushButton *button(const char *name)
{
    return window()->findChild<QPushButton *>(QLatin1String(name));
}
void pick(int line)
{
    combo()->setCurrentIndex(line);
    emit combo()->activated(line);
}
}

class TestModelSelect : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsTheSevenRangeNames();
    void pickAndConfirm_data();
    void pickAndConfirm();
    void openingSetsFirstPairFromCurrentRow_data();
    void openingSetsFirstPairFromCurrentRow();
    void cancelKeepsWhatOpeningSet();
    void typingRestoresLastPick();
    void rowOutsideTheListLeavesLimitsAlone();
    void captions_data();
    void captions();
    void placedFromClientArea();
};

void TestModelSelect::init()
{
    Windows::reset();
    Windows::define(Name, Windows::Kind::TopLevel, [] { return new ModelSelectWindow; });
    resetMemoryState();
    BuildBandTable();
    SetStartupBandLimits();
    LanguageFlag = 0;
    Screen::setTestSizePixels(QSize(1200, 900));
}

void TestModelSelect::cleanup()
{
    Windows::reset();
    Screen::setTestSizePixels(QSize());
    LanguageFlag = 0;
}

void TestModelSelect::listsTheSevenRangeNames()
{
    QVERIFY(Windows::load(Name));
    QStringList lines;
    for (int i = 0; i < combo()->count(); ++i)
        lines << combo()->itemText(i);
    QCOMPARE(lines, QStringList({"VHF0/UHF0", "VHF1/UHF1", "VHF2/UHF2", "", "", "", ""}));
    QCOMPARE(combo()->currentIndex(), 0);
    QCOMPARE(label("Label_band")->text(), QStringLiteral("  130 --  179"));
    QCOMPARE(label("Label1")->buddy(), combo());
}

void TestModelSelect::pickAndConfirm_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("range");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");

    QTest::newRow("VHF0/UHF0") << 0 << "  130 --  179" << 130.0 << 179.0;
    QTest::newRow("VHF1/UHF1") << 1 << "  136 --  174" << 136.0 << 174.0;
    QTest::newRow("VHF2/UHF2") << 2 << "  144 --  146" << 144.0 << 146.0;
    QTest::newRow("empty line 3") << 3 << "  400 --  471" << 400.0 << 471.0;
    QTest::newRow("empty line 4") << 4 << "  450 --  521" << 450.0 << 521.0;
    QTest::newRow("empty line 5") << 5 << "  100 --  701" << 100.0 << 701.0;
    QTest::newRow("empty line 6") << 6 << "  66 --  89" << 66.0 << 89.0;
}

void TestModelSelect::pickAndConfirm()
{
    QFETCH(int, line);
    QFETCH(QString, range);
    QFETCH(double, lower);
    QFETCH(double, upper);

    QVERIFY(Windows::load(Name));
    pick(line);
    QCOMPARE(label("Label_band")->text(), range);
    // A pick alone changes nothing but the display.
    QCOMPARE(BandTableRow, qint16(0));
    QCOMPARE(BandLimits[0].lower, 130.0);
    QCOMPARE(BandLimits[0].upper, 179.0);

    QVERIFY(clickWhereSeen(button("Command_enter")));
    QCOMPARE(BandTableRow, qint16(line));
    QCOMPARE(BandLimits[0].lower, lower);
    QCOMPARE(BandLimits[0].upper, upper);
    // Only the first pair belongs to the model type.
    QCOMPARE(BandLimits[1].lower, 136.0);
    QCOMPARE(BandLimits[2].upper, 480.0);
    QVERIFY(!Windows::isLoaded(Name));
}

void TestModelSelect::openingSetsFirstPairFromCurrentRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");

    QTest::newRow("start-up row 0") << 0 << "VHF0/UHF0" << 130.0 << 179.0;
    QTest::newRow("row 2") << 2 << "VHF2/UHF2" << 144.0 << 146.0;
    QTest::newRow("empty row 6") << 6 << "" << 66.0 << 89.0;
}

void TestModelSelect::openingSetsFirstPairFromCurrentRow()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(double, lower);
    QFETCH(double, upper);

    BandTableRow = qint16(row);
    QVERIFY(Windows::load(Name));
    QCOMPARE(combo()->currentIndex(), row);
    QCOMPARE(combo()->currentText(), text);
    QCOMPARE(label("Label_band")->text(), BandRangeText(row));
    QCOMPARE(BandLimits[0].lower, lower);
    QCOMPARE(BandLimits[0].upper, upper);
}

void TestModelSelect::cancelKeepsWhatOpeningSet()
{
    // The start-up's 136-174 MHz give way to row 0 as soon as the window opens.
    QCOMPARE(BandLimits[0].lower, 136.0);
    QVERIFY(Windows::load(Name));
    pick(5);
    QVERIFY(clickWhereSeen(button("Command_Cancel")));
    QVERIFY(!Windows::isLoaded(Name));
    QCOMPARE(BandTableRow, qint16(0));
    QCOMPARE(BandLimits[0].lower, 130.0);
    QCOMPARE(BandLimits[0].upper, 179.0);
}

void TestModelSelect::typingRestoresLastPick()
{
    QVERIFY(Windows::load(Name));
    QLineEdit *edit = combo()->lineEdit();
    QVERIFY(edit);

    QTest::keyClicks(edit, QStringLiteral("UHF"));
    QCOMPARE(edit->text(), QStringLiteral("VHF0/UHF0"));

    pick(1);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCOMPARE(edit->text(), QStringLiteral("VHF1/UHF1"));

    pick(4);  // an empty line: the text goes back to empty
    QTest::keyClicks(edit, QStringLiteral("VHF2/UHF2"));
    QCOMPARE(edit->text(), QString());
    QTest::keyClick(edit, Qt::Key_Return);

    QVERIFY(clickWhereSeen(button("Command_enter")));
    QCOMPARE(BandTableRow, qint16(4));
    QCOMPARE(BandLimits[0].lower, 450.0);
}

void TestModelSelect::rowOutsideTheListLeavesLimitsAlone()
{
    // Rows 7 to 10 exist in the band table but have no line in the list.
    BandTableRow = 9;
    QVERIFY(Windows::load(Name));
    QCOMPARE(combo()->currentIndex(), -1);
    QCOMPARE(BandLimits[0].lower, 136.0);
    QCOMPARE(BandLimits[0].upper, 174.0);

    QVERIFY(clickWhereSeen(button("Command_enter")));
    QVERIFY(!Windows::isLoaded(Name));
    QCOMPARE(BandTableRow, qint16(9));
    QCOMPARE(BandLimits[0].lower, 136.0);
}

void TestModelSelect::captions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("English") << 0
                             << QStringList{"Model Select", "Model", "Band", "Confirm", "Cancel"};
    QTest::newRow("Chinese") << -1
                             << QStringList{"机型选择", "机  型", "频  段", "确 定", "取 消"};
}

void TestModelSelect::captions()
{
    QFETCH(int, language);
    QFETCH(QStringList, captions);

    LanguageFlag = qint16(language);
    QVERIFY(Windows::load(Name));
    QCOMPARE(QStringList({window()->windowTitle(), label("Label1")->text(),
                          label("Label2")->text(), button("Command_enter")->text(),
                          button("Command_Cancel")->text()}),
             captions);
}

void TestModelSelect::placedFromClientArea()
{
    // 1200 x 900 pixels are 18000 x 13500 twips: a third of each, centred,
    // 500 twips above the middle.
    QVERIFY(Windows::load(Name));
    QCOMPARE(window()->size(), QSize(400, 300));
    QCOMPARE(window()->pos(), QPoint(400, Screen::toPixels(4000)));
    QVERIFY(window()->isWindow());
    QVERIFY(!(window()->windowFlags() & Qt::WindowMinMaxButtonsHint));
}

QTEST_MAIN(TestModelSelect)
#include "tst_modelselect.moc"
