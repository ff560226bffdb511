#include "shell/FileDialogLists.h"

#include <QDir>
#include <QStorageInfo>

#include <dirent.h>

DriveList::DriveList(QWidget *parent) : QComboBox(parent) {}

void DriveList::fill(const QString &folder)
{
    const QSignalBlocker block(this);
    clear();
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    roots.sort();
    for (const QString &root : roots)
        addItem(root, root);
    select(QStorageInfo(folder).rootPath());
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::select(const QString &root)
{
    if (root.isEmpty())
        return;
    const QSignalBlocker block(this);
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        emit folderRequested(item->data(Qt::UserRole).toString());
    });
}

bool FolderList::readable(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    // QDir cannot tell an empty folder from one it may not list; ask directly.
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

bool FolderList::setPath(const QString &folder)
{
    if (!readable(folder))
        return false;
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    m_path = path;
    clear();

    // The folders from the root down to the one shown, then its subfolders.
    QStringList chain;
    for (QDir d(path);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &step : chain) {
        const QString label = QDir(step).isRoot() ? step : QDir(step).dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + label, this);
        item->setData(Qt::UserRole, step);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList subfolders =
        QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : subfolders) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub, this);
        item->setData(Qt::UserRole, QDir(path).filePath(sub));
    }
    return true;
}

FileList::FileList(QWidget *parent) : QListWidget(parent) {}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    const QSignalBlocker block(this);  // a refill is no choice of the user's
    clear();
    QDir dir(folder);
    dir.setNameFilters({m_pattern});
    dir.setFilter(QDir::Files);  // the name filter ignores case by default
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    addItems(dir.entryList());
}

QStringList FileList::names() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << item(i)->text();
    return list;
}
