// Process-wide services of the framework: the module that holds our code and
// resources, window-class registration, and the handler of exceptions that
// reach a window procedure (they must never unwind into the system's code).
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

#include "LVErrors.h"

// The module (program or library) that contains this code and its resources.
HINSTANCE ModuleHandle();

// Registers a window class of ours once; later calls with the same name do nothing.
void RegisterWindowClass(const char* name, WNDPROC proc, UINT style, HBRUSH background);

using TExceptionHandler = std::function<void(const std::exception&)>;

// Replaces the handler; the default shows the message in a task-modal box
// captioned "Lexivar". Returns the previous handler.
TExceptionHandler SetExceptionHandler(TExceptionHandler handler);

// Reports an exception caught at the edge of a window procedure.
void HandleException(const std::exception& error);

// A Win32 call that the framework cannot do without failed.
class EWin32Error : public LVException {
public:
    using LVException::LVException;
};
