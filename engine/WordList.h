// A sorted list of words, compared ASCII case-insensitively, that ignores
// duplicates: the synonym, related-word and neighbour lists.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// <0, 0 or >0 as a sorts before, with or after b, ignoring ASCII case.
int CompareText(const std::string& a, const std::string& b);

class TWordList {
public:
    // Inserts word in order; false (and no change) when an equal word is present.
    bool Add(const std::string& word);
    void AddAll(const std::vector<std::string>& words);
    // Position of word, or where it would be inserted.
    size_t InsertionPoint(const std::string& word) const;

    void Clear() { items_.clear(); }
    bool Empty() const { return items_.empty(); }
    size_t Size() const { return items_.size(); }
    const std::string& operator[](size_t i) const { return items_[i]; }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};
