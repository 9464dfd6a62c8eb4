#include "Form.h"

#include <algorithm>

#include "Application.h"
#include "Button.h"
#include "KeyPreview.h"

namespace {

const char kFormClass[] = "LexivarForm";

}  // namespace

TForm::TForm(HWND owner, DWORD style) : TWindow(nullptr), owner_(owner) {
    RegisterWindowClass(kFormClass, StaticWndProc, CS_DBLCLKS, nullptr);
    CreateHandle(kFormClass, style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, {}, std::string(), owner);
}

RECT TForm::FrameFor(int clientWidth, int clientHeight) const {
    RECT rect = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
    return rect;
}

void TForm::SetClientSize(int width, int height) {
    RECT rect = FrameFor(width, height);
    TBounds b = Bounds();
    SetBounds(b.left, b.top, rect.right - rect.left, rect.bottom - rect.top);
}

void TForm::SetMinClientSize(int width, int height) {
    minClientWidth_ = width;
    minClientHeight_ = height;
}

void TForm::CenterOnScreen() {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    TBounds b = Bounds();
    SetBounds(work.left + (work.right - work.left - b.width) / 2, work.top + (work.bottom - work.top - b.height) / 2,
              b.width, b.height);
}

void TForm::Show() {
    bool wasVisible = Visible();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    if (!wasVisible && OnShow) OnShow();
}

void TForm::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

int TForm::ShowModal() {
    if (modal_) throw EWin32Error("Form is modal already");
    modal_ = true;
    modalResult_ = mrNone;
    bool ownerDisabled = owner_ && IsWindowEnabled(owner_);
    if (ownerDisabled) EnableWindow(owner_, FALSE);
    Show();
    MSG msg;
    while (modalResult_ == mrNone) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // Leave the quit request for the loop that owns the thread.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            break;
        }
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // Enable the owner before hiding, so that it, and not some other
    // program, becomes the active window.
    if (ownerDisabled) EnableWindow(owner_, TRUE);
    Hide();
    if (owner_) SetActiveWindow(owner_);
    modal_ = false;
    return modalResult_;
}

bool TForm::PreTranslate(MSG& msg) {
    if (!Handle() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
    if (keyPreview_ && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        TKeyEvent event{static_cast<WORD>(msg.wParam), ShiftState()};
        KeyDown(event);
        if (!event.key) return true;
        msg.wParam = event.key;
        MarkKeyPreviewed(msg);
    }
    return IsDialogMessageA(Handle(), &msg);
}

void TForm::Close() {
    if (OnClose) OnClose();
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
    } else {
        Hide();
    }
}

void TForm::FocusControl(HWND control) {
    if (control && IsWindow(control) && IsChild(Handle(), control)) ::SetFocus(control);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case DM_GETDEFID:
            if (defaultButton_ && defaultButton_->Enabled()) {
                return MAKELRESULT(GetDlgCtrlID(defaultButton_->Handle()), DC_HASDEFID);
            }
            return 0;
        case WM_NEXTDLGCTL:
            if (LOWORD(lParam)) {
                FocusControl(reinterpret_cast<HWND>(wParam));
            } else {
                FocusControl(GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0));
            }
            return 0;
        case WM_GETMINMAXINFO: {
            RECT frame = FrameFor(minClientWidth_, minClientHeight_);
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            LRESULT result = TWindow::WndProc(message, wParam, lParam);
            if (minClientWidth_ > 0) info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, frame.right - frame.left);
            if (minClientHeight_ > 0) info->ptMinTrackSize.y = std::max(info->ptMinTrackSize.y, frame.bottom - frame.top);
            return result;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
            }
            break;
        case WM_SETFOCUS:
            if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_)) {
                FocusControl(lastFocus_);
            } else {
                FocusControl(GetNextDlgTabItem(Handle(), nullptr, FALSE));
            }
            return 0;
        default:
            break;
    }
    return TWindow::WndProc(message, wParam, lParam);
}
