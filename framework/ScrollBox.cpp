#include "ScrollBox.h"

#include <algorithm>

#include "Application.h"

namespace {

const char kScrollBoxClass[] = "LexivarScrollBox";

}  // namespace

TScrollBox::TScrollBox(TWindow& parent) : TWindow(&parent) {
    RegisterWindowClass(kScrollBoxClass, StaticWndProc, CS_DBLCLKS, nullptr);
    CreateHandle(kScrollBoxClass, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN | WS_TABSTOP,
                 WS_EX_CONTROLPARENT);
}

int TScrollBox::ContentHeight() const {
    int bottom = 0;
    for (const TWindow* child : Children()) {
        if (!child->Handle()) continue;
        TBounds b = child->Bounds();
        bottom = std::max(bottom, b.top + b.height + pos_);
    }
    return bottom;
}

int TScrollBox::MaxPos() const {
    return std::max(0, ContentHeight() - ClientHeight());
}

void TScrollBox::ScrollTo(int y) {
    int target = std::max(0, std::min(y, MaxPos()));
    int delta = pos_ - target;
    if (delta != 0) {
        // Children move one by one: moving them reports back here, which
        // must not re-clamp while the position is half applied.
        scrolling_ = true;
        for (TWindow* child : Children()) {
            if (!child->Handle()) continue;
            TBounds b = child->Bounds();
            child->SetBounds(b.left, b.top + delta, b.width, b.height);
        }
        scrolling_ = false;
        pos_ = target;
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    UpdateScrollBar();
}

void TScrollBox::ShowVertScrollBar(bool show) {
    barShown_ = show;
    if (show) {
        ShowScrollBar(Handle(), SB_VERT, TRUE);
        ClampAndUpdate();
    } else {
        ShowScrollBar(Handle(), SB_VERT, FALSE);
    }
}

void TScrollBox::UpdateScrollBar() {
    if (!barShown_ || !Handle()) return;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(0, ContentHeight() - 1);
    info.nPage = static_cast<UINT>(std::max(0, ClientHeight()));
    info.nPos = pos_;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void TScrollBox::ChildrenChanged() {
    if (scrolling_) return;
    TWindow::ChildrenChanged();
    if (Children().empty()) pos_ = 0;
    // While the bar is hidden (a layout in progress) the range is not kept.
    if (barShown_) ClampAndUpdate();
}

void TScrollBox::ClampAndUpdate() {
    int maxPos = MaxPos();
    if (pos_ > maxPos) {
        ScrollTo(maxPos);
    } else {
        UpdateScrollBar();
    }
}

LRESULT TScrollBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL) {
        int page = ClientHeight();
        switch (LOWORD(wParam)) {
            case SB_LINEUP: ScrollTo(pos_ - lineSize_); break;
            case SB_LINEDOWN: ScrollTo(pos_ + lineSize_); break;
            case SB_PAGEUP: ScrollTo(pos_ - page); break;
            case SB_PAGEDOWN: ScrollTo(pos_ + page); break;
            case SB_TOP: ScrollTo(0); break;
            case SB_BOTTOM: ScrollTo(MaxPos()); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: {
                SCROLLINFO info = {};
                info.cbSize = sizeof info;
                info.fMask = SIF_TRACKPOS;
                GetScrollInfo(Handle(), SB_VERT, &info);
                ScrollTo(info.nTrackPos);
                break;
            }
            default: break;
        }
        return 0;
    }
    LRESULT result = TWindow::WndProc(message, wParam, lParam);
    if (message == WM_SIZE) ChildrenChanged();
    return result;
}
