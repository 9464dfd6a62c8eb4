#include "IndexLookup.h"

#include <algorithm>

#include "Codecs.h"
#include "Coding.h"
#include "LVDatabase.h"
#include "LVErrors.h"
#include "LVTables.h"
#include "NormaliseKey.h"
#include "Synset.h"
#include "WordList.h"
#include "WordMorpher.h"

uint16_t BlockIdOfKey(const std::string& key) {
    const std::string code = EncodeKey(key);
    const uint8_t b0 = code.size() > 0 ? static_cast<uint8_t>(code[0]) : 0;
    const uint8_t b1 = code.size() > 1 ? static_cast<uint8_t>(code[1]) : 0;
    return MakeBlockId(b0, b1);
}

uint32_t TIndexRec::Pointer(size_t i) const { return coding::DecodeFixed24(Pointers.data() + 3 * i); }

// Decodes the block format that IndexWriter.cpp's EncodeBlock writes.
void TIndexDiskRec::Parse(uint16_t blockId, const char* data, size_t size) {
    Entries.clear();
    BlockId = blockId;
    if (size == 0) throw ELVError("Lexivar index error");
    size_t pos = 0;
    const std::string counts = DecodeCounts(data, size, &pos);
    const size_t entryCount = counts.size() & 0xFFFF;

    std::string code(2, '\0');
    code[0] = static_cast<char>(BlockB0(blockId));
    code[1] = static_cast<char>(BlockB1(blockId));
    for (size_t e = 0; e < entryCount; ++e) {
        if (pos > size) break;
        code.resize(2);
        code.append(data + pos, std::min(kMaxKeyCode, size - pos));
        size_t codeLength = 0;
        std::string key = DecodeKey(code.data(), code.size(), &codeLength);
        if (codeLength > 2) pos += codeLength - 2;
        TIndexRec rec;
        rec.Count = static_cast<uint8_t>(counts[e]);
        const size_t pointerBytes = size_t(rec.Count) * 3;
        if (pos > size || size - pos < pointerBytes) break;
        rec.Pointers.assign(data + pos, pointerBytes);
        pos += pointerBytes;

        if (Entries.empty() || CompareText(Entries.back().first, key) < 0) {
            Entries.emplace_back(std::move(key), std::move(rec));
        } else {
            const size_t at = Position(key);
            if (CompareText(Entries[at].first, key) != 0)
                Entries.emplace(Entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(key), std::move(rec));
        }
    }
    if (Entries.size() != entryCount) {
        Entries.clear();
        Owner.Database.Damaged("index block " + std::to_string(blockId) + " ends inside an entry");
    }
}

size_t TIndexDiskRec::Position(const std::string& key) const {
    auto it = std::lower_bound(Entries.begin(), Entries.end(), key,
                               [](const std::pair<std::string, TIndexRec>& entry, const std::string& k) {
                                   return CompareText(entry.first, k) < 0;
                               });
    return static_cast<size_t>(it - Entries.begin());
}

TIndexRec* TIndexDiskRec::Find(const std::string& key) {
    const size_t at = Position(key);
    return at < Entries.size() && CompareText(Entries[at].first, key) == 0 ? &Entries[at].second : nullptr;
}

TIndexLookup::TIndexLookup(TLVDatabase& database)
    : Database(database), EmptyBlock(*this), CurrentBlock(&EmptyBlock) {}

void TIndexLookup::ReadDirectory(TStream& stream) {
    if (!Directory.DecodeFrom(stream)) Database.Damaged("index directory runs past the tail");
    const std::string problem = Directory.Problem(IndexSize);
    if (!problem.empty()) {
        Directory.Clear();
        Database.Damaged(problem);
    }
}

void TIndexLookup::WriteDirectory(TStream& stream) const {
    std::string bytes;
    Directory.EncodeTo(&bytes);
    stream.WriteString(bytes);
}

bool TIndexLookup::LoadBlock(uint16_t blockId, TStream& stream) {
    if (CacheEnabled) {
        for (auto it = Cache.begin(); it != Cache.end(); ++it) {
            if ((*it)->BlockId != blockId) continue;
            std::unique_ptr<TIndexDiskRec> hit = std::move(*it);
            Cache.erase(it);
            CurrentBlock = hit.get();
            Cache.push_back(std::move(hit));
            return true;
        }
    }
    TBlockSpan span;
    if (!Directory.Locate(blockId, IndexSize, &span)) {
        CurrentBlock = &EmptyBlock;
        return false;
    }

    std::unique_ptr<TIndexDiskRec> block;
    if (Cache.size() < CacheCapacity) {
        block = std::make_unique<TIndexDiskRec>(*this);
    } else {
        block = std::move(Cache.front());
        Cache.erase(Cache.begin());
    }
    CurrentBlock = &EmptyBlock;
    block->Entries.clear();

    std::string data(span.Size, '\0');
    stream.Seek(int64_t(Database.Trailer.IndexStart) + span.Offset);
    if (stream.Read(&data[0], data.size()) != data.size())
        Database.Damaged("index block " + std::to_string(blockId) + " runs past the end of the file");
    // A block that fails to decode is dropped, so no half-parsed block is cached.
    block->Parse(blockId, data.data(), data.size());
    CurrentBlock = block.get();
    Cache.push_back(std::move(block));
    return true;
}

TIndexRec* TIndexLookup::Entry(TStream& stream, const std::string& key) {
    if (!LoadBlock(BlockIdOfKey(key), stream)) return nullptr;
    return CurrentBlock->Find(key);
}

void TIndexLookup::Find(TStream& stream, const std::string& word, bool useMorphology,
                        const TIndexEntryCallback& onEntry) {
    Key = NormaliseKey(word);
    Word = word;
    if (TIndexRec* entry = Entry(stream, Key)) {
        entry->Key = Key;
        entry->InflectionKind = 0;
        onEntry(*entry, kAllSections);
    }
    if (!useMorphology || !Database.Morpher) return;

    const TWordMorpher& morpher = *Database.Morpher;
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<std::string> candidates;
        uint8_t kind = 1;
        if (pass == 0) morpher.NounBases(word, candidates, true);
        else if (pass == 1) morpher.VerbBases(word, candidates, kind, true);
        else morpher.AdjectiveBases(word, candidates, kind, true);

        for (const std::string& candidate : candidates) {
            const std::string key = NormaliseKey(candidate);
            if (key == Key) continue;
            TIndexRec* entry = Entry(stream, key);
            if (!entry) continue;
            for (size_t i = 0; i < entry->Count; ++i) {
                if (Database.SectionOf(static_cast<int32_t>(entry->Pointer(i))) != pass) continue;
                entry->Key = key;
                entry->InflectionKind = kind;
                onEntry(*entry, SectionBit(pass));
                break;
            }
        }
    }
}

void TIndexLookup::TakeEntry(size_t i, TWordList& words) {
    const std::pair<std::string, TIndexRec>& entry = CurrentBlock->Entries[i];
    if (entry.second.Count == 0) return;
    // Reading the record may fail and propagates; only a missing key skips.
    std::unique_ptr<TSynset> synset = Database.ReadSynset(static_cast<int32_t>(entry.second.Pointer(0)));
    try {
        synset->SelectKey(entry.first);
    } catch (const ELVKeyWordError&) {
        return;
    }
    words.Add(synset->KeyWord);
}

int TIndexLookup::ListNeighbours(std::vector<std::string>& strings, int n) {
    if (Key.empty()) return -1;
    const size_t wanted = n > 0 ? size_t(n) : 0;
    TOpenScope scope(Database);
    TStream& stream = *Database.Stream();
    TWordList words;

    // Start from the block of Key itself: after a Find with morphology the
    // current block may be that of some base form.
    const uint16_t id = BlockIdOfKey(Key);
    size_t p = 0, c = 0;
    if (LoadBlock(id, stream)) {
        p = CurrentBlock->Position(Key);
        c = CurrentBlock->Entries.size();
        const size_t from = p > wanted ? p - wanted : 0;
        for (size_t i = from; i < c && i <= p + wanted; ++i) TakeEntry(i, words);
    }
    size_t before = p;
    size_t after = c - p;

    // Alphabetically earlier blocks have larger big-endian ids.
    auto bigEndian = [](uint16_t blockId) { return static_cast<uint16_t>(BlockB0(blockId) << 8 | BlockB1(blockId)); };
    auto fromBigEndian = [](uint16_t value) { return MakeBlockId(static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)); };

    for (uint16_t v = bigEndian(id); wanted > before && v != 0xFFFF;) {
        if (!LoadBlock(fromBigEndian(++v), stream)) continue;
        const size_t count = CurrentBlock->Entries.size();
        const size_t take = std::min(count, wanted - before);
        for (size_t i = count - take; i < count; ++i) TakeEntry(i, words);
        before += take;
    }
    // Later words: the key's place and n more, also when the key's block
    // ends exactly n entries after it.
    for (uint16_t v = bigEndian(id); wanted >= after && v != 0;) {
        if (!LoadBlock(fromBigEndian(--v), stream)) continue;
        const size_t count = CurrentBlock->Entries.size();
        const size_t take = std::min(wanted - after + 1, count);
        for (size_t i = 0; i < take; ++i) TakeEntry(i, words);
        after += take;
    }

    strings = words.Items();
    if (words.Empty()) return -1;
    return static_cast<int>(std::min(words.InsertionPoint(Word), words.Size() - 1));
}

void TIndexLookup::ClearCache() {
    Cache.clear();
    CurrentBlock = &EmptyBlock;
}
