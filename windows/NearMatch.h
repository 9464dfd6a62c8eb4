// Near-match suggestions for a word that the lookup did not find: words it
// may be derived from (an affix stripped), and words it may be a slip for (a
// regular inflection put right, a common letter confusion, a doubled or
// single letter). Every suggestion is confirmed in the database first.
//
// Portable: the window that shows the rows, and the terminal tool that
// prints them, each supply a TSuggestionSink.
#pragma once

#include <cstdint>
#include <string>

class TWordMorpher;

// What the search asks of the database.
class TNearMatchSource {
public:
    virtual ~TNearMatchSource() = default;
    // Nested open and close of the database file; Close follows every Open,
    // also one that threw.
    virtual void Open() = 0;
    virtual void Close() = 0;
    // A full lookup with morphology; the parts of speech of the senses found
    // (bit p for part of speech p), 0 when nothing was found.
    virtual uint8_t LookupSections(const std::string& word) = 0;
    // The index search with morphology: whether it reports any entry.
    virtual bool HasIndexEntry(const std::string& word) = 0;
    virtual const TWordMorpher& Morpher() = 0;
};

enum class TSuggestionRow { Derived, Try };

// Receives the rows in display order: BeginRow, then the row's words.
class TSuggestionSink {
public:
    virtual ~TSuggestionSink() = default;
    virtual void BeginRow(TSuggestionRow row, const std::string& caption) = 0;
    virtual void AddWord(const std::string& word) = 0;
};

// Runs the whole search for word (already trimmed, and not found) and returns
// the number of rows it produced (0, 1 or 2). Words of fewer than three
// characters, and words too long to be a key, get none. The database is held
// open for the whole call and closed before it returns, also when a step
// throws.
int ShowNearMatches(TNearMatchSource& source, const std::string& word, TSuggestionSink& sink);
