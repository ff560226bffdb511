#pragma once
// frmAbout, the About window: the program's title, version, description and
// disclaimer in the current language, and a button that starts the system
// information tool when one is registered. A child window of the main window.
#include "platform/Windows.h"

#include <QPoint>
#include <functional>

class QLabel;
class QPushButton;

class AboutWindow : public Form
{
    Q_OBJECT
public:
    // The window's design size in twips.
    static constexpr int DesignWidth = 7200;
    static constexpr int DesignHeight = 4200;

    explicit AboutWindow(QWidget *parent = nullptr);

    void formLoad() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts the program at a path in a normal window that takes the focus;
    // false when it can't be started. Tests put a recorder in its place; an
    // empty function returns to the real start.
    using ProgramStarter = std::function<bool(const QString &path)>;
    static void setProgramStarter(ProgramStarter starter);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QWidget *Line1;
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
    QPoint m_placement;  // in the main window's client area, pixels
};

// Starts the system information tool found through the registry, or tells
// the user it is not available.
void StartSysInfo();

// The registry places the system information tool is looked up in.
inline constexpr const char *SysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *SysInfoValue = "PATH";
inline constexpr const char *SysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *SysInfoLocationValue = "MSINFO";
inline constexpr const char *SysInfoFileName = "MSINFO32.EXE";
