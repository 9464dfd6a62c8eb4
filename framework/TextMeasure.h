// Measuring text in a font: once, or many texts through one screen DC.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Font.h"

struct TTextSize {
    int width;
    int height;
};

// A screen DC with font selected, for as long as the object lives.
class TTextMeasure {
public:
    explicit TTextMeasure(const TFont& font);
    ~TTextMeasure();
    TTextMeasure(const TTextMeasure&) = delete;
    TTextMeasure& operator=(const TTextMeasure&) = delete;

    // Size of text drawn on one line (no word wrap).
    TTextSize Line(const std::string& text) const;
    // Height of text wrapped at word breaks to width, as a multi-line edit
    // control wraps it (one line for an empty text).
    int WrappedHeight(const std::string& text, int width) const;

private:
    std::shared_ptr<const TFontHandle> font_;
    HDC dc_;
    HGDIOBJ old_;
};

// Size of text drawn in font on one line (no word wrap).
TTextSize MeasureText(const TFont& font, const std::string& text);
