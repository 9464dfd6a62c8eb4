// The build report written beside the database: counts first, then every
// item a limit dropped or cut, grouped by what happened to it.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

class TBuildReport {
public:
    // Sets a count; counts are listed in the order first set.
    void SetCount(const std::string& name, long long value);
    void AddToCount(const std::string& name, long long value);
    long long Count(const std::string& name) const;

    // Records one dropped or cut item under its group (counted there too).
    void AddItem(const std::string& group, const std::string& text);
    const std::vector<std::string>& Items(const std::string& group) const;

    std::string Text() const;
    void WriteFile(const std::string& path) const;

private:
    std::vector<std::pair<std::string, long long>> counts_;
    std::vector<std::string> groups_;
    std::map<std::string, std::vector<std::string>> items_;
};
