// A read-only multi-line edit with word wrap: text that can be selected and
// copied but not changed.
#pragma once

#include <string>

#include "Window.h"

class TMemo : public TWindow {
public:
    explicit TMemo(TWindow& parent, bool border = false, const TBounds& bounds = {});

    // Tab and Return reach the control's key handling instead of moving the
    // focus or clicking the default button.
    void SetWantTabs(bool want);
    void SetWantReturns(bool want);

    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, -1); }
    int LineCount() const;
    // Width the text wraps to: the client width less the margins.
    int TextWidth() const;
    // Line of a character position; -1: the line of the caret.
    int LineFromChar(int position = -1) const;
    // Character position at which line starts, or -1 past the last line.
    int LineIndex(int line) const;

private:
    struct TSelection {
        int start;
        int length;
    };
    TSelection Selection() const;
    void SetWant(UINT code, bool want);

    UINT wanted_ = 0;
};
