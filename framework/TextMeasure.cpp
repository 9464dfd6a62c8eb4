#include "TextMeasure.h"

TTextMeasure::TTextMeasure(const TFont& font) : font_(SharedFont(font)), dc_(GetDC(nullptr)) {
    old_ = SelectObject(dc_, font_->Get());
}

TTextMeasure::~TTextMeasure() {
    SelectObject(dc_, old_);
    ReleaseDC(nullptr, dc_);
}

TTextSize TTextMeasure::Line(const std::string& text) const {
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc_, &tm);
    return {size.cx, static_cast<int>(tm.tmHeight)};
}

int TTextMeasure::WrappedHeight(const std::string& text, int width) const {
    RECT rect = {0, 0, width, 0};
    const UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
    DrawTextA(dc_, text.empty() ? " " : text.c_str(), -1, &rect, format);
    return rect.bottom;
}

TTextSize MeasureText(const TFont& font, const std::string& text) {
    return TTextMeasure(font).Line(text);
}
