// Push buttons and toggle buttons.
#pragma once

#include <string>

#include "Window.h"

// A push button. A modal result, when set, is given to the form on a click.
class TButton : public TWindow {
public:
    TButton(TWindow& parent, const std::string& caption = std::string());

    // The default button (clicked by Enter) of its form.
    void SetDefault(bool isDefault);
    void SetModalResult(int result) { modalResult_ = result; }

protected:
    TButton(TWindow& parent, const std::string& caption, DWORD style);
    bool Command(WORD code) override;
    void Click() override;

private:
    int modalResult_ = 0;
};

// A button that stays down until it is clicked again. Buttons of one group
// (non-zero group index, same parent) are down one at a time; without
// AllowAllUp a down button of a group stays down when clicked.
class TToggleButton : public TButton {
public:
    TToggleButton(TWindow& parent, const std::string& caption = std::string());

    bool Down() const;
    void SetDown(bool down);
    void SetGroupIndex(int group) { groupIndex_ = group; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    // Off: a click only runs OnClick, and the handler decides the state.
    void SetAutoToggle(bool autoToggle) { autoToggle_ = autoToggle; }

protected:
    void Click() override;

private:
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool autoToggle_ = true;
};
