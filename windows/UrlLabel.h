// TUrlLabel: a label drawn as a web link (blue, underlined, hand cursor).
// A click runs OnClick when the creator set it; otherwise the shell opens
// the target: URL when it is not blank, else the caption. Its right-click
// menu copies the caption.
#pragma once

#include <string>

#include "Label.h"
#include "PopupMenu.h"

class TUrlLabel : public TLabel {
public:
    explicit TUrlLabel(TWindow& parent, const std::string& caption = std::string());

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }
    // Font colour while the left button is held down on the label.
    COLORREF ActiveColor() const { return activeColor_; }
    void SetActiveColor(COLORREF color) { activeColor_ = color; }
    // What a click without handler opens; empty when URL and caption are blank.
    std::string Target() const;

    // The application's cursor number of the "HAND" cursor.
    static constexpr int kHandCursor = 5;
    static constexpr COLORREF kLinkColor = 0xFF0000;    // blue, in BGR order
    static constexpr COLORREF kPressedColor = 0x800080;  // purple

protected:
    void Click() override;
    void MouseDown(TMouseEvent& event) override;
    void MouseUp(TMouseEvent& event) override;

private:
    std::string url_;
    COLORREF activeColor_ = kPressedColor;
    COLORREF colorBeforePress_ = kLinkColor;
    TPopupMenu menu_;
};
