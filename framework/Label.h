// A static text label. A click is a left button press and release on it.
#pragma once

#include <string>

#include "Window.h"

enum class TTextAlignment { Left, Right, Center };

class TLabel : public TWindow {
public:
    TLabel(TWindow& parent, const std::string& caption = std::string());
    TLabel(TWindow& parent, const std::string& caption, const TBounds& bounds, TTextAlignment alignment);

    // Auto-sized labels take the size of their one-line text whenever the text or font changes.
    void SetAutoSize(bool autoSize);
    void SetAlignment(TTextAlignment alignment);
    void SetBold(bool bold);
    // Off: "&" is shown as it is instead of underlining the next letter.
    void SetShowAccelChar(bool show);
    void SetCaption(const std::string& caption);

protected:
    void MouseDown(TMouseEvent& event) override;
    void MouseUp(TMouseEvent& event) override;
    void FontChanged() override;

private:
    void SetStyleBits(DWORD mask, DWORD bits);
    void FitText();

    bool autoSize_ = false;
    bool pressed_ = false;
};
