// How long loading a ".dat" file takes, and how much memory it needs, for a
// sound file, one followed by 50 MB of numbers (refused at its first
// character) and one followed by 50 MB of blank lines (read to its end, a
// piece at a time). Run by hand: prints milliseconds and the peak memory
// of each load above the memory in use before it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/ImageFile.h"

namespace {
// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when unknown.
long statusKilobytes(const char *field)
{
    std::FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    const size_t n = std::strlen(field);
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, n) == 0 && line[n] == ':') {
            kb = std::strtol(line + n + 1, nullptr, 10);
            break;
        }
    std::fclose(f);
    return kb;
}

// Lowers the process's recorded peak (VmHWM) to what it uses now, so that
// the next reading is the peak of what runs in between.
bool resetPeak()
{
    std::FILE *f = std::fopen("/proc/self/clear_refs", "w");
    if (!f)
        return false;
    const bool written = std::fputs("5", f) >= 0;
    return std::fclose(f) == 0 && written;
}

bool writeFile(const QString &path, const QByteArray &content, const QByteArray &tailPiece, qint64 tailBytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return false;
    for (qint64 written = 0; written < tailBytes; written += tailPiece.size())
        if (f.write(tailPiece) != tailPiece.size())
            return false;
    return true;
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ImageGrid image{};
    const QByteArray sound = ImageFileBytes(image);
    const qint64 tail = 50 * 1024 * 1024;
    const struct {
        const char *name;
        QByteArray piece;
        qint64 bytes;
    } files[] = {
        {"sound file", QByteArray(), 0},
        {"50 MB of numbers after", QByteArray(" 255 ").repeated(200000) + "\r\n", tail},
        {"50 MB of blank lines after", QByteArray("   \r\n").repeated(200000), tail},
    };
    for (const auto &file : files) {
        const QString path = dir.filePath("bench.dat");
        if (!writeFile(path, sound, file.piece, file.bytes)) {
            std::printf("cannot write %s\n", qPrintable(path));
            return 1;
        }
        if (!resetPeak()) {
            std::printf("cannot reset the peak memory through /proc/self/clear_refs\n");
            return 1;
        }
        const long before = statusKilobytes("VmRSS");
        QElapsedTimer t;
        t.start();
        const ImageFileStatus status = LoadImageFile(path, image);
        const double ms = t.nsecsElapsed() / 1e6;
        const long peak = statusKilobytes("VmHWM");
        if (before < 0 || peak < 0) {
            std::printf("cannot read VmRSS and VmHWM from /proc/self/status\n");
            return 1;
        }
        std::printf("%-28s %s in %.1f ms, peak memory +%ld kB\n", file.name,
                    status.ok() ? "loaded" : "refused", ms, peak - before);
    }
    return 0;
}
