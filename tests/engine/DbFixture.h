// Builds small database files with the engine's own writer operations, for
// tests that check lookups end to end.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LVDatabase.h"
#include "Synset.h"

class TDbFixture {
public:
    // Adds a synset of a part of speech; returns its number for pointers and keys.
    int AddSynset(int section, std::vector<std::string> words, std::string gloss = "");
    // A pointer of `from` to `to` (synset numbers).
    void AddPointer(int from, uint8_t kind, int to, uint8_t sourceWord = 0, uint8_t targetWord = 0);
    // An index entry that is not derived from the words: raw record offsets,
    // or a key's synsets in a chosen order.
    void AddRawEntry(const std::string& key, std::vector<uint32_t> offsets);
    void AddEntry(const std::string& key, const std::vector<int>& synsets);

    // The database bytes; every word's key gets an entry of its synsets in
    // file order unless an explicit entry was given for it.
    std::string Build();
    // Builds into a file under the test temp directory; returns its path.
    std::string WriteFile(const std::string& name);

    // Record offset of a synset (valid after Build).
    uint32_t OffsetOf(int synset) const { return offsets_.at(synset); }

    std::string NounExceptions, VerbExceptions, AdjectiveExceptions, AdjectiveStems, DoublingVerbs;

private:
    struct TPending {
        TSynset Synset;
        std::vector<int> Targets;  // synset number of each pointer's target
    };
    std::vector<TPending> synsets_;
    std::vector<uint32_t> offsets_;
    std::vector<std::pair<std::string, std::vector<int>>> entries_;
    std::vector<std::pair<std::string, std::vector<uint32_t>>> rawEntries_;
};

// Writes bytes to a file under the test temp directory; returns its path.
std::string WriteTempFile(const std::string& name, const std::string& bytes);

// A database object for the file at path (not yet loaded).
std::unique_ptr<TLVDatabase> DatabaseOn(const std::string& path);
