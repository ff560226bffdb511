// How close the exchange engine comes to the time the wire and its own send
// timer make unavoidable: a 2-tone read and write and a 200-block read
// against the simulated radio paced at 9600 baud over a pseudo-terminal, with
// the real serial control and real timers. Prints the elapsed time, the floor
// (every byte's time on the line plus the 15 ms send timer per frame), their
// ratio, and the longest time the event loop went without turning.
#include "link/LinkProfiles.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/ReplyGate.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "support/LinkTestHost.h"
#include "support/SimRadio.h"

namespace {
constexpr int Com = 9;

struct Result {
    double elapsedMs;
    double floorMs;
    double stallMs;
    double stallAtMs;     // when the longest stall ended, from the click
    double startMs;       // how long the click itself took (it opens the port)
    double programTurnMs; // mean time from a reply's last byte to the next frame's first, less 15 ms
    double radioTurnMs;   // mean time from a frame's last byte to the radio's reply, less a byte time
    bool ok;
};

Result run(const LinkSettings &settings, bool write)
{
    SimRadio radio;
    radio.options().paced = true;
    if (!radio.plugIntoCom(Com)) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return {0, 0, 0, 0, 0, 0, 0, false};
    }
    CommPortNumber = Com;
    QByteArray memory(SimRadio::MemorySize, 0);
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = char(i * 31 + 7);
    radio.setBytes(0, memory);

    LinkTestHost host(settings, nullptr, true);
    int frames = 0;
    QObject::connect(host.controls.Timer1, &VbTimer::timer, [&] { ++frames; });

    // The event loop's heartbeat: the longest gap between two turns.
    QElapsedTimer beat;
    double longest = 0;
    double longestAt = 0;
    QElapsedTimer clock;
    QTimer heart;
    heart.setTimerType(Qt::PreciseTimer);
    heart.setInterval(1);
    QObject::connect(&heart, &QTimer::timeout, [&] {
        const double gap = beat.nsecsElapsed() / 1e6;
        beat.restart();
        if (gap - 1.0 > longest) {
            longest = gap - 1.0;
            longestAt = clock.nsecsElapsed() / 1e6;
        }
    });

    QEventLoop loop;
    bool done = false;
    auto finish = [&] {
        done = true;
        loop.quit();
    };
    QObject::connect(host.session, &LinkSession::readCompleted, &loop, finish);
    QObject::connect(host.session, &LinkSession::writeCompleted, &loop, finish);
    QObject::connect(host.session, &LinkSession::exchangeFailed, &loop, [&] { loop.quit(); });

    clock.start();
    beat.start();
    heart.start();
    if (write)
        host.write->click();
    else
        host.read->click();
    const double startMs = clock.nsecsElapsed() / 1e6;  // the click: port open and first timer
    if (!done)
        loop.exec();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    heart.stop();

    // Let the last Ack reach the radio before counting the bytes.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // Every frame the program queued costs the send timer and its bytes; a
    // lone Ack goes out at once and overlaps the next frame's timer, but the
    // one that ends a read waits for the line to stay quiet behind the last
    // block; every byte of the radio's replies is on the critical path.
    double floor = radio.sentBytes().size() * SimRadio::ByteMs9600;
    for (const SimRadio::Frame &f : radio.frames())
        if (!(f.bytes.size() == 1 && quint8(f.bytes[0]) == 0x06))
            floor += 15.0 + f.bytes.size() * SimRadio::ByteMs9600;
    if (!radio.frames().isEmpty() && radio.frames().last().bytes == QByteArray(1, char(0x06)))
        floor += ReplyGate::QuietBehindBlockMs;

    // Turnarounds on the radio's clock: program frames against radio replies.
    const auto rx = radio.frames();
    const auto tx = radio.sent();
    double programSum = 0, radioSum = 0;
    int programN = 0, radioN = 0;
    int t = 0;
    double lastReply = -1;  // the last reply chunk delivered before the frame began
    for (int i = 0; i < rx.size(); ++i) {
        while (t < tx.size() && tx[t].ms <= rx[i].firstMs) {
            lastReply = tx[t].ms;
            ++t;
        }
        if (lastReply >= 0 && rx[i].bytes.size() > 1 && i > 0) {
            programSum += rx[i].firstMs - SimRadio::ByteMs9600 - lastReply - 15.0;
            ++programN;
        }
        if (t < tx.size() && rx[i].bytes.size() > 1) {
            radioSum += tx[t].ms - rx[i].lastMs - SimRadio::ByteMs9600;
            ++radioN;
        }
    }
    ComPorts::clearTable();
    return {elapsed, floor, longest, longestAt, startMs, programN ? programSum / programN : 0,
            radioN ? radioSum / radioN : 0, done};
}

void report(const char *name, const Result &r)
{
    std::printf("%-16s elapsed %8.1f ms  floor %8.1f ms  ratio %.4f  longest stall %5.2f ms"
                " (at %.0f ms; the click with the port open took %.1f ms)\n"
                "                 turnaround per frame: program %.2f ms beyond its send timer,"
                " radio %.2f ms beyond a byte time %s\n",
                name, r.elapsedMs, r.floorMs, r.floorMs > 0 ? r.elapsedMs / r.floorMs : 0.0,
                r.stallMs, r.stallAtMs, r.startMs, r.programTurnMs, r.radioTurnMs, r.ok ? "" : "(FAILED)");
}
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MsgBoxRecorder::install();
    resetMemoryState();
    StatusBar status(15);
    setMainStatusBar(&status);

    std::printf("bench_link: exchanges at 9600 baud over a pseudo-terminal\n");
    report("2-tone read", run(LinkProfile::twoTone(), false));
    report("2-tone write", run(LinkProfile::twoTone(), true));
    LinkSettings big = LinkProfile::twoTone();
    big.readBase = 0x0000;
    big.readBlocks = 200;
    report("200-block read", run(big, false));
    setMainStatusBar(nullptr);
    return 0;
}
