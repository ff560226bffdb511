#pragma once
// The frame of a shell dialog shown as a child of the main window: a title
// bar with a close box, no minimise or maximise buttons. The child frame
// draws its close box only together with the system menu.
#include <Qt>

inline Qt::WindowFlags DialogChildFrameFlags()
{
    return Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
         | Qt::WindowCloseButtonHint;
}
