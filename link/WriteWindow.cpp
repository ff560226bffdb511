#include "link/WriteWindow.h"

#include "link/EditorWindow.h"
#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/WholeRadioTexts.h"
#include "memory/FiveToneTables.h"

#include <QPushButton>

WriteWindow::WriteWindow(QWidget *parent)
    : TransferWindow("Command_Write",
                     QString::fromLatin1(WholeRadioText::WritePasswordDesign),
                     {WholeRadioText::WriteCaption, WholeRadioText::Write, WholeRadioText::Cancel,
                      WholeRadioText::Help, WholeRadioText::PassWord},
                     parent)
{
    Command_Write = m_start;
    m_controls.Command_Write = Command_Write;
    LinkSettings s = LinkProfile::wholeWrite();
    // The computed tone tables go to the radio, whatever a file or a read
    // left in their rows.
    s.beforeStart = [](bool) {
        if (!EditorWindow::commitAllOpenEdits())
            return false;
        BuildFiveToneTables();
        return true;
    };
    s.started = [] { RegionToggle = 0; };
    bindSession(s);
}

void WriteWindow::Command_Write_Click()
{
    m_session->Command_Write_Click();
}
