#pragma once
// frm_dtmf, the DTMF editor: the 15 encode codes, on and off time, the
// radio's disable state, the ID control with the master and vice IDs and
// their rights, the six function codes and the decode lists, all shown from
// the DTMF area of MemoryImage and stored back at every edit; Default,
// Open, Save and Close; Read and Write through the window's own exchange.
#include "link/EditorWindow.h"
#include "signalling/DtmfControls.h"

class PickList;
class QPushButton;

class DtmfEditorWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit DtmfEditorWindow(QWidget *parent = nullptr);

    // Every control from the DTMF area. Reads the whole area first, then
    // stores back only what DtmfView.h says a display stores.
    void ShowDtmf();

    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    DtmfControls controls;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;

protected:
    void loadForm() override;
    void showImage() override { ShowDtmf(); }
    BiText unloadBusyText() const override;

private:
    void codeChanged(int box);
    void checkChanged(int check, bool ticked);
    void listPicked(int list, int index);
    void enableIdControls(bool on);
    void showList(PickList *list, int index, const QString &text);
    void setTabOrder();

    bool m_showing = false;  // ShowDtmf is setting the controls
};
