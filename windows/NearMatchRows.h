// A suggestion sink that keeps the rows as text, for callers without a
// window (the terminal tool, tests).
#pragma once

#include <string>
#include <vector>

#include "NearMatch.h"

struct TSuggestionLine {
    TSuggestionRow Row;
    std::string Caption;  // "May be derived from ", "Try " or "Also try "
    std::vector<std::string> Words;

    // The row as the window labels it: "May be derived from unhappy happy".
    std::string Text() const;
};

class TSuggestionCollector : public TSuggestionSink {
public:
    void BeginRow(TSuggestionRow row, const std::string& caption) override;
    void AddWord(const std::string& word) override;

    const std::vector<TSuggestionLine>& Lines() const& { return lines_; }
    // From a temporary collector (a range-for over CollectNearMatches(...)
    // .Lines()), the lines move out rather than dangle.
    std::vector<TSuggestionLine> Lines() && { return std::move(lines_); }
    // The words of one row, empty when the search made no such row.
    std::vector<std::string> WordsOf(TSuggestionRow row) const;

private:
    std::vector<TSuggestionLine> lines_;
};
