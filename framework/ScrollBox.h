// A container that scrolls its children vertically. Children are placed in
// client coordinates (as anywhere else); the scroll range covers the lowest
// child. Freeing all children scrolls back to the top.
#pragma once

#include "Window.h"

class TScrollBox : public TWindow {
public:
    explicit TScrollBox(TWindow& parent);

    // Distance scrolled from the top of the content.
    int ScrollPos() const { return pos_; }
    // Scrolls so that content position y is at the top, within the range.
    void ScrollTo(int y);
    int ContentHeight() const;
    // Shows or hides the vertical scroll bar; shown, it is set to the range.
    void ShowVertScrollBar(bool show);
    // Pixels of one line scroll (SB_LINEUP, SB_LINEDOWN).
    void SetLineSize(int pixels) { lineSize_ = pixels; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ChildrenChanged() override;

private:
    void UpdateScrollBar();
    void ClampAndUpdate();
    int MaxPos() const;

    int pos_ = 0;
    int lineSize_ = 8;
    bool barShown_ = true;
    bool scrolling_ = false;
};
