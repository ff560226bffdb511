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
#include "signalling/FiveToneTexts.h"
#include "support/ProgramState.h"
#include "support/RefusingFileSystem.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
enum class Kind { Image, Signal, Adjust };

// Columns 0-15 of rows 0 to rows - 1 (every cell when rows < 0).
template <typename Grid>
void fill(Grid &grid, int seed, int rows = -1)
{
    const qsizetype cols = rows < 0 ? qsizetype(grid[0].size()) : 16;
    for (qsizetype r = 0; r < (rows < 0 ? qsizetype(grid.size()) : rows); ++r)
        for (qsizetype c = 0; c < cols; ++c)
            grid[r][c] = qint16(r * 7 + c * 13 + seed) % 256;
}

// What a load may change: all of it is compared.
struct ProgramFiles {
    ImageGrid image = MemoryImage;
    AdjustGrid adjust = AdjustImage;
    SignalGrid signal = SignalFileImage;
    bool operator==(const ProgramFiles &) const = default;
};

// A sound file of the kind, whose values differ from what the program holds.
struct SoundFile {
    QByteArray bytes;
    // The kind's grid as the program holds it with the file's values in the
    // cells the file keeps (the other grids: as the program holds them).
    ProgramFiles grids;
};

SoundFile soundFile(Kind kind)
{
    SoundFile f;
    switch (kind) {
    case Kind::Image:
        fill(f.grids.image, 31, ImageRows);
        f.bytes = ImageFileBytes(f.grids.image);
        break;
    case Kind::Signal:
        fill(f.grids.signal, 32, SignalFileRows);
        f.bytes = SignalFileBytes(f.grids.signal);
        break;
    case Kind::Adjust:
        fill(f.grids.adjust, 33, AdjustBlockRows);
        f.bytes = AdjustFileBytes(f.grids.adjust);
        break;
    }
    return f;
}

// Whether the kind's own grid is the same in both.
bool sameGrid(Kind kind, const ProgramFiles &a, const ProgramFiles &b)
{
    switch (kind) {
    case Kind::Image: return a.image == b.image;
    case Kind::Signal: return a.signal == b.signal;
    case Kind::Adjust: return a.adjust == b.adjust;
    }
    return false;
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
        return {status.ok(), status.ok() ? QString() : SaveFailureText(status, FiveToneTexts::SaveFailed)};
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
    void cleanup() { cleanupProgramState(); }

    void tails_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("tail");  // after the sound file's last CR LF
        QTest::addColumn<int>("times");        // how many times the tail is written
        QTest::addColumn<int>("refusedLine");  // 0: the file loads; else lines after the content
        const QByteArray megabyteOfNumbers = QByteArray(" 255 ").repeated(1024 * 1024 / 5) + "\r\n";
        for (const auto &k : Kinds) {
            const int kind = int(k.kind);
            QTest::addRow("%s, a line of garbage", k.name) << kind << QByteArray("\r\ngarbage 999 x\r\n") << 1 << 2;
            QTest::addRow("%s, a row too many", k.name) << kind << QByteArray(" 1  2  3 \r\n") << 1 << 1;
            QTest::addRow("%s, 50 MB of numbers", k.name) << kind << megabyteOfNumbers << 50 << 1;
            QTest::addRow("%s, blank lines", k.name) << kind << QByteArray("\r\n\r\n\r\n") << 1 << 0;
            QTest::addRow("%s, blanks, tabs, LF", k.name) << kind << QByteArray("   \t\n  \r\n\n ") << 1 << 0;
        }
    }
    void tails()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, tail);
        QFETCH(int, times);
        QFETCH(int, refusedLine);
        const auto &k = Kinds[kind];
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName(k.kind));
        const SoundFile sound = soundFile(k.kind);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(sound.bytes) == sound.bytes.size());
            for (int i = 0; i < times; ++i)
                QVERIFY(f.write(tail) == tail.size());
        }
        const ProgramFiles before;
        QVERIFY(!sameGrid(k.kind, before, sound.grids));
        const Told told = load(k.kind, dir.path());
        if (refusedLine == 0) {
            QVERIFY2(told.ok, qPrintable(told.text));
            QVERIFY(sameGrid(k.kind, ProgramFiles(), sound.grids));
            return;
        }
        QVERIFY(!told.ok);
        QVERIFY(ProgramFiles() == before);
        const int line = k.lines + refusedLine;
        QVERIFY2(told.text.endsWith(QStringLiteral("Line %1 of the file holds more after the complete content; "
                                                   "the file is damaged or of another kind.").arg(line)),
                 qPrintable(told.text));
        LanguageFlag = -1;
        const Told toldZh = load(k.kind, dir.path());
        QVERIFY(!toldZh.ok);
        QVERIFY2(toldZh.text.endsWith(
                     QStringLiteral("文件第 %1 行在完整内容之后还有多余的内容，文件已损坏或不是本类文件。").arg(line)),
                 qPrintable(toldZh.text));
        QVERIFY(ProgramFiles() == before);
    }

    // The system refuses the save; the file that was there is kept whole,
    // and only then is it said to be left unchanged.
    void refusedSaves_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("reason");
        for (const auto &k : Kinds) {
            const int kind = int(k.kind);
            const int full = int(FileRefusal::DiskFull);
            const int readOnly = int(FileRefusal::ReadOnlyDisk);
            const int denied = int(FileRefusal::PermissionDenied);
            QTest::addRow("%s, full disk, en", k.name) << kind << full << true << 0 << "(the disk is full).";
            QTest::addRow("%s, full disk, zh", k.name) << kind << full << true << -1 << QStringLiteral("（磁盘已满）。");
            QTest::addRow("%s, read-only disk, en", k.name) << kind << readOnly << true << 0 << "(the disk is read-only).";
            QTest::addRow("%s, read-only disk, zh", k.name) << kind << readOnly << true << -1
                                                             << QStringLiteral("（磁盘为只读）。");
            QTest::addRow("%s, folder not writable, en", k.name) << kind << denied << true << 0
                                                                  << "(the folder may not be written to).";
            QTest::addRow("%s, folder not writable, zh", k.name) << kind << denied << true << -1
                                                                  << QStringLiteral("（文件夹不允许写入）。");
            QTest::addRow("%s, new file, full disk, en", k.name) << kind << full << false << 0 << "(the disk is full).";
            QTest::addRow("%s, new file, folder not writable, zh", k.name)
                << kind << denied << false << -1 << QStringLiteral("（文件夹不允许写入）。");
        }
    }
    void refusedSaves()
    {
        QFETCH(int, kind);
        QFETCH(int, refusal);
        QFETCH(bool, existing);
        QFETCH(int, language);
        QFETCH(QString, reason);
        const auto &k = Kinds[kind];
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName(k.kind));
        const QByteArray old = soundFile(k.kind).bytes;
        if (existing)
            QVERIFY(writeAll(path, old));
        LanguageFlag = qint16(language);
        const ProgramFiles before;

        Told told{};
        if (!RunWhileFilesRefused(FileRefusal(refusal), [&] { told = save(k.kind, dir.path()); }))
            QSKIP("this system cannot refuse file writes to one thread");
        QVERIFY(!told.ok);
        QVERIFY2(told.text.endsWith(reason), qPrintable(told.text));
        QVERIFY2(told.text.contains(path), qPrintable(told.text));
        const QString headline = told.text.section(QLatin1Char('\n'), 0, 0);
        const QString kept = language == 0 ? QStringLiteral("failed; an existing file is left unchanged.")
                                           : QStringLiteral("失败，原有文件未改变 ！");
        const QString nothing = language == 0 ? QStringLiteral("failed.") : QStringLiteral("失败 ！");
        QVERIFY2(headline.endsWith(existing ? kept : nothing), qPrintable(headline));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 existing ? QStringList{fileName(k.kind)} : QStringList{});
        if (existing)
            QCOMPARE(readAll(path), old);
        QVERIFY(ProgramFiles() == before);

        // The same save, nothing refused, replaces the file.
        QVERIFY(save(k.kind, dir.path()).ok);
        QVERIFY(readAll(path) != old);
    }
};

QTEST_MAIN(TestNumberFileKinds)
#include "tst_numberfilekinds.moc"
