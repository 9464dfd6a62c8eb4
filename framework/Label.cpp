#include "Label.h"

namespace {

DWORD AlignmentStyle(TTextAlignment alignment) {
    switch (alignment) {
        case TTextAlignment::Right: return SS_RIGHT;
        case TTextAlignment::Center: return SS_CENTER;
        case TTextAlignment::Left: break;
    }
    return SS_LEFT;
}

}  // namespace

TLabel::TLabel(TWindow& parent, const std::string& caption) : TLabel(parent, caption, {}, TTextAlignment::Left) {}

TLabel::TLabel(TWindow& parent, const std::string& caption, const TBounds& bounds, TTextAlignment alignment)
    : TWindow(&parent) {
    // SS_NOTIFY: a static control gets no mouse messages without it.
    CreateHandle("STATIC", WS_CHILD | WS_VISIBLE | AlignmentStyle(alignment) | SS_NOTIFY, 0, bounds, caption);
}

void TLabel::SetCaption(const std::string& caption) {
    SetText(caption);
    FitText();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitText();
}

void TLabel::SetAlignment(TTextAlignment alignment) {
    SetStyleBits(SS_TYPEMASK, AlignmentStyle(alignment));
}

void TLabel::SetBold(bool bold) {
    TFont font = Font();
    font.bold = bold;
    SetFont(font);
}

void TLabel::SetShowAccelChar(bool show) {
    SetStyleBits(SS_NOPREFIX, show ? 0 : SS_NOPREFIX);
    FitText();
}

void TLabel::SetStyleBits(DWORD mask, DWORD bits) {
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(mask)) | bits);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::FitText() {
    if (!autoSize_) return;
    std::shared_ptr<const TFontHandle> font = SharedFont(Font());
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, font->Get());
    RECT rect = {0, 0, 0, 0};
    std::string text = Text();
    UINT format = DT_CALCRECT | DT_SINGLELINE;
    if (GetWindowLongPtrA(Handle(), GWL_STYLE) & SS_NOPREFIX) format |= DT_NOPREFIX;
    // An empty text still has the height of a line.
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &rect, format);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    TBounds b = Bounds();
    SetBounds(b.left, b.top, text.empty() ? 0 : rect.right, rect.bottom);
}

void TLabel::MouseDown(TMouseEvent& event) {
    if (event.button == TMouseButton::Left) {
        pressed_ = true;
        // Captured, the release reaches the label even off it.
        SetCapture(Handle());
    }
    TWindow::MouseDown(event);
}

void TLabel::MouseUp(TMouseEvent& event) {
    bool click = event.button == TMouseButton::Left && pressed_;
    if (event.button == TMouseButton::Left) {
        pressed_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
    }
    TWindow::MouseUp(event);
    RECT client;
    GetClientRect(Handle(), &client);
    POINT at = {event.x, event.y};
    if (click && !event.handled && PtInRect(&client, at)) Click();
}

void TLabel::FontChanged() {
    FitText();
}
