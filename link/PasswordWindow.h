#pragma once
// Form_Write_PassWord, the window that changes the radio's user password:
// the old password once, the new one twice, Modify and Close. Its exchange
// (PasswordSession) reports through message boxes only; after the radio has
// answered the new block the window closes itself 500 ms after the box.
// A child window of the main window.
#include <QRect>

#include "link/LinkControls.h"
#include "platform/Windows.h"

class PasswordSession;
class QLabel;
class QPushButton;
class TextBox;
class VbTimer;

class PasswordWindow : public Form
{
    Q_OBJECT
public:
    explicit PasswordWindow(QWidget *parent = nullptr);
    ~PasswordWindow() override;

    void formLoad() override;
    void formUnload() override;

    void Text_Old_PassWord_Change();
    void Command_Write_Click();
    void Command_Cancel_Click();
    void Timer4_Timer();

    PasswordSession *session() const { return m_session; }
    // -1 once the radio has answered the new block: Timer4 then closes the window.
    qint16 ExchangeEnded = 0;

    QLabel *Label_old_PassWord = nullptr;
    TextBox *Text_Old_PassWord = nullptr;
    QLabel *Label_New_Password_1 = nullptr;
    TextBox *Text_New_Password_1 = nullptr;
    QLabel *Label_New_PassWord_2 = nullptr;
    TextBox *Text_New_PassWord_2 = nullptr;
    QPushButton *Command_Write = nullptr;
    QPushButton *Command_Cancel = nullptr;
    VbTimer *Timer4 = nullptr;

protected:

private:
    void answered(bool accepted);

    LinkControls m_controls;
    PasswordSession *m_session = nullptr;
};
