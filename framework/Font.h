// Fonts: a value describing a font, and the GDI font made from it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

// Not an RGB value: "the default colour" (the value comctl32 uses for it).
constexpr COLORREF kDefaultColor = 0xFF000000;

struct TFont {
    std::string name = "MS Sans Serif";
    int height = -11;  // negative: character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    COLORREF color = kDefaultColor;  // text colour; kDefaultColor: the system's window text
};

bool operator==(const TFont& a, const TFont& b);
bool operator!=(const TFont& a, const TFont& b);

// Owns one GDI font.
class TFontHandle {
public:
    explicit TFontHandle(const TFont& font);
    ~TFontHandle();
    TFontHandle(const TFontHandle&) = delete;
    TFontHandle& operator=(const TFontHandle&) = delete;
    HFONT Get() const { return font_; }

private:
    HFONT font_;
};

// The GDI font of font's face (all but its colour), shared by everyone who
// asks for that face while any of them holds it: one GDI font per face
// instead of one per control.
std::shared_ptr<const TFontHandle> SharedFont(const TFont& font);
