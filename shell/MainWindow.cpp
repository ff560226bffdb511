#include "shell/MainWindow.h"

#include "link/Frames.h"
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/StandardTexts.h"
#include "platform/StatusBar.h"
#include "shell/LanguageTexts.h"
#include "shell/MainMenus.h"
#include "link/StartupIdentify.h"
#include "shell/MainStartupLink.h"
#include "shell/StatusPanelWidths.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include "platform/WindowNames.h"

namespace {
// Panel widths in percent of the screen width.
constexpr int PanelPercent[15] = {4, 4, 5, 10, 6, 5, 5, 5, 5, 5, 5, 5, 5, 5, 20};
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_mdi(new QMdiArea(this)), m_status(new StatusBar(15, this))
{
    InstallStandardTexts();  // Qt's own menus and buttons follow the language
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(m_mdi);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(m_status);
    BuildMenus(this);
    QToolBar *bar = BuildToolbar(this);
    connect(bar, &QToolBar::actionTriggered, this,
            [this](QAction *a) { Toolbar1_ButtonClick(a->data().toString()); });
    connectMenus();
    Windows::setMdiArea(m_mdi);
    setMainStatusBar(m_status);
}

MainWindow::~MainWindow()
{
    if (Windows::mdiArea() == m_mdi)
        Windows::setMdiArea(nullptr);
}

QAction *MainWindow::menuEntry(const QString &name) const
{
    return MenuAction(const_cast<MainWindow *>(this), name);
}

void MainWindow::formLoad()
{
    StoreProgramModeHandshake();

    // Language and its texts; the program always starts in English.
    LanguageFlag = 0;
    LoadLanguageTexts();

    // Status-bar panels as fractions of the screen width.
    const float screenWidth = float(Screen::widthTwips());
    for (int k = 1; k <= 15; ++k)
        m_status->setPanelWidth(k, Screen::toPixels(screenWidth * PanelPercent[k - 1] / 100));

    // English captions of the start-up; the File and Program entries keep
    // their design captions until the first language command.
    menuEntry(QStringLiteral("Language_eng"))->setChecked(true);
    menuEntry(QStringLiteral("Language_chn"))->setChecked(false);
    WriteMenuCaptions(this, false, StartupCaptionEntries());
    for (int k : {1, 3, 5, 7, 9})
        m_status->setPanelText(k, PanelLabel(k, false));
    m_status->setPanelText(15, QString());
    setWindowTitle(MainWindowTitle(false));

    // Cover the screen and show.
    resize(Screen::sizePixels());
    show();

    if (Screen::heightTwips() < 12000 || Screen::widthTwips() < 19200)
        MsgBox(QStringLiteral("Set the display mode of the computer to 1280 * 800 "),
               MsgIcon::Exclamation, QStringLiteral("Operate Prompt"));

    ProbeMainCommPort(this);
    connect(MainLink(), &StartupIdentify::identified, this, &MainWindow::enableEditorMenus,
            Qt::UniqueConnection);

    ChannelCount = 200;
    BuildSharedTables();
    SetStartupBandLimits();

    // The identification's first frame goes out after the start-up returns.
    StartMainIdentify();

    BuildFactoryImage();
    Windows::load(WindowName::frm_chann);
}

void MainWindow::showEvent(QShowEvent *event)
{
    // The bar's layout counts its panels once they are shown, and the window
    // reaches the screen only after this event.
    fitPanelsToScreen();
    QMainWindow::showEvent(event);
}

// On a narrow screen the panels give up what the bar's own spacing needs, so
// the window is never wider than the screen.
void MainWindow::fitPanelsToScreen()
{
    const int excess = minimumSizeHint().width() - Screen::sizePixels().width();
    if (excess <= 0)
        return;
    QList<int> widths;
    for (int k = 1; k <= m_status->panelCount(); ++k)
        widths << m_status->panelWidth(k);
    widths = NarrowedPanelWidths(widths, excess);
    for (int k = 1; k <= m_status->panelCount(); ++k)
        m_status->setPanelWidth(k, widths[k - 1]);
    // The bar and the window take their new minimum widths now, before the
    // window is sized to the screen again.
    QCoreApplication::sendPostedEvents(m_status, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
    resize(Screen::sizePixels());
}

void MainWindow::formUnload()
{
    StopMainLink();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every child window unloads first, each with its own unload handling;
    // one that refuses keeps the main window open.
    // A refusing child is asked once: its refusal (and its warning) ends the
    // shut-down here.
    for (const QString &name : Windows::openChildren())
        Windows::unload(name);
    if (!Windows::openChildren().isEmpty()) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        if (!sub->close()) {
            event->ignore();
            return;
        }
    if (!Windows::handleClose(this)) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::changeEvent(QEvent *event)
{
    // Focus coming back from a top-level window activates the editor in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        if (QMdiSubWindow *sub = m_mdi->activeSubWindow())
            if (auto *b = dynamic_cast<FormBehaviour *>(sub->widget()))
                b->formActivate();
    QMainWindow::changeEvent(event);
}

void MainWindow::connectMenus()
{
    auto on = [this](const char *entry, auto fn) {
        connect(menuEntry(QString::fromLatin1(entry)), &QAction::triggered, this, fn);
    };
    auto load = [](QLatin1String window) {
        return [window] { Windows::load(window); };
    };
    on("File_Open", [this] { closeAndReload(WindowName::Form_open_chann); });
    on("File_save", [this] { closeAndReload(WindowName::Form_save_chann); });
    on("File_saveas", [this] { closeAndReload(WindowName::Form_save_chann); });
    on("File_exit", [this] { shutDown(); });
    on("fm_chann_edit", [] {
        Windows::unload(WindowName::frm_chann);
        Windows::load(WindowName::frm_FM);
    });
    // An editor already open comes to the front rather than staying hidden
    // behind others.
    auto forward = [this](QLatin1String window) {
        return [this, window] { bringForward(window); };
    };
    on("chann_edit", forward(WindowName::frm_chann));
    on("sys_edit", forward(WindowName::frm_option));
    on("Sig_dtmf", forward(WindowName::frm_dtmf));
    on("Sig_2tone", forward(WindowName::frm_2tone));
    on("Sig_5tone", forward(WindowName::frm_5tone));
    on("frm_adj", load(WindowName::frm_Adj_Txp));
    on("Prog_read", [this] { closeAndReload(WindowName::Form_Comm_Read); });
    on("Prog_write", [this] { closeAndReload(WindowName::Form_Comm_Write); });
    on("PC_PassWord", [this] { closeAndReload(WindowName::Form_Write_PassWord); });
    on("proc_setup", forward(WindowName::Form_setup));
    on("Language_chn", [this] { Language_chn_Click(); });
    on("Language_eng", [this] { Language_eng_Click(); });
    on("about", load(WindowName::frmAbout));
    on("Menu_Exit", [this] { shutDown(); });
    on("Window_cascade", [this] { m_mdi->cascadeSubWindows(); });
    on("Window_tile", [this] { m_mdi->tileSubWindows(); });
    if (auto *menu = findChild<QMenu *>(QStringLiteral("Window_menu")))
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
}

void MainWindow::bringForward(const QString &window)
{
    QWidget *w = Windows::show(window);
    if (!w)
        return;
    w->window()->activateWindow();
    // The focus goes back to the control that last had it in the window,
    // else to its first control.
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == w || w->isAncestorOf(focus)))
        return;
    const auto takesFocus = [w](QWidget *c) {
        return c && c != w && w->isAncestorOf(c) && c->isVisible() && c->isEnabled()
               && (c->focusPolicy() & Qt::TabFocus);
    };
    QWidget *target = w->focusWidget();
    for (QWidget *c = w->nextInFocusChain(); !takesFocus(target) && c && c != w; c = c->nextInFocusChain())
        target = c;
    (takesFocus(target) ? target : w)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::fillWindowMenu()
{
    auto *menu = findChild<QMenu *>(QStringLiteral("Window_menu"));
    if (!menu)
        return;
    for (QAction *a : menu->actions())
        if (a->property("windowEntry").toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const QList<QMdiSubWindow *> frames = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (const char *name : {"Window_cascade", "Window_tile"})
        menuEntry(QString::fromLatin1(name))->setEnabled(!frames.isEmpty());
    if (frames.isEmpty())
        return;
    auto *line = menu->addSeparator();
    line->setProperty("windowEntry", true);
    for (QMdiSubWindow *frame : frames) {
        QWidget *w = frame->widget();
        if (!w)
            continue;
        const QString name = w->objectName();
        QAction *a = menu->addAction(frame->windowTitle());
        a->setObjectName(QStringLiteral("Window_") + name);
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(frame == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, name] {
            if (Windows::isLoaded(name))  // not one closed since the menu opened
                bringForward(name);
        });
    }
}

void MainWindow::closeAndReload(const QString &window)
{
    Windows::reload(window);
}

void MainWindow::shutDown()
{
    close();
}

void MainWindow::Language_chn_Click()
{
    if (LanguageFlag == 0) {
        LanguageFlag = -1;
        LoadLanguageTexts();
    }
    writeLanguage(true);
}

void MainWindow::Language_eng_Click()
{
    if (LanguageFlag != 0) {
        LanguageFlag = 0;
        LoadLanguageTexts();
    }
    writeLanguage(false);
}

void MainWindow::writeLanguage(bool chinese)
{
    menuEntry(QStringLiteral("Language_eng"))->setChecked(!chinese);
    menuEntry(QStringLiteral("Language_chn"))->setChecked(chinese);
    WriteMenuCaptions(this, chinese);
    for (int k : {1, 3, 5, 7, 9})
        m_status->setPanelText(k, PanelLabel(k, chinese));
    m_status->setPanelText(11, QString());
    setWindowTitle(MainWindowTitle(chinese));
}

void MainWindow::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("open")) {
        closeAndReload(WindowName::Form_open_chann);
    } else if (key == QLatin1String("save")) {
        closeAndReload(WindowName::Form_save_chann);
    } else if (key == QLatin1String("edit_option")) {
        // The channel editor closes first; when it stays open (an edit it
        // keeps, with its warning) the button does nothing more.
        if (Windows::unload(WindowName::frm_chann))
            bringForward(WindowName::frm_option);
    } else if (key == QLatin1String("edit_chann")) {
        if (Windows::unload(WindowName::frm_chann))
            Windows::load(WindowName::frm_chann);
    } else if (key == QLatin1String("edit_dtmf")) {
        if (Windows::unload(WindowName::frm_chann))
            bringForward(WindowName::frm_dtmf);
    } else if (key == QLatin1String("read")) {
        closeAndReload(WindowName::Form_Comm_Read);
    } else if (key == QLatin1String("write")) {
        closeAndReload(WindowName::Form_Comm_Write);
    } else if (key == QLatin1String("exit")) {
        for (QLatin1String w : {WindowName::Form_type, WindowName::frm_chann, WindowName::frm_option, WindowName::frmAbout})
            if (!Windows::unload(w))
                return;
        shutDown();
    }
}

void MainWindow::enableEditorMenus()
{
    for (const char *name : {"sig_edit", "sys_edit", "chann_edit", "fm_chann_edit"})
        menuEntry(QString::fromLatin1(name))->setEnabled(true);
}
