#pragma once
// frm_option, the option parameters editor: the option lists, the two
// frequency-mode frames and the code and power-on boxes (OptionPanel), with
// Read and Write through the window's own exchange and Default, Open, Save
// and Close. The window keeps no data: it shows MemoryImage rows 224-255 and
// redraws from them whenever it is activated.
#include "link/EditorWindow.h"

class OptionPanel;
class QPushButton;

class OptionEditorWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit OptionEditorWindow(QWidget *parent = nullptr);
    ~OptionEditorWindow() override;

    // The whole option area shown from the image (OptionPanel::ShowOptions:
    // it stores back only what makes the image hold what is shown).
    void ShowOptions();

    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    void discardOpenEdit() override;

    OptionPanel *panel = nullptr;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;

protected:
    [[nodiscard]] bool commitOpenEdit() override;
    void loadForm() override;
    void showImage() override;
    bool editing() const override;
    BiText unloadBusyText() const override;

private:
    void layOut();
};
