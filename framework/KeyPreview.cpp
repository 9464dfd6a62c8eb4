#include "KeyPreview.h"

namespace {

MSG previewed = {};

}  // namespace

void MarkKeyPreviewed(const MSG& msg) {
    previewed = msg;
}

bool KeyAlreadyPreviewed(HWND hwnd, WORD key) {
    bool same = previewed.hwnd == hwnd && previewed.wParam == key &&
                previewed.time == static_cast<DWORD>(GetMessageTime());
    if (same) previewed = {};
    return same;
}
