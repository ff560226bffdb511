#pragma once
// The ".dat" image file: the whole MemoryImage as 1025 text lines, one per
// row, each of 19 numbers in the number-file form (row / 16, row % 16, row,
// then the row's cells 0 to 15). The load and save below are pure and keep
// the image untouched on any fault; WriteImageFile and ReadImageFile are the
// image dialogs' OK actions with their boxes and shared state.
#include "memory/MemoryImage.h"
#include "platform/NumberFileStore.h"

#include <QByteArray>
#include <QString>

using ImageGrid = CellGrid<ImageRows, ImageCols>;

// Numbers a complete image file holds: 1025 rows of 19.
inline constexpr int ImageFileNumbers = ImageRows * 19;

// The image file's faults and outcome are those of every number file.
using ImageFileFault = NumberFileFault;
using ImageFileStatus = NumberFileStatus;

// The exact bytes of the file for an image.
QByteArray ImageFileBytes(const ImageGrid &image);

// Reads a file's contents into rows 0-1024, columns 0-15 of image, but only
// when all of it is sound; on a fault image is left exactly as it was. After
// the last row's numbers only blanks and line breaks may follow: anything
// else means a damaged or foreign file.
ImageFileStatus ParseImageFile(const QByteArray &contents, ImageGrid &image);
ImageFileStatus LoadImageFile(const QString &path, ImageGrid &image);

// Writes the image to path through a temporary file beside it that replaces
// the target only once everything was written; a failed save leaves an
// existing file as it was and names the system's reason.
ImageFileStatus SaveImageFile(const QString &path, const ImageGrid &image);

// What went wrong, in the current language, for the failure box; the reason
// a file could not be opened or written in the current language too when it
// is one of the common ones (FileFailureReason).
QString ImageFileFaultText(const ImageFileStatus &status);

// The save dialog's OK action: FilePath := folder "/" name, drops a waiting
// alignment save request, saves MemoryImage and reports the outcome in a box.
// True when the file was saved.
bool WriteImageFile(const QString &folder, const QString &name);

// The open dialog's OK action: refuses with the busy box while an exchange
// with the radio runs; otherwise FilePath := folder "/" name, drops a waiting
// alignment load request, replaces MemoryImage from the file when the whole
// file is sound and reports the outcome in a box. True when the image was
// replaced.
bool ReadImageFile(const QString &folder, const QString &name);
