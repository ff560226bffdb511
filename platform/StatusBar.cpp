#include "platform/StatusBar.h"

#include <QLabel>
#include <QPointer>

namespace {
QPointer<StatusBar> mainBar;
}

StatusBar::StatusBar(int panels, QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int k = 1; k <= panels; ++k) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(k));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        addWidget(label);
        m_panels.append(label);
    }
}

QLabel *StatusBar::panel(int k) const
{
    return (k >= 1 && k <= m_panels.size()) ? m_panels[k - 1] : nullptr;
}

void StatusBar::setPanelText(int k, const QString &text)
{
    if (QLabel *l = panel(k))
        l->setText(text);
}

QString StatusBar::panelText(int k) const
{
    QLabel *l = panel(k);
    return l ? l->text() : QString();
}

void StatusBar::setPanelWidth(int k, int pixels)
{
    if (QLabel *l = panel(k))
        l->setFixedWidth(pixels);
}

int StatusBar::panelWidth(int k) const
{
    QLabel *l = panel(k);
    return l ? l->minimumWidth() : 0;
}

StatusBar *MainStatusBar() { return mainBar; }
void setMainStatusBar(StatusBar *bar) { mainBar = bar; }
void SetMainPanel(int k, const QString &text)
{
    if (mainBar)
        mainBar->setPanelText(k, text);
}
QString MainPanel(int k) { return mainBar ? mainBar->panelText(k) : QString(); }
