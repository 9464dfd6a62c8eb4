#include "UrlLabel.h"

#include "Application.h"
#include "Clipboard.h"
#include "Cursors.h"
#include "Shell.h"
#include "TrimBlanks.h"

namespace {

HCURSOR HandCursor() {
    HCURSOR hand = LoadCursorA(ModuleHandle(), "HAND");
    // Without our resource (a program that did not link it), the system's hand.
    return hand ? hand : LoadCursor(nullptr, IDC_HAND);
}

}  // namespace

TUrlLabel::TUrlLabel(TWindow& parent, const std::string& caption) : TLabel(parent, caption) {
    SetAppCursor(kHandCursor, HandCursor());
    SetCursor(AppCursor(kHandCursor));
    TFont font = Font();
    font.color = kLinkColor;
    font.underline = true;
    SetFont(font);
    menu_.Add("Copy", [this] { SetClipboardText(Text()); });
    SetPopupMenu(&menu_);
}

std::string TUrlLabel::Target() const {
    std::string url = TrimBlanks(url_);
    return url.empty() ? TrimBlanks(Text()) : url;
}

void TUrlLabel::Click() {
    if (OnClick) {
        OnClick();
        return;
    }
    std::string target = Target();
    if (!target.empty()) ShellOpen(target, GetAncestor(Handle(), GA_ROOT));
}

void TUrlLabel::MouseDown(TMouseEvent& event) {
    if (event.button == TMouseButton::Left) {
        colorBeforePress_ = Font().color;
        SetFontColor(activeColor_);
    }
    TLabel::MouseDown(event);
}

void TUrlLabel::MouseUp(TMouseEvent& event) {
    if (event.button == TMouseButton::Left) SetFontColor(colorBeforePress_);
    TLabel::MouseUp(event);
}
