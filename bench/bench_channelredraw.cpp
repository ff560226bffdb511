// How long the channel editor takes to load and to redraw its 200 rows, the
// work it does at every activation. Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/ChannelEditorFixture.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ChannelEditorFixture::reset();
    // Every channel in use, with a name, so every cell is written.
    for (int ch = 0; ch < 200; ++ch) {
        for (int c = 0; c < 16; ++c)
            MemoryImage[ch][c] = qint16(c < 8 ? 0x14 : (c == 15 ? 4 : 0));
        for (int c = 0; c < 8; ++c)
            MemoryImage[256 + ch][c] = qint16('A' + c);
    }
    QElapsedTimer t;
    t.start();
    ChannelEditorWindow *w = ChannelEditorFixture::load();
    const double loadMs = t.nsecsElapsed() / 1e6;
    std::vector<double> redraws;
    for (int i = 0; i < 50; ++i) {
        t.restart();
        w->ShowChannels();
        redraws.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("channel editor load: %.2f ms\n", loadMs);
    std::printf("redraw of 200 rows: median %.2f ms, worst %.2f ms (50 runs)\n",
                redraws[redraws.size() / 2], redraws.back());
    ChannelEditorFixture::cleanup();
    return 0;
}
