#include "link/WriteWindow.h"

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/WholeRadioTexts.h"
#include "memory/FiveToneTables.h"

#include <QPushButton>

LinkSettings WholeWriteSettings()
{
    namespace T = WholeRadioText;
    LinkSettings s;
    s.readBase = 0x0000;
    s.writeBase = 0x0000;
    s.readBlocks = 0;
    s.writeRows = WholeWriteRows;
    s.readRetries = 0;
    s.writeRetries = 0;  // the failure report never restarts the exchange
    s.retryDelayMs = 5000;
    s.identAckPauseSteps = 4000;
    s.passwordAckPauseSteps = 4000;
    s.writeLabelOffset = 0;
    s.failureReport = FailHideFirst | FailBox | FailLabel;
    // The computed tone tables go to the radio, whatever a file or a read
    // left in their rows.
    s.beforeStart = [] { BuildFiveToneTables(); };
    s.started = [] { RegionToggle = 0; };

    LinkTexts &t = s.texts;
    SetWholeRadioSharedTexts(t);
    t.writeProgressBefore = T::WritingBefore;
    t.writeProgressAfter = T::WritingAfter;
    t.afterWriteTitle = PromptTitle;
    t.afterWriteBox = T::WriteDoneBox;
    t.afterWriteLabel = T::WriteDoneLabel;
    return s;
}

WriteWindow::WriteWindow(QWidget *parent)
    : TransferWindow(QStringLiteral("Command_Write"),
                     QString::fromLatin1(WholeRadioText::WritePasswordDesign),
                     {WholeRadioText::WriteCaption, WholeRadioText::Write, WholeRadioText::Cancel,
                      WholeRadioText::Help, WholeRadioText::PassWord},
                     parent)
{
    Command_Write = m_start;
    m_controls.Command_Write = Command_Write;
    bindSession(WholeWriteSettings());
}

void WriteWindow::Command_Write_Click()
{
    m_session->Command_Write_Click();
}
