#pragma once
// Form_Comm_Write, the whole-radio write window: rebuilds the five-tone
// tables, then one exchange writes MemoryImage rows 0 to 783 (radio
// 0x0000-0x30FF) as 784 write frames. A child window of the main window.
#include "link/LinkSettings.h"
#include "link/TransferWindow.h"

inline constexpr int WholeWriteRows = 784;


class WriteWindow : public TransferWindow
{
    Q_OBJECT
public:
    explicit WriteWindow(QWidget *parent = nullptr);

    void Command_Write_Click();

    QPushButton *Command_Write = nullptr;
};
