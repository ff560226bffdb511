// How long the FM editor takes to load and to redraw its 16 rows, the work
// it does at every activation. Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/FmEditorFixture.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FmEditorFixture::reset();
    // Every channel in use, with an eight-letter name, so every cell is written.
    for (int n = 0; n < 16; ++n) {
        const int digits[8] = {0, 9, n % 10, 5, 0, 0, 0, 0};
        for (int c = 0; c < 8; ++c)
            MemoryImage[768 + n][c] = qint16(digits[c]);
        for (int c = 8; c < 16; ++c)
            MemoryImage[768 + n][c] = qint16('A' + c);
    }
    QElapsedTimer t;
    t.start();
    FmEditorWindow *w = FmEditorFixture::load();
    const double loadMs = t.nsecsElapsed() / 1e6;
    std::vector<double> redraws;
    for (int i = 0; i < 200; ++i) {
        t.restart();
        w->ShowFmChannels();
        redraws.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("FM editor load: %.2f ms\n", loadMs);
    std::printf("redraw of 16 rows: median %.3f ms, worst %.3f ms (200 runs)\n",
                redraws[redraws.size() / 2], redraws.back());
    FmEditorFixture::cleanup();
    return 0;
}
