// Opening a web address in the user's browser.
#pragma once

#include <string>

// Completes the address (WebAddressToOpen) and asks the shell to open it,
// with no owner window; a shell that cannot open it leaves no trace.
void OpenWebAddress(const std::string& address);
