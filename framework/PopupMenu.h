// A popup menu of plain items, each with its own handler.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TPopupMenu {
public:
    TPopupMenu();
    ~TPopupMenu();
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    void Add(const std::string& caption, std::function<void()> handler);
    std::size_t Count() const { return handlers_.size(); }
    std::string Caption(std::size_t index) const;
    // Shows the menu at a screen position and runs the chosen item's handler.
    void Popup(int x, int y, HWND owner);
    // Runs item index as if chosen; out-of-range indices do nothing.
    void Choose(std::size_t index);

private:
    HMENU menu_;
    std::vector<std::function<void()>> handlers_;
};
