// A single-selection list of text items.
#pragma once

#include <string>
#include <vector>

#include "Window.h"

class TListBox : public TWindow {
public:
    explicit TListBox(TWindow& parent, bool border = true);

    int Count() const;
    // Item index, or an empty string outside the list.
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& item);
    void Clear();
    // Selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int TopIndex() const;
    void SetTopIndex(int index);
    int ItemHeight() const;
    void SetItemHeight(int height);

    // The selection changed through the user.
    std::function<void()> OnChange;

protected:
    bool Command(WORD code) override;
};
