// A combo box with an edit field and a drop-down list of items.
#pragma once

#include <string>
#include <vector>

#include "Window.h"

class TComboBox : public TWindow {
public:
    explicit TComboBox(TWindow& parent);

    int Count() const;
    // Item index, or an empty string outside the list.
    std::string Item(int index) const;
    void AddItem(const std::string& item);
    void DeleteItem(int index);
    void Clear();
    void SelectAll();
    void SetMaxLength(int length);

    // Any edit of the text or choice from the list; the text is already the new one.
    std::function<void()> OnChange;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Command(WORD code) override;
};
