#pragma once
// A user's click on cell (r, c) of a grid, scrolled into view first: a real
// mouse press and release on the cell's centre, as every grid test clicks.
#include <QTest>

#include "platform/FlexGrid.h"

inline void clickGridCell(FlexGrid *g, int r, int c)
{
    const QModelIndex idx = g->model()->index(r - g->fixedRows(), c - g->fixedCols());
    g->scrollTo(idx);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(idx).center());
}
