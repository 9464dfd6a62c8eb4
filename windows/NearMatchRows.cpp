#include "NearMatchRows.h"

std::string TSuggestionLine::Text() const {
    std::string text = Caption;
    for (size_t i = 0; i < Words.size(); ++i) {
        if (i > 0) text += ' ';
        text += Words[i];
    }
    return text;
}

void TSuggestionCollector::BeginRow(TSuggestionRow row, const std::string& caption) {
    lines_.push_back({row, caption, {}});
}

void TSuggestionCollector::AddWord(const std::string& word) {
    // A sink is only ever given words after a row has begun.
    if (!lines_.empty()) lines_.back().Words.push_back(word);
}

std::vector<std::string> TSuggestionCollector::WordsOf(TSuggestionRow row) const {
    for (const TSuggestionLine& line : lines_)
        if (line.Row == row) return line.Words;
    return {};
}
