// Writes the index area of a database being built and fills its directory.
//
// Index block format (TIndexDiskRec::Parse decodes it):
//
//   block  := EncodeCounts(counts) entry*     entries ascending by key
//   counts := one byte per entry, its pointer count 1..128
//   entry  := keyTail pointer{count}
//   keyTail:= bytes 3..L of EncodeKey(key)    (nothing when L <= 2)
//   pointer:= fixed24                          synset record offset
//
// All keys whose codes share the first two bytes b0 b1 form one block; the
// blocks follow one another in ascending (b1, b0) order and the directory
// (IndexDirectory.h) gives each one's offset from the start of the area.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "IndexDirectory.h"
#include "Stream.h"

constexpr size_t kMaxEntryPointers = 128;

using TIndexEntries = std::vector<std::pair<std::string, std::vector<uint32_t>>>;

// One block of entries that share their block id, in ascending key order;
// ECompressError for more entries than a block's counts code holds.
std::string EncodeBlock(const TIndexEntries& entries);

class TIndexWriter {
public:
    // Adds a normalised key with its synset record offsets, in the order
    // their senses are to be presented. Raises ELVError for a key that is not
    // normalised or already added, and for 0 or more than 128 pointers.
    void Add(const std::string& key, const std::vector<uint32_t>& pointers);

    // Writes every block at the stream's position and sets directory to
    // their offsets from there; returns the number of bytes written.
    // Raises ELVError when the area or a block would be too large to address.
    uint32_t WriteBlocks(TStream& stream, TIndexDirectory& directory) const;

private:
    std::map<std::string, std::vector<uint32_t>> entries_;
};
