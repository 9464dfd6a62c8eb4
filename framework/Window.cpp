#include "Window.h"

#include <windowsx.h>

#include <algorithm>

#include "Application.h"
#include "Cursors.h"
#include "KeyPreview.h"
#include "PopupMenu.h"

namespace {

// The order in which a parent lays out its aligned children.
const TAlign kAlignOrder[] = {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client};

// Window ids of children stay within the 16 bits that WM_COMMAND carries.
const int kMaxChildId = 0xFFF0;

}  // namespace

TWindow::TWindow(TWindow* parent) : parent_(parent) {
    if (parent_) {
        parent_->children_.push_back(this);
        font_ = parent_->font_;
    }
}

TWindow::~TWindow() {
    while (!owned_.empty()) owned_.pop_back();
    if (hwnd_) {
        HWND hwnd = hwnd_;
        Unbind();
        DestroyWindow(hwnd);
    }
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    // Only windows running our procedures carry our object in their user data.
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (proc != StaticWndProc && proc != SubclassProc) return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void TWindow::CreateHandle(const char* className, DWORD style, DWORD exStyle, const TBounds& bounds,
                           const std::string& text, HWND owner) {
    HWND parentHwnd = parent_ ? parent_->hwnd_ : owner;
    HMENU id = nullptr;
    if (parent_) {
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(parent_->nextChildId_));
        parent_->nextChildId_ = parent_->nextChildId_ >= kMaxChildId ? kFirstChildId : parent_->nextChildId_ + 1;
    }
    // No WM_PARENTNOTIFY: a child destroyed by a member destructor would send
    // it to a parent object that is itself being destroyed.
    if (parent_) exStyle |= WS_EX_NOPARENTNOTIFY;
    HWND hwnd = CreateWindowExA(exStyle, className, text.c_str(), style, bounds.left, bounds.top,
                                std::max(0, bounds.width), std::max(0, bounds.height), parentHwnd, id,
                                ModuleHandle(), this);
    if (!hwnd) throw EWin32Error(std::string("Cannot create window of class ") + className);
    if (hwnd_ != hwnd) {
        Bind(hwnd);
        superProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    }
    // Nothing is drawn yet: the font needs no redraw.
    fontHandle_ = SharedFont(font_);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_->Get()), FALSE);
}

void TWindow::Bind(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWindow::Unbind() {
    if (superProc_) SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT CALLBACK TWindow::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->Bind(hwnd);
    }
    auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK TWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only installed while bound: Unbind puts the control's own procedure back.
    auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->Dispatch(message, wParam, lParam);
}

LRESULT TWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    // Exceptions must not unwind through the system's frames.
    try {
        result = WndProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(LVException("Unexpected error"));
    }
    if (message == WM_NCDESTROY && hwnd_) Unbind();
    return result;
}

LRESULT TWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProc_) return CallWindowProcA(superProc_, hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT TWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto handler = handlers_.find(message);
    if (handler != handlers_.end()) return handler->second(wParam, lParam);

    switch (message) {
        case WM_COMMAND: {
            TWindow* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child && child != this && child->Command(HIWORD(wParam))) return 0;
            break;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            TWindow* child = FromHandle(header->hwndFrom);
            LRESULT result = 0;
            if (child && child != this && child->Notify(*header, result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            TWindow* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (!child || child == this) break;
            auto defaultBrush = reinterpret_cast<HBRUSH>(DefaultProc(message, wParam, lParam));
            return reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(wParam), defaultBrush));
        }
        case WM_TIMER: {
            auto timer = timers_.find(wParam);
            if (timer == timers_.end()) break;
            // One shot: forget the timer before running it, which may start another.
            std::function<void()> handler = std::move(timer->second);
            StopTimer(wParam);
            if (handler) handler();
            return 0;
        }
        case WM_SIZE:
            Realign();
            Resize();
            break;
        case WM_ERASEBKGND:
            if (!superProc_) {
                RECT rect;
                GetClientRect(hwnd_, &rect);
                FillRect(reinterpret_cast<HDC>(wParam), &rect, BackgroundBrush());
                return 1;
            }
            break;
        case WM_SETCURSOR: {
            HCURSOR cursor = TWaitCursor::Active() ? TWaitCursor::Cursor() : nullptr;
            if (!cursor && reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) cursor = cursor_;
            if (cursor) {
                ::SetCursor(cursor);
                return TRUE;
            }
            break;
        }
        case WM_CONTEXTMENU:
            if (popupMenu_ && reinterpret_cast<HWND>(wParam) == hwnd_) {
                POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (lParam == -1) {
                    at = {0, 0};
                    ClientToScreen(hwnd_, &at);
                }
                popupMenu_->Popup(at.x, at.y, hwnd_);
                return 0;
            }
            break;
        case WM_GETDLGCODE:
            if (dialogCode_) return DefaultProc(message, wParam, lParam) | dialogCode_;
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            LRESULT result = DefaultProc(message, wParam, lParam);
            auto& event = message == WM_SETFOCUS ? OnEnter : OnExit;
            if (event) event();
            return result;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (HandleMouse(message, wParam, lParam)) return 0;
            break;
        case WM_LBUTTONDBLCLK: {
            LRESULT result = DefaultProc(message, wParam, lParam);
            DblClick();
            return result;
        }
        case WM_MOUSEWHEEL: {
            int delta = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            TWindow* form = TopForm();
            if (form->OnMouseWheel && form->OnMouseWheel(delta, ShiftState())) return 0;
            if (form != this && OnMouseWheel && OnMouseWheel(delta, ShiftState())) return 0;
            break;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (HandleKey(wParam)) return 0;
            break;
        case WM_CHAR: {
            char key = static_cast<char>(wParam);
            KeyPress(key);
            if (!key) return 0;
            wParam = static_cast<unsigned char>(key);
            break;
        }
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

bool TWindow::HandleMouse(UINT message, WPARAM, LPARAM lParam) {
    TMouseEvent event{TMouseButton::Left, ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) event.button = TMouseButton::Right;
    if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) event.button = TMouseButton::Middle;
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        MouseDown(event);
    } else {
        MouseUp(event);
    }
    return event.handled;
}

bool TWindow::HandleKey(WPARAM& key) {
    TKeyEvent event{static_cast<WORD>(key), ShiftState()};
    TWindow* form = TopForm();
    if (form != this && form->PreviewsKeys() && !KeyAlreadyPreviewed(hwnd_, event.key)) {
        form->KeyDown(event);
        if (!event.key) return true;
    }
    KeyDown(event);
    key = event.key;
    return event.key == 0;
}

TWindow* TWindow::TopForm() {
    TWindow* window = this;
    while (window->parent_) window = window->parent_;
    return window;
}

TShiftState TWindow::ShiftState() {
    TShiftState state = 0;
    if (GetKeyState(VK_SHIFT) < 0) state |= ssShift;
    if (GetKeyState(VK_MENU) < 0) state |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0) state |= ssCtrl;
    return state;
}

void TWindow::Click() {
    if (OnClick) OnClick();
}

void TWindow::DblClick() {
    if (OnDblClick) OnDblClick();
}

void TWindow::MouseDown(TMouseEvent& event) {
    if (OnMouseDown) OnMouseDown(event);
}

void TWindow::MouseUp(TMouseEvent& event) {
    if (OnMouseUp) OnMouseUp(event);
}

void TWindow::KeyDown(TKeyEvent& event) {
    if (OnKeyDown) OnKeyDown(event);
}

void TWindow::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(key);
}

void TWindow::Resize() {
    if (OnResize) OnResize();
}

bool TWindow::Command(WORD) {
    return false;
}

bool TWindow::Notify(NMHDR&, LRESULT&) {
    return false;
}

HBRUSH TWindow::CtlColor(HDC dc, HBRUSH defaultBrush) {
    if (font_.color != kDefaultColor) SetTextColor(dc, font_.color);
    const TWindow* source = this;
    while (source && source->color_ == kDefaultColor) source = source->parent_;
    if (!source) return defaultBrush;
    SetBkColor(dc, source->color_);
    return source->brush_.get();
}

HBRUSH TWindow::BackgroundBrush() {
    for (TWindow* window = this; window; window = window->parent_) {
        if (window->brush_) return window->brush_.get();
    }
    return GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF TWindow::Color() const {
    for (const TWindow* window = this; window; window = window->parent_) {
        if (window->color_ != kDefaultColor) return window->color_;
    }
    return GetSysColor(COLOR_BTNFACE);
}

void TWindow::SetColor(COLORREF color) {
    color_ = color;
    brush_.reset(color == kDefaultColor ? nullptr : CreateSolidBrush(color));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWindow::SetFont(const TFont& font) {
    font_ = font;
    if (!hwnd_) return;
    std::shared_ptr<const TFontHandle> handle = SharedFont(font_);
    if (handle != fontHandle_) {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(handle->Get()), TRUE);
        fontHandle_ = std::move(handle);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    FontChanged();
}

void TWindow::SetFontColor(COLORREF color) {
    TFont font = font_;
    font.color = color;
    SetFont(font);
}

RECT TWindow::AlignArea() const {
    RECT rect = {};
    GetClientRect(hwnd_, &rect);
    InflateRect(&rect, -borderWidth_, -borderWidth_);
    return rect;
}

void TWindow::ChildrenChanged() {
    Realign();
}

void TWindow::Realign() {
    if (!hwnd_ || aligning_) return;
    aligning_ = true;
    RECT area = AlignArea();
    for (TAlign kind : kAlignOrder) {
        for (TWindow* child : children_) {
            if (child->align_ != kind || !child->hwnd_ || !child->Visible()) continue;
            TBounds b = child->Bounds();
            int width = std::max(0, static_cast<int>(area.right - area.left));
            int height = std::max(0, static_cast<int>(area.bottom - area.top));
            switch (kind) {
                case TAlign::Top:
                    child->SetBounds(area.left, area.top, width, b.height);
                    area.top += b.height;
                    break;
                case TAlign::Bottom:
                    child->SetBounds(area.left, area.bottom - b.height, width, b.height);
                    area.bottom -= b.height;
                    break;
                case TAlign::Left:
                    child->SetBounds(area.left, area.top, b.width, height);
                    area.left += b.width;
                    break;
                case TAlign::Right:
                    child->SetBounds(area.right - b.width, area.top, b.width, height);
                    area.right -= b.width;
                    break;
                case TAlign::Client:
                    child->SetBounds(area.left, area.top, width, height);
                    break;
                case TAlign::None:
                    break;
            }
        }
    }
    aligning_ = false;
}

void TWindow::DestroyChildren() {
    while (!owned_.empty()) owned_.pop_back();
    ChildrenChanged();
}

TBounds TWindow::Bounds() const {
    RECT rect = {};
    if (!hwnd_) return {};
    GetWindowRect(hwnd_, &rect);
    if (parent_) MapWindowPoints(HWND_DESKTOP, parent_->hwnd_, reinterpret_cast<POINT*>(&rect), 2);
    return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right - rect.left),
            static_cast<int>(rect.bottom - rect.top)};
}

void TWindow::SetBounds(int left, int top, int width, int height) {
    if (!hwnd_) return;
    MoveWindow(hwnd_, left, top, std::max(0, width), std::max(0, height), TRUE);
    if (parent_) parent_->ChildrenChanged();
}

void TWindow::SetWidth(int width) {
    TBounds b = Bounds();
    SetBounds(b.left, b.top, width, b.height);
}

void TWindow::SetHeight(int height) {
    TBounds b = Bounds();
    SetBounds(b.left, b.top, b.width, height);
}

int TWindow::ClientWidth() const {
    RECT rect = {};
    GetClientRect(hwnd_, &rect);
    return rect.right;
}

int TWindow::ClientHeight() const {
    RECT rect = {};
    GetClientRect(hwnd_, &rect);
    return rect.bottom;
}

void TWindow::SetAlign(TAlign align) {
    align_ = align;
    if (parent_) parent_->ChildrenChanged();
}

void TWindow::SetBorderWidth(int width) {
    borderWidth_ = width;
    Realign();
}

std::string TWindow::Text() const {
    if (!hwnd_) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    int length = GetWindowTextA(hwnd_, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(0, length)));
    return text;
}

void TWindow::SetText(const std::string& text) {
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

bool TWindow::Visible() const {
    return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE);
}

void TWindow::SetVisible(bool visible) {
    if (!hwnd_) return;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    if (parent_) parent_->ChildrenChanged();
}

bool TWindow::Enabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}

void TWindow::SetEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

void TWindow::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

void TWindow::SendToBack() {
    if (hwnd_) SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TWindow::Focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

LRESULT TWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return hwnd_ ? SendMessageA(hwnd_, message, wParam, lParam) : 0;
}

bool TWindow::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    // PostMessage to no window would post to the thread instead.
    return hwnd_ && PostMessageA(hwnd_, message, wParam, lParam);
}

void TWindow::OnMessage(UINT message, TMessageHandler handler) {
    if (handler) {
        handlers_[message] = std::move(handler);
    } else {
        handlers_.erase(message);
    }
}

void TWindow::BeginUpdate() {
    if (updates_++ == 0) Send(WM_SETREDRAW, FALSE);
}

void TWindow::EndUpdate() {
    if (updates_ == 0 || --updates_ > 0) return;
    Send(WM_SETREDRAW, TRUE);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string TWindow::ItemText(UINT lengthMessage, UINT textMessage, WPARAM index) const {
    LRESULT length = Send(lengthMessage, index);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    length = Send(textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length < 0 ? 0 : std::min(static_cast<std::size_t>(length), text.size() - 1));
    return text;
}

UINT_PTR TWindow::StartTimer(UINT ms, std::function<void()> handler) {
    if (!hwnd_) throw EWin32Error("Cannot start a timer without a window");
    UINT_PTR id = nextTimerId_++;
    if (!::SetTimer(hwnd_, id, ms, nullptr)) throw EWin32Error("Cannot start a timer");
    timers_[id] = std::move(handler);
    return id;
}

void TWindow::StopTimer(UINT_PTR id) {
    if (timers_.erase(id) && hwnd_) KillTimer(hwnd_, id);
}
