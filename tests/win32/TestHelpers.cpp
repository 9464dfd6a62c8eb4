#include "TestHelpers.h"

#include <fstream>
#include <sstream>

namespace {

const char kBrowserLog[] = "C:\\lexivar-browser.log";

}  // namespace

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        PumpMessages();
        Sleep(10);
    }
    return true;
}

bool BrowserStubInstalled() {
    char value[1024] = {};
    DWORD size = sizeof value;
    LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", RRF_RT_REG_SZ,
                                  nullptr, value, &size);
    return status == ERROR_SUCCESS && std::string(value).find("lexivar-browser") != std::string::npos;
}

void ClearBrowserLog() {
    DeleteFileA(kBrowserLog);
}

std::string BrowserLog() {
    std::ifstream in(kBrowserLog, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string WaitForBrowserLog(DWORD timeoutMs) {
    PumpUntil([] { return !BrowserLog().empty(); }, timeoutMs);
    return BrowserLog();
}
