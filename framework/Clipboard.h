// Text on the clipboard (CF_TEXT, ANSI). Another program may hold the
// clipboard open for a moment, so opening it is retried before failing.
#pragma once

#include <string>

#include "Application.h"

class EClipboardError : public LVException {
public:
    EClipboardError() : LVException("Cannot open clipboard") {}
};

// The clipboard's text, empty when it holds none. EClipboardError when it cannot be opened.
std::string ClipboardText();
// Replaces the clipboard's contents with text. EClipboardError when it cannot be opened.
void SetClipboardText(const std::string& text);
