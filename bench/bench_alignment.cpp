// How long the alignment editor takes to load and to redraw a tab, the work
// of a tab click: the power tabs refill 64 boxes, the other tabs the 104
// squelch boxes and their own controls. Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/AdjustEditorFixture.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AdjustEditorFixture::reset();
    QElapsedTimer t;
    t.start();
    AdjustEditorWindow *w = AdjustEditorFixture::load();
    const double loadMs = t.nsecsElapsed() / 1e6;
    std::printf("alignment editor load: %.2f ms\n", loadMs);
    // Each click of another tab redraws it; the two power tabs hold other
    // values, so every box changes.
    for (int tab = 0; tab < AdjustTabCount; ++tab) {
        std::vector<double> runs;
        for (int i = 0; i < 50; ++i) {
            w->TabStrip1_Click(tab == 0 ? 1 : 0);
            t.restart();
            w->TabStrip1_Click(tab);
            runs.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(runs.begin(), runs.end());
        std::printf("redraw of tab %d: median %.2f ms, worst %.2f ms (50 runs)\n", tab,
                    runs[runs.size() / 2], runs.back());
    }
    AdjustEditorFixture::cleanup();
    return 0;
}
