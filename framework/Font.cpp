#include "Font.h"

#include <map>
#include <tuple>

namespace {

auto Fields(const TFont& f) {
    return std::tie(f.name, f.height, f.bold, f.italic, f.underline, f.color);
}

using TFaceKey = std::tuple<std::string, int, bool, bool, bool>;

TFaceKey FaceOf(const TFont& f) {
    return {f.name, f.height, f.bold, f.italic, f.underline};
}

}  // namespace

bool operator==(const TFont& a, const TFont& b) { return Fields(a) == Fields(b); }
bool operator!=(const TFont& a, const TFont& b) { return !(a == b); }

TFontHandle::TFontHandle(const TFont& font) {
    LOGFONTA lf = {};
    lf.lfHeight = font.height;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    font_ = CreateFontIndirectA(&lf);
}

TFontHandle::~TFontHandle() {
    if (font_) DeleteObject(font_);
}

std::shared_ptr<const TFontHandle> SharedFont(const TFont& font) {
    // Weak entries: a face nobody uses any more frees its GDI font.
    static std::map<TFaceKey, std::weak_ptr<const TFontHandle>> cache;
    std::weak_ptr<const TFontHandle>& entry = cache[FaceOf(font)];
    std::shared_ptr<const TFontHandle> handle = entry.lock();
    if (!handle) {
        handle = std::make_shared<const TFontHandle>(font);
        entry = handle;
    }
    return handle;
}
