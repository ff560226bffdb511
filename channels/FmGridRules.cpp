#include "channels/FmGridRules.h"

#include "channels/FmCellCommit.h"
#include "channels/FmRecord.h"
#include "channels/FmTexts.h"
#include "platform/TextBox.h"

CellEditorChoice FmGridRules::editorFor(int row, int col)
{
    CellEditorChoice choice;
    if (FmCellHasEditor(row, col))
        choice.kind = CellEditorChoice::Text;
    return choice;
}

void FmGridRules::commit(GridCellEditor &, int row, int col, const QString &text)
{
    CommitFmCell(*m_grid, row, col, text);
}

int FmGridRules::keyFilter(int, int col, int key)
{
    if (col != FmGrid::ColName || key == TextBox::KeyEnter || key == TextBox::KeyBackspace
        || FmNameCharacter(QChar(char16_t(key))))
        return key;
    return TextBox::refuse(FmTexts::NameCharacters);
}
