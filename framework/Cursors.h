// Mouse cursors: the application's numbered cursors, and the hourglass
// shown during long operations.
#pragma once

#include <windows.h>

// Registers cursor under number (replacing any earlier one); not owned.
void SetAppCursor(int number, HCURSOR cursor);
// The cursor registered under number, or null.
HCURSOR AppCursor(int number);

// Shows the hourglass over our windows while it lives and restores the
// previous cursor when the last one ends, also when an exception passes.
class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

    static bool Active();
    static HCURSOR Cursor();
};
