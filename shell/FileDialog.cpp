#include "shell/FileDialog.h"

#include "link/EditorWindow.h"
#include "platform/MessageBox.h"
#include "shell/FileDialogLists.h"
#include "shell/FileDialogName.h"
#include "platform/FileState.h"
#include "shell/ImageFile.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr BiText FolderUnreadable{"The folder %1 cannot be read.", "无法读取文件夹 %1 ！"};
constexpr BiText DriveUnreadable{"The drive %1 cannot be read.", "无法读取驱动器 %1 ！"};
}

FileDialog::FileDialog(FileDialogRole role, QWidget *parent) : Form(parent), m_role(role)
{
    m_driveLabel = new QLabel(this);
    m_driveLabel->setObjectName("Label_drive");
    m_drive = new DriveList(this);
    m_drive->setObjectName("Drive1");
    m_driveLabel->setBuddy(m_drive);
    m_folders = new FolderList(this);
    m_folders->setObjectName("Dir1");
    m_files = new FileList(this);
    m_files->setObjectName("File1");
    m_files->setPattern(fileDialogPattern(role));
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName("Label_name");
    m_name = new QLineEdit(this);
    m_name->setObjectName("Text1");
    m_nameLabel->setBuddy(m_name);
    m_enter = new QPushButton(this);
    m_enter->setObjectName("Command_enter");
    m_enter->setDefault(true);
    m_close = new QPushButton(this);
    m_close->setObjectName("Command_close");

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_driveLabel, 0, 0);
    grid->addWidget(m_drive, 0, 1);
    grid->addWidget(m_folders, 1, 0, 1, 2);
    grid->addWidget(m_files, 1, 2);
    grid->addWidget(m_nameLabel, 2, 0);
    grid->addWidget(m_name, 2, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_enter);
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 3, 0, 1, 3);
    resize(480, 320);

    // A change of drive, like the list's own change event: choosing the drive
    // already shown again leaves the folder where it is.
    connect(m_drive, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(m_folders, &FolderList::folderRequested, this, &FileDialog::showFolder);
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { File1_Click(item->text()); });
    connect(m_files, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)  // moving through the list with the keys
            File1_Click(item->text());
    });
    connect(m_enter, &QPushButton::clicked, this, [this] { Command_enter_Click(); });
    connect(m_close, &QPushButton::clicked, this, [this] { Command_close_Click(); });
}

void FileDialog::formLoad()
{
    const FileDialogSetup &setup = fileDialogSetup(m_role);
    setWindowTitle(setup.caption);
    m_driveLabel->setText(DriveLabelText);
    m_nameLabel->setText(setup.nameLabel);
    m_enter->setText(ConfirmText);
    m_close->setText(CancelText);

    // Every load starts afresh in the current folder.
    QString start = QDir::currentPath();
    if (!m_folders->setPath(start)) {
        start = QDir::rootPath();
        m_folders->setPath(start);
    }
    m_drive->fill(m_folders->path());
    m_driveShown = m_drive->drive();
    Dir1_Change();
    m_name->setText(fileDialogPattern(m_role));
}

QString FileDialog::folderShown() const
{
    return m_folders->path();
}

bool FileDialog::showFolder(const QString &folder)
{
    if (!m_folders->setPath(folder)) {
        MsgBox(FolderUnreadable.text().arg(folder), MsgIcon::Exclamation, PromptTitle);
        return false;
    }
    Dir1_Change();
    return true;
}

bool FileDialog::chooseDrive(const QString &root)
{
    m_drive->select(root);
    return Drive1_Change();
}

bool FileDialog::Drive1_Change()
{
    // The drive list has already moved to the chosen drive; it goes back to
    // the one before when the chosen one cannot be read.
    const QString chosen = m_drive->drive();
    if (!m_folders->setPath(chosen)) {
        m_drive->select(m_driveShown);
        MsgBox(DriveUnreadable.text().arg(chosen), MsgIcon::Exclamation, PromptTitle);
        return false;
    }
    m_driveShown = chosen;
    Dir1_Change();
    return true;
}

void FileDialog::Dir1_Change()
{
    m_files->setPath(m_folders->path());
}

void FileDialog::File1_Click(const QString &name)
{
    m_name->setText(name);
}

// A key the control with the focus left to the dialog: Return and Enter
// press the focused button or else OK, Escape presses Cancel. The folder list
// keeps Return for opening its folder; the OK button and the lists' popups
// take their keys themselves.
void FileDialog::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!m_folders->hasFocus()) {
                event->accept();
                if (m_close->hasFocus())
                    Command_close_Click();
                else
                    Command_enter_Click();
                return;
            }
            break;
        case Qt::Key_Escape:
            event->accept();
            Command_close_Click();
            return;
        default:
            break;
        }
    }
    Form::keyPressEvent(event);
}

void FileDialog::Command_close_Click()
{
    Windows::unload(fileDialogSetup(m_role).windowName);
}

void FileDialog::Command_enter_Click()
{
    const FileDialogSetup &setup = fileDialogSetup(m_role);
    const std::optional<QString> name = CheckDialogFileName(
        m_name->text(), QLatin1String(setup.suffix), setup.badName, setup.badSuffix);
    if (name)
        okAction(*name);
}

void FileDialog::okAction(const QString &name)
{
    const QString folder = folderShown();
    switch (m_role) {
    case FileDialogRole::OpenImage:
        // A load or save that failed keeps the dialog open for another try.
        if (!ReadImageFile(folder, name))
            return;
        // The image was replaced: edits still open belong to the old one.
        EditorWindow::discardAllOpenEdits();
        break;
    case FileDialogRole::SaveImage:
        // What the editors show is what is saved; an edit kept open (with
        // its warning) keeps the dialog open until the user finished it.
        if (!EditorWindow::commitAllOpenEdits() || !WriteImageFile(folder, name))
            return;
        break;
    case FileDialogRole::OpenAdjust:
        FilePath = JoinFilePath(folder, name);
        AdjustFileRequestOpen = -1;
        break;
    case FileDialogRole::SaveAdjust:
        FilePath = JoinFilePath(folder, name);
        AdjustFileRequestSave = -1;
        break;
    case FileDialogRole::OpenMenu:
    case FileDialogRole::OpenSignal:
        FilePath = JoinFilePath(folder, name);
        FileRequestOpen = -1;
        break;
    case FileDialogRole::SaveMenu:
    case FileDialogRole::SaveSignal:
        FilePath = JoinFilePath(folder, name);
        FileRequestSave = -1;
        break;
    }
    Windows::unload(fileDialogSetup(m_role).windowName);
}

QWidget *NewFileDialog(FileDialogRole role)
{
    return new FileDialog(role);
}
