#pragma once
// A user's click on cell (r, c) of a grid, scrolled into view first: a real
// mouse press and release on the cell's centre. clickGridCellWhereSeen also
// checks that the cell is what a person sees there (clickWhereSeen) and
// clicks a cell of the fixed column on its row heading.
#include <QHeaderView>
#include <QTest>
#include <algorithm>

#include "platform/FlexGrid.h"
#include "support/ClickWhereSeen.h"

inline void clickGridCell(FlexGrid *g, int r, int c)
{
    const QModelIndex idx = g->model()->index(r - g->fixedRows(), c - g->fixedCols());
    g->scrollTo(idx);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(idx).center());
}

[[nodiscard]] inline bool clickGridCellWhereSeen(FlexGrid *g, int r, int c, bool twice = false)
{
    const QModelIndex idx = g->model()->index(r - g->fixedRows(), std::max(0, c - g->fixedCols()));
    g->scrollTo(idx);
    if (c < g->fixedCols()) {
        QHeaderView *names = g->verticalHeader();
        const int y = names->sectionViewportPosition(idx.row()) + names->sectionSize(idx.row()) / 2;
        return clickWhereSeen(names->viewport(), QPoint(names->viewport()->width() / 2, y), twice);
    }
    return clickWhereSeen(g->viewport(), g->visualRect(idx).center(), twice);
}
