// A bar that the user drags to resize the aligned control before it (the
// sibling of the same alignment whose edge touches it).
#pragma once

#include "Window.h"

class TSplitter : public TWindow {
public:
    // align: Top, Bottom, Left or Right, like the control it resizes.
    TSplitter(TWindow& parent, TAlign align);

    // Neither the resized control nor the space left beyond it gets smaller than this.
    void SetMinSize(int pixels) { minSize_ = pixels; }
    // The control resized by a drag, or null.
    TWindow* Target() const;

    std::function<void()> OnMoved;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Vertical() const;
    int ScreenPos(LPARAM lParam) const;
    int Room() const;
    void DragTo(int screenPos);

    int minSize_ = 30;
    TWindow* target_ = nullptr;
    int startPos_ = 0;
    int startSize_ = 0;
    int room_ = 0;
};
