// How long the 5-tone editor takes to open and to redraw from the image,
// the work it does at every activation. Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "memory/MemoryImage.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "signalling/FiveToneWindow.h"
#include "support/ProgramState.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    resetProgramState();
    Windows::define(WindowName::frm_5tone, Windows::Kind::Child, [] { return new FiveToneWindow; });
    // Every encode entry in use, so every cell is written.
    for (int n = 1; n <= 15; ++n)
        for (int c = 0; c < 16; ++c)
            MemoryImage[591 + n][c] = qint16(c == 15 ? n % 15 : (n + c) % 16);
    QElapsedTimer t;
    t.start();
    auto *w = qobject_cast<FiveToneWindow *>(Windows::load(WindowName::frm_5tone));
    const double loadMs = t.nsecsElapsed() / 1e6;
    std::vector<double> redraws;
    for (int i = 0; i < 50; ++i) {
        t.restart();
        w->ShowFiveTone();
        redraws.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("5-tone editor open: %.2f ms\n", loadMs);
    std::printf("redraw: median %.2f ms, worst %.2f ms (50 runs)\n", redraws[redraws.size() / 2],
                redraws.back());
    cleanupProgramState();
    return 0;
}
