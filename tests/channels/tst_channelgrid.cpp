// The channel grid as a user meets it, in a shown window with real mouse and
// key events: where the focus lands when an in-cell editor closes, a click
// into an inactive editor window, cells clicked through without an edit, an
// open edit at Write, Default and Clear, a list and a scroll, a typed tone.
#include "support/ChannelEditorFixture.h"
#include "support/MdiStage.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "channels/ChannelRecord.h"
#include "link/LinkSession.h"

using namespace ChannelGrid;
using namespace ChannelEditorFixture;

namespace {
class OtherWindow : public Form
{
};

// Channel ch in use: receive and transmit frequency (BCD bytes, low first),
// the new-channel options, and a name.
void putChannel(int ch, QList<int> rx, QList<int> tx, const char *name = "")
{
    for (int k = 0; k < 4; ++k) {
        MemoryImage[ch][k] = qint16(rx[k]);
        MemoryImage[ch][4 + k] = qint16(tx[k]);
    }
    for (int k = 8; k < 16; ++k)
        MemoryImage[ch][k] = qint16(k == 15 ? 4 : 0);
    for (int k = 0; k < 16; ++k)
        MemoryImage[256 + ch][k] = k < int(qstrlen(name)) ? qint16(quint8(name[k])) : 0xFF;
}

const QList<int> F145{0x00, 0x00, 0x50, 0x14};
const QList<int> F1456{0x00, 0x00, 0x56, 0x14};
const QList<int> F50{0x00, 0x00, 0x00, 0x05};

QList<QList<int>> channelRows()
{
    QList<QList<int>> rows;
    for (int ch = 0; ch < 200; ++ch)
        rows << row(ch) << row(256 + ch);
    return rows;
}

ChannelEditorWindow *loadActive()
{
    ChannelEditorWindow *w = load();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qFatal("the editor did not become active");
    return w;
}
}

class TstChannelGrid : public QObject, LinkTestBench
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void focusGoesBackToTheGrid_data();
    void focusGoesBackToTheGrid();
    void clickIntoAnInactiveWindowOpensItsEditor();
    void clickThroughChangesNothing_data();
    void clickThroughChangesNothing();
    void openEditGoesOutWithWrite();
    void defaultAndClearDropAnOpenEdit_data();
    void defaultAndClearDropAnOpenEdit();
    void listFollowsItsCellWhenTheGridScrolls();
    void backspaceEditsATypedTone();
};

void TstChannelGrid::init()
{
    setUpBench();
    ChannelEditorFixture::reset();
    useFakePorts();
    plugRadio(1);
}

void TstChannelGrid::cleanup()
{
    ChannelEditorFixture::cleanup();
    tearDownBench();
}

void TstChannelGrid::focusGoesBackToTheGrid_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("how");
    QTest::newRow("Return in a name") << int(ColName) << "return";
    QTest::newRow("Tab in a frequency") << int(ColRxFreq) << "tab";
    QTest::newRow("scroll with a name open") << int(ColName) << "scroll";
}

void TstChannelGrid::focusGoesBackToTheGrid()
{
    QFETCH(int, col);
    QFETCH(QString, how);
    putChannel(0, F145, F145);
    ChannelEditorWindow *w = loadActive();
    QVERIFY(clickCell(w, 1, col));
    QCOMPARE(QApplication::focusWidget(), w->Text_Edit);
    w->Text_Edit->selectAll();
    QTest::keyClicks(w->Text_Edit, col == ColName ? QStringLiteral("abc") : QStringLiteral("146"));
    if (how == QLatin1String("return"))
        QTest::keyClick(w->Text_Edit, Qt::Key_Return);
    else if (how == QLatin1String("tab"))
        QTest::keyClick(w->Text_Edit, Qt::Key_Tab);
    else
        w->MSF_Chann->showRow(200);
    QCOMPARE(QApplication::focusWidget(), w->MSF_Chann);
    // No key typed now can start a transfer.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!w->session()->exchangeRunning());
    TestClock::advance(100);
    QVERIFY(radio->frameBytes().isEmpty());
    // The edit is kept: Tab committed it, the others commit when the cell
    // is left.
    QVERIFY(leave(w));
    if (col == ColName)
        QCOMPARE(row(256).mid(0, 4), QList<int>({'A', 'B', 'C', 0xFF}));
    else
        QCOMPARE(row(0).mid(0, 4), QList<int>({0x00, 0x00, 0x60, 0x14}));
}

void TstChannelGrid::clickIntoAnInactiveWindowOpensItsEditor()
{
    MainStandIn stage(QSize(1200, 800));
    QMdiArea *area = stage.area;
    QVERIFY(stage.waitActive());
    Windows::define(QStringLiteral("other"), Windows::Kind::Child, [] { return new OtherWindow; });
    putChannel(2, F145, F145, "OLD");
    ChannelEditorWindow *w = load();
    Windows::show(QStringLiteral("other"));
    QVERIFY(area->activeSubWindow() != Windows::frameOf(w));
    // Meanwhile a file replaced the name.
    putChannel(2, F145, F145, "NEW");
    QVERIFY(clickCell(w, 3, ColName));
    QCOMPARE(area->activeSubWindow(), Windows::frameOf(w));
    QVERIFY(w->Text_Edit->isVisible());
    QCOMPARE(w->Text_Edit->text(), QStringLiteral("NEW"));
    QCOMPARE(QApplication::focusWidget(), w->Text_Edit);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    QCOMPARE(w->Text_Edit->text(), QStringLiteral("NEW2"));
    QVERIFY(leave(w));
    QCOMPARE(row(258).mid(0, 5), QList<int>({'N', 'E', 'W', '2', 0xFF}));
    Windows::reset();
}

void TstChannelGrid::clickThroughChangesNothing_data()
{
    QTest::addColumn<QList<int>>("rx");
    QTest::addColumn<QList<int>>("tx");
    QTest::addColumn<int>("col");
    QTest::newRow("split channel, receive cell") << F145 << F1456 << int(ColRxFreq);
    QTest::newRow("split channel, transmit cell") << F145 << F1456 << int(ColTxFreq);
    QTest::newRow("out of band from a file, receive") << F50 << F50 << int(ColRxFreq);
    QTest::newRow("out of band from a file, transmit") << F145 << F50 << int(ColTxFreq);
    QTest::newRow("receive tone") << F145 << F1456 << int(ColRxTone);
    QTest::newRow("power list") << F145 << F1456 << int(ColPower);
    QTest::newRow("name") << F145 << F1456 << int(ColName);
}

void TstChannelGrid::clickThroughChangesNothing()
{
    QFETCH(QList<int>, rx);
    QFETCH(QList<int>, tx);
    QFETCH(int, col);
    putChannel(4, rx, tx, "KEEP");
    ChannelEditorWindow *w = loadActive();
    const auto before = channelRows();
    QVERIFY(clickCell(w, 5, col));
    QVERIFY(leave(w));
    // With Return as well: a cell the user did not change stores nothing.
    QVERIFY(clickCell(w, 5, col));
    enter(w);
    QVERIFY(leave(w));
    QCOMPARE(channelRows(), before);
    QCOMPARE(boxTexts(), QStringList());
}

void TstChannelGrid::openEditGoesOutWithWrite()
{
    putChannel(0, F145, F145, "OLD");
    ChannelEditorWindow *w = loadActive();
    QVERIFY(clickCell(w, 1, ColName));
    w->Text_Edit->selectAll();
    QTest::keyClicks(w->Text_Edit, QStringLiteral("sent"));
    // Not left: the button is pressed with the edit still open.
    QVERIFY(clickWhereSeen(w->Command_Write));
    TestClock::advance(120000);
    QCOMPARE(radio->bytes(0x1000, 5), QByteArray("SENT\xFF", 5));
    QCOMPARE(row(256).mid(0, 5), QList<int>({'S', 'E', 'N', 'T', 0xFF}));
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("SENT"));
}

void TstChannelGrid::defaultAndClearDropAnOpenEdit_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Default, image changed") << "Command_def";
    QTest::newRow("Default, image unchanged") << "Command_def same";
    QTest::newRow("Clear") << "Command_Clear";
}

void TstChannelGrid::defaultAndClearDropAnOpenEdit()
{
    QFETCH(QString, button);
    const bool same = button.endsWith(QLatin1String(" same"));
    if (!same)
        putChannel(0, F145, F145, "OLD");
    ChannelEditorWindow *w = loadActive();
    QVERIFY(clickCell(w, 1, ColName));
    w->Text_Edit->selectAll();
    QTest::keyClicks(w->Text_Edit, QStringLiteral("lost"));
    auto *b = w->findChild<QPushButton *>(button.section(QLatin1Char(' '), 0, 0));
    QVERIFY(clickWhereSeen(b));
    QVERIFY(!w->Text_Edit->isVisible());
    QVERIFY(!w->editor()->isOpen());
    const auto after = channelRows();
    QVERIFY(leave(w));
    QCOMPARE(channelRows(), after);
    QVERIFY(!w->MSF_Chann->textMatrix(1, ColName).contains(QLatin1String("LOST")));
}

void TstChannelGrid::listFollowsItsCellWhenTheGridScrolls()
{
    putChannel(2, F145, F145);
    putChannel(8, F145, F145);
    ChannelEditorWindow *w = loadActive();
    QVERIFY(clickCell(w, 3, ColPower));
    QVERIFY(w->Combo_edit->isVisible());
    auto listTop = [w] { return w->MSF_Chann->mapFrom(w, w->Combo_edit->pos()).y(); };
    QCOMPARE(listTop(), w->MSF_Chann->cellRect(3, ColPower).top());
    w->MSF_Chann->showRow(200);
    QVERIFY(!w->Combo_edit->isVisible());
    QCOMPARE(QApplication::focusWidget(), w->MSF_Chann);
    w->MSF_Chann->showRow(3);
    QVERIFY(w->Combo_edit->isVisible());
    QCOMPARE(listTop(), w->MSF_Chann->cellRect(3, ColPower).top());
    // A pick goes to the list's own channel, never to the row now under it.
    QTest::keyClick(w->Combo_edit, Qt::Key_Down);
    QCOMPARE(int(MemoryImage[2][14]) & 3, 1);
    QCOMPARE(int(MemoryImage[8][14]) & 3, 0);
}

void TstChannelGrid::backspaceEditsATypedTone()
{
    putChannel(0, F145, F145);
    ChannelEditorWindow *w = loadActive();
    QVERIFY(clickCell(w, 1, ColRxTone));
    QTest::keyClicks(w->Combo_edit, QStringLiteral("88.6"));
    QTest::keyClick(w->Combo_edit, Qt::Key_Backspace);
    QTest::keyClicks(w->Combo_edit, QStringLiteral("5"));
    QCOMPARE(w->Combo_edit->text(), QStringLiteral("88.5"));
    QVERIFY(leave(w));
    QCOMPARE(row(0).mid(8, 2), QList<int>({885 % 256, 885 / 256}));
}

QTEST_MAIN(TstChannelGrid)
#include "tst_channelgrid.moc"
