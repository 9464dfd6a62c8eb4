#include "ListBox.h"

TListBox::TListBox(TWindow& parent, bool border) : TWindow(&parent) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    CreateHandle("LISTBOX", style, border ? WS_EX_CLIENTEDGE : 0);
}

int TListBox::Count() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

std::string TListBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return ItemText(LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(index));
}

std::vector<std::string> TListBox::Items() const {
    std::vector<std::string> items;
    int count = Count();
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(Item(i));
    return items;
}

void TListBox::SetItems(const std::vector<std::string>& items) {
    BeginUpdate();
    Clear();
    for (const std::string& item : items) AddItem(item);
    EndUpdate();
}

void TListBox::AddItem(const std::string& item) {
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TListBox::Clear() {
    Send(LB_RESETCONTENT);
}

int TListBox::ItemIndex() const {
    LRESULT index = Send(LB_GETCURSEL);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TListBox::SetItemIndex(int index) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
}

int TListBox::TopIndex() const {
    return static_cast<int>(Send(LB_GETTOPINDEX));
}

void TListBox::SetTopIndex(int index) {
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(index < 0 ? 0 : index));
}

int TListBox::ItemHeight() const {
    return static_cast<int>(Send(LB_GETITEMHEIGHT));
}

void TListBox::SetItemHeight(int height) {
    Send(LB_SETITEMHEIGHT, 0, height);
}

bool TListBox::Command(WORD code) {
    if (code != LBN_SELCHANGE) return false;
    if (OnChange) OnChange();
    return true;
}
