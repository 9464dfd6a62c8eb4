#include "NearMatchDatabase.h"

#include "IndexLookup.h"
#include "LVDatabase.h"
#include "WordLookup.h"
#include "WordMorpher.h"

void TLVNearMatchSource::Open() { database_.Open(false); }

void TLVNearMatchSource::Close() { database_.Close(); }

uint8_t TLVNearMatchSource::LookupSections(const std::string& word) {
    database_.LookupWord(word);
    const TWordLookup& lookup = *database_.Lookup;
    // An empty lookup leaves the set at "all": nothing was found.
    return lookup.Senses.empty() ? 0 : lookup.SectionsPresent;
}

bool TLVNearMatchSource::HasIndexEntry(const std::string& word) {
    TOpenScope open(database_);
    database_.LoadIndex();
    bool reported = false;
    database_.Index->Find(*database_.Stream(), word, true,
                          [&reported](const TIndexRec&, uint8_t) { reported = true; });
    return reported;
}

const TWordMorpher& TLVNearMatchSource::Morpher() {
    database_.LoadIndex();
    return *database_.Morpher;
}

TSuggestionCollector CollectNearMatches(TLVDatabase& database, const std::string& word) {
    TLVNearMatchSource source(database);
    TSuggestionCollector rows;
    ShowNearMatches(source, word, rows);
    return rows;
}
