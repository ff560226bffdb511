// The file dialogs: the OK name rule, what OK does in each of the eight
// windows, the refusal boxes, browsing, and the request flags.
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Windows.h"
#include "shell/FileDialog.h"
#include "shell/FileDialogLists.h"
#include "shell/FileDialogName.h"
#include "platform/FileState.h"
#include "shell/ImageFile.h"
#include "support/BoxTexts.h"
#include "support/ClickWhereSeen.h"
#include "support/MdiStage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(FileDialogRole)
Q_DECLARE_METATYPE(FileNameVerdict)

namespace {
const FileDialogRole AllRoles[] = {
    FileDialogRole::OpenImage,  FileDialogRole::SaveImage, FileDialogRole::OpenAdjust,
    FileDialogRole::SaveAdjust, FileDialogRole::OpenMenu,  FileDialogRole::SaveMenu,
    FileDialogRole::OpenSignal, FileDialogRole::SaveSignal,
};

QString windowName(FileDialogRole role) { return fileDialogSetup(role).windowName; }

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Flags {
    qint16 adjOpen, adjSave, open, save;
    bool operator==(const Flags &) const = default;
};
Flags flags() { return {AdjustFileRequestOpen, AdjustFileRequestSave, FileRequestOpen, FileRequestSave}; }
}

class TestFileDialog : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    QString m_start;  // the current folder the dialogs start in
    QString m_other;  // a second folder with files to pick
    std::unique_ptr<MainStandIn> m_stage;  // for the dialog that opens inside the main window

    FileDialog *open(FileDialogRole role)
    {
        if (role == FileDialogRole::OpenImage && !m_stage)
            m_stage = std::make_unique<MainStandIn>();
        return qobject_cast<FileDialog *>(Windows::load(windowName(role)));
    }
    template <class T> static T *control(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qFatal("missing control %s", name);
        return c;
    }
    // A click on a listed item where it is seen; false when it is not listed
    // or cannot be clicked.
    [[nodiscard]] static bool clickItem(QListWidget *list, const QString &name, bool twice = false)
    {
        const auto items = list->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) {
            qWarning("%s is not listed", qPrintable(name));
            return false;
        }
        list->scrollToItem(items.first());
        return clickWhereSeen(list->viewport(), list->visualItemRect(items.first()).center(), twice);
    }
    // Picks a listed file with a click on it.
    [[nodiscard]] static bool pick(FileDialog *d, const QString &name)
    {
        return clickItem(control<QListWidget>(d, "File1"), name);
    }
    [[nodiscard]] static bool clickOk(FileDialog *d)
    {
        return clickWhereSeen(control<QPushButton>(d, "Command_enter"));
    }

private slots:
    void initTestCase()
    {
        m_start = QDir::cleanPath(m_root.path() + "/start");
        m_other = QDir::cleanPath(m_root.path() + "/other");
        QDir(m_root.path()).mkpath("start/sub");
        QDir(m_root.path()).mkpath("other");
        for (const char *name : {"a.dat", "B.DAT", "c.Dat", "d.txt", "e.adj", "f.menu", "g.sig"}) {
            touch(m_start + "/" + name);
            touch(m_other + "/" + name);
        }
    }

    void init()
    {
        Windows::reset();
        for (FileDialogRole role : AllRoles)
            Windows::define(windowName(role),
                            role == FileDialogRole::OpenImage ? Windows::Kind::Child
                                                              : Windows::Kind::TopLevel,
                            [role] { return NewFileDialog(role); });
        QVERIFY(QDir::setCurrent(m_start));
        resetFileState();
        resetMemoryState();
        LanguageFlag = 0;
        MsgBoxRecorder::install();
        MsgBoxRecorder::clear();
    }
    void cleanup()
    {
        Windows::reset();
        m_stage.reset();
        MsgBoxRecorder::uninstall();
    }

    void nameRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<FileNameVerdict>("verdict");
        QTest::addColumn<QString>("name");
        using V = FileNameVerdict;
        QTest::newRow("plain") << "radio.dat" << ".dat" << V::Accepted << "radio.dat";
        QTest::newRow("blanks around") << "  radio.dat  " << ".dat" << V::Accepted << "radio.dat";
        QTest::newRow("blank inside") << "my radio.dat" << ".dat" << V::Accepted << "my radio.dat";
        QTest::newRow("upper case") << "RADIO.DAT" << ".dat" << V::Accepted << "RADIO.DAT";
        QTest::newRow("suffix alone") << ".dat" << ".dat" << V::Accepted << ".dat";
        QTest::newRow("mixed case") << "radio.Dat" << ".dat" << V::BadSuffix << "radio.Dat";
        QTest::newRow("further suffix") << "radio.dat.bak" << ".dat" << V::BadSuffix << "radio.dat.bak";
        QTest::newRow("no suffix") << "radio" << ".dat" << V::BadSuffix << "radio";
        QTest::newRow("two characters") << "ab" << ".dat" << V::BadSuffix << "ab";
        QTest::newRow("empty") << "" << ".dat" << V::BadSuffix << "";
        QTest::newRow("only blanks") << "   " << ".dat" << V::BadSuffix << "";
        QTest::newRow("trailing tab stays") << "radio.dat\t" << ".dat" << V::BadSuffix << "radio.dat\t";
        QTest::newRow("pattern text") << "*.dat" << ".dat" << V::BadName << "*.dat";
        QTest::newRow("hash") << "a#b.dat" << ".dat" << V::BadName << "a#b.dat";
        QTest::newRow("dollar") << "a$.dat" << ".dat" << V::BadName << "a$.dat";
        QTest::newRow("backslash") << "a\\b.dat" << ".dat" << V::BadName << "a\\b.dat";
        QTest::newRow("slash") << "dir/b.dat" << ".dat" << V::BadName << "dir/b.dat";
        QTest::newRow("bad name and suffix") << "a#b.txt" << ".dat" << V::BadName << "a#b.txt";
        QTest::newRow("menu") << "opt.menu" << ".menu" << V::Accepted << "opt.menu";
        QTest::newRow("MENU") << "opt.MENU" << ".menu" << V::Accepted << "opt.MENU";
        QTest::newRow("menu too short") << "menu" << ".menu" << V::BadSuffix << "menu";
        QTest::newRow("adj on a sig dialog") << "x.adj" << ".sig" << V::BadSuffix << "x.adj";
    }
    void nameRule()
    {
        QFETCH(QString, text);
        QFETCH(QString, suffix);
        QFETCH(FileNameVerdict, verdict);
        QFETCH(QString, name);
        const FileNameCheck check = CheckFileName(text, suffix);
        QCOMPARE(check.verdict, verdict);
        QCOMPARE(check.name, name);
    }

    void loadShowsCaptionsAndCurrentFolder_data()
    {
        QTest::addColumn<FileDialogRole>("role");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("nameLabel");
        QTest::addColumn<QStringList>("listed");
        const QStringList dat{"a.dat", "B.DAT", "c.Dat"};
        QTest::newRow("open image en") << FileDialogRole::OpenImage << 0 << "Open File" << "Open File:" << dat;
        QTest::newRow("save image zh") << FileDialogRole::SaveImage << -1 << "保存文件" << "保存文件名：" << dat;
        QTest::newRow("open adj en") << FileDialogRole::OpenAdjust << 0 << "Open Adjust File" << "Open File:"
                                     << QStringList{"e.adj"};
        QTest::newRow("save menu en") << FileDialogRole::SaveMenu << 0 << "Save Optional File " << "Save File:"
                                      << QStringList{"f.menu"};
        QTest::newRow("open sig zh") << FileDialogRole::OpenSignal << -1 << "打开信令参数文件" << "打开文件名："
                                     << QStringList{"g.sig"};
    }
    void loadShowsCaptionsAndCurrentFolder()
    {
        QFETCH(FileDialogRole, role);
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, nameLabel);
        QFETCH(QStringList, listed);
        LanguageFlag = qint16(language);
        FileDialog *d = open(role);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), caption);
        QCOMPARE(control<QLabel>(d, "Label_name")->text(), nameLabel);
        QCOMPARE(control<QLabel>(d, "Label_name")->buddy(), control<QLineEdit>(d, "Text1"));
        QCOMPARE(control<QLabel>(d, "Label_drive")->text(), language ? "驱动器：" : "Drive:");
        QCOMPARE(control<QPushButton>(d, "Command_enter")->text(), language ? "确  定" : "Confirm");
        QCOMPARE(control<QPushButton>(d, "Command_close")->text(), language ? "取  消" : "Cancel");
        QCOMPARE(control<QLineEdit>(d, "Text1")->text(), fileDialogPattern(role));
        QCOMPARE(d->folderShown(), m_start);
        QCOMPARE(control<FileList>(d, "File1")->names(), listed);  // any case of the suffix
        QVERIFY(control<QComboBox>(d, "Drive1")->findData(QStorageInfo(m_start).rootPath()) >= 0);
    }

    // What OK does with a file picked in another folder, in all eight windows.
    void okAction_data()
    {
        QTest::addColumn<FileDialogRole>("role");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("flag");  // which flag goes to -1: 0..3 in Flags order, -1 none
        QTest::newRow("open image") << FileDialogRole::OpenImage << "image.dat" << -1;
        QTest::newRow("save image") << FileDialogRole::SaveImage << "image.dat" << -1;
        QTest::newRow("open adj") << FileDialogRole::OpenAdjust << "e.adj" << 0;
        QTest::newRow("save adj") << FileDialogRole::SaveAdjust << "e.adj" << 1;
        QTest::newRow("open menu") << FileDialogRole::OpenMenu << "f.menu" << 2;
        QTest::newRow("save menu") << FileDialogRole::SaveMenu << "f.menu" << 3;
        QTest::newRow("open sig") << FileDialogRole::OpenSignal << "g.sig" << 2;
        QTest::newRow("save sig") << FileDialogRole::SaveSignal << "g.sig" << 3;
    }
    void okAction()
    {
        QFETCH(FileDialogRole, role);
        QFETCH(QString, file);
        QFETCH(int, flag);
        QTemporaryDir work;
        const QString folder = QDir::cleanPath(work.path());
        ImageGrid image{};
        for (int r = 0; r < ImageRows; ++r)
            image[r][r % 16] = qint16(r % 256);
        for (const QString &name : {QStringLiteral("e.adj"), QStringLiteral("f.menu"), QStringLiteral("g.sig")})
            touch(folder + "/" + name);
        if (role == FileDialogRole::OpenImage)
            touch(folder + "/" + file, ImageFileBytes(image));
        else if (role == FileDialogRole::SaveImage)
            MemoryImage = image;

        FileDialog *d = open(role);
        QVERIFY(d->showFolder(folder));
        if (role == FileDialogRole::SaveImage)
            control<QLineEdit>(d, "Text1")->setText(file);
        else
            QVERIFY(pick(d, file));
        QCOMPARE(control<QLineEdit>(d, "Text1")->text(), file);
        AdjustFileRequestOpen = AdjustFileRequestSave = -1;
        const bool imageRole = flag < 0;
        if (!imageRole)
            AdjustFileRequestOpen = AdjustFileRequestSave = 0;
        QVERIFY(clickOk(d));

        QCOMPARE(FilePath, folder + "/" + file);
        QVERIFY(!Windows::isLoaded(windowName(role)));
        const Flags now = flags();
        if (imageRole) {
            // The image dialogs drop a waiting alignment request of their own kind.
            const bool opening = role == FileDialogRole::OpenImage;
            QCOMPARE(now, (Flags{qint16(opening ? 0 : -1), qint16(opening ? -1 : 0), 0, 0}));
            QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
            QVERIFY(MemoryImage == image);
            if (!opening) {
                QFile saved(FilePath);
                QVERIFY(saved.open(QIODevice::ReadOnly));
                QCOMPARE(saved.readAll(), ImageFileBytes(image));
            }
        } else {
            qint16 expected[4] = {0, 0, 0, 0};
            expected[flag] = -1;
            QCOMPARE(now, (Flags{expected[0], expected[1], expected[2], expected[3]}));
            QVERIFY(MsgBoxRecorder::boxes().isEmpty());  // the polling window reports
        }
    }

    void refusalBoxes_data()
    {
        QTest::addColumn<FileDialogRole>("role");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("badName");
        QTest::addColumn<QString>("badSuffix");
        QTest::newRow("open image en") << FileDialogRole::OpenImage << 0
            << "Open the file name is nullity " << "Nullity file suffix name.";
        QTest::newRow("save image en") << FileDialogRole::SaveImage << 0
            << "Store the file name is nullity. "
            << "Advice don't modify file suffix name of system default ！";
        QTest::newRow("open adj zh") << FileDialogRole::OpenAdjust << -1
            << "打开信道参数文件名无效 " << "无效的调整参数文件后缀名！";
        QTest::newRow("save adj en") << FileDialogRole::SaveAdjust << 0
            << "Store the file name of adjust parameter need is nullity. "
            << "Advice don't modify file suffix name of system default ！";
        QTest::newRow("open menu en") << FileDialogRole::OpenMenu << 0
            << "Open the file name of system parameter is nullity. "
            << "Nullity file suffix name of system parameter.";
        QTest::newRow("save menu en") << FileDialogRole::SaveMenu << 0
            << "Store the file name of system parameter need is nullity."
            << "Advice don't modify file suffix name of system default.";
        QTest::newRow("open sig en") << FileDialogRole::OpenSignal << 0
            << "Open the file name of Signal parameter is nullity. "
            << "Nullity file suffix name of Signal parameter.";
        QTest::newRow("save sig zh") << FileDialogRole::SaveSignal << -1
            << "保存信令参数所需要的文件名无效 " << "建议不要修改系统默认的文件后缀名！";
    }
    void refusalBoxes()
    {
        QFETCH(FileDialogRole, role);
        QFETCH(int, language);
        QFETCH(QString, badName);
        QFETCH(QString, badSuffix);
        FileDialog *d = open(role);
        LanguageFlag = qint16(language);  // boxes follow the language when shown
        auto *text = control<QLineEdit>(d, "Text1");

        QVERIFY(clickOk(d));  // the initial pattern text
        text->setText("c.Dat");
        QVERIFY(clickOk(d));
        text->setText("x$y.txt");
        QVERIFY(clickOk(d));

        const auto &boxes = MsgBoxRecorder::boxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, badName);
        QCOMPARE(boxes[1].text, badSuffix);
        QCOMPARE(boxes[2].text, badName);
        for (const MsgRecord &b : boxes) {
            QCOMPARE(b.title, language ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
            QCOMPARE(b.icon, MsgIcon::Exclamation);
            QCOMPARE(b.buttons, MsgButtons::OkOnly);
        }
        QVERIFY(Windows::isLoaded(windowName(role)));
        QCOMPARE(text->text(), QStringLiteral("x$y.txt"));
        QVERIFY(FilePath.isEmpty());
        QCOMPARE(flags(), (Flags{0, 0, 0, 0}));
    }

    void cancelChangesNothing()
    {
        FilePath = "/kept/path.adj";
        AdjustFileRequestSave = -1;
        FileDialog *d = open(FileDialogRole::OpenAdjust);
        QVERIFY(pick(d, "e.adj"));
        QVERIFY(clickWhereSeen(control<QPushButton>(d, "Command_close")));
        QVERIFY(!Windows::isLoaded("Form_open_adj"));
        QCOMPARE(FilePath, QStringLiteral("/kept/path.adj"));
        QCOMPARE(flags(), (Flags{0, -1, 0, 0}));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    // Return confirms and Escape cancels, pressed on the shown dialog with
    // the focus where a person put it: a click into the name box or on a
    // listed file, or Tab from the name box to a button or the drive list.
    void keysConfirmAndCancel_data()
    {
        QTest::addColumn<QString>("clicked");  // Text1, or File1 (a click on e.adj)
        QTest::addColumn<int>("tabs");         // then this many Tab keys
        QTest::addColumn<QString>("focus");    // where the focus stands
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("confirmed");   // OK's action, else Cancel's
        QTest::newRow("name box, Return") << "Text1" << 0 << "Text1" << int(Qt::Key_Return) << true;
        QTest::newRow("name box, keypad Enter") << "Text1" << 0 << "Text1" << int(Qt::Key_Enter) << true;
        QTest::newRow("name box, Escape") << "Text1" << 0 << "Text1" << int(Qt::Key_Escape) << false;
        QTest::newRow("file list, Return") << "File1" << 0 << "File1" << int(Qt::Key_Return) << true;
        QTest::newRow("file list, Escape") << "File1" << 0 << "File1" << int(Qt::Key_Escape) << false;
        QTest::newRow("OK button, Return") << "Text1" << 1 << "Command_enter" << int(Qt::Key_Return) << true;
        QTest::newRow("Cancel button, Return") << "Text1" << 2 << "Command_close" << int(Qt::Key_Return) << false;
        QTest::newRow("OK button, Escape") << "Text1" << 1 << "Command_enter" << int(Qt::Key_Escape) << false;
        QTest::newRow("drive list, Return") << "Text1" << 3 << "Drive1" << int(Qt::Key_Return) << true;
        QTest::newRow("drive list, Escape") << "Text1" << 3 << "Drive1" << int(Qt::Key_Escape) << false;
    }
    void keysConfirmAndCancel()
    {
        QFETCH(QString, clicked);
        QFETCH(int, tabs);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, confirmed);
        FilePath = "/kept/path.adj";
        FileDialog *d = open(FileDialogRole::OpenAdjust);
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto *text = control<QLineEdit>(d, "Text1");
        if (clicked == "File1") {
            QVERIFY(pick(d, "e.adj"));
        } else {
            QVERIFY(clickWhereSeen(text));
            text->selectAll();
            QTest::keyClicks(text, "e.adj");
        }
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(text->text(), QStringLiteral("e.adj"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!Windows::isLoaded("Form_open_adj"));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        if (confirmed) {
            QCOMPARE(FilePath, m_start + "/e.adj");
            QCOMPARE(flags(), (Flags{-1, 0, 0, 0}));
        } else {
            QCOMPARE(FilePath, QStringLiteral("/kept/path.adj"));
            QCOMPARE(flags(), (Flags{0, 0, 0, 0}));
        }
    }

    // In the dialog inside the main window: Return on a refused name gives
    // OK's box and keeps the dialog; Return in the folder list opens the
    // folder and confirms nothing; Escape closes it.
    void keysInTheDialogInsideTheMainWindow()
    {
        FileDialog *d = open(FileDialogRole::OpenImage);
        QVERIFY(m_stage->waitActive());
        auto *text = control<QLineEdit>(d, "Text1");
        QVERIFY(clickWhereSeen(text));
        QTRY_VERIFY(text->hasFocus());
        QTest::keyClick(text, Qt::Key_Return);  // the pattern text "*.dat"
        QCOMPARE(boxTexts(), QStringList{"Open the file name is nullity "});
        QVERIFY(Windows::isLoaded("Form_open_chann"));

        MsgBoxRecorder::clear();
        auto *folders = control<FolderList>(d, "Dir1");
        const auto subs = folders->findItems("sub", Qt::MatchEndsWith);
        QCOMPARE(subs.size(), 1);
        QVERIFY(clickItem(folders, subs.first()->text()));
        QTRY_VERIFY(folders->hasFocus());
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(d->folderShown(), m_start + "/sub");
        QVERIFY(Windows::isLoaded("Form_open_chann"));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());

        QTest::keyClick(folders, Qt::Key_Escape);
        QVERIFY(!Windows::isLoaded("Form_open_chann"));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
    }

    void failedImageLoadKeepsDialogOpen()
    {
        touch(m_start + "/broken.dat", " 0  0  0  1  2 \r\n");
        MemoryImage[3][3] = 33;
        FileDialog *d = open(FileDialogRole::OpenImage);
        control<QLineEdit>(d, "Text1")->setText("broken.dat");
        QVERIFY(clickOk(d));
        QVERIFY(Windows::isLoaded("Form_open_chann"));
        QCOMPARE(MemoryImage[3][3], qint16(33));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(MsgBoxRecorder::boxes().first().text.startsWith("Loading the parameter"));
        QFile::remove(m_start + "/broken.dat");
    }

    void rootFolderPath()
    {
        FileDialog *d = open(FileDialogRole::SaveSignal);
        QVERIFY(d->showFolder("/"));
        QCOMPARE(d->folderShown(), QStringLiteral("/"));
        control<QLineEdit>(d, "Text1")->setText("x.sig");
        QVERIFY(clickOk(d));
        QCOMPARE(FilePath, QStringLiteral("//x.sig"));
        QCOMPARE(FileRequestSave, qint16(-1));
    }

    void browsing()
    {
        FileDialog *d = open(FileDialogRole::OpenImage);
        auto *folders = control<FolderList>(d, "Dir1");
        auto *files = control<FileList>(d, "File1");

        // Opening a subfolder from the folder list with a double click; the
        // file list follows.
        const auto subs = folders->findItems("sub", Qt::MatchEndsWith);
        QCOMPARE(subs.size(), 1);
        QVERIFY(clickItem(folders, subs.first()->text(), true));
        QCOMPARE(d->folderShown(), m_start + "/sub");
        QVERIFY(files->names().isEmpty());
        // Back up through the chain of parents.
        const auto up = folders->findItems("start", Qt::MatchEndsWith);
        QCOMPARE(up.size(), 1);
        QVERIFY(clickItem(folders, up.first()->text(), true));
        QCOMPARE(d->folderShown(), m_start);
        QCOMPARE(files->names().size(), 3);

        // Moving through the files with the keys picks them; a refill does not.
        auto *text = control<QLineEdit>(d, "Text1");
        files->setCurrentRow(1);
        QCOMPARE(text->text(), QStringLiteral("B.DAT"));
        QVERIFY(d->showFolder(m_other));
        QCOMPARE(text->text(), QStringLiteral("B.DAT"));
        QVERIFY(d->showFolder(m_start));

        // A folder that cannot be read leaves everything where it was.
        for (const QString &bad : {m_root.path() + "/missing", m_start + "/a.dat"}) {
            MsgBoxRecorder::clear();
            QVERIFY(!d->showFolder(bad));
            QCOMPARE(d->folderShown(), m_start);
            QCOMPARE(files->names().size(), 3);
            QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
            QVERIFY(MsgBoxRecorder::boxes().first().text.contains(bad));
        }

        // So does a drive that cannot be read; the drive list goes back.
        auto *drives = control<DriveList>(d, "Drive1");
        const QString drive = drives->drive();
        MsgBoxRecorder::clear();
        QVERIFY(!d->chooseDrive(m_root.path() + "/missing"));
        QCOMPARE(drives->drive(), drive);
        QCOMPARE(d->folderShown(), m_start);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);

        // A readable drive shows its root.
        QVERIFY(d->chooseDrive("/"));
        QCOMPARE(d->folderShown(), QStringLiteral("/"));
        QCOMPARE(drives->drive(), QStringLiteral("/"));
    }

    // The drive list acts on a change of drive, the way the user makes it.
    void driveChosenInTheList()
    {
        FileDialog *d = open(FileDialogRole::OpenImage);
        auto *drives = control<DriveList>(d, "Drive1");
        QVERIFY(d->showFolder(m_start + "/sub"));
        const QString drive = drives->drive();

        // Choosing the drive already shown is no change: the folder stays.
        emit drives->activated(drives->currentIndex());
        QCOMPARE(d->folderShown(), m_start + "/sub");
        QCOMPARE(drives->drive(), drive);
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());

        // Another drive is acted on at once; one that cannot be read gives its
        // box and the list goes back.
        const QString missing = m_root.path() + "/missing";
        drives->addItem(missing, missing);
        drives->setCurrentIndex(drives->findData(missing));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QVERIFY(MsgBoxRecorder::boxes().first().text.contains(missing));
        QCOMPARE(drives->drive(), drive);
        QCOMPARE(d->folderShown(), m_start + "/sub");
    }

    void loadingAgainStartsAfresh()
    {
        FileDialog *d = open(FileDialogRole::OpenImage);
        QVERIFY(d->showFolder(m_other));
        control<QLineEdit>(d, "Text1")->setText("kept.dat");

        // Loading an open window changes nothing.
        QCOMPARE(open(FileDialogRole::OpenImage), d);
        QCOMPARE(d->folderShown(), m_other);
        QCOMPARE(control<QLineEdit>(d, "Text1")->text(), QStringLiteral("kept.dat"));

        // Unloading and loading it again starts from the current folder.
        LanguageFlag = -1;
        Windows::reload("Form_open_chann");
        FileDialog *fresh = Windows::get<FileDialog>("Form_open_chann");
        QVERIFY(fresh);
        QCOMPARE(fresh->folderShown(), m_start);
        QCOMPARE(control<QLineEdit>(fresh, "Text1")->text(), QStringLiteral("*.dat"));
        QCOMPARE(fresh->windowTitle(), QStringLiteral("打开文件"));
    }

    // A request raised with the alignment editor closed waits for its poll;
    // an image load or save drops a waiting one of its own kind.
    void requestFlagsWait()
    {
        FileDialog *d = open(FileDialogRole::SaveAdjust);
        QVERIFY(pick(d, "e.adj"));
        QVERIFY(clickOk(d));
        QCOMPARE(AdjustFileRequestSave, qint16(-1));
        FileDialog *o = open(FileDialogRole::OpenAdjust);
        QVERIFY(pick(o, "e.adj"));
        QVERIFY(clickOk(o));
        QCOMPARE(flags(), (Flags{-1, -1, 0, 0}));

        FileDialog *s = open(FileDialogRole::SaveImage);
        QVERIFY(s->showFolder(m_other));
        control<QLineEdit>(s, "Text1")->setText("drop.dat");
        QVERIFY(clickOk(s));
        QCOMPARE(flags(), (Flags{-1, 0, 0, 0}));
        QCOMPARE(FilePath, m_other + "/drop.dat");
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
