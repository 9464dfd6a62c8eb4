#include "Application.h"

#include <set>
#include <string>

#include "MessageBox.h"

namespace {

void ShowExceptionBox(const std::exception& error) {
    ShowMessageBox(error.what(), MB_OK | MB_ICONERROR);
}

TExceptionHandler& CurrentHandler() {
    static TExceptionHandler handler = ShowExceptionBox;
    return handler;
}

}  // namespace

HINSTANCE ModuleHandle() {
    static HINSTANCE module = [] {
        HMODULE found = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&ModuleHandle), &found);
        return found;
    }();
    return module;
}

void RegisterWindowClass(const char* name, WNDPROC proc, UINT style, HBRUSH background) {
    static std::set<std::string> registered;
    if (!registered.insert(name).second) return;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ModuleHandle();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

TExceptionHandler SetExceptionHandler(TExceptionHandler handler) {
    TExceptionHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : TExceptionHandler(ShowExceptionBox);
    return previous;
}

void HandleException(const std::exception& error) {
    CurrentHandler()(error);
}
