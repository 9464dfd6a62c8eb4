#include "BuildReport.h"

#include <algorithm>
#include <fstream>

#include "LVErrors.h"

void TBuildReport::SetCount(const std::string& name, long long value) {
    for (auto& count : counts_)
        if (count.first == name) {
            count.second = value;
            return;
        }
    counts_.emplace_back(name, value);
}

void TBuildReport::AddToCount(const std::string& name, long long value) {
    SetCount(name, Count(name) + value);
}

long long TBuildReport::Count(const std::string& name) const {
    for (const auto& count : counts_)
        if (count.first == name) return count.second;
    return 0;
}

void TBuildReport::AddItem(const std::string& group, const std::string& text) {
    if (!items_.count(group)) groups_.push_back(group);
    items_[group].push_back(text);
    AddToCount(group, 1);
}

const std::vector<std::string>& TBuildReport::Items(const std::string& group) const {
    static const std::vector<std::string> kNone;
    auto found = items_.find(group);
    return found == items_.end() ? kNone : found->second;
}

std::string TBuildReport::Text() const {
    std::string text;
    size_t width = 0;
    for (const auto& count : counts_) width = std::max(width, count.first.size());
    for (const auto& count : counts_)
        text += count.first + ":" + std::string(width + 2 - count.first.size(), ' ') +
                std::to_string(count.second) + "\n";
    for (const std::string& group : groups_) {
        text += "\n" + group + ":\n";
        for (const std::string& item : items_.at(group)) text += "  " + item + "\n";
    }
    return text;
}

void TBuildReport::WriteFile(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Text();
    if (!out.flush()) throw ELVError("Cannot write " + path);
}
