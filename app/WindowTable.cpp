#include "app/Application.h"

#include "platform/Windows.h"

// Every window of the system by its name. Child windows live in the main
// window's MDI area; the others are top-level and outlive it.
void defineWindows()
{
    using Windows::Kind;
    // shell
    // link
    // channels
    // options
    // signalling
    // alignment
}
