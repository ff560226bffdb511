// The load and save shared by the ".dat", ".sig" and ".adj" files: a file
// with more than blanks and line breaks after its numbers is refused with
// its line, and every save failure names the system's reason in the chosen
// language while the file that was there stays as it was.
#include "platform/Language.h"
#include "platform/NumberFileStore.h"
#include "support/RefusingFileSystem.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

const QByteArray OldFile = " 9  9  9 \r\n";
const QByteArray NewFile = " 1  2  3 \r\n 4  5  6 \r\n";

// A kind's words for its failed save, as the windows give them.
constexpr BiText StoringFailed{"Storing failed", "保存失败"};

struct stat statOf(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}
}

class TestNumberFileStore : public QObject
{
    Q_OBJECT
private slots:
    void init() { LanguageFlag = 0; }

    // Three numbers wanted; what follows them decides.
    void whatFollowsTheNumbers_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("line");            // of the refusal; 0 when accepted
        QTest::addColumn<QList<qint64>>("taken");  // the numbers handed to the sink, in turn
        const int none = int(NumberFileFault::None);
        const int trailing = int(NumberFileFault::TrailingContent);
        const QList<qint64> all{1, 2, 3};
        QTest::newRow("exactly the numbers") << QByteArray(" 1  2  3 ") << none << 0 << all;
        QTest::newRow("blank lines after") << QByteArray(" 1  2  3 \r\n\r\n  \r\n") << none << 0 << all;
        QTest::newRow("LF and tabs after") << QByteArray("1\n2\n3\n\t\n") << none << 0 << all;
        QTest::newRow("a fourth number") << QByteArray(" 1  2  3 \r\n 4 \r\n") << trailing << 2 << all;
        QTest::newRow("garbage line") << QByteArray(" 1  2  3 \r\ngarbage 999 x\r\n") << trailing << 2 << all;
        QTest::newRow("too few") << QByteArray(" 1  2 \r\n") << int(NumberFileFault::TooShort) << 2
                                 << QList<qint64>{1, 2};
        QTest::newRow("a number refused") << QByteArray(" 1 \r\n 300  3 ") << int(NumberFileFault::ValueOutOfRange)
                                          << 2 << QList<qint64>{1, 300};
    }
    void whatFollowsTheNumbers()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, fault);
        QFETCH(int, line);
        QFETCH(QList<qint64>, taken);
        QTemporaryDir dir;
        const QString path = dir.filePath("n.txt");
        QVERIFY(writeAll(path, contents));
        QList<qint64> given;
        const auto sink = [&](int, qint64 value) {
            given << value;
            return value <= 255;
        };
        const NumberFileStatus fromBytes = ParseNumberFile(contents, 3, sink);
        QCOMPARE(given, taken);
        given.clear();
        const NumberFileStatus fromFile = LoadNumberFile(path, 3, sink);
        QCOMPARE(given, taken);
        for (const NumberFileStatus &status : {fromBytes, fromFile}) {
            QCOMPARE(int(status.fault), fault);
            QCOMPARE(status.line, line);
        }
        QCOMPARE(fromFile.path, path);
        if (fault == int(NumberFileFault::TrailingContent)) {
            QCOMPARE(NumberFileFaultText(fromFile, BiText{"", ""}),
                     QStringLiteral("Line %1 of the file holds more after the complete content; "
                                    "the file is damaged or of another kind.").arg(line));
            LanguageFlag = -1;
            QCOMPARE(NumberFileFaultText(fromFile, BiText{"", ""}),
                     QStringLiteral("文件第 %1 行在完整内容之后还有多余的内容，文件已损坏或不是本类文件。").arg(line));
        }
    }

    void saveReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(writeAll(path, QByteArray(100000, 'x')));
        // The file is replaced, not written over: a hard link keeps the old.
        const QString hard = dir.filePath("hard.txt");
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(hard).constData()), 0);
        const NumberFileStatus status = SaveNumberFile(path, NewFile);
        QVERIFY(status.ok());
        QCOMPARE(readAll(path), NewFile);
        QCOMPARE(readAll(hard), QByteArray(100000, 'x'));
        QCOMPARE(entries(dir.path()), (QStringList{"a.txt", "hard.txt"}));
    }

    // A replaced file keeps its permissions; a symbolic link keeps pointing
    // at the file it names, which is the one replaced.
    void saveKeepsPermissionsAndLinks()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(writeAll(path, OldFile));
        const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(path, mode));
        const QString link = dir.filePath("link.txt");
        QCOMPARE(::symlink("a.txt", QFile::encodeName(link).constData()), 0);
        QVERIFY(SaveNumberFile(link, NewFile).ok());
        QCOMPARE(QFileInfo(link).symLinkTarget(), path);
        QCOMPARE(readAll(path), NewFile);
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), mode);
        QCOMPARE(entries(dir.path()), (QStringList{"a.txt", "link.txt"}));
    }

    // The system refuses the save: the reason is named, in both languages,
    // whether a file stood there (kept as it was) or not (none is left).
    void refusedSaveNamesTheReason_data()
    {
        QTest::addColumn<int>("refusal");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        const struct {
            const char *name;
            FileRefusal refusal;
            FileFailureReason reason;
            const char *en;
            const char *zh;
        } refusals[] = {
            {"full disk", FileRefusal::DiskFull, FileFailureReason::DiskFull, "the disk is full", "磁盘已满"},
            {"read-only disk", FileRefusal::ReadOnlyDisk, FileFailureReason::ReadOnlyDisk, "the disk is read-only",
             "磁盘为只读"},
            // The file may be written; the folder refuses the temporary.
            {"folder not writable", FileRefusal::PermissionDenied, FileFailureReason::FolderNotWritable,
             "the folder may not be written to", "文件夹不允许写入"},
        };
        for (const auto &r : refusals)
            for (bool existing : {true, false})
                QTest::addRow("%s, %s", r.name, existing ? "over a file" : "new file")
                    << int(r.refusal) << existing << int(r.reason) << QString::fromUtf8(r.en)
                    << QString::fromUtf8(r.zh);
    }
    void refusedSaveNamesTheReason()
    {
        QFETCH(int, refusal);
        QFETCH(bool, existing);
        QFETCH(int, reason);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        if (existing)
            QVERIFY(writeAll(path, OldFile));
        NumberFileStatus status;
        if (!RunWhileFilesRefused(FileRefusal(refusal), [&] { status = SaveNumberFile(path, NewFile); }))
            QSKIP("this system cannot refuse file writes to one thread");
        QCOMPARE(status.fault, NumberFileFault::CannotWrite);
        QCOMPARE(int(status.reason), reason);
        QCOMPARE(status.path, path);
        QCOMPARE(status.existed, existing);
        QVERIFY(!status.replaced);
        // Only a file that stood there is said to be left unchanged.
        QCOMPARE(SaveFailureText(status, StoringFailed),
                 QStringLiteral("Storing failed%1\nCannot write the file %2 (%3).")
                     .arg(existing ? "; an existing file is left unchanged." : ".", path, english));
        LanguageFlag = -1;
        QCOMPARE(SaveFailureText(status, StoringFailed),
                 QStringLiteral("保存失败%1\n无法写入文件 %2（%3）。")
                     .arg(existing ? QStringLiteral("，原有文件未改变 ！") : QStringLiteral(" ！"), path, chinese));
        QCOMPARE(entries(dir.path()), existing ? QStringList{"a.txt"} : QStringList{});
        if (existing)
            QCOMPARE(readAll(path), OldFile);
    }

    // Each error code a load or a save can meet, refused by the system for
    // real, names its cause in both languages; a code without words of its
    // own is named by its number. No system word reaches the Chinese text.
    void everyCodeNamesItsReason_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("english");  // empty: named by its number
        using R = FileFailureReason;
        const struct {
            const char *name;
            int code;
            R reason;
            const char *en;
        } codes[] = {
            {"ENOENT", ENOENT, R::NoSuchFile, "no such file or folder"},
            {"ENOTDIR", ENOTDIR, R::NotAFolder, "a part of the path is not a folder"},
            {"EISDIR", EISDIR, R::IsAFolder, "it is a folder"},
            {"EACCES", EACCES, R::PermissionDenied, "permission denied"},
            {"EPERM", EPERM, R::PermissionDenied, "permission denied"},
            {"EROFS", EROFS, R::ReadOnlyDisk, "the disk is read-only"},
            {"ENOSPC", ENOSPC, R::DiskFull, "the disk is full"},
            {"EDQUOT", EDQUOT, R::QuotaExceeded, "the disk quota is used up"},
            {"ENAMETOOLONG", ENAMETOOLONG, R::NameTooLong, "the file name is too long"},
            {"ELOOP", ELOOP, R::TooManyLinks, "too many symbolic links in the path"},
            {"EBUSY", EBUSY, R::Busy, "the file or device is busy"},
            {"ETXTBSY", ETXTBSY, R::InUse, "the file is a running program"},
            {"EIO", EIO, R::InputOutput, "the disk or device could not be read or written"},
            {"EMFILE", EMFILE, R::TooManyOpenFiles, "too many files are open"},
            {"ENFILE", ENFILE, R::TooManyOpenFiles, "too many files are open"},
            {"EEXIST", EEXIST, R::AlreadyExists, "the file already exists"},
            {"EINVAL", EINVAL, R::InvalidName, "the name or the request is not valid"},
            {"EFBIG", EFBIG, R::FileTooLarge, "the file is too large"},
            {"EOVERFLOW", EOVERFLOW, R::FileTooLarge, "the file is too large"},
            {"EXDEV", EXDEV, R::OtherDisk, "the file would move to another disk"},
            {"ENXIO", ENXIO, R::NoDevice, "no such device"},
            {"ENODEV", ENODEV, R::NoDevice, "no such device"},
            {"ENOMEM", ENOMEM, R::OutOfMemory, "not enough memory"},
            {"EINTR", EINTR, R::Interrupted, "the operation was interrupted"},
            {"EAGAIN", EAGAIN, R::TemporarilyUnavailable, "the file is unavailable for now"},
            {"ENOTSUP", ENOTSUP, R::NotSupported, "the disk does not support the operation"},
            {"ESTALE", ESTALE, R::StaleFile, "the network file is no longer valid"},
            {"ETIMEDOUT", ETIMEDOUT, R::TimedOut, "the disk did not answer in time"},
            {"EREMOTEIO, by number", EREMOTEIO, R::Other, ""},
            {"EUCLEAN, by number", EUCLEAN, R::Other, ""},
        };
        for (const auto &c : codes)
            QTest::newRow(c.name) << c.code << int(c.reason) << QString::fromUtf8(c.en);
    }
    void everyCodeNamesItsReason()
    {
        QFETCH(int, code);
        QFETCH(int, reason);
        QFETCH(QString, english);
        const QString englishShown =
            english.isEmpty() ? QStringLiteral("system error %1: %2").arg(code).arg(qt_error_string(code)) : english;
        // A refused save's first step makes the temporary file: a refusal of
        // permission there is the folder's.
        const bool folderRefuses = code == EACCES || code == EPERM;
        const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
        for (const bool save : {true, false}) {
            // An interrupted read is simply tried again.
            if (!save && code == EINTR)
                continue;
            QTemporaryDir dir;
            const QString path = dir.filePath("a.txt");
            if (!save)
                QVERIFY(writeAll(path, NewFile));
            NumberFileStatus status;
            const bool ran =
                save ? RunWhileCallsRefused(RefusedCall::OpenForWriting, code,
                                            [&] { status = SaveNumberFile(path, NewFile); })
                     : RunWhileCallsRefused(RefusedCall::Read, code,
                                            [&] { status = LoadNumberFile(path, 6, [](int, qint64) { return true; }); });
            if (!ran)
                QSKIP("this system cannot refuse file calls to one thread");
            QCOMPARE(status.fault, save ? NumberFileFault::CannotWrite : NumberFileFault::CannotOpen);
            QCOMPARE(status.systemCode, code);
            const bool byFolder = save && folderRefuses;
            QCOMPARE(int(status.reason), byFolder ? int(FileFailureReason::FolderNotWritable) : reason);
            LanguageFlag = 0;
            QCOMPARE(NumberFileFaultText(status, BiText{"", ""}),
                     (save ? QStringLiteral("Cannot write the file %1 (%2).") : QStringLiteral("Cannot open the file %1 (%2)."))
                         .arg(path, byFolder ? QStringLiteral("the folder may not be written to") : englishShown));
            LanguageFlag = -1;
            const QString chinese = FileFailureText(status.reason, status.systemCode);
            QVERIFY2(!chinese.isEmpty() && !chinese.contains(latin), qPrintable(chinese));
            if (english.isEmpty())
                QCOMPARE(chinese, QStringLiteral("系统错误 %1").arg(code));
            QCOMPARE(NumberFileFaultText(status, BiText{"", ""}),
                     (save ? QStringLiteral("无法写入文件 %1（%2）。") : QStringLiteral("无法打开文件 %1（%2）。"))
                         .arg(path, chinese));
            QCOMPARE(entries(dir.path()), save ? QStringList{} : QStringList{"a.txt"});
        }
    }

    // Two named reasons never share their Chinese words, so the box says
    // which one it is.
    void chineseReasonsAreDistinct()
    {
        LanguageFlag = -1;
        QSet<QString> seen;
        for (int r = int(FileFailureReason::NoSuchFile); r <= int(FileFailureReason::FolderNotWritable); ++r) {
            const QString words = FileFailureText(FileFailureReason(r), 0);
            QVERIFY2(!seen.contains(words), qPrintable(words));
            seen.insert(words);
        }
    }

    void missingFolderIsNamed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("gone/a.txt");
        const NumberFileStatus status = SaveNumberFile(path, NewFile);
        QCOMPARE(status.fault, NumberFileFault::CannotWrite);
        QCOMPARE(status.reason, FileFailureReason::NoSuchFile);
        QCOMPARE(NumberFileFaultText(status, BiText{"", ""}),
                 QStringLiteral("Cannot write the file %1 (no such file or folder).").arg(path));
        QCOMPARE(entries(dir.path()), QStringList{});
    }

    // A file the user may not write is not replaced behind its back.
    void readOnlyFileIsKept()
    {
        if (::geteuid() == 0)
            QSKIP("root may write any file");
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(writeAll(path, OldFile));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        const NumberFileStatus status = SaveNumberFile(path, NewFile);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(status.fault, NumberFileFault::CannotWrite);
        QCOMPARE(status.reason, FileFailureReason::ReadOnlyFile);
        LanguageFlag = -1;
        QCOMPARE(NumberFileFaultText(status, BiText{"", ""}),
                 QStringLiteral("无法写入文件 %1（文件为只读）。").arg(path));
        QCOMPARE(readAll(path), OldFile);
    }

    // After the rename the folder is synced, so that a crash cannot bring
    // the old file back. When the disk does not confirm it, the new content
    // is in place all the same: the save is not reported as done, and the
    // old file is not said to be kept. A folder that cannot be synced at all
    // (one the user may not read, a disk without folder syncs) saves.
    void folderSync_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("english");  // the reason; empty when saved
        QTest::addColumn<QString>("chinese");
        const int sync = int(RefusedCall::SyncFolder);
        const int open = int(RefusedCall::OpenFolder);
        const QString io = QStringLiteral("the disk or device could not be read or written");
        const QString ioZh = QStringLiteral("磁盘或设备读写出错");
        QTest::newRow("sync fails, over a file") << sync << EIO << true << io << ioZh;
        QTest::newRow("sync fails, new file") << sync << EIO << false << io << ioZh;
        QTest::newRow("folder cannot be opened") << open << EMFILE << true << QStringLiteral("too many files are open")
                                                 << QStringLiteral("打开的文件太多");
        QTest::newRow("disk without folder syncs") << sync << EINVAL << true << QString() << QString();
        QTest::newRow("folder the user may not read") << open << EACCES << true << QString() << QString();
    }
    void folderSync()
    {
        QFETCH(int, call);
        QFETCH(int, code);
        QFETCH(bool, existing);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        if (existing)
            QVERIFY(writeAll(path, OldFile));
        NumberFileStatus status;
        if (!RunWhileCallsRefused(RefusedCall(call), code, [&] { status = SaveNumberFile(path, NewFile); }))
            QSKIP("this system cannot refuse file calls to one thread");
        QCOMPARE(readAll(path), NewFile);
        QCOMPARE(entries(dir.path()), QStringList{"a.txt"});
        if (english.isEmpty()) {
            QVERIFY(status.ok());
            return;
        }
        QCOMPARE(status.fault, NumberFileFault::CannotWrite);
        QVERIFY(status.replaced);
        QCOMPARE(status.systemCode, code);
        QCOMPARE(SaveFailureText(status, StoringFailed),
                 QStringLiteral("Storing failed; the file holds the new content, but it may not be safely on the disk.\n"
                                "The disk did not confirm that the file %1 is stored (%2); save it again.")
                     .arg(path, english));
        LanguageFlag = -1;
        QCOMPARE(SaveFailureText(status, StoringFailed),
                 QStringLiteral("保存失败，文件已是新内容，但可能未安全写入磁盘 ！\n"
                                "磁盘未确认文件 %1 已保存（%2），请再保存一次。")
                     .arg(path, chinese));
    }

    // The replaced file keeps its owner and group, or at least its group
    // where the owner may not be given away; the save never fails for it.
    void saveKeepsOwnerAndGroup_data()
    {
        QTest::addColumn<bool>("ownerRefused");
        QTest::newRow("owner and group") << false;
        QTest::newRow("owner refused, group kept") << true;
    }
    void saveKeepsOwnerAndGroup()
    {
        QFETCH(bool, ownerRefused);
        // Root may give a file to anyone; a user only to a group of their own.
        uid_t owner = ::geteuid();
        gid_t group = 0;
        if (owner == 0) {
            owner = 54321;
            group = 12345;
        } else {
            QList<gid_t> groups(::getgroups(0, nullptr));
            groups.resize(::getgroups(int(groups.size()), groups.data()));
            for (gid_t g : groups)
                if (g != ::getegid())
                    group = g;
            if (group == 0)
                QSKIP("the user belongs to no second group");
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(writeAll(path, OldFile));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chown(name.constData(), owner, group), 0);
        QCOMPARE(::chmod(name.constData(), 0640), 0);
        NumberFileStatus status;
        if (!ownerRefused)
            status = SaveNumberFile(path, NewFile);
        else if (!RunWhileCallsRefused(RefusedCall::ChangeOwner, EPERM, [&] { status = SaveNumberFile(path, NewFile); }))
            QSKIP("this system cannot refuse file calls to one thread");
        QVERIFY(status.ok());
        QCOMPARE(readAll(path), NewFile);
        const struct stat info = statOf(path);
        QCOMPARE(info.st_gid, group);
        QCOMPARE(info.st_uid, ownerRefused ? ::geteuid() : owner);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
    }

    // A symbolic link that names no file yet: the file is made where it
    // points, a relative link read from its own folder; the link stays.
    void danglingLinkMakesItsTarget_data()
    {
        QTest::addColumn<QString>("link");      // in the test's folder
        QTest::addColumn<QStringList>("chain");  // each link's text, in turn from `link`
        QTest::addColumn<QString>("made");      // where the file is to be made; empty: refused
        QTest::newRow("relative") << "links/a.txt" << QStringList{"../data/t.txt"} << "data/t.txt";
        QTest::newRow("absolute") << "links/a.txt" << QStringList{"%1/data/t.txt"} << "data/t.txt";
        QTest::newRow("a link to a link") << "links/a.txt" << QStringList{"b.txt", "../data/t.txt"} << "data/t.txt";
        QTest::newRow("the target's folder missing") << "links/a.txt" << QStringList{"../gone/t.txt"} << QString();
    }
    void danglingLinkMakesItsTarget()
    {
        QFETCH(QString, link);
        QFETCH(QStringList, chain);
        QFETCH(QString, made);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("links"));
        QVERIFY(QDir(dir.path()).mkpath("data"));
        QString at = dir.filePath(link);
        for (const QString &text : chain) {
            const QString target = QString(text).replace("%1", dir.path());
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()), 0);
            at = QFileInfo(QFileInfo(at).dir(), target).absoluteFilePath();
        }
        const NumberFileStatus status = SaveNumberFile(dir.filePath(link), NewFile);
        QVERIFY(QFileInfo(dir.filePath(link)).isSymLink());
        if (made.isEmpty()) {
            QCOMPARE(status.reason, FileFailureReason::NoSuchFile);
            QVERIFY(!status.existed);
            QCOMPARE(entries(dir.filePath("data")), QStringList{});
            return;
        }
        QVERIFY(status.ok());
        QCOMPARE(readAll(dir.filePath(made)), NewFile);
        QCOMPARE(readAll(dir.filePath(link)), NewFile);
        QCOMPARE(entries(dir.filePath("data")), QStringList{"t.txt"});
        QCOMPARE(entries(dir.filePath("links")).size(), chain.size());
    }

    // A read-only disk also refuses a load's nothing: reading still works.
    void loadOnAReadOnlyDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(writeAll(path, NewFile));
        NumberFileStatus status;
        QList<qint64> taken;
        if (!RunWhileFilesRefused(FileRefusal::ReadOnlyDisk, [&] {
                status = LoadNumberFile(path, 6, [&](int, qint64 v) { taken << v; return true; });
            }))
            QSKIP("this system cannot refuse file writes to one thread");
        QVERIFY(status.ok());
        QCOMPARE(taken, (QList<qint64>{1, 2, 3, 4, 5, 6}));
    }
};

QTEST_GUILESS_MAIN(TestNumberFileStore)
#include "tst_numberfilestore.moc"
