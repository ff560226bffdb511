// How long the DTMF editor takes to open and to redisplay its area, the
// work it does at every activation. Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "memory/CharacterCodec.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "signalling/DtmfEditorWindow.h"
#include "signalling/DtmfLayout.h"
#include "support/ProgramState.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    resetProgramState();
    Windows::define(WindowName::frm_dtmf, Windows::Kind::Child, [] { return new DtmfEditorWindow; });
    // Every code box holds 16 characters.
    for (int i = 0; i < DtmfLayout::EncodeCodeCount; ++i)
        StoreDtmfCodeString(QStringLiteral("0123456789ABCD*#"), DtmfLayout::encodeCodeRow(i));
    QElapsedTimer t;
    t.start();
    auto *w = qobject_cast<DtmfEditorWindow *>(Windows::load(WindowName::frm_dtmf));
    const double loadMs = t.nsecsElapsed() / 1e6;
    std::vector<double> redraws;
    for (int i = 0; i < 50; ++i) {
        // Alternate two images so that every redraw changes the boxes.
        StoreDtmfCodeString(i % 2 ? QStringLiteral("1") : QStringLiteral("22"),
                            DtmfLayout::encodeCodeRow(3));
        t.restart();
        w->ShowDtmf();
        redraws.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("DTMF editor open: %.2f ms\n", loadMs);
    std::printf("DTMF redisplay: median %.2f ms, worst %.2f ms (50 runs)\n",
                redraws[redraws.size() / 2], redraws.back());
    cleanupProgramState();
    return 0;
}
