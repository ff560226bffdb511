#include "signalling/FiveToneGridRules.h"

#include "memory/CharacterCodec.h"
#include "memory/ListByte.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneDecodeList.h"
#include "signalling/FiveToneTexts.h"

using namespace FiveToneArea;

namespace {
CellEditorChoice listOf(const QStringList &items)
{
    CellEditorChoice choice;
    choice.kind = CellEditorChoice::List;
    choice.items = items;
    return choice;
}

CellEditorChoice textEditor()
{
    CellEditorChoice choice;
    choice.kind = CellEditorChoice::Text;
    return choice;
}

bool isBlank(const QString &text) { return TrimSpaces(text).isEmpty(); }

// A code of the wrong length: the warning, and the cell is not left; the
// editor keeps the typed text for the user to complete or empty.
void refuseCodeLength(GridCellEditor &editor)
{
    MsgBox(FiveToneTexts::EncodeDigits, MsgIcon::Exclamation, FiveToneTexts::CodeTitle);
    editor.stayOnCell();
}

// Return in a typed code takes it at once, or warns and stays; in a list it
// only hides the list, which commits when its cell is left.
void enterCode(GridCellEditor &editor, bool changed)
{
    if (editor.openKind() != CellEditorChoice::Text || !changed) {
        editor.hideEditor();
        return;
    }
    // A code of the wrong length stays open on its cell, with the focus,
    // for the user to complete.
    (void)editor.commitOpenEdit();
}

QStringList callFunctions()
{
    QStringList list;
    for (const BiText &f : FiveToneTexts::CallFunctions)
        list << f.text();
    return list;
}
} // namespace

void ClearGridRow(FlexGrid &grid, int r, int last)
{
    for (int c = 1; c <= last; ++c)
        grid.setTextMatrix(r, c, QString());
}

// ---------------------------------------------------------------- standards

CellEditorChoice FiveToneStandardRules::editorFor(int row, int col)
{
    if (row < 1 || row > 15 || col < 1 || col > 3)
        return {};
    return listOf(col == 1 ? FiveTonePeriodList() : FiveToneDigitList());
}

void FiveToneStandardRules::pick(GridCellEditor &, int row, int col, int index)
{
    if (row >= 1 && row <= 15 && col >= 1 && col <= 3 && index >= 0)
        MemoryImage[standardRow(row - 1)][col - 1] = qint16(index);
}

void FiveToneStandardRules::commit(GridCellEditor &, int row, int col, const QString &text)
{
    m_grid->setTextMatrix(row, col, text);
}

// ---------------------------------------------------------------- encode list

CellEditorChoice FiveToneEncodeRules::editorFor(int row, int col)
{
    if (row < 1 || row > EncodeCount || col < 1 || col > 4)
        return {};
    if (col > 1 && m_grid->textMatrix(row, 1).isEmpty())
        return {};  // a code without a first frame opens nothing else
    if (col != 4)
        return textEditor();
    CellEditorChoice choice = listOf(FiveToneStandardList());
    // A standard beyond the list opens on the last one, "MODAT", picked as
    // the list opens and so stored.
    const int standard = MemoryImage[encodeRow(row)][EncodeStandardByte];
    if (const int shown = ListIndexOfByte(standard, int(choice.items.size())); shown != standard)
        choice.select = shown;
    return choice;
}

void FiveToneEncodeRules::pick(GridCellEditor &, int row, int col, int index)
{
    if (col == 4 && row >= 1 && row <= EncodeCount && index >= 0)
        MemoryImage[encodeRow(row)][EncodeStandardByte] = qint16(index);
}

void FiveToneEncodeRules::commit(GridCellEditor &editor, int row, int col, const QString &text)
{
    if (col == 4) {
        m_grid->setTextMatrix(row, col, text);
    } else {
        const int n = int(TrimSpaces(text).size());
        if (n != 5 && n != 0) {
            refuseCodeLength(editor);
            return;  // the cell and the frame stay as they were
        }
        StoreFiveToneFrame(row, col, text);
        m_grid->setTextMatrix(row, col, FiveToneFrameText(row, col));
    }
    if (isBlank(m_grid->textMatrix(row, 1)))
        ClearGridRow(*m_grid, row, 4);
}

void FiveToneEncodeRules::enter(GridCellEditor &editor, int, int, bool changed)
{
    enterCode(editor, changed);
}

int FiveToneEncodeRules::keyFilter(int, int col, int key)
{
    if (col < 1 || col > 3)
        return key;
    return FiveToneFrameKey(key, m_text->text());
}

// ---------------------------------------------------------------- decode list

CellEditorChoice FiveToneDecodeRules::editorFor(int row, int col)
{
    if (row < 1 || row > 15 || col < 1 || col > 8)
        return {};
    if (col > 1 && m_grid->textMatrix(row, FiveToneDecodeColumn::Standard).isEmpty())
        return {};  // a code opens its frames, functions and reply once it has a standard
    if (col == FiveToneDecodeColumn::Standard)
        return listOf(FiveToneStandardList());
    if (FiveToneDecodeColumn::isFunction(col))
        return listOf(callFunctions());
    return textEditor();
}

void FiveToneDecodeRules::commit(GridCellEditor &editor, int row, int col, const QString &text)
{
    if (FiveToneDecodeColumn::isList(col)) {
        m_grid->setTextMatrix(row, col, text);
        if (FiveToneDecodeColumn::isFunction(col) && m_grid->textMatrix(row, col - 1).isEmpty())
            m_grid->setTextMatrix(row, col, QString());
    } else {
        const int n = int(TrimSpaces(text).size());
        if (n == 5) {
            m_grid->setTextMatrix(row, col, text);
        } else if (n != 0) {
            refuseCodeLength(editor);
            return;
        }
    }
    if (isBlank(m_grid->textMatrix(row, FiveToneDecodeColumn::Standard)))
        ClearGridRow(*m_grid, row, 8);
}

void FiveToneDecodeRules::enter(GridCellEditor &editor, int, int, bool changed)
{
    enterCode(editor, changed);
}
