#include "app/Application.h"

#include "alignment/AdjustEditorWindow.h"
#include "link/PasswordWindow.h"
#include "link/ReadWindow.h"
#include "link/WriteWindow.h"
#include "channels/ChannelEditorWindow.h"
#include "channels/FmEditorWindow.h"
#include "options/OptionEditorWindow.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "shell/AboutWindow.h"
#include "shell/FileDialog.h"
#include "shell/MainWindow.h"
#include "shell/ModelSelectWindow.h"
#include "shell/PortSetupWindow.h"
#include "signalling/DtmfEditorWindow.h"
#include "signalling/TwoToneEditorWindow.h"
#include "signalling/FiveToneWindow.h"

// Every window of the system by its name. Child windows live in the main
// window's MDI area; the others are top-level and outlive it.
void defineWindows()
{
    using Windows::Kind;
    Windows::define(WindowName::MDImain, Kind::TopLevel, [] { return new MainWindow; });
    // shell
    Windows::define(WindowName::Form_open_chann, Kind::Child, [] { return NewFileDialog(FileDialogRole::OpenImage); });
    Windows::define(WindowName::Form_save_chann, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveImage); });
    Windows::define(WindowName::Form_open_adj, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::OpenAdjust); });
    Windows::define(WindowName::Form_save_adj, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveAdjust); });
    Windows::define(WindowName::Form_open_menu, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::OpenMenu); });
    Windows::define(WindowName::Form_save_menu, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveMenu); });
    Windows::define(WindowName::Form_open_sig, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::OpenSignal); });
    Windows::define(WindowName::Form_save_sig, Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveSignal); });
    Windows::define(WindowName::Form_type, Kind::TopLevel, [] { return new ModelSelectWindow; });
    Windows::define(WindowName::frmAbout, Kind::Child, [] { return new AboutWindow; });
    Windows::define(WindowName::Form_setup, Kind::Child, [] { return new PortSetupWindow; });
    // link
    Windows::define(WindowName::Form_Comm_Read, Kind::Child, [] { return new ReadWindow; });
    Windows::define(WindowName::Form_Comm_Write, Kind::Child, [] { return new WriteWindow; });
    Windows::define(WindowName::Form_Write_PassWord, Kind::Child, [] { return new PasswordWindow; });
    // channels
    Windows::define(WindowName::frm_chann, Kind::Child, [] { return new ChannelEditorWindow; });
    Windows::define(WindowName::frm_FM, Kind::Child, [] { return new FmEditorWindow; });
    // options
    Windows::define(WindowName::frm_option, Kind::Child, [] { return new OptionEditorWindow; });
    // signalling
    Windows::define(WindowName::frm_dtmf, Kind::Child, [] { return new DtmfEditorWindow; });
    Windows::define(WindowName::frm_2tone, Kind::Child, [] { return new TwoToneEditorWindow; });
    Windows::define(WindowName::frm_5tone, Kind::Child, [] { return new FiveToneWindow; });
    // alignment
    Windows::define(WindowName::frm_Adj_Txp, Kind::Child, [] { return new AdjustEditorWindow; });
}
