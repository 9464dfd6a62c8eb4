#include "TabControl.h"

#include <commctrl.h>

namespace {

// Tab captions are read into a buffer of this size.
const int kMaxCaption = 256;

}  // namespace

TTabControl::TTabControl(TWindow& parent) : TWindow(&parent) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CreateHandle(WC_TABCONTROLA, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_MULTILINE,
                 WS_EX_CONTROLPARENT);
}

int TTabControl::Count() const {
    return static_cast<int>(Send(TCM_GETITEMCOUNT));
}

std::string TTabControl::Caption(int index) const {
    char text[kMaxCaption] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kMaxCaption;
    if (index < 0 || index >= Count()) return {};
    if (!Send(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
    return item.pszText;
}

int TTabControl::AddTab(const std::string& caption) {
    int index = Count();
    InsertTab(index, caption);
    return index;
}

void TTabControl::InsertTab(int index, const std::string& caption) {
    std::string text = caption;
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &text[0];
    Send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    // The number of tab rows, and so the area under them, may have changed.
    Realign();
}

void TTabControl::DeleteTab(int index) {
    if (index < 0 || index >= Count()) return;
    Send(TCM_DELETEITEM, static_cast<WPARAM>(index));
    Realign();
}

void TTabControl::ClearTabs() {
    Send(TCM_DELETEALLITEMS);
    Realign();
}

int TTabControl::TabIndex() const {
    return static_cast<int>(Send(TCM_GETCURSEL));
}

void TTabControl::SetTabIndex(int index) {
    Send(TCM_SETCURSEL, static_cast<WPARAM>(index));
}

bool TTabControl::Notify(NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    if (OnChange) OnChange();
    result = 0;
    return true;
}

RECT TTabControl::AlignArea() const {
    RECT rect = TWindow::AlignArea();
    Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}
