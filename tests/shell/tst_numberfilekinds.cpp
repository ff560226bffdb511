// The three number files alike (".dat" image, ".sig" signal, ".adj"
// alignment), each through its own load and save: a file whose complete
// content is followed by anything but blanks and line breaks is refused with
// the line named and changes nothing, however large that tail; one that
// ends in blank lines loads; a save the system refuses names the reason in
// the chosen language and leaves the file that was there as it was.
#include "alignment/AdjustFile.h"
#include "memory/MemoryImage.h"
#include "platform/FileState.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "shell/ImageFile.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneState.h"
#include "support/ProgramState.h"
#include "support/RefusingFileSystem.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
enum class Kind { Image, Signal, Adjust };

template <typename Grid>
void fill(Grid &grid, int seed)
{
    for (auto &row : grid)
        for (qsizetype c = 0; c < qsizetype(row.size()); ++c)
            row[c] = qint16((&row - grid.data()) * 7 + c * 13 + seed) % 256;
}

// What a load may change: all of it is compared.
struct ProgramFiles {
    ImageGrid image = MemoryImage;
    AdjustGrid adjust = AdjustImage;
    SignalGrid signal = SignalFileImage;
    bool operator==(const ProgramFiles &) const = default;
};

// A sound file of the kind, whose values differ from what the program holds.
QByteArray soundFile(Kind kind)
{
    switch (kind) {
    case Kind::Image: {
        ImageGrid grid{};
        fill(grid, 31);
        return ImageFileBytes(grid);
    }
    case Kind::Signal: {
        SignalGrid grid{};
        fill(grid, 32);
        return SignalFileBytes(grid);
    }
    case Kind::Adjust: {
        AdjustGrid grid{};
        fill(grid, 33);
        return AdjustFileBytes(grid);
    }
    }
    return {};
}

QString fileName(Kind kind)
{
    return kind == Kind::Image ? "f.dat" : kind == Kind::Signal ? "f.sig" : "f.adj";
}

// What the user is told, and whether the operation succeeded.
struct Told {
    bool ok;
    QString text;
};

Told load(Kind kind, const QString &folder)
{
    const QString path = folder + '/' + fileName(kind);
    switch (kind) {
    case Kind::Image: {
        MsgBoxRecorder::clear();
        const bool ok = ReadImageFile(folder, fileName(kind));
        return {ok, MsgBoxRecorder::boxes().value(0).text};
    }
    case Kind::Signal: {
        const SignalFileStatus status = LoadSignalFileImage(path);
        return {status.ok(), SignalFileFaultText(status)};
    }
    case Kind::Adjust: {
        const AdjustFileStatus status = ReadAdjustFile(path, AdjustImage);
        return {status.ok(), status.ok() ? QString() : AdjustFileFailureText(status, true)};
    }
    }
    return {};
}

Told save(Kind kind, const QString &folder)
{
    const QString path = folder + '/' + fileName(kind);
    switch (kind) {
    case Kind::Image: {
        MsgBoxRecorder::clear();
        const bool ok = WriteImageFile(folder, fileName(kind));
        return {ok, MsgBoxRecorder::boxes().value(0).text};
    }
    case Kind::Signal: {
        const SignalFileStatus status = SaveSignalFileImage(path, SignalFileSheet{});
        return {status.ok(), SignalFileFaultText(status)};
    }
    case Kind::Adjust: {
        const AdjustFileStatus status = WriteAdjustFile(path, AdjustImage);
        return {status.ok(), status.ok() ? QString() : AdjustFileFailureText(status, false)};
    }
    }
    return {};
}

const struct {
    const char *name;
    Kind kind;
    int lines;  // of a sound file
} Kinds[] = {{".dat", Kind::Image, 1025}, {".sig", Kind::Signal, 256}, {".adj", Kind::Adjust, 32}};

constexpr int HugeTail = 50 * 1024 * 1024;
}

class TestNumberFileKinds : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetProgramState(false);
        resetFiveToneState();
        fill(MemoryImage, 1);
        fill(AdjustImage, 2);
        fill(SignalFileImage, 3);
    }
    void cleanup() { MsgBoxRecorder::uninstall(); }

    void tails_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("tail");  // after the sound file's last CR LF
        QTest::addColumn<int>("refusedLine");  // 0: the file loads; else lines after the content
        for (const auto &k : Kinds) {
            const int kind = int(k.kind);
            QTest::addRow("%s, a line of garbage", k.name) << kind << QByteArray("\r\ngarbage 999 x\r\n") << 2;
            QTest::addRow("%s, a row too many", k.name) << kind << QByteArray(" 1  2  3 \r\n") << 1;
            QTest::addRow("%s, 50 MB of numbers", k.name) << kind << QByteArray("huge") << 1;
            QTest::addRow("%s, blank lines", k.name) << kind << QByteArray("\r\n\r\n\r\n") << 0;
            QTest::addRow("%s, blanks, tabs, LF", k.name) << kind << QByteArray("   \t\n  \r\n\n ") << 0;
        }
    }
    void tails()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, tail);
        QFETCH(int, refusedLine);
        const auto &k = Kinds[kind];
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName(k.kind));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(soundFile(k.kind)) > 0);
            if (tail == "huge") {
                const QByteArray megabyte = QByteArray(" 255 ").repeated(256 * 1024 / 5 * 4) + "\r\n";
                for (qint64 written = 0; written < HugeTail; written += megabyte.size())
                    QVERIFY(f.write(megabyte) == megabyte.size());
            } else {
                QVERIFY(f.write(tail) == tail.size());
            }
        }
        const ProgramFiles before;
        const Told told = load(k.kind, dir.path());
        if (refusedLine == 0) {
            QVERIFY2(told.ok, qPrintable(told.text));
            QVERIFY(!(ProgramFiles() == before));
            return;
        }
        QVERIFY(!told.ok);
        QVERIFY(ProgramFiles() == before);
        const int line = k.lines + refusedLine;
        QVERIFY2(told.text.endsWith(QStringLiteral("Line %1 of the file holds more after the complete content; "
                                                   "the file is damaged or of another kind.").arg(line)),
                 qPrintable(told.text));
        LanguageFlag = -1;
        QVERIFY(!load(k.kind, dir.path()).ok);
        QVERIFY(load(k.kind, dir.path()).text.endsWith(
            QStringLiteral("文件第 %1 行在完整内容之后还有多余的内容，文件已损坏或不是本类文件。").arg(line)));
        QVERIFY(ProgramFiles() == before);
    }

    // The system refuses the save; the file that was there is kept whole.
    void refusedSaves_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("reason");
        for (const auto &k : Kinds) {
            const int kind = int(k.kind);
            const int full = int(FileRefusal::DiskFull);
            const int readOnly = int(FileRefusal::ReadOnlyDisk);
            const int denied = int(FileRefusal::PermissionDenied);
            QTest::addRow("%s, full disk, en", k.name) << kind << full << 0 << "(the disk is full).";
            QTest::addRow("%s, full disk, zh", k.name) << kind << full << -1 << QStringLiteral("（磁盘已满）。");
            QTest::addRow("%s, read-only disk, en", k.name) << kind << readOnly << 0 << "(the disk is read-only).";
            QTest::addRow("%s, read-only disk, zh", k.name) << kind << readOnly << -1 << QStringLiteral("（磁盘为只读）。");
            QTest::addRow("%s, folder not writable, en", k.name) << kind << denied << 0 << "(permission denied).";
        }
    }
    void refusedSaves()
    {
        QFETCH(int, kind);
        QFETCH(int, refusal);
        QFETCH(int, language);
        QFETCH(QString, reason);
        const auto &k = Kinds[kind];
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName(k.kind));
        const QByteArray old = soundFile(k.kind);
        QVERIFY(writeAll(path, old));
        LanguageFlag = qint16(language);
        const SignalGrid signalBefore = SignalFileImage;

        Told told{};
        if (!RunWhileFilesRefused(FileRefusal(refusal), [&] { told = save(k.kind, dir.path()); }))
            QSKIP("this system cannot refuse file writes to one thread");
        QVERIFY(!told.ok);
        QVERIFY2(told.text.endsWith(reason), qPrintable(told.text));
        QVERIFY2(told.text.contains(path), qPrintable(told.text));
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{fileName(k.kind)});
        QVERIFY(SignalFileImage == signalBefore);

        // The same save, nothing refused, replaces the file.
        QVERIFY(save(k.kind, dir.path()).ok);
        QVERIFY(readAll(path) != old);
    }
};

QTEST_MAIN(TestNumberFileKinds)
#include "tst_numberfilekinds.moc"
