// The near-match search on the real database.
#pragma once

#include <string>

#include "NearMatch.h"
#include "NearMatchRows.h"

class TLVDatabase;

class TLVNearMatchSource : public TNearMatchSource {
public:
    explicit TLVNearMatchSource(TLVDatabase& database) : database_(database) {}

    void Open() override;
    void Close() override;
    // Replaces the database's current lookup result and LastKey.
    uint8_t LookupSections(const std::string& word) override;
    bool HasIndexEntry(const std::string& word) override;
    const TWordMorpher& Morpher() override;

private:
    TLVDatabase& database_;
};

// For callers without a window (the terminal tool): runs the search for a
// word that was not found and returns its rows as text.
TSuggestionCollector CollectNearMatches(TLVDatabase& database, const std::string& word);
