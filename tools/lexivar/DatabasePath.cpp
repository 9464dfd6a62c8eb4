#include "DatabasePath.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string LocateDatabase(const std::string& option, const char* envValue, const std::string& exePath) {
    if (!option.empty()) return option;
    if (envValue != nullptr && *envValue != '\0') return envValue;
    fs::path dir = fs::path(exePath).parent_path();
    fs::path beside = dir / kDefaultDatabaseName;
    fs::path buildTree = dir.parent_path() / kDefaultDatabaseName;
    std::error_code error;
    if (fs::is_regular_file(beside, error)) return beside.string();
    return buildTree.string();
}

std::string ExecutablePath(const std::string& fallback) {
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::absolute(fallback, error).string();
    return self.string();
}
