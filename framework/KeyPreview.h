// Key preview across the modal loop: the loop shows a key to a previewing
// form before the dialog navigation may take it; the control that then
// receives the same key must not show it to the form a second time.
#pragma once

#include <windows.h>

// Records msg (a key-down message) as previewed already.
void MarkKeyPreviewed(const MSG& msg);

// True, once, when the key-down being handled by hwnd is the one recorded.
bool KeyAlreadyPreviewed(HWND hwnd, WORD key);
