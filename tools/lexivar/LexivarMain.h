// The terminal lookup as a function, so that tests run it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

constexpr int kExitFound = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitError = 2;

// args excludes the program name; exePath locates the default database and
// envDatabase is $LEXIVAR_DB (may be null). Errors go to err as one line.
int RunLexivar(const std::vector<std::string>& args, const std::string& exePath,
               const char* envDatabase, std::ostream& out, std::ostream& err);
