#include "link/ReadWindow.h"

#include "link/EditorWindow.h"
#include "link/LinkProfiles.h"
#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "link/WholeRadioTexts.h"
#include "link/WholeReadUnpack.h"

#include <QPushButton>

ReadWindow::ReadWindow(QWidget *parent)
    : TransferWindow("Command_read",
                     QString::fromLatin1(WholeRadioText::ReadPasswordDesign),
                     {WholeRadioText::ReadCaption, WholeRadioText::Read, WholeRadioText::Cancel,
                      WholeRadioText::Help, WholeRadioText::PassWord},
                     parent)
{
    Command_read = m_start;
    m_controls.Command_read = Command_read;
    LinkSettings s = LinkProfile::wholeRead();
    s.unpack = [] {
        // The image is replaced: edits still open belong to the old one.
        EditorWindow::discardAllOpenEdits();
        UnpackWholeRead();
    };
    // Like every whole-radio transfer, an opened read resets the channel
    // editor's region alternation.
    s.started = [] { RegionToggle = 0; };
    bindSession(s);
}

void ReadWindow::Command_read_Click()
{
    m_session->Command_read_Click();
}
