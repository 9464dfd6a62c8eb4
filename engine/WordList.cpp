#include "WordList.h"

#include <algorithm>

namespace {

unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

int CompareText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = Upper(static_cast<unsigned char>(a[i]));
        const unsigned char y = Upper(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

size_t TWordList::InsertionPoint(const std::string& word) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), word,
                               [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    return static_cast<size_t>(it - items_.begin());
}

bool TWordList::Add(const std::string& word) {
    const size_t at = InsertionPoint(word);
    if (at < items_.size() && CompareText(items_[at], word) == 0) return false;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), word);
    return true;
}

void TWordList::AddAll(const std::vector<std::string>& words) {
    for (const std::string& word : words) Add(word);
}
