// The windows' message boxes: task-modal, captioned "Lexivar" unless told otherwise.
#pragma once

#include <windows.h>

#include <string>

// flags: the MB_ buttons and icon; returns the button chosen (IDOK, IDYES ...).
int ShowMessageBox(const std::string& text, UINT flags = MB_OK, const std::string& caption = "Lexivar");
