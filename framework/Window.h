// TWindow: the base of every window and control of the framework. It owns
// its HWND, binds itself to it (our own classes at WM_NCCREATE, system
// controls by subclassing right after creation) and turns messages into
// virtual hooks and plain callbacks. WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR*
// sent to a parent are reflected to the child's object, so each control
// handles its own notifications.
//
// A parent lays out its aligned children (top, bottom, left, right, then
// client, each kind in creation order) inside its client area less its
// border width, whenever its size or theirs changes.
//
// Children made with Add are owned by their parent and freed with it (or by
// DestroyChildren). An event handler must not free the control that runs it:
// post a private message and do it there.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Font.h"

enum class TAlign { None, Top, Bottom, Left, Right, Client };

enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

enum class TMouseButton { Left, Right, Middle };

struct TBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TMouseEvent {
    TMouseButton button;
    TShiftState shift;
    int x;
    int y;
    bool handled = false;  // set by a handler: the control's own handling is skipped
};

struct TKeyEvent {
    WORD key;  // a handler sets 0 to consume the key
    TShiftState shift;
};

using TMessageHandler = std::function<LRESULT(WPARAM, LPARAM)>;

class TPopupMenu;

class TWindow {
public:
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    TWindow* Parent() const { return parent_; }
    // The object bound to a window of ours, or null.
    static TWindow* FromHandle(HWND hwnd);

    // Creates a child owned by this window: T's constructor takes the parent first.
    template <class T, class... Args>
    T& Add(Args&&... args) {
        auto child = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& result = *child;
        owned_.push_back(std::move(child));
        ChildrenChanged();
        return result;
    }
    // Frees every child made with Add.
    void DestroyChildren();
    // All child objects, owned or not, in creation order.
    const std::vector<TWindow*>& Children() const { return children_; }

    TBounds Bounds() const;  // in the parent's client coordinates
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const { return Bounds().width; }
    int Height() const { return Bounds().height; }
    void SetWidth(int width);
    void SetHeight(int height);
    int ClientWidth() const;
    int ClientHeight() const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    void Realign();

    std::string Text() const;
    void SetText(const std::string& text);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    bool Focused() const;
    // Puts the window last among its siblings: drawn under them, last in the tab order.
    void SendToBack();

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    void SetFontColor(COLORREF color);
    // Background colour; kDefaultColor: the parent's colour.
    void SetColor(COLORREF color);
    COLORREF Color() const;  // the colour actually painted
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
    // The menu shown on a right click; not owned.
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    // Batches changes: the window is not redrawn until the matching EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Runs handler once, ms milliseconds from now, from this window's
    // messages; returns the timer's id for StopTimer.
    UINT_PTR StartTimer(UINT ms, std::function<void()> handler);
    void StopTimer(UINT_PTR id);

    // Handles a message, typically a private one (WM_USER + n) or a
    // registered one, before any other handling of it.
    void OnMessage(UINT message, TMessageHandler handler);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void()> OnResize;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;
    std::function<void(TMouseEvent&)> OnMouseDown;
    std::function<void(TMouseEvent&)> OnMouseUp;
    std::function<void(TKeyEvent&)> OnKeyDown;
    std::function<void(char& key)> OnKeyPress;  // set key to 0 to consume it
    // Wheel delta in WHEEL_DELTA units; returns true when it handled the wheel.
    std::function<bool(int delta, TShiftState shift)> OnMouseWheel;

protected:
    explicit TWindow(TWindow* parent);

    // Makes the HWND with its first bounds and text, which cost nothing
    // more there. A class registered with StaticWndProc binds at
    // WM_NCCREATE; any other class is a system control and is subclassed.
    void CreateHandle(const char* className, DWORD style, DWORD exStyle, const TBounds& bounds = {},
                      const std::string& text = std::string(), HWND owner = nullptr);

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseEvent& event);
    virtual void MouseUp(TMouseEvent& event);
    virtual void KeyDown(TKeyEvent& event);
    virtual void KeyPress(char& key);
    virtual void Resize();
    // Reflected notifications; true when handled.
    virtual bool Command(WORD code);
    virtual bool Notify(NMHDR& header, LRESULT& result);
    // Reflected WM_CTLCOLOR*: colours dc and returns the background brush.
    virtual HBRUSH CtlColor(HDC dc, HBRUSH defaultBrush);
    // The rectangle in which aligned children are laid out.
    virtual RECT AlignArea() const;
    // SetFont changed the font or its colour.
    virtual void FontChanged() {}
    // A child was added, removed, moved or resized.
    virtual void ChildrenChanged();
    // The form previews the keys of its controls (TForm).
    virtual bool PreviewsKeys() const { return false; }
    // Extra WM_GETDLGCODE bits.
    void SetDialogCode(UINT code) { dialogCode_ = code; }
    static TShiftState ShiftState();
    // Text of list item index through a length message and a text message
    // (LB_GETTEXTLEN and LB_GETTEXT, or the combo box's pair); empty on error.
    std::string ItemText(UINT lengthMessage, UINT textMessage, WPARAM index) const;

private:
    void Bind(HWND hwnd);
    void Unbind();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(WPARAM& key);
    TWindow* TopForm();
    HBRUSH BackgroundBrush();
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    TWindow* parent_;
    WNDPROC superProc_ = nullptr;  // the system control's own procedure
    std::vector<TWindow*> children_;
    std::vector<std::unique_ptr<TWindow>> owned_;
    TAlign align_ = TAlign::None;
    int borderWidth_ = 0;
    bool aligning_ = false;
    int tag_ = 0;
    int updates_ = 0;
    UINT dialogCode_ = 0;
    // Child ids start above those that dialog navigation gives a meaning (IDOK, IDCANCEL ...).
    static constexpr int kFirstChildId = 100;
    int nextChildId_ = kFirstChildId;
    TFont font_;
    std::shared_ptr<const TFontHandle> fontHandle_;
    COLORREF color_ = kDefaultColor;
    struct BrushDeleter {
        void operator()(HBRUSH brush) const { DeleteObject(brush); }
    };
    std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter> brush_;
    HCURSOR cursor_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
    std::map<UINT, TMessageHandler> handlers_;
    std::map<UINT_PTR, std::function<void()>> timers_;
    UINT_PTR nextTimerId_ = 1;
};
