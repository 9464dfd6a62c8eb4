#include "Splitter.h"

#include <windowsx.h>

#include <algorithm>

#include "Application.h"

namespace {

const char kSplitterClass[] = "LexivarSplitter";

}  // namespace

TSplitter::TSplitter(TWindow& parent, TAlign align) : TWindow(&parent) {
    RegisterWindowClass(kSplitterClass, StaticWndProc, 0, nullptr);
    CreateHandle(kSplitterClass, WS_CHILD | WS_VISIBLE, 0);
    SetAlign(align);
    SetCursor(LoadCursor(nullptr, Vertical() ? IDC_SIZENS : IDC_SIZEWE));
}

bool TSplitter::Vertical() const {
    return Align() == TAlign::Top || Align() == TAlign::Bottom;
}

TWindow* TSplitter::Target() const {
    if (!Parent()) return nullptr;
    TBounds me = Bounds();
    for (TWindow* sibling : Parent()->Children()) {
        if (sibling == this || sibling->Align() != Align() || !sibling->Visible()) continue;
        TBounds b = sibling->Bounds();
        bool touches = false;
        switch (Align()) {
            case TAlign::Top: touches = b.top + b.height == me.top; break;
            case TAlign::Bottom: touches = b.top == me.top + me.height; break;
            case TAlign::Left: touches = b.left + b.width == me.left; break;
            case TAlign::Right: touches = b.left == me.left + me.width; break;
            default: break;
        }
        if (touches) return sibling;
    }
    return nullptr;
}

int TSplitter::ScreenPos(LPARAM lParam) const {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &at);
    return Vertical() ? at.y : at.x;
}

int TSplitter::Room() const {
    // Growing the target shrinks the control that fills the rest; without
    // one, the target may grow to the edge of the parent.
    for (TWindow* sibling : Parent()->Children()) {
        if (sibling->Align() == TAlign::Client && sibling->Visible()) {
            return Vertical() ? sibling->Height() : sibling->Width();
        }
    }
    RECT area;
    GetClientRect(Parent()->Handle(), &area);
    TBounds me = Bounds();
    switch (Align()) {
        case TAlign::Top: return area.bottom - (me.top + me.height);
        case TAlign::Bottom: return me.top;
        case TAlign::Left: return area.right - (me.left + me.width);
        default: return me.left;
    }
}

void TSplitter::DragTo(int screenPos) {
    int delta = screenPos - startPos_;
    if (Align() == TAlign::Bottom || Align() == TAlign::Right) delta = -delta;
    // The target keeps at least minSize_, and so does the space beyond the splitter.
    int size = std::min(startSize_ + delta, startSize_ + room_ - minSize_);
    size = std::max(size, minSize_);
    if (Vertical()) {
        target_->SetHeight(size);
    } else {
        target_->SetWidth(size);
    }
}

LRESULT TSplitter::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN: {
            target_ = Target();
            if (!target_) break;
            TBounds b = target_->Bounds();
            startSize_ = Vertical() ? b.height : b.width;
            startPos_ = ScreenPos(lParam);
            room_ = Room();
            SetCapture(Handle());
            return 0;
        }
        case WM_MOUSEMOVE:
            if (target_) DragTo(ScreenPos(lParam));
            return 0;
        case WM_LBUTTONUP:
            if (!target_) break;
            DragTo(ScreenPos(lParam));
            target_ = nullptr;
            ReleaseCapture();
            if (OnMoved) OnMoved();
            return 0;
        case WM_CAPTURECHANGED:
            target_ = nullptr;
            break;
        default:
            break;
    }
    return TWindow::WndProc(message, wParam, lParam);
}
