#include "channels/ChannelGridEditor.h"

#include "channels/ChannelFrequencyText.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "platform/FlexGrid.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

using namespace ChannelGrid;

ChannelGridEditor::ChannelGridEditor(FlexGrid *grid, TextBox *textEdit, PickList *comboEdit,
                                     QObject *parent)
    : QObject(parent), m_grid(grid), m_text(textEdit), m_list(comboEdit)
{
    m_list->setKeyFilter(&ChannelGridEditor::ToneKeyFilter);
    connect(m_grid, &FlexGrid::gridClick, this, &ChannelGridEditor::MSF_Chann_Click);
    connect(m_grid, &FlexGrid::scrolled, this, &ChannelGridEditor::MSF_Chann_Scroll);
    connect(m_grid, &FlexGrid::leaveCell, this, &ChannelGridEditor::MSF_Chann_LeaveCell);
    connect(m_list, &PickList::picked, this, &ChannelGridEditor::Combo_edit_Click);
    connect(m_list, &PickList::gotFocus, this, &ChannelGridEditor::Combo_edit_GotFocus);
    connect(m_list, &PickList::enterPressed, this, &ChannelGridEditor::Combo_edit_Enter);
    connect(m_text, &TextBox::enterPressed, this, &ChannelGridEditor::Text_Edit_Enter);
}

QString ChannelGridEditor::cell(int r, int c) const { return m_grid->textMatrix(r, c); }
void ChannelGridEditor::setCell(int r, int c, const QString &text) { m_grid->setTextMatrix(r, c, text); }

int ChannelGridEditor::ToneKeyFilter(int key)
{
    if ((key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I'
        || key == TextBox::KeyEnter)
        return key;
    if (key == 'd' || key == 'n' || key == 'i')
        return key - 'a' + 'A';
    return 0;
}

void ChannelGridEditor::placeOver(QWidget *editor, bool withHeight)
{
    const QRect r = m_grid->cellRect();
    const QPoint at = m_grid->mapTo(editor->parentWidget(), r.topLeft());
    if (withHeight)
        editor->setGeometry(at.x(), at.y(), r.width(), r.height());
    else
        editor->setGeometry(at.x(), at.y(), r.width(), editor->sizeHint().height());
    // An in-cell editor has no caption label: a screen reader hears the
    // column's heading and the channel instead.
    editor->setAccessibleName(m_grid->textMatrix(0, EditCol) + QLatin1Char(' ')
                              + m_grid->textMatrix(EditRow, 0));
    editor->show();
    editor->raise();
}

void ChannelGridEditor::ShowCellEditor()
{
    const int r = m_grid->row();
    const int c = m_grid->col();
    EditRow = r;
    EditCol = c;
    SavedListText = cell(r, c);
    if (r < 1)
        return;
    if (c == ColBand) {
        m_text->hide();
        m_list->setTypingAllowed(false);
        m_list->clearList();
        m_list->addItem(BandItem);
        m_list->setText(cell(r, c));
        placeOver(m_list, false);
        m_list->setFocus(Qt::OtherFocusReason);
        m_open = OpenEditor::List;
        m_listRow = r;
        m_listCol = c;
        return;
    }
    if (c == ColRxFreq || c == ColTxFreq || c == ColName) {
        m_list->hide();
        m_text->setText(cell(r, c));
        placeOver(m_text, true);
        m_text->setFocus(Qt::OtherFocusReason);
        m_open = OpenEditor::Text;
        return;
    }
    if (c < ColRxTone || c > ColScrambler || IsBlankText(cell(r, ColBand))) {
        m_open = OpenEditor::None;
        return;
    }
    if (c == ColTxTone && IsBlankText(cell(r, ColRxFreq))) {
        m_text->hide();
        m_list->hide();
        m_open = OpenEditor::None;
        return;
    }
    const bool tone = c == ColRxTone || c == ColTxTone;
    m_text->hide();
    m_list->setTypingAllowed(tone);
    m_list->clearList();
    m_list->addItems(ChannelListItems(c));
    if (!tone)
        m_list->setText(cell(r, c));  // a tone list opens blank
    placeOver(m_list, false);
    m_list->setFocus(Qt::OtherFocusReason);
    m_open = OpenEditor::List;
    m_listRow = r;
    m_listCol = c;
}

void ChannelGridEditor::Combo_edit_Click(int index)
{
    ++m_busy;
    pick(index);
    --m_busy;
    emit imageWritten();
}

void ChannelGridEditor::pick(int index)
{
    SavedListText = m_list->text();
    // The cell the list was opened on, even when it is still shown after
    // the current cell has moved on.
    const int r = m_listRow;
    const int c = m_listCol;
    if (r < 1)
        return;
    if (c == ColBand) {
        if (cell(r, c).trimmed() != m_list->text().trimmed())
            ClearChannel(*m_grid, r);
        setCell(r, c, m_list->text());
        return;
    }
    if (c < ColRxTone || c > ColScrambler)
        return;
    StoreChannelListPick(ChannelRecordRow(r), c, index);
    if (c == ColRxTone)
        FillChannelRow(*m_grid, r);
}

void ChannelGridEditor::Combo_edit_GotFocus() { SavedListText = m_list->text(); }

void ChannelGridEditor::Combo_edit_Enter()
{
    if (m_open != OpenEditor::List || EditCol < ColRxTone || EditCol > ColScrambler)
        return;
    ++m_busy;
    m_grid->setCurrentCell(EditRow, EditCol + 1);
    ShowCellEditor();
    --m_busy;
}

void ChannelGridEditor::MSF_Chann_Click() { ShowCellEditor(); }

void ChannelGridEditor::MSF_Chann_Scroll()
{
    // The text box stays open on its cell; it only leaves the screen.
    m_text->hide();
}

void ChannelGridEditor::closeEditors()
{
    m_text->hide();
    m_list->hide();
    m_text->setText(QString());
    m_list->clearList();
    m_open = OpenEditor::None;
}
