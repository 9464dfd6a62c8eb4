// Where the tests and benchmarks of the near-match search find the real
// database: $LEXIVAR_DB, else the native build's lxvr17.lvd.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

inline std::string TestDatabasePath() {
    const char* env = std::getenv("LEXIVAR_DB");
    return env && *env ? env : std::string(LEXIVAR_SOURCE_DIR) + "/build/native/lxvr17.lvd";
}

inline bool FileExists(const std::string& path) { return std::ifstream(path).good(); }
