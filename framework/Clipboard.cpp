#include "Clipboard.h"

#include <cstring>

namespace {

const int kOpenAttempts = 10;
const DWORD kRetryDelayMs = 20;
const char kOwnerClass[] = "LexivarClipboardOwner";

// Emptying the clipboard without an owner window would make SetClipboardData
// fail, so the framework keeps a hidden message-only window for it.
HWND OwnerWindow() {
    static HWND owner = [] {
        RegisterWindowClass(kOwnerClass, DefWindowProcA, 0, nullptr);
        return CreateWindowExA(0, kOwnerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleHandle(), nullptr);
    }();
    return owner;
}

// Holds the clipboard open for its lifetime.
class TOpenClipboard {
public:
    TOpenClipboard() {
        for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
            if (OpenClipboard(OwnerWindow())) return;
            Sleep(kRetryDelayMs);
        }
        throw EClipboardError();
    }
    ~TOpenClipboard() { CloseClipboard(); }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

}  // namespace

std::string ClipboardText() {
    TOpenClipboard open;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return {};
    const char* text = static_cast<const char*>(GlobalLock(data));
    if (!text) return {};
    // The block need not end in a zero; never read past it.
    std::string result(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
    return result;
}

void SetClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (!memory) throw EWin32Error("Out of memory for the clipboard");
    char* target = static_cast<char*>(GlobalLock(memory));
    if (!target) {
        GlobalFree(memory);
        throw EWin32Error("Out of memory for the clipboard");
    }
    std::memcpy(target, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    try {
        TOpenClipboard open;
        EmptyClipboard();
        // On success the clipboard owns the memory.
        if (SetClipboardData(CF_TEXT, memory)) return;
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
    GlobalFree(memory);
    throw EWin32Error("Cannot put text on the clipboard");
}
