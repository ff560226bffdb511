#pragma once
// A status bar of numbered panels (from 1), each a label whose width is a
// fraction of the screen width. A text wider than its panel widens the panel
// at the cost of the last one (a blank filler), as far as that has room, so
// texts are seen whole and the bar keeps its width. The main window's bar is
// reachable from every window through MainStatusBar(); the exchanges write
// its panels by number.
#include <QStatusBar>
#include <QList>

class QLabel;

class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(int panels, QWidget *parent = nullptr);
    int panelCount() const { return int(m_panels.size()); }
    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    // The width asked for the panel; it is shown wider when its text needs it.
    void setPanelWidth(int panel, int pixels);
    int panelWidth(int panel) const;
    QLabel *panel(int panel) const;  // nullptr outside 1..panelCount

private:
    // Gives each panel its asked width, or what its text needs, taken from
    // the last panel.
    void fitTexts();

    QList<QLabel *> m_panels;
    QList<int> m_asked;  // widths asked for; empty until the first is set
};

// The main window's status bar, or nullptr while there is none. Writing a
// panel when there is no main window does nothing.
StatusBar *MainStatusBar();
void setMainStatusBar(StatusBar *bar);
void SetMainPanel(int panel, const QString &text);
QString MainPanel(int panel);
