#include "signalling/TwoToneEditorWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "memory/TwoToneDefaults.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/WindowNames.h"
#include "signalling/TwoToneDecodeCells.h"
#include "signalling/TwoToneGridRules.h"
#include "signalling/TwoToneLayout.h"
#include "signalling/TwoToneTexts.h"
#include "signalling/TwoToneTones.h"

using namespace TwoToneLayout;

TwoToneEditorWindow::TwoToneEditorWindow(QWidget *parent) : EditorWindow(parent)
{
    QWidget *pages = controls.build(this);
    Command_def = addButton("Command_def");
    Command_save = addButton("Command_save");
    Command_open = addButton("Command_open");
    Command_close = addButton("Command_close");

    layOutWithButtonRow(pages, {Command_read, Command_Write, Command_def, Command_save, Command_open,
                                Command_close});
    Label_PassWord->hide();
    Text_PassWord->hide();

    setCaptions({
        {"", {"2 TONE", "2 TONE 编解码参数编辑"}},
        {"Frame_Encode", {"2 TONE Encode", "2 TONE 编码"}},
        {"Label_1st", {"1st Tone Duration(MS)", "发送第 1 个频率时间长度（MS）"}},
        {"Label_2nd", {"2nd Tone Duration(MS)", "发送第 2 个频率时间长度（MS）"}},
        {"Label_gap", {"Gap of Tone (MS)", "前后两个频率的间隔时长 （MS）"}},
        {"Frame_Decode", {"2 TONE Decode", "2 TONE 解码"}},
        {"Label_A_tone", {"A Tone( HZ )", "A 音（HZ）"}},
        {"Label_B_Tone", {"B Tone( HZ )", "B 音（HZ）"}},
        {"Label_C_Tone", {"C Tone( HZ )", "C 音（HZ）"}},
        {"Label_D_Tone", {"D Tone( HZ )", "D 音（HZ）"}},
        {"Label_Reset", {"Reset_Time (MS)", "复位时间（MS）"}},
        {"Frame_Dec_xx", {" 1 Decode 2 Tone Frequency", " 1 解码信息两音频率"}},
        {"Command_read", {"Read", "读 取"}},
        {"Command_Write", {"Write", "写  入"}},
        {"Command_def", {"Default", "默 认"}},
        {"Command_save", {"Save", "保  存"}},
        {"Command_open", {"Open", "打  开"}},
        {"Command_close", {"Close", "关  闭"}},
        {"Label_PassWord", {"PassWord", "读写密码"}},
    });

    bindLink(LinkProfile::twoTone());
    session()->settings().show = [this] { ShowTwoTone(); };
    watchRows(FirstRow, RowCount);

    m_encodeRules = std::make_unique<TwoToneEncodeRules>([this] { ShowTwoTone(); });
    m_encodeEditor = new GridCellEditor(controls.MSF_Encode, controls.Text_Encode,
                                        controls.Combo_Encode, m_encodeRules.get(), this);
    // The decode code is chosen before the list opens on the clicked cell.
    connect(controls.MSF_Decode, &FlexGrid::gridClick, this, &TwoToneEditorWindow::decodeCellClicked);
    // A cell left is shown again while its list is still open on it.
    connect(controls.MSF_Decode, &FlexGrid::leaveCell, this, &TwoToneEditorWindow::decodeCellLeft);
    m_decodeRules = std::make_unique<TwoToneDecodeRules>(controls.MSF_Decode,
                                                         [this] { return responses(); });
    m_decodeEditor = new GridCellEditor(controls.MSF_Decode, controls.Text_Decode,
                                        controls.Combo_Decode, m_decodeRules.get(), this);
    connect(controls.MSF_Decode, &FlexGrid::gridDblClick, this,
            &TwoToneEditorWindow::decodeCodeDoubleClicked);
    // A code's number cell becomes current (the cell left first), then the
    // click, or the double click, on it.
    connect(controls.MSF_Decode, &FlexGrid::fixedCellClicked, this, [this](int r) {
        controls.MSF_Decode->setCurrentCell(r, 0);
        decodeCellClicked();
    });
    connect(controls.MSF_Decode, &FlexGrid::fixedCellDoubleClicked, this, [this](int r) {
        controls.MSF_Decode->setCurrentCell(r, 0);
        decodeCellClicked();
        decodeCodeDoubleClicked();
    });
    for (GridCellEditor *e : {m_encodeEditor, m_decodeEditor})
        connect(e, &GridCellEditor::imageWritten, this, &TwoToneEditorWindow::rememberShown);

    for (int k = 0; k < 4; ++k) {
        TextBox *box = controls.toneBoxes[k];
        box->setKeyFilter([box](int key) { return TwoToneToneBoxKey(key, box->text()); });
        connect(box, &TextBox::lostFocus, this, [this, k] { toneBoxLeft(k); });
    }
    for (int k = 0; k < TwoToneTimingCount; ++k)
        connect(controls.timings[k], &PickList::picked, this, [this, k](int i) { timingPicked(k, i); });
    connect(controls.TabStrip1, &QTabBar::currentChanged, this, &TwoToneEditorWindow::TabStrip1_Click);
    connect(Command_def, &QPushButton::clicked, this, &TwoToneEditorWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &TwoToneEditorWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &TwoToneEditorWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &TwoToneEditorWindow::Command_close_Click);
}

TwoToneEditorWindow::~TwoToneEditorWindow() = default;

QStringList TwoToneEditorWindow::responses() const
{
    QStringList texts;
    for (const BiText &t : TwoToneTexts::Responses)
        texts << t.text();
    return texts;
}

void TwoToneEditorWindow::loadForm()
{
    // A fraction of the main window: 1 / 1.2 of its width, 1 / 1.25 of its height.
    placeFromMainWindow(Screen::widthTwips() / 1.2, Screen::heightTwips() / 1.25);
    {
        const QSignalBlocker quiet(controls.TabStrip1);
        while (controls.TabStrip1->count())
            controls.TabStrip1->removeTab(0);
        controls.TabStrip1->addTab(TwoToneTexts::EncodeTab);
        controls.TabStrip1->addTab(TwoToneTexts::DecodeTab);
        controls.TabStrip1->setCurrentIndex(0);
    }
    controls.Frame_Encode->show();
    controls.Frame_Decode->hide();
    controls.MSF_Encode->setFormatString(TwoToneTexts::EncodeGridFormat);
    controls.MSF_Decode->setFormatString(TwoToneTexts::DecodeGridFormat);
    // A response column holds its longest text whole.
    int responseWidth = 0;
    for (const QString &text : responses())
        responseWidth = qMax(responseWidth, controls.MSF_Decode->fontMetrics().horizontalAdvance(text) + 12);
    for (int c = 2; c <= 11; c += 3)
        if (controls.MSF_Decode->colWidth(c) < responseWidth)
            controls.MSF_Decode->setColWidth(c, responseWidth);
    for (FlexGrid *grid : {controls.MSF_Encode, controls.MSF_Decode}) {
        grid->setRows(CodeCount + 1);
        for (int r = 1; r <= CodeCount; ++r)
            grid->setTextMatrix(r, 0, QString::number(r));
    }
    for (int k = 0; k < TwoToneTimingCount; ++k) {
        controls.timings[k]->clearList();
        controls.timings[k]->addItems(TwoToneTimings()[k].items);
    }
    CurrentDecodeCode = 0;
    controls.MSF_Encode->setFocus(Qt::OtherFocusReason);
}

void TwoToneEditorWindow::ShowTwoTone()
{
    m_showing = true;
    for (int n = 1; n <= CodeCount; ++n) {
        controls.MSF_Encode->setTextMatrix(n, 1, StoredEncodeToneText(n, 1));
        controls.MSF_Encode->setTextMatrix(n, 2, StoredEncodeToneText(n, 2));
    }
    const QStringList texts = responses();
    for (int n = 1; n <= CodeCount; ++n)
        for (int c = 1; c <= 12; ++c)
            controls.MSF_Decode->setTextMatrix(n, c, DecodeCellText(n, c, texts));
    Edata_Load(CurrentDecodeCode);
    // A timing byte beyond its list is written as the last item it shows;
    // nothing else of the area is touched by a redisplay.
    for (int k = 0; k < TwoToneTimingCount; ++k)
        controls.timings[k]->showIndex(StoreTwoToneTimingInRange(TwoToneTimings()[k]));
    m_showing = false;
    rememberShown();
}

void TwoToneEditorWindow::redisplay()
{
    // Only a changed image is shown again: a tone typed into a box and not
    // yet committed stays while the window comes back from a dialog.
    if (shownChanged())
        ShowTwoTone();
}

void TwoToneEditorWindow::Edata_Load(int x)
{
    for (int k = 0; k < 4; ++k) {
        m_toneShown[k] = DecodeToneText(x, k);
        controls.toneBoxes[k]->setText(m_toneShown[k]);
    }
}

void TwoToneEditorWindow::selectDecodeCode(int x)
{
    CurrentDecodeCode = x;
    controls.Frame_Dec_xx->setTitle(QString::number(x + 1) + TwoToneTexts::DecodeCodeSuffix.text());
    Edata_Load(x);
}

void TwoToneEditorWindow::decodeCellClicked()
{
    const int r = controls.MSF_Decode->row();
    if (r >= 1 && r <= CodeCount)
        selectDecodeCode(r - 1);
}

void TwoToneEditorWindow::decodeCellLeft(int row, int col)
{
    // The screen only: a cell whose list was open shows what is stored, and
    // a response or an alert of an entry without a tone pair shows nothing.
    if (row < 1 || row > CodeCount || col < 1 || col > 12)
        return;
    const bool listed = m_decodeEditor && m_decodeEditor->isOpen() && m_decodeEditor->editRow() == row
        && m_decodeEditor->editCol() == col;
    QString text = listed ? DecodeCellText(row, col, responses())
                          : controls.MSF_Decode->textMatrix(row, col);
    if (DecodeColumnKind(col) != TwoToneDecodeColumn::Pair
        && controls.MSF_Decode->textMatrix(row, DecodePairColumn(col)).isEmpty())
        text.clear();
    controls.MSF_Decode->setTextMatrix(row, col, text);
}

void TwoToneEditorWindow::decodeCodeDoubleClicked()
{
    const int r = controls.MSF_Decode->row();
    if (controls.MSF_Decode->col() != 0 || r < 1 || r > CodeCount)
        return;
    // The screen only: the next redraw shows the entries again.
    for (int c = 1; c <= 12; ++c)
        controls.MSF_Decode->setTextMatrix(r, c, QString());
    Edata_Load(r - 1);
}

void TwoToneEditorWindow::toneBoxLeft(int k)
{
    TextBox *box = controls.toneBoxes[k];
    // A box left as it was shown stores nothing and warns of nothing.
    if (m_showing || box->text() == m_toneShown[k])
        return;
    m_toneCommit = true;
    const TwoToneEntry entry = ParseDecodeTone(box->text());
    if (entry.kind == TwoToneEntry::OutOfRange) {
        MsgBox(TwoToneTexts::RangeWarning, MsgIcon::Exclamation, TwoToneTexts::RangeWarningTitle);
        box->clear();
        box->setFocus(Qt::OtherFocusReason);
    }
    StoreDecodeTone(CurrentDecodeCode, k, entry);
    m_toneCommit = false;
    ShowTwoTone();
}

void TwoToneEditorWindow::timingPicked(int list, int index)
{
    if (m_showing)
        return;
    StoreTwoToneTiming(TwoToneTimings()[list], index);
    rememberShown();
}

void TwoToneEditorWindow::TabStrip1_Click(int index)
{
    m_encodeEditor->hideEditor();
    m_decodeEditor->hideEditor();
    controls.Frame_Encode->setVisible(index == 0);
    controls.Frame_Decode->setVisible(index == 1);
    if (index == 1)
        selectDecodeCode(0);
}

bool TwoToneEditorWindow::commitOpenEdit()
{
    const bool encode = m_encodeEditor->commitOpenEdit();
    const bool decode = m_decodeEditor->commitOpenEdit();
    for (int k = 0; k < 4; ++k)
        if (controls.toneBoxes[k]->hasFocus())
            toneBoxLeft(k);
    return encode && decode;
}

void TwoToneEditorWindow::discardOpenEdit()
{
    m_encodeEditor->discardOpenEdit();
    m_decodeEditor->discardOpenEdit();
}

bool TwoToneEditorWindow::editing() const
{
    return m_encodeEditor->busy() || m_decodeEditor->busy() || m_toneCommit;
}

void TwoToneEditorWindow::Command_def_Click()
{
    if (refuseWhileBusy(TwoToneTexts::Busy))
        return;
    ProgressBar1->hide();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    discardOpenEdit();
    BuildTwoToneDefaults();
    ShowTwoTone();
}

void TwoToneEditorWindow::Command_open_Click()
{
    openFileDialog(WindowName::Form_open_chann, TwoToneTexts::Busy);
}

void TwoToneEditorWindow::Command_save_Click()
{
    saveFileDialog(WindowName::Form_save_chann, TwoToneTexts::Busy);
}

void TwoToneEditorWindow::Command_close_Click()
{
    if (refuseWhileBusy(TwoToneTexts::Busy))
        return;
    closeWindow({WindowName::Form_open_menu, WindowName::Form_save_menu});
}
