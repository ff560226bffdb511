#include "platform/StatusBar.h"

#include <QLabel>
#include <QPointer>

#include <algorithm>

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
    QLabel *l = panel(k);
    if (!l || l->text() == text)
        return;
    l->setText(text);
    fitTexts();
}

QString StatusBar::panelText(int k) const
{
    QLabel *l = panel(k);
    return l ? l->text() : QString();
}

void StatusBar::setPanelWidth(int k, int pixels)
{
    if (!panel(k))
        return;
    if (m_asked.isEmpty())
        m_asked = QList<int>(m_panels.size(), 0);
    m_asked[k - 1] = pixels;
    fitTexts();
}

int StatusBar::panelWidth(int k) const
{
    return panel(k) && !m_asked.isEmpty() ? m_asked[k - 1] : 0;
}

void StatusBar::fitTexts()
{
    if (m_asked.isEmpty())
        return;
    int room = m_asked.last();
    for (int i = 0; i + 1 < m_panels.size(); ++i) {
        QLabel *l = m_panels[i];
        int width = m_asked[i];
        if (!l->text().isEmpty() && l->sizeHint().width() > width) {
            const int grow = std::min(l->sizeHint().width() - width, room);
            width += grow;
            room -= grow;
        }
        l->setFixedWidth(width);
    }
    m_panels.last()->setFixedWidth(room);
}

StatusBar *MainStatusBar() { return mainBar; }
void setMainStatusBar(StatusBar *bar) { mainBar = bar; }
void SetMainPanel(int k, const QString &text)
{
    if (mainBar)
        mainBar->setPanelText(k, text);
}
QString MainPanel(int k) { return mainBar ? mainBar->panelText(k) : QString(); }
