#include "alignment/AdjustEditorWindow.h"

#include "alignment/AdjustFile.h"
#include "alignment/AdjustLimits.h"
#include "alignment/AdjustLink.h"
#include "alignment/AdjustPasswords.h"
#include "alignment/AdjustTexts.h"
#include "alignment/AdjustValueBoxes.h"
#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "memory/AdjustDefaults.h"
#include "platform/FileState.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

namespace {
// Captions in Chinese whatever the language.
constexpr BiText zhOnly(const char *text) { return BiText{text, text}; }

QString cellText(int row, int col) { return QString::number(AdjustImage[row][col]); }
} // namespace

AdjustEditorWindow::AdjustEditorWindow(QWidget *parent) : EditorWindow(parent)
{
    createControls();
    setCaptions({{"", zhOnly(AdjustTabs[0].caption)},
                 {"Frame_Frame", zhOnly(AdjustTabs[0].caption)},
                 {"Frame_Sql", zhOnly("静噪等级")},
                 {"Frame_Dev", zhOnly("调制、音量")},
                 {"Frame_Other", zhOnly("频率范围限制")},
                 {"Check_Csh_Type", zhOnly("初始化对讲机")},
                 {"Command_read", zhOnly(AdjustReadCaption)},
                 {"Command_Write", zhOnly(AdjustWriteCaption)},
                 {"Command_def", zhOnly(AdjustDefaultCaption)},
                 {"Command_open", zhOnly(AdjustOpenCaption)},
                 {"Command_save", zhOnly(AdjustSaveCaption)},
                 {"Command_close", zhOnly(AdjustCloseCaption)}});

    bindLink(LinkProfile::alignment());
    LinkSettings &s = session()->settings();
    s.writePreamble = [] { return AdjustPreambleFrame(); };
    s.writeRow = [](int index) { return AdjustRowData(AdjustImage, index); };
    // The base's unpack wraps this one; it ends with the redraw.
    s.unpack = [this] {
        UnpackAdjustReplies(ReadReplyBuffer, AdjustImage);
        ShowAdjustTab();
    };

    connectHandlers();
}

AdjustEditorWindow::~AdjustEditorWindow() = default;

void AdjustEditorWindow::connectHandlers()
{
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i >= 0)
            TabStrip1_Click(i);
    });
    connect(Command_def, &QPushButton::clicked, this, &AdjustEditorWindow::Command_def_Click);
    connect(Command_open, &QPushButton::clicked, this, &AdjustEditorWindow::Command_open_Click);
    connect(Command_save, &QPushButton::clicked, this, &AdjustEditorWindow::Command_save_Click);
    connect(Command_close, &QPushButton::clicked, this, &AdjustEditorWindow::Command_close_Click);
    connect(Timer4, &VbTimer::timer, this, &AdjustEditorWindow::Timer4_Timer);

    for (int f = 0; f < AdjustValueFamilyCount; ++f)
        for (int i = 0; i < valueBoxes[f].size(); ++i)
            connect(valueBoxes[f][i], &QLineEdit::textChanged, this,
                    [this, f, i] { valueBoxChanged(f, i); });
    for (int k = 0; k < AdjustNumericListCount; ++k)
        connect(numericLists[k], &PickList::picked, this,
                [this, k](int entry) { numericListClick(k, entry); });
    connect(Combo_Range_Type, &PickList::picked, this, &AdjustEditorWindow::Combo_Range_Type_Click);
    // Only a click changes the flags: showing a cell never rewrites it.
    connect(Check_Csh_Type, &QCheckBox::clicked, this, &AdjustEditorWindow::Check_Csh_Type_Click);
    for (int b = 0; b < AdjustBandCount; ++b) {
        connect(Check_Tx[b], &QCheckBox::clicked, this, [this, b](bool on) { Check_Tx_Click(b, on); });
        for (TextBox *box : {Text_Freq_L[b], Text_Freq_H[b]})
            box->setKeyFilter([box](int key) { return AdjustLimitKeyAllowed(box->text()) ? key : 0; });
        connect(Text_Freq_H[b], &TextBox::lostFocus, this, [this, b] { Text_Freq_H_LostFocus(b); });
        connect(Text_Freq_L[b], &TextBox::lostFocus, this, [this, b] { Text_Freq_L_LostFocus(b); });
    }
    connect(Text_user_PassWord, &QLineEdit::textChanged, this,
            &AdjustEditorWindow::Text_user_PassWord_Change);
    connect(Text_Super_PassWord, &QLineEdit::textChanged, this,
            &AdjustEditorWindow::Text_Super_PassWord_Change);
}

TextBox *AdjustEditorWindow::valueBox(const char *family, int index) const
{
    for (int f = 0; f < AdjustValueFamilyCount; ++f)
        if (qstrcmp(AdjustValueFamilies[f].name, family) == 0)
            return valueBoxes[f].value(index, nullptr);
    return nullptr;
}

PickList *AdjustEditorWindow::list(const char *name) const
{
    return findChild<PickList *>(QString::fromLatin1(name));
}

BiText AdjustEditorWindow::unloadBusyText() const { return AdjustCloseBusyText; }

// ---------------------------------------------------------------- load and show

void AdjustEditorWindow::loadForm()
{
    CurrentAdjustTab = TabHighPower;
    InitAdjustForm();
    layOut();
    TabStrip1->setCurrentIndex(TabHighPower);
    Frame_Frame->setVisible(true);
    Frame_Sql->setVisible(false);
    Frame_Dev->setVisible(false);
    Frame_Other->setVisible(false);
    // The first power box takes the focus when the window shows.
    valueBoxes[0][0]->setFocus();
}

void AdjustEditorWindow::TabStrip1_Click(int index)
{
    const int tab = AdjustTabForKey(TabStrip1->tabData(index).toString());
    if (tab >= 0) {
        CurrentAdjustTab = tab;
        const QString caption = QString::fromUtf8(AdjustTabs[tab].caption);
        setWindowTitle(caption);
        if (tab == TabHighPower || tab == TabMiddlePower)
            Frame_Frame->setTitle(caption);
        const QString frame = QString::fromLatin1(AdjustTabs[tab].frame);
        const QList<QGroupBox *> frames{Frame_Frame, Frame_Sql, Frame_Dev, Frame_Other};
        // The control that holds the focus in this window, or will hold it
        // once the window is active again: a click on the tab strip first
        // takes the focus to the window's frame, so that a limit box's check
        // and warning may already have run, and the box taken the focus back,
        // while the window is not yet active.
        QWidget *focused = focusWidget();
        QGroupBox *shown = nullptr;
        QGroupBox *hadFocus = nullptr;
        for (QGroupBox *f : frames) {
            if (f->objectName() == frame)
                shown = f;
            if (focused && f->isAncestorOf(focused))
                hadFocus = f;
        }
        // The new page is shown before the others hide, so a focus that Qt
        // moves off a hidden control never lands in a page about to go.
        shown->setVisible(true);
        for (QGroupBox *f : frames)
            if (f != shown)
                f->setVisible(false);
        // A control of the page that went held the focus (a limit box's
        // check, with its warning, has run as it left): the keyboard goes to
        // the first control of the page now shown, not to whatever button
        // follows in the window.
        if (hadFocus && hadFocus != shown)
            focusFirstControl(shown);
    }
    ShowAdjustTab();
}

void AdjustEditorWindow::focusFirstControl(QWidget *page)
{
    QWidget *w = page->nextInFocusChain();
    for (; w && w != page; w = w->nextInFocusChain())
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

void AdjustEditorWindow::ShowAdjustTab()
{
    const int tab = CurrentAdjustTab;
    if (tab == TabHighPower || tab == TabMiddlePower) {
        for (int b = 0; b < AdjustBandCount; ++b)
            for (int i = 0; i < AdjustPoints; ++i)
                valueBoxes[b][i]->setText(cellText(4 * tab + b, i));
        return;
    }
    for (int b = 0; b < AdjustBandCount; ++b) {
        for (int i = 0; i < AdjustLevels; ++i)
            valueBoxes[4 + b][i]->setText(cellText(SquelchLevelRows[b], i));
        for (int i = 0; i < AdjustPoints; ++i)
            valueBoxes[8 + b][i]->setText(cellText(SquelchOffsetRows[b], i));
    }
    if (tab == TabDeviation) {
        for (int k = 0; k < AdjustDeviationListCount; ++k) {
            const AdjustListInfo &info = AdjustNumericLists[k];
            numericLists[k]->setListIndex(AdjustImage[info.row][info.col]);
        }
    }
    if (tab == TabRange) {
        for (int b = 0; b < AdjustBandCount; ++b) {
            Text_Freq_L[b]->setText(AdjustLimitText(AdjustImage, b, false));
            Text_Freq_H[b]->setText(AdjustLimitText(AdjustImage, b, true));
            Check_Tx[b]->setChecked(TxAllowedShown(AdjustImage[AdjustLimitsRow + b][AdjustTxAllowedCol]));
        }
        Text_user_PassWord->setText(AdjustPasswordText(AdjustImage, AdjustUserPasswordCol));
        Text_Super_PassWord->setText(AdjustPasswordText(AdjustImage, AdjustSuperPasswordCol));
        const AdjustListInfo &low = AdjustNumericLists[AdjustNumericListCount - 1];
        numericLists[AdjustNumericListCount - 1]->setListIndex(AdjustImage[low.row][low.col]);
        const qint16 flags = AdjustImage[AdjustFlagsRow][AdjustFlagsCol];
        Check_Csh_Type->setChecked(InitialiseFlagShown(flags));
        Combo_Range_Type->setListIndex(RangeTypeShown(flags));
    }
}

// ---------------------------------------------------------------- the controls' handlers

void AdjustEditorWindow::refocus(QWidget *box)
{
    if (box->isVisible())
        box->setFocus();
}

void AdjustEditorWindow::valueBoxChanged(int family, int index)
{
    const AdjustValueFamily &f = AdjustValueFamilies[family];
    const int row = AdjustValueRow(f, CurrentAdjustTab);
    if (row < 0)
        return;  // a power box while no power tab is shown
    TextBox *box = valueBoxes[family][index];
    if (const std::optional<int> v = CheckAdjustValueText(box->text(), f.upper)) {
        AdjustImage[row][index] = qint16(*v);
        return;
    }
    MsgBox(AdjustValueWarning(f.upper), MsgIcon::Information, QString::fromUtf8(AdjustChineseTitle));
    refocus(box);
    // The factory value goes in through this handler again.
    box->setText(QString::number(AdjustDefaults[row][index]));
}

void AdjustEditorWindow::numericListClick(int list, int entry)
{
    const AdjustListInfo &info = AdjustNumericLists[list];
    AdjustImage[info.row][info.col] = qint16(entry);
}

void AdjustEditorWindow::Combo_Range_Type_Click(int entry)
{
    qint16 &cell = AdjustImage[AdjustFlagsRow][AdjustFlagsCol];
    cell = StoreRangeType(cell, entry);
}

void AdjustEditorWindow::Check_Csh_Type_Click(bool ticked)
{
    qint16 &cell = AdjustImage[AdjustFlagsRow][AdjustFlagsCol];
    cell = StoreInitialiseFlag(cell, ticked);
}

void AdjustEditorWindow::Check_Tx_Click(int band, bool ticked)
{
    AdjustImage[AdjustLimitsRow + band][AdjustTxAllowedCol] = StoreTxAllowed(ticked);
}

void AdjustEditorWindow::Text_Freq_H_LostFocus(int band)
{
    const AdjustLimitWarning w = CheckUpperLimit(band, Text_Freq_L[band]->text(), Text_Freq_H[band]->text());
    if (w == AdjustLimitWarning::None) {
        StoreBandLimits(band, Text_Freq_L[band]->text(), Text_Freq_H[band]->text(), AdjustImage);
        return;
    }
    MsgBox(AdjustLimitWarningText(w), MsgIcon::Exclamation, PromptTitleCap);
    Text_Freq_H[band]->setText(AdjustLimitResetText(band, w));
    refocus(Text_Freq_H[band]);
}

void AdjustEditorWindow::Text_Freq_L_LostFocus(int band)
{
    const AdjustLimitWarning w = CheckLowerLimit(band, Text_Freq_L[band]->text(), Text_Freq_H[band]->text());
    if (w == AdjustLimitWarning::None) {
        StoreBandLimits(band, Text_Freq_L[band]->text(), Text_Freq_H[band]->text(), AdjustImage);
        return;
    }
    MsgBox(AdjustLimitWarningText(w), MsgIcon::Exclamation, PromptTitleCap);
    Text_Freq_L[band]->setText(AdjustLimitResetText(band, w));
    refocus(Text_Freq_L[band]);
}

void AdjustEditorWindow::Text_user_PassWord_Change()
{
    StoreAdjustPassword(Text_user_PassWord->text(), AdjustUserPasswordCol, AdjustImage);
}

void AdjustEditorWindow::Text_Super_PassWord_Change()
{
    StoreAdjustPassword(Text_Super_PassWord->text(), AdjustSuperPasswordCol, AdjustImage);
}

// ---------------------------------------------------------------- buttons

void AdjustEditorWindow::Command_def_Click()
{
    if (refuseWhileBusy(AdjustBusyText))
        return;
    ProgressBar1->hide();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    BuildAdjustDefaults();
    CopyAdjustDefaultsToImage();
    ShowAdjustTab();
}

void AdjustEditorWindow::Command_open_Click()
{
    openFileDialog(WindowName::Form_open_adj, AdjustBusyText);
}

void AdjustEditorWindow::Command_save_Click()
{
    saveFileDialog(WindowName::Form_save_adj, AdjustBusyText);
}

void AdjustEditorWindow::Command_close_Click()
{
    if (refuseWhileBusy(AdjustCloseBusyText))
        return;
    closeWindow({WindowName::Form_open_menu, WindowName::Form_save_menu});
}

// ---------------------------------------------------------------- the ".adj" file

void AdjustEditorWindow::Timer4_Timer()
{
    // A request waits while the exchange runs: a load would be overwritten
    // by the read, or mix two blocks in the radio during a write.
    if (session()->exchangeRunning())
        return;
    if (AdjustFileRequestOpen != 0) {
        AdjustFileRequestOpen = 0;
        LoadAdjustFile();
    }
    if (AdjustFileRequestSave != 0) {
        AdjustFileRequestSave = 0;
        SaveAdjustFile();
    }
}

void AdjustEditorWindow::LoadAdjustFile()
{
    const AdjustFileStatus status = ReadAdjustFile(FilePath, AdjustImage);
    if (!status.ok()) {
        MsgBox(AdjustFileFailureText(status, true), MsgIcon::Exclamation, PromptTitleCap);
        return;
    }
    ShowAdjustTab();
    MsgBox(AdjustLoadedText, MsgIcon::Exclamation, PromptTitleCap);
    ProgressBar1->hide();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
}

void AdjustEditorWindow::SaveAdjustFile()
{
    const AdjustFileStatus status = WriteAdjustFile(FilePath, AdjustImage);
    if (!status.ok()) {
        MsgBox(AdjustFileFailureText(status, false), MsgIcon::Exclamation, PromptTitleCap);
        return;
    }
    MsgBox(AdjustSavedText, MsgIcon::Exclamation, PromptTitleCap);
}
