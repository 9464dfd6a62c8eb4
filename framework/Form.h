// TForm: a top-level window. Shown modelessly (Show) it relies on the host's
// message loop; ShowModal runs a loop of its own, with the owner disabled,
// until a modal result is set, and returns that result.
#pragma once

#include <string>

#include "Window.h"

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TButton;

class TForm : public TWindow {
public:
    // owner: the window that owns the form (and is disabled while it is modal); may be null.
    explicit TForm(HWND owner = nullptr, DWORD style = WS_OVERLAPPEDWINDOW);

    void SetClientSize(int width, int height);
    // The user cannot size the client area below this.
    void SetMinClientSize(int width, int height);
    void CenterOnScreen();

    void Show();
    void Hide();
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    // While modal, a non-zero result ends the modal loop.
    void SetModalResult(int result) { modalResult_ = result; }
    // The close box and Alt+F4 come here: a modal form ends with
    // mrCancel (unless a result is set already), a modeless one hides.
    void Close();

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }
    // The button that Enter clicks; not owned; null for none.
    void SetDefaultButton(TButton* button) { defaultButton_ = button; }
    TButton* DefaultButton() const { return defaultButton_; }

    std::function<void()> OnShow;
    std::function<void()> OnClose;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreviewsKeys() const override { return keyPreview_; }

private:
    bool PreTranslate(MSG& msg);
    RECT FrameFor(int clientWidth, int clientHeight) const;
    void FocusControl(HWND control);

    HWND owner_;
    bool keyPreview_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    TButton* defaultButton_ = nullptr;
    HWND lastFocus_ = nullptr;
    int minClientWidth_ = 0;
    int minClientHeight_ = 0;
};
