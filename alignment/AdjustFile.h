#pragma once
// The ".adj" alignment file: the 512 cells of the alignment block as 32 text
// lines of 16 numbers in the number-file form (print form, one blank after
// each, CR LF after each line). A load checks the whole file before it
// touches the block: 512 whole numbers from 0 to 255, in any arrangement of
// lines, blanks and commas, anything after the 512th ignored. A save goes
// through a temporary file that replaces the target only when complete.
#include "alignment/AdjustLayout.h"
#include "platform/Language.h"
#include "platform/NumberFileStore.h"

#include <QByteArray>
#include <QString>

inline constexpr int AdjustFileNumbers = AdjustBlockRows * 16;

// The alignment file's faults and outcome are those of every number file.
using AdjustFileFault = NumberFileFault;
using AdjustFileStatus = NumberFileStatus;

// The exact bytes of the file for a block.
QByteArray AdjustFileBytes(const AdjustGrid &grid);

// Rows 0-31, columns 0-15 of grid from the file's contents, only when all of
// it is sound; on a fault grid is left exactly as it was.
AdjustFileStatus ParseAdjustFile(const QByteArray &contents, AdjustGrid &grid);
AdjustFileStatus ReadAdjustFile(const QString &path, AdjustGrid &grid);
AdjustFileStatus WriteAdjustFile(const QString &path, const AdjustGrid &grid);

// The boxes after a load and a save, and what went wrong, in the current
// language (title PromptTitleCap, exclamation icon).
inline constexpr BiText AdjustLoadedText{"Succeed fold the optional parameters from file.",
                                         "调整参数从文件调入成功 ！"};
inline constexpr BiText AdjustSavedText{"Complete storing optional parameters.", "调整参数保存完毕 ！"};
QString AdjustFileFailureText(const AdjustFileStatus &status, bool load);
