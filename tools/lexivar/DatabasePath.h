// Where the terminal lookup finds its database.
#pragma once

#include <string>

constexpr const char* kDefaultDatabaseName = "lxvr17.lvd";

// The --db path, else $LEXIVAR_DB (envValue, may be null), else lxvr17.lvd
// beside the executable or in the build tree above it (the tool lives in
// build/<tree>/tools). With neither present, the build-tree path is returned
// so that the open error names where the database was expected.
std::string LocateDatabase(const std::string& option, const char* envValue, const std::string& exePath);

// The running executable's path (/proc/self/exe), else fallback.
std::string ExecutablePath(const std::string& fallback);
