#include "signalling/DtmfEditorWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "memory/DtmfDefaults.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/WindowNames.h"
#include "signalling/DtmfLayout.h"
#include "signalling/DtmfTexts.h"
#include "signalling/DtmfView.h"

DtmfEditorWindow::DtmfEditorWindow(QWidget *parent) : EditorWindow(parent)
{
    QWidget *frames = controls.build(this);
    Command_def = addButton("Command_def");
    Command_save = addButton("Command_save");
    Command_open = addButton("Command_open");
    Command_close = addButton("Command_close");

    layOutWithButtonRow(frames, {Command_read, Command_Write, Command_def, Command_save, Command_open,
                                Command_close});
    Label_PassWord->hide();
    Text_PassWord->hide();

    setCaptions({
        {"", {"DTMF Encode/Decode ", "DTMF 编解码参数编辑"}},
        {"Frame_Encode", {"DTMF Encode", "DTMF 编码"}},
        {"Label_encode_xh", {"Number", "编码码组"}},
        {"Label_tx_encode", {" Code ", "发送编码"}},
        {"Label_dtmf_ontime", {"DTMF Speed (On Time)", "发码持续时间（MS）"}},
        {"Label_dtmf_offtime", {"DTMF Speed (Off Time)", "发码间断时间（MS）"}},
        {"Label_Group_code", {"Group Code", "群呼码"}},
        {"Command_read", {"Read", "读 取"}},
        {"Command_Write", {"Write", "写  入"}},
        {"Command_def", {"Default", "默 认"}},
        {"Command_save", {"Save", "保  存"}},
        {"Command_open", {"Open", "打  开"}},
        {"Command_close", {"Close", "关  闭"}},
        {"Label_PassWord", {"PassWord", "读写密码"}},
        {"Frame_State", {"State", "本机状态"}},
        {"Check_RX", {"RX Disable", "接收禁止"}},
        {"Check_Tx", {"TX Disable", "发射禁止"}},
        {"Frame_Decode", {"DTMF Decode", "DTMF 解码"}},
        {"Label_xc", {"Inspection", "巡 查 码"}},
        {"Label_jt", {"Monitor", "监 听 码"}},
        {"Label_bj", {"Alarm", "报 警 码"}},
        {"Label_yy", {"Stun", "遥 晕 码"}},
        {"Label_yb", {"Kill", "遥 毙 码"}},
        {"Label_kj", {"Revive", "开 机 码"}},
        {"Frame_Ctrl", {"Control ID code and control right", "控制ID码及控制权限"}},
        {"Label_xcjtyyybkj_2", {"      Inspection             Stun                 Revive ", ""}},
        {"Label_xcjtyyybkj_1",
         {"              Monitor                Kill", "巡查      监听     遥晕     遥毙      开机 "}},
        {"Check_Ctrl_En", {"Function Control by master and vice ID code", "接受主副ID控制"}},
        {"Label_PID", {"Master Control ID", "主控ID码"}},
        {"Label_SID", {"Vice Control ID", "副控ID码"}},
        {"Label_Dec_Space_Code", {"Space Code", "码组间隔码"}},
        {"Label_Reset_Time", {"Reset Time(ms)", "复位时间(ms)"}},
        {"Label_Rece_End_ProcDelay", {"Delay processing time (ms)", "收码结束延迟处理时间(ms)"}},
    });

    bindLink(LinkProfile::dtmf());
    session()->settings().show = [this] { ShowDtmf(); };
    watchRows(DtmfLayout::FirstRow, DtmfLayout::RowCount);

    for (int k = 0; k < DtmfCodeBoxCount; ++k) {
        TextBox *box = controls.codeBoxes[k];
        // At most 16 characters, typed or pasted: the field holds 16 codes.
        box->setMaxLength(DtmfCodeLength);
        box->setKeyFilter([box](int key) { return DtmfCodeKey(key, box->text()); });
        connect(box, &QLineEdit::textChanged, this, [this, k] { codeChanged(k); });
        connect(box, &TextBox::lostFocus, this, &DtmfEditorWindow::ShowDtmf);
    }
    for (int k = 0; k < DtmfListCount; ++k) {
        connect(controls.lists[k], &PickList::picked, this, [this, k](int i) { listPicked(k, i); });
    }
    for (int k = 0; k < DtmfCheckCount; ++k)
        connect(controls.checks[k], &QCheckBox::toggled, this,
                [this, k](bool on) { checkChanged(k, on); });
    connect(Command_def, &QPushButton::clicked, this, &DtmfEditorWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &DtmfEditorWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &DtmfEditorWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &DtmfEditorWindow::Command_close_Click);
    setTabOrder();
}

void DtmfEditorWindow::setTabOrder()
{
    // The codes first, as they stand on the screen; the buttons last.
    QList<QWidget *> order;
    for (int i = 0; i < 15; ++i)
        order << controls.codeBoxes[i];
    order << controls.lists[0] << controls.lists[1] << controls.checks[11] << controls.checks[12]
          << controls.checks[0] << controls.codeBoxes[21];
    for (int i = 0; i < 5; ++i)
        order << controls.checks[1 + i];
    order << controls.codeBoxes[22];
    for (int i = 0; i < 5; ++i)
        order << controls.checks[6 + i];
    for (int k = 15; k < 21; ++k)
        order << controls.codeBoxes[k];
    for (int k = 2; k < DtmfListCount; ++k)
        order << controls.lists[k];
    order << Command_read << Command_Write << Command_def << Command_save << Command_open
          << Command_close;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void DtmfEditorWindow::loadForm()
{
    // A fraction of the main window: 1 / 1.4 of its width, 1 / 1.55 of its height.
    placeFromMainWindow(Screen::widthTwips() / 1.4, Screen::heightTwips() / 1.55);
    for (int k = 0; k < DtmfListCount; ++k) {
        controls.lists[k]->clearList();
        controls.lists[k]->addItems(DtmfLists()[k].items);
    }
    for (int i = 0; i < 15; ++i)
        controls.Label_xh[i]->setText(QString::number(i + 1));
    for (int i = 0; i < 5; ++i) {
        const QString right = DtmfTexts::Rights[i].text();
        controls.checks[1 + i]->setAccessibleName(controls.Label_PID->text() + ' ' + right);
        controls.checks[6 + i]->setAccessibleName(controls.Label_SID->text() + ' ' + right);
    }
    controls.codeBoxes[0]->setFocus(Qt::OtherFocusReason);
}

void DtmfEditorWindow::ShowDtmf()
{
    DtmfShown before;
    for (int k = 0; k < DtmfCodeBoxCount; ++k)
        before.codes[k] = controls.codeBoxes[k]->text();
    before.idControlTicked = controls.checks[0]->isChecked();
    const DtmfView view = ReadDtmfView(before);
    m_showing = true;
    for (int k = 0; k < DtmfCodeBoxCount; ++k)
        if (view.repack[k])
            controls.codeBoxes[k]->setText(view.codes[k]);
    for (int k = 0; k < DtmfListCount; ++k)
        showList(controls.lists[k], view.lists[k], view.listTexts[k]);
    for (int k = 0; k < DtmfCheckCount; ++k)
        controls.checks[k]->setChecked(view.checks[k]);
    enableIdControls(view.idControlsEnabled);
    StoreDtmfViewBack(view);
    m_showing = false;
    rememberShown();
}

void DtmfEditorWindow::showList(PickList *list, int index, const QString &text)
{
    // A group or separator code that is a digit has no item: the closed list
    // shows the digit as its value with no item selected, so the byte stays
    // until the user picks one.
    if (index < 0)
        list->showUnlisted(text);
    else
        list->showIndex(index);
}

void DtmfEditorWindow::enableIdControls(bool on)
{
    for (QWidget *w : controls.idControlled)
        w->setEnabled(on);
}

void DtmfEditorWindow::codeChanged(int box)
{
    if (m_showing)
        return;
    StoreDtmfCodeBox(DtmfCodeBoxes()[box].row, controls.codeBoxes[box]->text());
    rememberShown();
}

void DtmfEditorWindow::listPicked(int list, int index)
{
    if (m_showing)
        return;
    StoreDtmfListPick(DtmfLists()[list], index);
    rememberShown();
}

void DtmfEditorWindow::checkChanged(int check, bool ticked)
{
    if (m_showing)
        return;
    if (check == 0)  // the ID control
        enableIdControls(ticked);
    StoreDtmfCheck(DtmfChecks()[check], ticked);
    rememberShown();
}

BiText DtmfEditorWindow::unloadBusyText() const { return DtmfTexts::UnloadBusy; }

void DtmfEditorWindow::Command_def_Click()
{
    if (refuseWhileBusy(DtmfTexts::Busy))
        return;
    BuildDtmfDefaults();
    ShowDtmf();
}

void DtmfEditorWindow::Command_open_Click()
{
    openFileDialog(WindowName::Form_open_chann, DtmfTexts::Busy);
}

void DtmfEditorWindow::Command_save_Click()
{
    saveFileDialog(WindowName::Form_save_chann, DtmfTexts::Busy);
}

void DtmfEditorWindow::Command_close_Click()
{
    if (refuseWhileBusy(DtmfTexts::Busy))
        return;
    closeWindow({WindowName::Form_open_menu, WindowName::Form_save_menu});
}
