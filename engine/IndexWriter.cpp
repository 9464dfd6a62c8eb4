#include "IndexWriter.h"

#include "Codecs.h"
#include "Coding.h"
#include "LVErrors.h"
#include "NormaliseKey.h"

namespace {

constexpr uint32_t kMaxOffset = 0xFFFFFF;

// The key's code, at least the two bytes that make its block id.
std::string KeyCode(const std::string& key) {
    std::string code = EncodeKey(key);
    if (code.size() < 2) code.resize(2, '\0');
    if (code.size() > 2 + kMaxKeyCode) throw ELVError("The index key \"" + key + "\" is too long to store");
    return code;
}

}  // namespace

std::string EncodeBlock(const TIndexEntries& entries) {
    std::string counts;
    for (const auto& entry : entries) counts += static_cast<char>(entry.second.size());
    std::string block = EncodeCounts(counts);
    for (const auto& entry : entries) {
        block += KeyCode(entry.first).substr(2);
        for (uint32_t pointer : entry.second) coding::PutFixed24(&block, pointer);
    }
    return block;
}

void TIndexWriter::Add(const std::string& key, const std::vector<uint32_t>& pointers) {
    if (NormaliseKey(key) != key) throw ELVError("The index key \"" + key + "\" is not normalised");
    if (pointers.empty() || pointers.size() > kMaxEntryPointers)
        throw ELVError("The index key \"" + key + "\" has " + std::to_string(pointers.size()) +
                       " senses; 1 to 128 can be stored");
    for (uint32_t pointer : pointers)
        if (pointer > kMaxOffset) throw ELVError("A synset offset of the key \"" + key + "\" does not fit 24 bits");
    if (!entries_.emplace(key, pointers).second) throw ELVError("The index key \"" + key + "\" was added twice");
}

uint32_t TIndexWriter::WriteBlocks(TStream& stream, TIndexDirectory& directory) const {
    // (b1, b0) -> entries; the map's order is the order of the blocks in the file.
    std::map<std::pair<uint8_t, uint8_t>, TIndexEntries> blocks;
    for (const auto& entry : entries_) {
        const std::string code = KeyCode(entry.first);
        blocks[{static_cast<uint8_t>(code[1]), static_cast<uint8_t>(code[0])}].push_back(entry);
    }

    directory.Clear();
    uint64_t offset = 0;
    for (const auto& block : blocks) {
        if (offset > kMaxOffset) throw ELVError("The index area is too large for 24-bit block offsets");
        directory.Buckets[block.first.first].push_back({block.first.second, static_cast<uint32_t>(offset)});
        const std::string bytes = EncodeBlock(block.second);
        stream.WriteString(bytes);
        offset += bytes.size();
    }
    return static_cast<uint32_t>(offset);
}
