#include "shell/MainStartupLink.h"

// Until the link is in place the start-up has no radio to talk to.
void ProbeMainCommPort() {}
void StartMainIdentify() {}
void StopMainLink() {}
