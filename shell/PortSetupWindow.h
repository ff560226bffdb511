#pragma once
// Form_setup, the port setup window: the user picks COM1 to COM12; OK keeps
// the choice in CommPortNumber, test-opens the main window's port with it
// and, when that works, identifies the radio again. A child window of the
// main window. Nothing is saved.
#include "platform/Windows.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

class PortSetupWindow : public Form
{
    Q_OBJECT
public:
    explicit PortSetupWindow(QWidget *parent = nullptr);

    void formLoad() override;

    void Command_ok_Click();
    void Command1_Click();

    QRadioButton *option(int n) const { return Option[n - 1]; }  // n = 1..12

protected:
    bool event(QEvent *event) override;

private:
    QGroupBox *Frame1;
    std::array<QRadioButton *, 12> Option{};
    QPushButton *Command_ok;
    QPushButton *Command1;
};
