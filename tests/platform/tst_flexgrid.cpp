// The grid: cells by row and column with a fixed heading row and column, a
// current cell, and the leave-cell event raised before every move.
#include "platform/FlexGrid.h"
#include "support/ClickWhereSeen.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {
// Records every leave-cell with where the grid says it stands meanwhile.
struct LeaveLog {
    struct Entry {
        int row, col, gridRow, gridCol;
    };
    QList<Entry> entries;
    void attach(FlexGrid &g)
    {
        QObject::connect(&g, &FlexGrid::leaveCell, &g, [this, &g](int r, int c) {
            entries.append({r, c, g.row(), g.col()});
        });
    }
};

void makeGrid(FlexGrid &g)
{
    g.setFormatString(QStringLiteral("^Channel|^  Band  |RX Frequency|>Name"));
    g.setRows(11);
    for (int r = 1; r < 11; ++r)
        g.setTextMatrix(r, 0, QString::number(r - 1));
    g.resize(600, 300);
}
}

class TstFlexGrid : public QObject
{
    Q_OBJECT
private slots:
    void formatStringSetsHeadingsAndWidths();
    void cellsByRowAndColumn_data();
    void cellsByRowAndColumn();
    void programMovesRaiseLeaveCellFirst_data();
    void programMovesRaiseLeaveCellFirst();
    void clickLeavesOldCellThenClicks();
    void rowHeadingClickMovesNothing();
    void cursorKeyMoveRaisesLeaveCell();
    void currentCellMayStandInFixedColumn();
    void cellGeometryCoversTheCell();
    void scrollingIsReported();
};

void TstFlexGrid::formatStringSetsHeadingsAndWidths()
{
    FlexGrid g;
    makeGrid(g);
    QCOMPARE(g.cols(), 4);
    QCOMPARE(g.textMatrix(0, 0), QStringLiteral("Channel"));
    QCOMPARE(g.textMatrix(0, 1), QStringLiteral("  Band  "));
    QCOMPARE(g.textMatrix(0, 3), QStringLiteral("Name"));
    // The blanks inside a heading widen its column.
    QVERIFY(g.colWidth(1) > g.fontMetrics().horizontalAdvance(QStringLiteral("Band")));
    QVERIFY(g.colWidth(2) > g.colWidth(1));
    g.setTextMatrix(3, 1, QStringLiteral("VHF/UHF "));
    auto *item = g.item(2, 0);
    QVERIFY(item);
    QCOMPARE(Qt::Alignment(item->textAlignment()), Qt::Alignment(Qt::AlignCenter));
}

void TstFlexGrid::cellsByRowAndColumn_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("expected");  // what reads back after writing "x"
    QTest::newRow("data cell") << 5 << 2 << "x";
    QTest::newRow("fixed column") << 5 << 0 << "x";
    QTest::newRow("heading") << 0 << 3 << "x";
    QTest::newRow("corner") << 0 << 0 << "x";
    QTest::newRow("row beyond") << 11 << 1 << "";
    QTest::newRow("column beyond") << 1 << 4 << "";
    QTest::newRow("negative") << -1 << -1 << "";
}

void TstFlexGrid::cellsByRowAndColumn()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, expected);
    FlexGrid g;
    makeGrid(g);
    g.setTextMatrix(row, col, QStringLiteral("x"));
    QCOMPARE(g.textMatrix(row, col), expected);
}

void TstFlexGrid::programMovesRaiseLeaveCellFirst_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("moves");
    QTest::newRow("another row") << 7 << 2 << true;
    QTest::newRow("another column") << 3 << 1 << true;
    QTest::newRow("the fixed column") << 3 << 0 << true;
    QTest::newRow("the same cell") << 3 << 2 << false;
    QTest::newRow("outside") << 30 << 2 << false;
}

void TstFlexGrid::programMovesRaiseLeaveCellFirst()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(bool, moves);
    FlexGrid g;
    makeGrid(g);
    g.setCurrentCell(3, 2);
    LeaveLog log;
    log.attach(g);
    g.setCurrentCell(row, col);
    if (!moves) {
        QCOMPARE(log.entries.size(), 0);
        QCOMPARE(g.row(), 3);
        return;
    }
    QCOMPARE(log.entries.size(), 1);
    const auto e = log.entries.first();
    QCOMPARE(e.row, 3);
    QCOMPARE(e.col, 2);
    QCOMPARE(e.gridRow, 3);  // still on the cell being left
    QCOMPARE(e.gridCol, 2);
    QCOMPARE(g.row(), row);
    QCOMPARE(g.col(), col);
}

void TstFlexGrid::clickLeavesOldCellThenClicks()
{
    FlexGrid g;
    makeGrid(g);
    g.show();
    g.setCurrentCell(1, 1);
    QStringList order;
    connect(&g, &FlexGrid::leaveCell, this, [&](int r, int c) {
        order << QStringLiteral("leave %1,%2 at %3,%4").arg(r).arg(c).arg(g.row()).arg(g.col());
    });
    connect(&g, &FlexGrid::gridClick, this,
            [&] { order << QStringLiteral("click at %1,%2").arg(g.row()).arg(g.col()); });
    const QRect r = g.visualRect(g.model()->index(3, 2));
    QVERIFY(clickWhereSeen(g.viewport(), r.center()));
    QCOMPARE(order, QStringList({"leave 1,1 at 1,1", "click at 4,3"}));
    // A press on the current cell clicks without leaving it.
    order.clear();
    QVERIFY(clickWhereSeen(g.viewport(), r.center()));
    QCOMPARE(order, QStringList({"click at 4,3"}));
    QSignalSpy dbl(&g, &FlexGrid::gridDblClick);
    QVERIFY(clickWhereSeen(g.viewport(), r.center(), true));
    QCOMPARE(dbl.count(), 1);
}

void TstFlexGrid::rowHeadingClickMovesNothing()
{
    // The fixed column is the row heading: a press there names its row and
    // leaves the current cell where it is; a double click names it again.
    FlexGrid g;
    makeGrid(g);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.setCurrentCell(2, 3);
    LeaveLog log;
    log.attach(g);
    QSignalSpy clicked(&g, &FlexGrid::fixedCellClicked);
    QSignalSpy doubled(&g, &FlexGrid::fixedCellDoubleClicked);
    QSignalSpy cellClicks(&g, &FlexGrid::gridClick);
    QHeaderView *h = g.verticalHeader();
    const QPoint at(h->width() / 2, h->sectionViewportPosition(4) + h->sectionSize(4) / 2);
    QVERIFY(clickWhereSeen(h->viewport(), at));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toInt(), 5);
    QVERIFY(clickWhereSeen(h->viewport(), at, true));
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.first().first().toInt(), 5);
    QCOMPARE((QList<int>{g.row(), g.col()}), (QList<int>{2, 3}));
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(cellClicks.count(), 0);
}

void TstFlexGrid::cursorKeyMoveRaisesLeaveCell()
{
    FlexGrid g;
    makeGrid(g);
    g.show();
    g.setCurrentCell(2, 1);
    LeaveLog log;
    log.attach(g);
    QSignalSpy clicks(&g, &FlexGrid::gridClick);
    QTest::keyClick(&g, Qt::Key_Right);
    QCOMPARE(log.entries.size(), 1);
    QCOMPARE(log.entries.first().gridCol, 1);
    QCOMPARE(g.row(), 2);
    QCOMPARE(g.col(), 2);
    QTest::keyClick(&g, Qt::Key_Down);
    QCOMPARE(g.row(), 3);
    QCOMPARE(log.entries.size(), 2);
    QCOMPARE(clicks.count(), 0);
}

void TstFlexGrid::currentCellMayStandInFixedColumn()
{
    FlexGrid g;
    makeGrid(g);
    g.show();
    g.setCol(0);
    for (int r = 1; r < g.rows(); ++r) {
        g.setRow(r);
        g.setText(QString::number(r - 1));
    }
    QCOMPARE(g.row(), 10);
    QCOMPARE(g.col(), 0);
    QCOMPARE(g.textMatrix(10, 0), QStringLiteral("9"));
    // Focus on the grid does not move the current cell by itself.
    LeaveLog log;
    log.attach(g);
    g.setFocus();
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(&g, &in);
    QCOMPARE(log.entries.size(), 0);
    QCOMPARE(g.col(), 0);
    // Fewer rows pull the current row in without a leave event.
    g.setRows(5);
    QCOMPARE(g.row(), 4);
    QCOMPARE(log.entries.size(), 0);
}

void TstFlexGrid::cellGeometryCoversTheCell()
{
    FlexGrid g;
    makeGrid(g);
    g.show();
    g.setCurrentCell(4, 2);
    const QRect vr = g.visualRect(g.model()->index(3, 1));
    const QPoint vp = g.viewport()->geometry().topLeft();
    QCOMPARE(g.cellLeft(), vp.x() + vr.left());
    QCOMPARE(g.cellTop(), vp.y() + vr.top());
    QCOMPARE(g.cellWidth(), g.colWidth(2));
    QCOMPARE(g.cellHeight(), g.rowHeight(3));
    // The fixed column's cells lie in the row heading.
    g.setCol(0);
    QCOMPARE(g.cellTop(), vp.y() + vr.top());
    QCOMPARE(g.cellWidth(), g.verticalHeader()->width());
}

void TstFlexGrid::scrollingIsReported()
{
    FlexGrid g;
    makeGrid(g);
    g.setRows(201);
    g.resize(300, 150);
    g.show();
    QSignalSpy scrolls(&g, &FlexGrid::scrolled);
    g.showRow(200);
    QVERIFY(scrolls.count() >= 1);
    QVERIFY(g.topRow() > 1);
}

QTEST_MAIN(TstFlexGrid)
#include "tst_flexgrid.moc"
