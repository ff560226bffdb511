#pragma once
// The program's own file dialog: a drive list, a folder list, a file list and
// a name box with OK and Cancel. One shape serves eight windows; its role
// decides the file kind, the texts and what OK does with an accepted name.
// Return confirms (as OK) and Escape cancels (as Cancel) wherever the focus
// stands in it; in the folder list Return opens the folder.
#include "platform/Windows.h"
#include "shell/FileDialogRoles.h"

class DriveList;
class FolderList;
class FileList;
class QLabel;
class QLineEdit;
class QPushButton;

class FileDialog : public Form
{
    Q_OBJECT
public:
    explicit FileDialog(FileDialogRole role, QWidget *parent = nullptr);

    FileDialogRole role() const { return m_role; }
    // The folder the folder list shows.
    QString folderShown() const;
    // Moves the folder list (and with it the file list) to folder; leaves
    // both where they were and shows a box when it cannot be read.
    bool showFolder(const QString &folder);
    // Moves to the root of a drive, as choosing it in the drive list does.
    bool chooseDrive(const QString &root);

    void formLoad() override;

    // The handlers of the buttons and the file list.
    void Command_enter_Click();
    void Command_close_Click();
    void File1_Click(const QString &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool Drive1_Change();
    void Dir1_Change();
    void okAction(const QString &name);

    FileDialogRole m_role;
    QString m_driveShown;
    QLabel *m_driveLabel;
    DriveList *m_drive;
    FolderList *m_folders;
    FileList *m_files;
    QLabel *m_nameLabel;
    QLineEdit *m_name;
    QPushButton *m_enter;
    QPushButton *m_close;
};

// A new dialog window of the given role, for the window table.
QWidget *NewFileDialog(FileDialogRole role);
