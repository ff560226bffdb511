#pragma once
// frm_FM, the FM broadcast channel editor: the 16 presets of the FM block
// in the grid MSF_Chann (frequency and station name), edited in place
// through Text_Edit; Read and Write of the block through the window's own
// password-checked exchange; Clear, Default, Open, Save and Close. The
// window keeps no data: it shows MemoryImage and redraws from it whenever
// it is activated.
#include <memory>

#include "link/EditorWindow.h"

class FlexGrid;
class FmGridRules;
class GridCellEditor;

class FmEditorWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit FmEditorWindow(QWidget *parent = nullptr);
    ~FmEditorWindow() override;

    // Rows 1-16 redrawn from the FM block; an open edit is dropped.
    void ShowFmChannels();

    void Command_def_Click();
    void Command_Clear_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    GridCellEditor *editor() const { return m_editor; }

    void discardOpenEdit() override;

    // The page of the FM block: the high byte of its radio address and its
    // first MemoryImage row / 16.
    int FmPage = 0;

    FlexGrid *MSF_Chann = nullptr;
    TextBox *Text_Edit = nullptr;
    QPushButton *Command_Clear = nullptr;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;

protected:
    [[nodiscard]] bool commitOpenEdit() override;
    void loadForm() override;
    void showImage() override { ShowFmChannels(); }
    void redisplay() override;
    bool editing() const override;
    BiText unloadBusyText() const override;

private:
    void layOut();

    std::unique_ptr<FmGridRules> m_rules;
    GridCellEditor *m_editor = nullptr;
};
