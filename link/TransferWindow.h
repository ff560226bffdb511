#pragma once
// The common frame of the whole-radio read and write windows: a start button,
// Cancel and Help, the password box, the status line, the progress bar, the
// serial port and timers of the window's exchange, and the close-request
// poll. ReadWindow and WriteWindow configure the exchange and the captions.
#include "link/LinkControls.h"
#include "link/LinkSettings.h"
#include "platform/Language.h"
#include "platform/Windows.h"

#include <QRect>

class LinkSession;
class QLabel;
class QProgressBar;
class QPushButton;
class TextBox;
class VbTimer;

class TransferWindow : public Form
{
    Q_OBJECT
public:
    // Captions that the window sets when it loads.
    struct Captions {
        BiText window;
        BiText start;
        BiText cancel;
        BiText help;
        BiText password;
    };

    ~TransferWindow() override;

    void formLoad() override;
    void formUnload() override;

    void Command_Cancel_Click();
    void Timer4_Timer();

    LinkSession *session() const { return m_session; }
    QPushButton *startButton() const { return m_start; }
    // -1 asks Timer4 to close the window; the window itself never sets it.
    qint16 closeRequest() const { return m_closeRequest; }

protected:
    // startName: the object name of the start button ("Command_read",
    // "Command_Write"); passwordDesign: the password box's design text.
    TransferWindow(const char *startName, const QString &passwordDesign,
                   const Captions &captions, QWidget *parent = nullptr);
    // Binds the exchange to the controls; the subclass calls it once.
    void bindSession(const LinkSettings &settings);


    QPushButton *m_start = nullptr;
    QPushButton *Command_Cancel = nullptr;
    QPushButton *Command_Help = nullptr;
    QLabel *Label_PassWord = nullptr;
    TextBox *Text_PassWord = nullptr;
    QLabel *Label_tr_count = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    VbTimer *Timer4 = nullptr;
    LinkControls m_controls;
    LinkSession *m_session = nullptr;

private:
    qint16 m_closeRequest = 0;
};
