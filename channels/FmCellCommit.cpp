#include "channels/FmCellCommit.h"

#include "channels/FmCellRules.h"
#include "channels/FmRecord.h"
#include "channels/FmRows.h"
#include "channels/FmTexts.h"
#include "memory/CharacterCodec.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"

using namespace FmGrid;

namespace {
void warn(const BiText &text, const BiText &title)
{
    MsgBox(text, MsgIcon::Exclamation, title);
}

bool commitFrequency(FlexGrid &grid, int row, const QString &typed)
{
    const FmFrequencyCommit c = FmFrequencyCommitOf(typed);
    if (c.outcome == FmFrequencyCommit::Emptied) {
        StoreEmptyFmRecord(row - 1);
        ShowFmChannel(grid, row);
        return true;
    }
    if (c.outcome == FmFrequencyCommit::OutOfRange)
        warn(FmTexts::OutOfRange, FmTexts::OutOfRangeTitle);
    // The name cell shows what the record held; should it hold anything the
    // record cannot take, the frequency is still stored, without a name.
    const QString name = TrimSpaces(grid.textMatrix(row, ColName));
    // A name that used all eight bytes keeps six once its row is stored:
    // the user is told why it is shorter.
    if (name.size() > NameLength)
        warn(FmTexts::NameTooLong, FmTexts::NameTitle);
    if (!PackFmRecord(row - 1, c.mhz, name) && !PackFmRecord(row - 1, c.mhz, QString()))
        return false;
    ShowFmChannel(grid, row);
    return true;
}

bool commitName(FlexGrid &grid, int row, const QString &typed)
{
    const bool hasFrequency = !TrimSpaces(grid.textMatrix(row, ColFrequency)).isEmpty();
    const FmNameCommit c = FmNameCommitOf(typed, hasFrequency);
    if (c.refused) {
        warn(FmTexts::NameCharacters, FmTexts::NameTitle);
        return false;
    }
    if (c.tooLong)
        warn(FmTexts::NameTooLong, FmTexts::NameTitle);
    if (!hasFrequency) {
        grid.setTextMatrix(row, ColName, QString());
        return false;
    }
    grid.setTextMatrix(row, ColName, c.name);
    if (!PackFmChannel(grid, row))
        return false;
    ShowFmChannel(grid, row);
    return true;
}
}

bool FmCellHasEditor(int row, int col)
{
    return row >= 1 && row <= FmChannelCount && (col == ColFrequency || col == ColName);
}

bool CommitFmCell(FlexGrid &grid, int row, int col, const QString &typed)
{
    if (!FmCellHasEditor(row, col))
        return false;
    return col == ColFrequency ? commitFrequency(grid, row, typed) : commitName(grid, row, typed);
}
