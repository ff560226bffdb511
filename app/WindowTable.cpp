#include "app/Application.h"

#include "link/ReadWindow.h"
#include "link/WriteWindow.h"
#include "channels/ChannelEditorWindow.h"
#include "channels/FmEditorWindow.h"
#include "platform/Windows.h"
#include "shell/AboutWindow.h"
#include "shell/FileDialog.h"
#include "shell/MainWindow.h"
#include "shell/ModelSelectWindow.h"
#include "shell/PortSetupWindow.h"

// Every window of the system by its name. Child windows live in the main
// window's MDI area; the others are top-level and outlive it.
void defineWindows()
{
    using Windows::Kind;
    Windows::define(QStringLiteral("MDImain"), Kind::TopLevel, [] { return new MainWindow; });
    // shell
    Windows::define(QStringLiteral("Form_open_chann"), Kind::Child, [] { return NewFileDialog(FileDialogRole::OpenImage); });
    Windows::define(QStringLiteral("Form_save_chann"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveImage); });
    Windows::define(QStringLiteral("Form_open_adj"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::OpenAdjust); });
    Windows::define(QStringLiteral("Form_save_adj"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveAdjust); });
    Windows::define(QStringLiteral("Form_open_menu"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::OpenMenu); });
    Windows::define(QStringLiteral("Form_save_menu"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveMenu); });
    Windows::define(QStringLiteral("Form_open_sig"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::OpenSignal); });
    Windows::define(QStringLiteral("Form_save_sig"), Kind::TopLevel, [] { return NewFileDialog(FileDialogRole::SaveSignal); });
    Windows::define(QStringLiteral("Form_type"), Kind::TopLevel, [] { return new ModelSelectWindow; });
    Windows::define(QStringLiteral("frmAbout"), Kind::Child, [] { return new AboutWindow; });
    Windows::define(QStringLiteral("Form_setup"), Kind::Child, [] { return new PortSetupWindow; });
    // link
    Windows::define(QStringLiteral("Form_Comm_Read"), Kind::Child, [] { return new ReadWindow; });
    Windows::define(QStringLiteral("Form_Comm_Write"), Kind::Child, [] { return new WriteWindow; });
    // channels
    Windows::define(QStringLiteral("frm_chann"), Kind::Child, [] { return new ChannelEditorWindow; });
    Windows::define(QStringLiteral("frm_FM"), Kind::Child, [] { return new FmEditorWindow; });
    // options
    // signalling
    // alignment
}
