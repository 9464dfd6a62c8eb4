// Opening a document or address through the shell.
#pragma once

#include <windows.h>

#include <string>

// Performs the shell's "open" verb on target, shown normally. Failures are
// the shell's to report; the result is true when the shell accepted it.
bool ShellOpen(const std::string& target, HWND owner);
