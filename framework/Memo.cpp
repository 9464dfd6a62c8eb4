#include "Memo.h"

TMemo::TMemo(TWindow& parent, bool border, const TBounds& bounds) : TWindow(&parent) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    CreateHandle("EDIT", style | (border ? WS_BORDER : 0), 0, bounds);
}

void TMemo::SetWant(UINT code, bool want) {
    wanted_ = want ? (wanted_ | code) : (wanted_ & ~code);
    SetDialogCode(wanted_);
}

void TMemo::SetWantTabs(bool want) {
    SetWant(DLGC_WANTTAB, want);
}

void TMemo::SetWantReturns(bool want) {
    SetWant(DLGC_WANTMESSAGE, want);
}

TMemo::TSelection TMemo::Selection() const {
    DWORD start = 0;
    DWORD end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end - start)};
}

int TMemo::SelStart() const {
    return Selection().start;
}

int TMemo::SelLength() const {
    return Selection().length;
}

std::string TMemo::SelText() const {
    std::string text = Text();
    TSelection selection = Selection();
    auto start = static_cast<std::size_t>(selection.start);
    if (start >= text.size()) return {};
    return text.substr(start, static_cast<std::size_t>(selection.length));
}

void TMemo::SetSelection(int start, int length) {
    Send(EM_SETSEL, static_cast<WPARAM>(start), length < 0 ? -1 : static_cast<LPARAM>(start + length));
}

int TMemo::LineCount() const {
    return static_cast<int>(Send(EM_GETLINECOUNT));
}

int TMemo::TextWidth() const {
    RECT rect = {};
    Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return static_cast<int>(rect.right - rect.left);
}

int TMemo::LineFromChar(int position) const {
    return static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(position)));
}

int TMemo::LineIndex(int line) const {
    return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
}
