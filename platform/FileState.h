#pragma once
// The file dialogs' shared state: the path last chosen in any file dialog and
// the request flags that hand a chosen path to the editors that poll them.
// Flags are 0 when idle and -1 when raised; the polling window lowers a flag
// before it acts on it.
#include <QString>
#include <QtGlobal>

// Folder shown in the dialog, "/", accepted name; empty at start.
extern QString FilePath;
// Polled by the alignment editor (".adj" load and save).
extern qint16 AdjustFileRequestOpen;
extern qint16 AdjustFileRequestSave;
// Polled by the 5-tone editor (".sig" and ".menu" load and save).
extern qint16 FileRequestOpen;
extern qint16 FileRequestSave;

// The path a dialog hands on: the folder, "/", the name. The "/" is always
// inserted, even after a folder that already ends in a separator.
QString JoinFilePath(const QString &folder, const QString &name);

// Back to program start: empty path, every flag 0. Tests call it.
void resetFileState();
