#include "app/Application.h"

#include "platform/Windows.h"
#include "shell/AboutWindow.h"
#include "shell/MainWindow.h"
#include "shell/ModelSelectWindow.h"

// Every window of the system by its name. Child windows live in the main
// window's MDI area; the others are top-level and outlive it.
void defineWindows()
{
    using Windows::Kind;
    Windows::define(QStringLiteral("MDImain"), Kind::TopLevel, [] { return new MainWindow; });
    // shell
    Windows::define(QStringLiteral("Form_type"), Kind::TopLevel, [] { return new ModelSelectWindow; });
    Windows::define(QStringLiteral("frmAbout"), Kind::Child, [] { return new AboutWindow; });
    // link
    // channels
    // options
    // signalling
    // alignment
}
