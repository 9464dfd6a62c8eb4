#include "Cursors.h"

#include <map>

namespace {

std::map<int, HCURSOR>& Registered() {
    static std::map<int, HCURSOR> cursors;
    return cursors;
}

int waitDepth = 0;
HCURSOR cursorBeforeWait = nullptr;

}  // namespace

void SetAppCursor(int number, HCURSOR cursor) {
    Registered()[number] = cursor;
}

HCURSOR AppCursor(int number) {
    auto found = Registered().find(number);
    return found == Registered().end() ? nullptr : found->second;
}

TWaitCursor::TWaitCursor() {
    HCURSOR previous = ::SetCursor(Cursor());
    if (waitDepth++ == 0) cursorBeforeWait = previous;
}

TWaitCursor::~TWaitCursor() {
    if (--waitDepth == 0) ::SetCursor(cursorBeforeWait);
}

bool TWaitCursor::Active() {
    return waitDepth > 0;
}

HCURSOR TWaitCursor::Cursor() {
    return LoadCursor(nullptr, IDC_WAIT);
}
