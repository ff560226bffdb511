// How long the 2-tone editor takes to open and to redisplay its area (both
// grids, the tone boxes and the lists). Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "memory/MemoryImage.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "signalling/TwoToneEditorWindow.h"
#include "signalling/TwoToneLayout.h"
#include "signalling/TwoToneTones.h"
#include "support/ProgramState.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    resetProgramState();
    Windows::define(WindowName::frm_2tone, Windows::Kind::Child, [] { return new TwoToneEditorWindow; });
    // Every encode tone and every decode entry set, so every cell is written.
    for (int n = 1; n <= TwoToneLayout::CodeCount; ++n) {
        StoreEncodeTone(n, 1, 1000 + n);
        StoreEncodeTone(n, 2, 2000 + n);
        for (int c = 0; c < 12; ++c)
            MemoryImage[TwoToneLayout::decodeEntryRow(n)][c] = qint16(c % 3 == 1 ? 3 : 11);
    }
    QElapsedTimer t;
    t.start();
    auto *w = qobject_cast<TwoToneEditorWindow *>(Windows::load(WindowName::frm_2tone));
    const double loadMs = t.nsecsElapsed() / 1e6;
    std::vector<double> redraws;
    for (int i = 0; i < 50; ++i) {
        StoreEncodeTone(1, 1, i % 2 ? 1500 : 1600);
        t.restart();
        w->ShowTwoTone();
        redraws.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("2-tone editor open: %.2f ms\n", loadMs);
    std::printf("2-tone redisplay: median %.2f ms, worst %.2f ms (50 runs)\n",
                redraws[redraws.size() / 2], redraws.back());
    cleanupProgramState();
    return 0;
}
