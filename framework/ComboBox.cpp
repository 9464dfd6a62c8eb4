#include "ComboBox.h"

namespace {

// The height of the combo box with its list dropped down.
const int kDroppedHeight = 200;

}  // namespace

TComboBox::TComboBox(TWindow& parent) : TWindow(&parent) {
    CreateHandle("COMBOBOX", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0);
}

int TComboBox::Count() const {
    return static_cast<int>(Send(CB_GETCOUNT));
}

std::string TComboBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return ItemText(CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<WPARAM>(index));
}

void TComboBox::AddItem(const std::string& item) {
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TComboBox::DeleteItem(int index) {
    if (index >= 0 && index < Count()) Send(CB_DELETESTRING, static_cast<WPARAM>(index));
}

void TComboBox::Clear() {
    Send(CB_RESETCONTENT);
}

void TComboBox::SelectAll() {
    Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void TComboBox::SetMaxLength(int length) {
    Send(CB_LIMITTEXT, static_cast<WPARAM>(length));
}

LRESULT TComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A combo box's window height is that of its dropped-down list; resizing
    // to the height of the edit field would leave no room for the list.
    if (message == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOSIZE) && position->cy < kDroppedHeight) position->cy = kDroppedHeight;
    }
    return TWindow::WndProc(message, wParam, lParam);
}

bool TComboBox::Command(WORD code) {
    if (code == CBN_SELCHANGE) {
        // The edit field takes the chosen item only after this notification; give it now.
        LRESULT index = Send(CB_GETCURSEL);
        if (index != CB_ERR) SetText(Item(static_cast<int>(index)));
    } else if (code != CBN_EDITCHANGE) {
        return false;
    }
    if (OnChange) OnChange();
    return true;
}
