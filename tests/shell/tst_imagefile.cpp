// The ".dat" image file: its exact bytes, the round trip, the reader's
// tolerance of layout, and the bad files that must leave the image alone.
#include "link/LinkSession.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/FileState.h"
#include "shell/ImageFile.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QString SavedEn = QStringLiteral("Complete storing  parameter.");
const QString LoadedEn = QStringLiteral("Succeed fold the parameter from file.");

// Every cell a different, recognisable byte.
void fillPattern(ImageGrid &image, int seed)
{
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            image[r][c] = qint16((r * 7 + c * 13 + seed) % 256);
}

// The text of a whole file as the writer would put it, cell values from the grid.
QByteArray lineFor(int r, const ImageGrid &image)
{
    QByteArray line;
    auto put = [&](int v) { line += (v < 0 ? "-" : " ") + QByteArray::number(qAbs(v)) + " "; };
    put(r / 16);
    put(r % 16);
    put(r);
    for (int c = 0; c < 16; ++c)
        put(image[r][c]);
    return line + "\r\n";
}
}

class TestImageFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        resetMemoryState();
        resetFileState();
        LanguageFlag = 0;
        MsgBoxRecorder::install();
        MsgBoxRecorder::clear();
    }
    void cleanup() { MsgBoxRecorder::uninstall(); }

    void factoryImageBytes()
    {
        BuildSharedTables();
        BuildFactoryImage();
        QVERIFY(WriteImageFile(m_dir.path(), "factory.dat"));
        const QByteArray bytes = readAll(m_dir.filePath("factory.dat"));

        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 1026);  // 1025 lines, each ended, nothing after
        QVERIFY(lines.last().isEmpty());
        // Channel 0: 155.025 MHz both ways, CTCSS 67.0 both ways, the template bytes.
        QCOMPARE(lines.first(),
                 QByteArray(" 0  0  0  0  37  80  21  0  37  80  21  158  2  158  2  0  0  0  4 \r"));
        // An empty channel row, 92 bytes with its line end.
        QCOMPARE(lines[17] + '\n',
                 QByteArray(" 1  1  17  255  255  255  255  255  255  255  255  255  255  255"
                            "  255  255  255  255  255 \r\n"));
        QCOMPARE(lines[17].size() + 1, 92);
        QCOMPARE(lines[1024], QByteArray(" 64  0  1024 ") + QByteArray(" 255 ").repeated(16) + '\r');
        for (const QByteArray &line : lines.mid(0, 1025))
            QVERIFY(line.endsWith(" \r") && line.startsWith(' '));

        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        const MsgRecord box = MsgBoxRecorder::boxes().first();
        QCOMPARE(box.text, SavedEn);
        QCOMPARE(box.title, QStringLiteral("Operate prompt"));
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(box.buttons, MsgButtons::OkOnly);
    }

    void workedLineAndNegativeCell()
    {
        ImageGrid image{};
        const qint16 row291[16] = {0, 37, 20, 70, 1, 80, 85, 69, 1, 0, 255, 255, 0, 0, 0, 0};
        std::copy(std::begin(row291), std::end(row291), image[291].begin());
        image[5][3] = -2;
        const QByteArray bytes = ImageFileBytes(image);
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines[291], QByteArray(" 18  3  291  0  37  20  70  1  80  85  69  1  0  255"
                                        "  255  0  0  0  0 \r"));
        QVERIFY(lines[5].startsWith(" 0  5  5  0  0  0 -2  0 "));
        QCOMPARE(bytes, [&] {
            QByteArray all;
            for (int r = 0; r < ImageRows; ++r)
                all += lineFor(r, image);
            return all;
        }());
    }

    void roundTrip()
    {
        fillPattern(MemoryImage, 3);
        for (int r = 0; r < ImageRows; ++r)
            MemoryImage[r][16] = 99;
        AdjustImage[4][4] = 42;
        const ImageGrid saved = MemoryImage;
        QVERIFY(WriteImageFile(m_dir.path(), "trip.dat"));
        QCOMPARE(FilePath, m_dir.path() + "/trip.dat");

        fillPattern(MemoryImage, 100);
        for (int r = 0; r < ImageRows; ++r)
            MemoryImage[r][16] = 7;
        MsgBoxRecorder::clear();
        QVERIFY(ReadImageFile(m_dir.path(), "trip.dat"));
        for (int r = 0; r < ImageRows; ++r) {
            for (int c = 0; c < 16; ++c)
                QCOMPARE(MemoryImage[r][c], saved[r][c]);
            QCOMPARE(MemoryImage[r][16], qint16(7));  // outside the file
        }
        QCOMPARE(AdjustImage[4][4], qint16(42));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes().first().text, LoadedEn);
        QCOMPARE(MsgBoxRecorder::boxes().first().icon, MsgIcon::Exclamation);
    }

    // Layouts the reader takes exactly like the written file.
    void tolerantLayouts_data()
    {
        QTest::addColumn<int>("variant");
        QTest::newRow("leading numbers all 0") << 0;
        QTest::newRow("one number a line") << 1;
        QTest::newRow("all on one line") << 2;
        QTest::newRow("commas and LF only") << 3;
        QTest::newRow("blank lines after the last row") << 4;
    }
    void tolerantLayouts()
    {
        QFETCH(int, variant);
        ImageGrid image{};
        fillPattern(image, 11);
        QByteArray text;
        for (int r = 0; r < ImageRows; ++r) {
            QList<QByteArray> numbers;
            for (int k = 0; k < 3; ++k)
                numbers << (variant == 0 ? "0" : QByteArray::number(k == 0 ? r / 16 : k == 1 ? r % 16 : r));
            for (int c = 0; c < 16; ++c)
                numbers << QByteArray::number(image[r][c]);
            switch (variant) {
            case 1: text += numbers.join("\r\n") + "\r\n"; break;
            case 2: text += numbers.join(' ') + ' '; break;
            case 3: text += numbers.join(',') + '\n'; break;
            default: text += ' ' + numbers.join("  ") + " \r\n"; break;
            }
        }
        if (variant == 4)
            text += "\r\n  \r\n\t\r\n";
        QVERIFY(writeAll(m_dir.filePath("layout.dat"), text));

        fillPattern(MemoryImage, 50);
        QVERIFY(ReadImageFile(m_dir.path(), "layout.dat"));
        for (int r = 0; r < ImageRows; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(MemoryImage[r][c], image[r][c]);
    }

    // Files that must not touch the image: the failure box, never the success box.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("kind");  // "file", "none", "folder"
        QTest::addColumn<int>("fault");

        ImageGrid image{};
        fillPattern(image, 5);
        const QByteArray good = ImageFileBytes(image);
        auto replaced = [&](int row, int col, const QByteArray &with) {
            QList<QByteArray> lines = good.split('\n');
            QList<QByteArray> nums = lines[row].trimmed().split(' ');
            nums.removeAll(QByteArray());
            nums[3 + col] = with;
            lines[row] = ' ' + nums.join("  ") + " \r";
            return lines.join('\n');
        };
        const int F = int(ImageFileFault::NotAWholeNumber);
        QTest::newRow("empty") << QByteArray() << "file" << int(ImageFileFault::TooShort);
        QTest::newRow("truncated in the last row")
            << good.left(good.size() - 8) << "file" << int(ImageFileFault::TooShort);
        QTest::newRow("half the rows") << good.left(good.size() / 2) << "file"
                                       << int(ImageFileFault::TooShort);
        QTest::newRow("a letter inside") << replaced(300, 4, "2a5") << "file" << F;
        QTest::newRow("a letter alone") << good.left(10) + "x" + good.mid(11) << "file" << F;
        QTest::newRow("a fraction") << replaced(1000, 15, "1.5") << "file" << F;
        QTest::newRow("value 256") << replaced(1024, 15, "256") << "file"
                                   << int(ImageFileFault::ValueOutOfRange);
        QTest::newRow("negative value") << replaced(0, 0, "-1") << "file"
                                        << int(ImageFileFault::ValueOutOfRange);
        QTest::newRow("value beyond 16 bits") << replaced(512, 7, "70000") << "file"
                                              << int(ImageFileFault::ValueOutOfRange);
        QTest::newRow("numbers after the last row") << good + " 1  2  3 \r\n" << "file"
                                                    << int(ImageFileFault::TrailingContent);
        QTest::newRow("text after the last row") << good + "not numbers at all, 999999\r\n" << "file"
                                                 << int(ImageFileFault::TrailingContent);
        QTest::newRow("missing file") << QByteArray() << "none" << int(ImageFileFault::CannotOpen);
        QTest::newRow("folder in place of the file") << QByteArray() << "folder"
                                                     << int(ImageFileFault::CannotOpen);
        QTest::newRow("pipe in place of the file") << QByteArray() << "pipe"
                                                   << int(ImageFileFault::CannotOpen);
    }
    void badFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, kind);
        QFETCH(int, fault);
        QTemporaryDir dir;
        if (kind == "file")
            QVERIFY(writeAll(dir.filePath("bad.dat"), contents));
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("bad.dat"));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("bad.dat")).constData(), 0600), 0);

        fillPattern(MemoryImage, 77);
        const ImageGrid before = MemoryImage;
        AdjustFileRequestOpen = -1;
        QVERIFY(!ReadImageFile(dir.path(), "bad.dat"));
        QVERIFY(MemoryImage == before);
        QCOMPARE(FilePath, dir.path() + "/bad.dat");
        QCOMPARE(AdjustFileRequestOpen, qint16(0));

        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        const MsgRecord box = MsgBoxRecorder::boxes().first();
        QVERIFY(box.text != LoadedEn);
        QVERIFY2(box.text.startsWith("Loading the parameter from file failed"), qPrintable(box.text));
        QCOMPARE(box.title, QStringLiteral("Operate prompt"));
        QCOMPARE(box.icon, MsgIcon::Exclamation);

        // The pure reader names the fault.
        ImageGrid scratch = before;
        QCOMPARE(int(LoadImageFile(dir.filePath("bad.dat"), scratch).fault), fault);
        QVERIFY(scratch == before);
    }

    void faultLineIsReported()
    {
        ImageGrid image{};
        QByteArray text = ImageFileBytes(image);
        text.replace(" 1  0  16  0 ", " 1  0  16  300 ");  // row 16 is line 17
        ImageGrid target{};
        const ImageFileStatus status = ParseImageFile(text, target);
        QCOMPARE(status.fault, ImageFileFault::ValueOutOfRange);
        QCOMPARE(status.line, 17);
        QCOMPARE(status.value, qint64(300));
        QVERIFY(ImageFileFaultText(status).contains("17"));
        QVERIFY(ImageFileFaultText(status).contains("300"));
    }

    void saveReplacesExistingFile()
    {
        const QString path = m_dir.filePath("old.dat");
        QVERIFY(writeAll(path, QByteArray(200000, 'x')));
        fillPattern(MemoryImage, 9);
        QVERIFY(WriteImageFile(m_dir.path(), "old.dat"));
        QCOMPARE(readAll(path), ImageFileBytes(MemoryImage));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }

    void failedSaveKeepsOldFile()
    {
        const QString path = m_dir.filePath("keep.dat");
        const QByteArray old = "the file that was there\r\n";
        QVERIFY(writeAll(path, old));
        fillPattern(MemoryImage, 1);

        // Let the file system refuse everything past 1000 bytes mid-save.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool ok = WriteImageFile(m_dir.path(), "keep.dat");
        ::setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!ok);
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(m_dir.path()).entryList({"keep.dat*"}, QDir::Files | QDir::Hidden),
                 QStringList{"keep.dat"});  // no temporary left behind
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(MsgBoxRecorder::boxes().first().text.startsWith("Storing the parameter failed"));
    }

    void saveToUnwritablePlaces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("folder of that name") << "folder";
        QTest::newRow("pipe of that name") << "pipe";
    }
    void saveToUnwritablePlaces()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString folder = dir.path();
        const QString target = dir.filePath("x.dat");
        if (kind == "missing")
            folder = dir.filePath("no/such/folder");
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("x.dat"));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);

        QVERIFY(!WriteImageFile(folder, "x.dat"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 kind == "missing" ? QStringList{} : QStringList{"x.dat"});
        if (kind == "folder")
            QVERIFY(QFileInfo(target).isDir());
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(MsgBoxRecorder::boxes().first().text.startsWith("Storing the parameter failed"));
    }

    void requestFlagsAndPath()
    {
        AdjustFileRequestOpen = -1;
        AdjustFileRequestSave = -1;
        FileRequestOpen = -1;
        FileRequestSave = -1;
        QVERIFY(WriteImageFile(m_dir.path(), "flags.dat"));
        QCOMPARE(AdjustFileRequestSave, qint16(0));
        QCOMPARE(AdjustFileRequestOpen, qint16(-1));
        QVERIFY(ReadImageFile(m_dir.path(), "flags.dat"));
        QCOMPARE(AdjustFileRequestOpen, qint16(0));
        QCOMPARE(FileRequestOpen, qint16(-1));  // the 5-tone requests are not the image's
        QCOMPARE(FileRequestSave, qint16(-1));

        // The separator is always inserted, also after a root folder.
        QCOMPARE(JoinFilePath("/", "a.dat"), QStringLiteral("//a.dat"));
        QCOMPARE(JoinFilePath("/home/u", "a.dat"), QStringLiteral("/home/u/a.dat"));
    }

    void loadRefusedWhileAnExchangeRuns()
    {
        fillPattern(MemoryImage, 4);
        QVERIFY(WriteImageFile(m_dir.path(), "busy.dat"));
        fillPattern(MemoryImage, 8);
        const ImageGrid before = MemoryImage;
        resetFileState();
        AdjustFileRequestOpen = -1;
        MsgBoxRecorder::clear();
        {
            LinkSession session(LinkControls{}, LinkSettings{});
            session.ReadBusy = -1;
            QVERIFY(!ReadImageFile(m_dir.path(), "busy.dat"));
            QVERIFY(MemoryImage == before);
            QVERIFY(FilePath.isEmpty());
            QCOMPARE(AdjustFileRequestOpen, qint16(-1));
            QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
            QCOMPARE(MsgBoxRecorder::boxes().first().text,
                     QStringLiteral("Read-write operating with transceiver ."));
            QCOMPARE(MsgBoxRecorder::boxes().first().icon, MsgIcon::Exclamation);
            session.ReadBusy = 0;
        }
        QVERIFY(ReadImageFile(m_dir.path(), "busy.dat"));
        QVERIFY(MemoryImage != before);
    }

    // The failure box names the reason in the chosen language.
    void failureReasonsInTheChosenLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("kind");  // what stands where the file should be
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("text");  // %1: the file's path
        const QString loadEn = QStringLiteral("Loading the parameter from file failed; the parameters are unchanged.\n");
        const QString loadZh = QStringLiteral("参数从文件调入失败，参数未改变 ！\n");
        // No file stood at the path: none is said to be left unchanged.
        const QString saveEn = QStringLiteral("Storing the parameter failed.\n");
        const QString saveZh = QStringLiteral("参数保存失败 ！\n");
        QTest::newRow("load, no such file, en") << 0 << "none" << false
            << loadEn + "Cannot open the file %1 (no such file or folder).";
        QTest::newRow("load, no such file, zh") << -1 << "none" << false
            << loadZh + QStringLiteral("无法打开文件 %1（文件或文件夹不存在）。");
        QTest::newRow("load, a folder, en") << 0 << "folder" << false
            << loadEn + "Cannot open the file %1 (it is a folder).";
        QTest::newRow("load, a folder, zh") << -1 << "folder" << false
            << loadZh + QStringLiteral("无法打开文件 %1（这是一个文件夹）。");
        QTest::newRow("load, a pipe, zh") << -1 << "pipe" << false
            << loadZh + QStringLiteral("无法打开文件 %1（不是普通文件）。");
        QTest::newRow("save, no such folder, en") << 0 << "no folder" << true
            << saveEn + "Cannot write the file %1 (no such file or folder).";
        QTest::newRow("save, no such folder, zh") << -1 << "no folder" << true
            << saveZh + QStringLiteral("无法写入文件 %1（文件或文件夹不存在）。");
        QTest::newRow("save, a folder, zh") << -1 << "folder" << true
            << saveZh + QStringLiteral("无法写入文件 %1（这是一个文件夹）。");
        // The system itself refuses these names.
        QTest::newRow("save, name too long, en") << 0 << "long name" << true
            << saveEn + "Cannot write the file %1 (the file name is too long).";
        QTest::newRow("save, name too long, zh") << -1 << "long name" << true
            << saveZh + QStringLiteral("无法写入文件 %1（文件名太长）。");
        QTest::newRow("load, name too long, zh") << -1 << "long name" << false
            << loadZh + QStringLiteral("无法打开文件 %1（文件名太长）。");
        QTest::newRow("save, links in a loop, zh") << -1 << "link loop" << true
            << saveZh + QStringLiteral("无法写入文件 %1（路径中的符号链接太多）。");
        QTest::newRow("load, links in a loop, zh") << -1 << "link loop" << false
            << loadZh + QStringLiteral("无法打开文件 %1（路径中的符号链接太多）。");
    }
    void failureReasonsInTheChosenLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, kind);
        QFETCH(bool, save);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QString folder = dir.path();
        QString name = QStringLiteral("x.dat");
        if (kind == "no folder")
            folder = dir.filePath("gone");
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("x.dat"));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("x.dat")).constData(), 0600), 0);
        else if (kind == "long name")
            name = QString(300, QLatin1Char('n')) + ".dat";
        else if (kind == "link loop")
            QCOMPARE(::symlink("x.dat", QFile::encodeName(dir.filePath("x.dat")).constData()), 0);
        LanguageFlag = qint16(language);
        QVERIFY(!(save ? WriteImageFile(folder, name) : ReadImageFile(folder, name)));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes().first().text, text.arg(folder + "/" + name));
        if (kind == "long name" || kind == "link loop")
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                     kind == "link loop" ? QStringList{"x.dat"} : QStringList{});
    }

    void permissionDeniedIsNamed()
    {
        // A file the user may not read, in a folder the user may not write;
        // for root, the child process that tries takes an ordinary user's id.
        QTemporaryDir dir;
        const QString path = dir.filePath("locked.dat");
        QVERIFY(writeAll(path, ImageFileBytes(MemoryImage)));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::geteuid() == 0 && ::setuid(65534) != 0)
                ::_exit(99);
            static ImageGrid scratch{};
            const ImageFileStatus load = LoadImageFile(path, scratch);
            const ImageFileStatus save = SaveImageFile(dir.filePath("new.dat"), scratch);
            ::_exit(int(load.reason) * 10 + int(save.reason));
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(WIFEXITED(status));
        const int denied = int(FileFailureReason::PermissionDenied);
        QCOMPARE(WEXITSTATUS(status), denied * 10 + denied);
        LanguageFlag = -1;
        ImageFileStatus shown;
        shown.fault = ImageFileFault::CannotOpen;
        shown.path = path;
        shown.reason = FileFailureReason::PermissionDenied;
        QCOMPARE(ImageFileFaultText(shown), QStringLiteral("无法打开文件 %1（没有访问权限）。").arg(path));
    }

    void failedSaveNamesTheSystemsReason()
    {
        // A file size limit stops the save half-way, as a full disk does: the
        // failure keeps the code of that write.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const ImageFileStatus status = SaveImageFile(m_dir.filePath("big.dat"), MemoryImage);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(status.fault, ImageFileFault::CannotWrite);
        QCOMPARE(status.systemCode, EFBIG);
        QCOMPARE(status.reason, FileFailureReason::FileTooLarge);
        QVERIFY(!QFile::exists(m_dir.filePath("big.dat")));
    }

    void chineseBoxes()
    {
        LanguageFlag = -1;
        QVERIFY(WriteImageFile(m_dir.path(), "zh.dat"));
        QVERIFY(ReadImageFile(m_dir.path(), "zh.dat"));
        QVERIFY(!ReadImageFile(m_dir.path(), "missing.dat"));
        const auto &boxes = MsgBoxRecorder::boxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, QStringLiteral("参数保存完毕 ！"));
        QCOMPARE(boxes[1].text, QStringLiteral("参数从文件调入成功 ！"));
        QVERIFY(boxes[2].text.startsWith(QStringLiteral("参数从文件调入失败")));
        for (const MsgRecord &b : boxes)
            QCOMPARE(b.title, QStringLiteral("操作提示"));
    }
};

QTEST_MAIN(TestImageFile)
#include "tst_imagefile.moc"
