#include "app/Application.h"

#include "platform/Windows.h"
#include "shell/MainWindow.h"

// Every window of the system by its name. Child windows live in the main
// window's MDI area; the others are top-level and outlive it.
void defineWindows()
{
    using Windows::Kind;
    Windows::define(QStringLiteral("MDImain"), Kind::TopLevel, [] { return new MainWindow; });
    // shell
    // link
    // channels
    // options
    // signalling
    // alignment
}
