// The word index: normalised keys in compressed blocks of the index area,
// found through the memory-resident directory, with the six most recently
// used blocks kept decoded.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "IndexDirectory.h"
#include "Stream.h"
#include "WordList.h"

class TLVDatabase;
class TIndexLookup;

// One index entry: the synset records a key occurs in.
struct TIndexRec {
    uint8_t Count = 0;         // number of pointers
    std::string Key;           // empty when parsed; set by Find before handing on
    std::string Pointers;      // Count 24-bit record offsets, 3 bytes each
    uint8_t InflectionKind = 0;  // 0 for the key itself, else how the typed word inflects this base

    uint32_t Pointer(size_t i) const;
};

// One decoded index block.
class TIndexDiskRec {
public:
    explicit TIndexDiskRec(TIndexLookup& owner) : Owner(owner) {}

    // Decodes a block as TIndexWriter writes it, replacing the previous
    // entries. Raises ELVError "Lexivar index error" for an empty block and
    // a damaged-file error for a block that ends inside an entry.
    void Parse(uint16_t blockId, const char* data, size_t size);

    // The entry of key, or nullptr.
    TIndexRec* Find(const std::string& key);
    // Position of key among the entries, or where it would go.
    size_t Position(const std::string& key) const;

    TIndexLookup& Owner;
    uint16_t BlockId = 0;
    // Sorted by key (case-insensitively), duplicates ignored.
    std::vector<std::pair<std::string, TIndexRec>> Entries;
};

// Called for every entry Find matches; sections is the set of parts of
// speech the entry's senses are restricted to.
using TIndexEntryCallback = std::function<void(const TIndexRec& entry, uint8_t sections)>;

class TIndexLookup {
public:
    explicit TIndexLookup(TLVDatabase& database);

    // The directory in its on-disk form. ReadDirectory raises a damaged-file
    // error when the stream ends inside it or it does not fit IndexSize
    // (set IndexSize first).
    void ReadDirectory(TStream& stream);
    void WriteDirectory(TStream& stream) const;

    // Makes the block current, reading it from stream (the database file)
    // unless cached; false, with EmptyBlock current, when there is no such
    // block. A block that fails to decode leaves the cache.
    bool LoadBlock(uint16_t blockId, TStream& stream);

    // Looks word up and calls onEntry for its own entry (all sections), then
    // with useMorphology for each base form found by the morpher's noun,
    // verb and adjective passes (restricted to that pass's part of speech).
    // The database file must be open.
    void Find(TStream& stream, const std::string& word, bool useMorphology, const TIndexEntryCallback& onEntry);

    // Replaces strings by the lexicon spellings of about n words either side
    // of Key (sorted) and returns the position to select: that of Word, at
    // most the last; -1, leaving strings alone, when Key is empty.
    int ListNeighbours(std::vector<std::string>& strings, int n);

    void ClearCache();

    TLVDatabase& Database;
    std::vector<std::unique_ptr<TIndexDiskRec>> Cache;  // least recently used first
    bool CacheEnabled = true;
    std::string Key;   // normalised key of the last Find
    std::string Word;  // the word of the last Find, as given
    TIndexDiskRec EmptyBlock;  // stands for an absent block; never cached
    TIndexDirectory Directory;
    uint32_t IndexSize = 0;
    static constexpr size_t CacheCapacity = 6;
    TIndexDiskRec* CurrentBlock;

private:
    // The entry of key in its block (loading it), or nullptr.
    TIndexRec* Entry(TStream& stream, const std::string& key);
    // Adds the display form of the entry at position i of the current block.
    void TakeEntry(size_t i, TWordList& words);
};

// Id of the block a key lives in: the first two bytes of its code.
uint16_t BlockIdOfKey(const std::string& key);
