// A tab control with tabs in as many rows as they need. Its children are
// aligned inside the area under the tabs.
#pragma once

#include <string>

#include "Window.h"

class TTabControl : public TWindow {
public:
    explicit TTabControl(TWindow& parent);

    int Count() const;
    // Caption of tab index, or an empty string outside the tabs.
    std::string Caption(int index) const;
    int AddTab(const std::string& caption);
    void InsertTab(int index, const std::string& caption);
    void DeleteTab(int index);
    void ClearTabs();
    // Selected tab, -1 for none; setting it does not run OnChange.
    int TabIndex() const;
    void SetTabIndex(int index);

    // The user chose another tab.
    std::function<void()> OnChange;

protected:
    bool Notify(NMHDR& header, LRESULT& result) override;
    RECT AlignArea() const override;
};
