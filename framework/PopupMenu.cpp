#include "PopupMenu.h"

#include "Application.h"

TPopupMenu::TPopupMenu() : menu_(CreatePopupMenu()) {
    if (!menu_) throw EWin32Error("Cannot create menu");
}

TPopupMenu::~TPopupMenu() {
    DestroyMenu(menu_);
}

void TPopupMenu::Add(const std::string& caption, std::function<void()> handler) {
    handlers_.push_back(std::move(handler));
    // Item ids count from 1: TrackPopupMenu returns 0 for "nothing chosen".
    AppendMenuA(menu_, MF_STRING, handlers_.size(), caption.c_str());
}

std::string TPopupMenu::Caption(std::size_t index) const {
    char text[256] = {};
    GetMenuStringA(menu_, static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION);
    return text;
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    // The owner must be in front, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(GetAncestor(owner, GA_ROOT));
    UINT chosen = TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen) Choose(chosen - 1);
}

void TPopupMenu::Choose(std::size_t index) {
    if (index < handlers_.size() && handlers_[index]) handlers_[index]();
}
