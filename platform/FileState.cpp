#include "platform/FileState.h"

QString FilePath;
qint16 AdjustFileRequestOpen = 0;
qint16 AdjustFileRequestSave = 0;
qint16 FileRequestOpen = 0;
qint16 FileRequestSave = 0;

QString JoinFilePath(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

void resetFileState()
{
    FilePath.clear();
    AdjustFileRequestOpen = 0;
    AdjustFileRequestSave = 0;
    FileRequestOpen = 0;
    FileRequestSave = 0;
}
