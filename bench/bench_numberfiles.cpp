// How long loading a ".dat" file takes, and how much memory it needs, for a
// sound file, one followed by 50 MB of numbers (refused at its first
// character) and one followed by 50 MB of blank lines (read to its end, a
// piece at a time). Run by hand: prints milliseconds and the peak memory.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

#include "shell/ImageFile.h"

namespace {
long peakKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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
        const long before = peakKilobytes();
        QElapsedTimer t;
        t.start();
        const ImageFileStatus status = LoadImageFile(path, image);
        const double ms = t.nsecsElapsed() / 1e6;
        std::printf("%-28s %s in %.1f ms, peak memory +%ld kB\n", file.name,
                    status.ok() ? "loaded" : "refused", ms, peakKilobytes() - before);
    }
    return 0;
}
