#pragma once
// The main window's use of the start-up identification: the port probe, the
// identification exchange and its end when the window closes.

// Tries COM20 down to COM1 and keeps the first that opens (COM1 when none).
void ProbeMainCommPort();
// Starts the identification exchange; its first frame goes out once the
// caller has returned to the event loop.
void StartMainIdentify();
// Stops the exchange and closes the main window's port.
void StopMainLink();
