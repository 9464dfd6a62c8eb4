// Helpers of the Win32 tests: running the message queue, and the log of
// the stub browser that scripts/with-wine installs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Dispatches the messages waiting in this thread's queue.
void PumpMessages();
// Pumps messages until done() holds or timeoutMs passes; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// True when the shell's browser is the logging stub.
bool BrowserStubInstalled();
void ClearBrowserLog();
// What the stub browser logged, one address a line.
std::string BrowserLog();
// Waits (pumping messages) for the stub to log something; returns the log.
std::string WaitForBrowserLog(DWORD timeoutMs = 15000);
