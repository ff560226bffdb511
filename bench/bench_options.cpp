// How long the option editor takes to open (captions, 65 lists filled, the
// option area shown) and to redisplay the option area, the work it does at
// every activation. Run by hand: prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "options/OptionEditorWindow.h"
#include "support/ProgramState.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    resetProgramState();
    Windows::define(QStringLiteral("frm_option"), Windows::Kind::Child,
                    [] { return new OptionEditorWindow; });

    // The user opens the editor from a main window already drawn: the
    // program's font is loaded by then, and its loading is not the editor's.
    QFontMetrics(app.font()).horizontalAdvance(QStringLiteral("Channel"));

    std::vector<double> opens;
    OptionEditorWindow *w = nullptr;
    for (int i = 0; i < 10; ++i) {
        Windows::unload(QStringLiteral("frm_option"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QElapsedTimer t;
        t.start();
        w = qobject_cast<OptionEditorWindow *>(Windows::load(QStringLiteral("frm_option")));
        app.processEvents();
        opens.push_back(t.nsecsElapsed() / 1e6);
    }
    // Two images that differ in every shown value, shown in turn, as after
    // a file load or a read.
    const auto first = MemoryImage;
    for (int r = 224; r < 228; ++r)
        MemoryImage[r].fill(1);
    for (int c = 0; c < 16; ++c) {
        MemoryImage[237][c] = MemoryImage[238][c] = MemoryImage[239][c] = qint16(c < 4 ? c + 1 : 0xFF);
        MemoryImage[254][c] = qint16('A' + c);
    }
    for (int rec = 0; rec < 4; ++rec)
        for (int c = 0; c < 16; ++c) {
            MemoryImage[240 + 2 * rec][c] = qint16(c < 14 ? (c + 4) % 10 : 0);
            MemoryImage[241 + 2 * rec][c] = qint16(c < 12 ? 1 : 0);
        }
    const auto second = MemoryImage;
    std::vector<double> redraws;
    for (int i = 0; i < 50; ++i) {
        MemoryImage = i % 2 ? second : first;
        QElapsedTimer t;
        t.start();
        w->ShowOptions();
        redraws.push_back(t.nsecsElapsed() / 1e6);
    }
    const double firstOpen = opens.front();
    std::sort(opens.begin(), opens.end());
    std::sort(redraws.begin(), redraws.end());
    std::printf("option editor open: first %.2f ms, median %.2f ms, worst %.2f ms (10 runs)\n",
                firstOpen, opens[opens.size() / 2], opens.back());
    std::printf("option editor redisplay: median %.2f ms, worst %.2f ms (50 runs)\n",
                redraws[redraws.size() / 2], redraws.back());
    cleanupProgramState();
    return 0;
}
