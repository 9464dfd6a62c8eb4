#include "Button.h"

#include "Form.h"

TButton::TButton(TWindow& parent, const std::string& caption)
    : TButton(parent, caption, BS_PUSHBUTTON | WS_TABSTOP) {}

TButton::TButton(TWindow& parent, const std::string& caption, DWORD style) : TWindow(&parent) {
    CreateHandle("BUTTON", WS_CHILD | WS_VISIBLE | style, 0, {}, caption);
}

void TButton::SetDefault(bool isDefault) {
    Send(BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    auto* form = dynamic_cast<TForm*>(FromHandle(GetAncestor(Handle(), GA_ROOT)));
    if (!form) return;
    if (isDefault) {
        form->SetDefaultButton(this);
    } else if (form->DefaultButton() == this) {
        form->SetDefaultButton(nullptr);
    }
}

bool TButton::Command(WORD code) {
    if (code != BN_CLICKED) return false;
    Click();
    return true;
}

void TButton::Click() {
    if (modalResult_) {
        auto* form = dynamic_cast<TForm*>(FromHandle(GetAncestor(Handle(), GA_ROOT)));
        if (form && form->Modal()) form->SetModalResult(modalResult_);
    }
    TWindow::Click();
}

TToggleButton::TToggleButton(TWindow& parent, const std::string& caption)
    : TButton(parent, caption, BS_CHECKBOX | BS_PUSHLIKE) {}

bool TToggleButton::Down() const {
    return Send(BM_GETCHECK) == BST_CHECKED;
}

void TToggleButton::SetDown(bool down) {
    if (down && groupIndex_ && Parent()) {
        for (TWindow* sibling : Parent()->Children()) {
            auto* other = dynamic_cast<TToggleButton*>(sibling);
            if (other && other != this && other->groupIndex_ == groupIndex_) other->Send(BM_SETCHECK, BST_UNCHECKED);
        }
    }
    Send(BM_SETCHECK, down ? BST_CHECKED : BST_UNCHECKED);
}

void TToggleButton::Click() {
    if (autoToggle_ && !(Down() && groupIndex_ && !allowAllUp_)) SetDown(!Down());
    TButton::Click();
}
