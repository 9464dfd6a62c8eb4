#include "Shell.h"

#include <shellapi.h>

bool ShellOpen(const std::string& target, HWND owner) {
    HINSTANCE result = ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}
