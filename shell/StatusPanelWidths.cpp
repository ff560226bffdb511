#include "shell/StatusPanelWidths.h"

#include <algorithm>

QList<int> NarrowedPanelWidths(QList<int> widths, int excess)
{
    if (excess <= 0 || widths.isEmpty())
        return widths;
    const int fromLast = std::min(excess, widths.last());
    widths.last() -= fromLast;
    excess -= fromLast;
    if (excess <= 0)
        return widths;
    qint64 total = 0;
    for (int w : widths)
        total += w;
    if (total <= excess) {
        widths.fill(0);
        return widths;
    }
    // Each panel gives its share, rounded up, until the excess is covered.
    const qint64 need = excess;
    for (int &w : widths) {
        if (excess <= 0)
            break;
        const int share = int(std::min<qint64>({(qint64(w) * need + total - 1) / total, qint64(w), qint64(excess)}));
        w -= share;
        excess -= share;
    }
    return widths;
}
