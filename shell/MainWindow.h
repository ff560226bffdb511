#pragma once
// The main window: the program's frame and its start-up. It holds the menu
// bar, the toolbar, the 15-panel status bar and the MDI area where the
// editors live; its load routine is the start-up sequence of the program.
#include "platform/Windows.h"

#include <QMainWindow>

class QMdiArea;
class StatusBar;
class StartupIdentify;

class MainWindow : public QMainWindow, public FormBehaviour
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void formLoad() override;  // the start-up sequence
    void formUnload() override;

    StatusBar *statusPanels() const { return m_status; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QAction *menuEntry(const QString &name) const;

    void Language_chn_Click();
    void Language_eng_Click();
    void Toolbar1_ButtonClick(const QString &key);
    // An identified radio: the Channel, Option, Signal and FM-Radio entries.
    void enableEditorMenus();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void connectMenus();
    void fitPanelsToScreen();
    void writeLanguage(bool chinese);
    void closeAndReload(const QString &window);
    // Loads the window when it is closed; an open one comes to the front
    // (restored when minimised) with the focus.
    void bringForward(const QString &window);
    // The Window menu's list of the open child windows, refilled each time
    // the menu opens.
    void fillWindowMenu();
    void shutDown();

    QMdiArea *m_mdi;
    StatusBar *m_status;
};
