#pragma once
// The three browsing lists of the file dialog: the drives (on this platform
// the mounted file systems), the folder list (the folders from the root down
// to the folder shown, then its subfolders) and the file list (the files of
// one folder that match a pattern, whatever the case of their names).
#include <QComboBox>
#include <QListWidget>

class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);
    // Refills the list from the mounted file systems and selects the one
    // that holds folder.
    void fill(const QString &folder);
    // The root folder of the drive selected.
    QString drive() const;
    // Selects the drive with this root (added when it is not listed), without
    // any change signal.
    void select(const QString &root);
};

class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);
    // Shows folder; false, with nothing changed, when it cannot be read.
    bool setPath(const QString &folder);
    QString path() const { return m_path; }
    // True when folder exists and its entries can be listed.
    static bool readable(const QString &folder);

signals:
    // The user opened a folder of the list (double click or Enter).
    void folderRequested(const QString &folder);

private:
    QString m_path;
};

class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);
    void setPattern(const QString &pattern) { m_pattern = pattern; }
    // Lists the matching files of folder, sorted by name.
    void setPath(const QString &folder);
    QString path() const { return m_path; }
    QStringList names() const;

private:
    QString m_pattern;
    QString m_path;
};
