#pragma once
// frm_chann, the memory channel editor: the 200 channels in the grid
// MSF_Chann, edited in place; Read and Write through the window's own
// exchange; Clear, Default, Open, Save and Close. The window keeps no data:
// it shows MemoryImage and redraws from it whenever it is activated.
#include <QRect>

#include "link/LinkControls.h"
#include "platform/Language.h"
#include "platform/Windows.h"

class ChannelGridEditor;
class ChannelLinkSession;
class FlexGrid;
class PickList;
class QLabel;
class QProgressBar;
class QPushButton;
class TextBox;

class ChannelEditorWindow : public Form
{
    Q_OBJECT
public:
    explicit ChannelEditorWindow(QWidget *parent = nullptr);
    ~ChannelEditorWindow() override;

    void formLoad() override;
    bool queryUnload() override;
    void formUnload() override;
    void formActivate() override;

    // Every row redrawn from MemoryImage; leaves the current cell on the
    // last channel row, column 0.
    void ShowChannels();

    void Command_def_Click();
    void Command_Clear_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    // True while a read or a write of this window runs.
    bool transferRunning() const;

    ChannelLinkSession *session() const { return m_session; }
    ChannelGridEditor *editor() const { return m_editor; }

    FlexGrid *MSF_Chann = nullptr;
    TextBox *Text_Edit = nullptr;
    PickList *Combo_edit = nullptr;
    QPushButton *Command_read = nullptr;
    QPushButton *Command_Write = nullptr;
    QPushButton *Command_Clear = nullptr;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;
    QLabel *Label_PassWord = nullptr;
    TextBox *Text_PassWord = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label_tr_count = nullptr;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // A busy refusal: the exchange stands still while its box is open.
    void busyBox(const BiText &text);
    void setCaptions();
    void layOut();
    quint64 shownImageHash() const;
    void rememberShownImage();

    LinkControls m_controls;
    ChannelLinkSession *m_session = nullptr;
    ChannelGridEditor *m_editor = nullptr;
    QRect m_placement;
    quint64 m_shownHash = 0;
    bool m_redrawing = false;
};
