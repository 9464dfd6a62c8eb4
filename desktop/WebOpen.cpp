#include "WebOpen.h"

#include "Shell.h"
#include "WebLinks.h"

void OpenWebAddress(const std::string& address) {
    ShellOpen(WebAddressToOpen(address), nullptr);
}
