#include "link/ReadWindow.h"

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/WholeRadioTexts.h"
#include "link/WholeReadUnpack.h"

#include <QPushButton>

LinkSettings WholeReadSettings()
{
    namespace T = WholeRadioText;
    LinkSettings s;
    s.readBase = 0x0000;
    s.writeBase = 0x0000;
    s.readBlocks = WholeReadBlocks;
    s.writeRows = ChannelCount;
    s.readRetries = 3;
    s.writeRetries = 3;
    s.retryDelayMs = 3000;
    s.identAckPauseSteps = 40000;
    s.ackPasswordBlock = false;
    s.firstReadRequestAck = true;
    s.firstReadBlock = 1;
    s.readProgressAfterAdvance = false;
    s.readDoneBar100 = false;
    s.readDoneLabelFirst = false;
    s.unpack = [] { UnpackWholeRead(); };
    s.failureReport = FailBox | FailBarZero | FailLabel;

    LinkTexts &t = s.texts;
    SetWholeRadioSharedTexts(t);
    t.readProgressBefore = T::ReadingBefore;
    t.readProgressAfter = T::ReadingAfter;
    t.afterReadTitle = PromptTitle;
    t.afterReadBox = T::ReadDoneBox;
    t.afterReadLabel = T::ReadDoneLabel;
    return s;
}

ReadWindow::ReadWindow(QWidget *parent)
    : TransferWindow(QStringLiteral("Command_read"),
                     QString::fromLatin1(WholeRadioText::ReadPasswordDesign),
                     {WholeRadioText::ReadCaption, WholeRadioText::Read, WholeRadioText::Cancel,
                      WholeRadioText::Help, WholeRadioText::PassWord},
                     parent)
{
    Command_read = m_start;
    m_controls.Command_read = Command_read;
    LinkSettings s = WholeReadSettings();
    // Like every whole-radio transfer, an opened read resets the channel
    // editor's region alternation.
    s.started = [] { RegionToggle = 0; };
    bindSession(s);
}

void ReadWindow::Command_read_Click()
{
    m_session->Command_read_Click();
}
