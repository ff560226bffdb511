#include "link/LinkReport.h"

#include <QLabel>
#include <QProgressBar>
#include <cmath>

#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

void LinkReport::progress(double value)
{
    if (!m_controls.ProgressBar1)
        return;
    m_controls.ProgressBar1->setVisible(true);
    m_controls.ProgressBar1->setValue(int(std::floor(value)));
}

void LinkReport::label(const QString &text)
{
    if (m_controls.Label_tr_count)
        m_controls.Label_tr_count->setText(text);
}

void LinkReport::progressLabel(const BiText &before, int n, const BiText &after)
{
    label(before.text() + QString::number(n) + after.text());
}

void LinkReport::connecting()
{
    progress(0);
    label(m_settings.texts.connecting);
}

void LinkReport::identification(const IdentInfo &info)
{
    switch (m_settings.identPanels) {
    case IdentPanels::Standard:
        BandLimits = info.bands;
        SetMainPanel(8, bandPanelText(info.bands[0]));
        SetMainPanel(10, bandPanelText(info.bands[1]));
        SetMainPanel(12, bandPanelText(info.bands[2]));
        SetMainPanel(14, bandPanelText(info.bands[3]));
        SetMainPanel(2, info.model);
        SetMainPanel(4, QString());
        SetMainPanel(6, info.firmware);
        break;
    case IdentPanels::ThreeBands:
        for (int k = 0; k < 3; ++k)
            BandLimits[k] = info.bands[k];
        SetMainPanel(8, bandPanelText(info.bands[0]));
        SetMainPanel(10, bandPanelText(info.bands[1]));
        SetMainPanel(12, bandPanelText(info.bands[2]));
        SetMainPanel(2, info.model);
        SetMainPanel(4, info.serial);
        SetMainPanel(6, info.firmware);
        break;
    case IdentPanels::None:
        break;
    }
}

void LinkReport::readDone()
{
    if (m_settings.readDoneBar100)
        progress(100);
    const LinkTexts &t = m_settings.texts;
    if (m_settings.readDoneLabelFirst)
        label(t.afterReadLabel);
    MsgBox(t.afterReadBox, MsgIcon::Exclamation, t.afterReadTitle);
    if (!m_settings.readDoneLabelFirst)
        label(t.afterReadLabel);
}

void LinkReport::writeDone()
{
    const LinkTexts &t = m_settings.texts;
    MsgBox(t.afterWriteBox, MsgIcon::Exclamation, t.afterWriteTitle);
    label(t.afterWriteLabel);
}

void LinkReport::passwordRefused()
{
    MsgBox(m_settings.texts.passwordRefused, MsgIcon::Exclamation,
           m_settings.texts.passwordRefusedTitle);
}

void LinkReport::failure(bool rowsStored)
{
    const unsigned f = m_settings.failureReport;
    const LinkTexts &t = m_settings.texts;
    if (f & FailHideFirst) {
        if (m_controls.ProgressBar1) {
            m_controls.ProgressBar1->setValue(0);
            m_controls.ProgressBar1->setVisible(false);
        }
        label(QString());
    }
    if (f & FailBox) {
        QString text = t.failureBox;
        if (rowsStored && *t.failureAfterRows.en)
            text += QLatin1Char('\n') + t.failureAfterRows.text();
        MsgBox(text, MsgIcon::Exclamation, t.failureTitle);
    }
    if (f & FailBarZero && m_controls.ProgressBar1)
        m_controls.ProgressBar1->setValue(0);
    if (f & FailLabel)
        label(t.failureLabel);
    if (f & FailPanel2)
        SetMainPanel(2, t.failurePanel);
}

void LinkReport::portLost()
{
    if (m_controls.ProgressBar1)
        m_controls.ProgressBar1->setValue(0);
    label(m_settings.texts.failureLabel);
    if (m_settings.failureReport & FailPanel2)
        SetMainPanel(2, m_settings.texts.failurePanel);
}
