#pragma once
// Form_Comm_Read, the whole-radio read window: one exchange reads radio
// 0x0000-0x31FF in 201 block requests and, once every block has come,
// unpacks it into MemoryImage rows 0 to 787. A child window of the main window.
#include "link/LinkSettings.h"
#include "link/TransferWindow.h"


class ReadWindow : public TransferWindow
{
    Q_OBJECT
public:
    explicit ReadWindow(QWidget *parent = nullptr);

    void Command_read_Click();

    QPushButton *Command_read = nullptr;
};
