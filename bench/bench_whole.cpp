// Whole-radio read and write through their windows against the simulated
// radio on a pseudo-terminal, paced at 9600 baud, on real timers. For each it
// prints the elapsed time from the button to the completion, the floor that
// the wire and the send timer make unavoidable (15 ms per queued frame plus
// the byte time of every byte on the critical path), their ratio, and the
// longest time the event loop went without running (a 1 ms probe timer).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/ReadWindow.h"
#include "link/ReplyGate.h"
#include "link/WholeReadUnpack.h"
#include "link/WriteWindow.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/VbTimer.h"
#include "platform/Windows.h"
#include "support/SimRadio.h"

namespace {
constexpr double SendTimerMs = 15.0;

struct Result {
    double elapsedMs = 0;
    double floorMs = 0;
    double stallMs = 0;
    double stallAtMs = 0;  // when the longest stall began, from the button
    double turnaroundMs = 0;     // the program's part of elapsed - floor
    double turnaroundMaxMs = 0;  // its worst single frame
    // Where a turnaround goes, mean per frame: the reply's last byte on the
    // line to the port's receive event, the send timer's lateness beyond
    // 15 ms, and from the tick to the radio hearing the frame.
    double receiveLatencyMs = 0;
    double timerLatenessMs = 0;
    double tickToRadioMs = 0;
    bool completed = false;
    bool dataOk = false;
};

// Longest gap between two ticks of a 1 ms timer, less the 1 ms itself.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (m_last >= 0 && now - m_last > m_longest) {
                m_longest = now - m_last;
                m_longestAt = m_last;
            }
            m_last = now;
        });
    }
    void start()
    {
        m_longest = 0;
        m_last = -1;
        m_clock.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return std::max(0.0, m_longest / 1e6 - 1.0);
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    qint64 m_longest = 0;
    qint64 m_longestAt = 0;

public:
    double longestAtMs() const { return m_longestAt / 1e6; }
};

// The wire-plus-timer floor of what the radio saw and sent: every frame the
// program queued costs the send timer and its bytes; a lone Ack goes out at
// once and overlaps the next frame's timer; every byte of the radio's
// replies is on the critical path.
double floorMs(SimRadio &radio)
{
    double ms = 0;
    for (const SimRadio::Frame &f : radio.frames())
        if (!(f.bytes.size() == 1 && quint8(f.bytes[0]) == 0x06))
            ms += SendTimerMs + f.bytes.size() * radio.options().byteMs;
    ms += radio.sentBytes().size() * radio.options().byteMs;
    // The Ack that ends a read waits for the line to stay quiet behind the
    // last block.
    const auto frames = radio.frames();
    if (!frames.isEmpty() && frames.last().bytes == QByteArray(1, char(0x06)))
        ms += ReplyGate::QuietBehindBlockMs;
    return ms;
}

// The program's own share of the time beyond the floor: for every queued
// frame after the first, from the radio's last reply byte before it to the
// frame's first byte on the line, less the send timer.
void programTurnaround(SimRadio &radio, Result &r)
{
    const auto chunks = radio.sent();
    const double byteMs = radio.options().byteMs;
    int c = 0;
    bool first = true;
    for (const SimRadio::Frame &f : radio.frames()) {
        if (f.bytes.size() == 1 && quint8(f.bytes[0]) == 0x06)
            continue;
        const double leftMs = f.firstMs - byteMs;  // when the program wrote it
        while (c + 1 < chunks.size() && chunks[c + 1].ms <= leftMs)
            ++c;
        if (!first && c < chunks.size() && chunks[c].ms <= leftMs) {
            const double extra = leftMs - chunks[c].ms - SendTimerMs;
            r.turnaroundMs += extra;
            r.turnaroundMaxMs = std::max(r.turnaroundMaxMs, extra);
        }
        first = false;
    }
}

QByteArray imageBytes(int rows)
{
    QByteArray b;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 16; ++c)
            b.append(char(MemoryImage[r][c]));
    return b;
}

Result run(SimRadio &radio, TransferWindow *window, bool write)
{
    Result result;
    QEventLoop loop;
    LinkSession *session = window->session();
    QObject::connect(session, write ? &LinkSession::writeCompleted : &LinkSession::readCompleted,
                     &loop, [&] {
                         result.completed = true;
                         loop.quit();
                     });
    QObject::connect(session, &LinkSession::exchangeFailed, &loop, [&] { loop.quit(); });
    QTimer::singleShot(120000, &loop, [&] { loop.quit(); });

    radio.clearRecord();
    // Time stamps on the radio's clock: the first receive event after each
    // delivery of the radio, each send-timer tick, and the radio hearing.
    QList<double> delivered, received, ticks, heard;
    bool waiting = false;
    QObject::connect(&radio, &SimRadio::bytesSent, &loop, [&] {
        delivered << radio.now();
        waiting = true;
    });
    QObject::connect(window->findChild<CommControl *>(QStringLiteral("MSC")), &CommControl::onComm,
                     &loop, [&] {
                         if (waiting)
                             received << radio.now();
                         waiting = false;
                     });
    QObject::connect(window->findChild<VbTimer *>(QStringLiteral("Timer1")), &VbTimer::timer, &loop,
                     [&] { ticks << radio.now(); });
    QObject::connect(&radio, &SimRadio::frameReceived, &loop, [&](const QByteArray &f) {
        if (!(f.size() == 1 && quint8(f[0]) == 0x06))
            heard << radio.now();
    });
    StallProbe probe;
    QElapsedTimer clock;
    probe.start();
    clock.start();
    window->startButton()->click();
    loop.exec();
    result.elapsedMs = clock.nsecsElapsed() / 1e6;
    result.stallMs = probe.stop();
    result.stallAtMs = probe.longestAtMs();
    result.floorMs = floorMs(radio);
    programTurnaround(radio, result);
    // Pair each tick with the receive event before it (the first tick
    // follows the button) and with the radio hearing the frame it sent.
    int rc = 0, n = 0;
    for (int t = 1; t < ticks.size() && t < heard.size(); ++t) {
        while (rc + 1 < received.size() && received[rc + 1] <= ticks[t])
            ++rc;
        if (rc >= received.size() || received[rc] > ticks[t])
            continue;
        result.timerLatenessMs += ticks[t] - received[rc] - SendTimerMs;
        result.tickToRadioMs += heard[t] - ticks[t];
        ++n;
    }
    int dc = 0, m = 0;
    for (double r : received) {
        while (dc + 1 < delivered.size() && delivered[dc + 1] <= r)
            ++dc;
        if (dc < delivered.size() && delivered[dc] <= r) {
            result.receiveLatencyMs += r - delivered[dc];
            ++m;
        }
    }
    if (n) {
        result.timerLatenessMs /= n;
        result.tickToRadioMs /= n;
    }
    if (m)
        result.receiveLatencyMs /= m;
    return result;
}

void print(const char *what, const Result &r)
{
    std::printf("%-18s %s  elapsed %8.1f ms  floor %8.1f ms  ratio %.4f (target < 1.02)  "
                "longest stall %5.1f ms (target < 20) at %.0f ms  data %s\n",
                what, r.completed ? "done  " : "FAILED", r.elapsedMs, r.floorMs,
                r.floorMs > 0 ? r.elapsedMs / r.floorMs : 0.0, r.stallMs, r.stallAtMs, r.dataOk ? "ok" : "WRONG");
    std::printf("%-18s of elapsed - floor = %.1f ms, the program's turnaround beyond its 15 ms send "
                "timer: %.1f ms in all, %.2f ms at worst\n",
                "", r.elapsedMs - r.floorMs, r.turnaroundMs, r.turnaroundMaxMs);
    std::printf("%-18s per frame: radio byte to receive event %.3f ms, send timer late by %.3f ms, "
                "tick to radio %.3f ms\n",
                "", r.receiveLatencyMs, r.timerLatenessMs, r.tickToRadioMs);
    std::fflush(stdout);
}
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SimRadio radio;
    radio.options().paced = true;
    if (!radio.plugIntoCom(1)) {
        std::printf("bench_whole: no pseudo-terminal\n");
        return 1;
    }
    CommPortNumber = 1;
    MsgBoxRecorder::install();
    resetMemoryState();
    ChannelCount = 200;

    QByteArray memory(SimRadio::MemorySize, 0);
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = char((i * 7 + i / 256 + 3) & 0xFF);
    radio.setBytes(0, memory.left(0x3200));

    Windows::define(QStringLiteral("Form_Comm_Read"), Windows::Kind::Child, [] { return new ReadWindow; });
    Windows::define(QStringLiteral("Form_Comm_Write"), Windows::Kind::Child, [] { return new WriteWindow; });

    auto *reader = qobject_cast<ReadWindow *>(Windows::load(QStringLiteral("Form_Comm_Read")));
    Result read = run(radio, reader, false);
    read.dataOk = read.completed && imageBytes(WholeReadImageRows) == memory.left(WholeReadImageRows * 16);
    print("whole-radio read", read);
    Windows::unload(QStringLiteral("Form_Comm_Read"));

    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            MemoryImage[r][c] = qint16((r * 3 + c * 17 + 1) & 0xFF);
    auto *writer = qobject_cast<WriteWindow *>(Windows::load(QStringLiteral("Form_Comm_Write")));
    Result write = run(radio, writer, true);
    write.dataOk = write.completed && radio.bytes(0, WholeWriteRows * 16) == imageBytes(WholeWriteRows);
    print("whole-radio write", write);
    Windows::unload(QStringLiteral("Form_Comm_Write"));

    Windows::reset();
    MsgBoxRecorder::uninstall();
    return read.completed && write.completed && read.dataOk && write.dataOk ? 0 : 1;
}
