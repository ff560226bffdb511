#pragma once
// frm_chann, the memory channel editor: the 200 channels in the grid
// MSF_Chann, edited in place; Read and Write through the window's own
// exchange; Clear, Default, Open, Save and Close. The window keeps no data:
// it shows MemoryImage and redraws from it whenever it is activated.
#include <memory>

#include "link/EditorWindow.h"

class ChannelCellRules;
class FlexGrid;
class GridCellEditor;
class PickList;

class ChannelEditorWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit ChannelEditorWindow(QWidget *parent = nullptr);
    ~ChannelEditorWindow() override;

    // Every row redrawn from MemoryImage; leaves the current cell on the
    // last channel row, column 0. An open edit is dropped.
    void ShowChannels();

    void Command_def_Click();
    void Command_Clear_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    GridCellEditor *editor() const { return m_editor; }

    void discardOpenEdit() override;

    FlexGrid *MSF_Chann = nullptr;
    TextBox *Text_Edit = nullptr;
    PickList *Combo_edit = nullptr;
    QPushButton *Command_Clear = nullptr;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;

protected:
    [[nodiscard]] bool commitOpenEdit() override;
    void loadForm() override;
    void showImage() override { ShowChannels(); }
    void redisplay() override;
    bool editing() const override;
    BiText unloadBusyText() const override;

private:
    void layOut();

    std::unique_ptr<ChannelCellRules> m_rules;
    GridCellEditor *m_editor = nullptr;
};
