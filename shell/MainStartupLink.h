#pragma once
// The main window's use of the start-up identification: the port probe, the
// identification exchange and its end when the window closes.
class QObject;

// Creates the main window's serial control and timers as children of owner,
// then tries COM20 down to COM1 and keeps the first that opens (COM1 when
// none does), closing it again.
void ProbeMainCommPort(QObject *owner);
// Starts the identification exchange; its first frame goes out once the
// caller has returned to the event loop.
void StartMainIdentify();
// Stops the exchange and closes the main window's port.
void StopMainLink();
