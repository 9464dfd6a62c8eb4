#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "DbFixture.h"
#include "IndexLookup.h"
#include "LVTables.h"
#include "NormaliseKey.h"
#include "WordLookup.h"

namespace {

// Every two-letter word: enough keys for many index blocks.
struct TManyWords {
    TDbFixture f;
    std::vector<std::string> words;  // sorted
    std::string path;

    TManyWords() {
        for (char a = 'a'; a <= 'z'; ++a)
            for (char b = 'a'; b <= 'z'; ++b) words.push_back(std::string{a, b});
        for (const std::string& w : words) f.AddSynset(0, {w}, "gloss of " + w);
        path = f.WriteFile("many.lvd");
    }

    // What the neighbour list of word should hold: n words before its place
    // and n + 1 from there on.
    std::vector<std::string> Around(const std::string& word, size_t n) const {
        const size_t q = static_cast<size_t>(std::lower_bound(words.begin(), words.end(), word) - words.begin());
        const size_t from = q > n ? q - n : 0;
        const size_t to = std::min(q + n + 1, words.size());
        return std::vector<std::string>(words.begin() + from, words.begin() + to);
    }
};

void FindOnly(TLVDatabase& db, const std::string& word) {
    TOpenScope scope(db);
    db.Index->Find(*db.Stream(), word, false, [](const TIndexRec&, uint8_t) {});
}

}  // namespace

TEST(IndexLookup, NeighboursAcrossBlocks) {
    TManyWords many;
    auto db = DatabaseOn(many.path);
    db->LoadIndex();
    std::set<uint16_t> blocks;
    for (const std::string& w : many.words) blocks.insert(BlockIdOfKey(NormaliseKey(w)));
    ASSERT_GT(blocks.size(), 20u);

    std::vector<std::string> list;
    for (const std::string& w : many.words) {
        FindOnly(*db, w);
        const int at = db->Index->ListNeighbours(list, 3);
        ASSERT_EQ(list, many.Around(w, 3)) << w;
        EXPECT_EQ(list[at], w);
    }
    EXPECT_EQ(db->OpenCount(), 0);

    // Absent keys, with their block present or not, before the first and after the last key.
    size_t absentBlocks = 0;
    for (const std::string w : {"0", "a", "mmz", "qqqqqq", "zzz", "zzzzzzzz"}) {
        FindOnly(*db, w);
        absentBlocks += db->Index->CurrentBlock == &db->Index->EmptyBlock;
        const int at = db->Index->ListNeighbours(list, 3);
        ASSERT_EQ(list, many.Around(w, 3)) << w;
        const size_t q = std::lower_bound(list.begin(), list.end(), w) - list.begin();
        EXPECT_EQ(at, static_cast<int>(std::min(q, list.size() - 1))) << w;
    }
    EXPECT_GT(absentBlocks, 0u);

    FindOnly(*db, "--");  // the empty key
    list = {"kept"};
    EXPECT_EQ(db->Index->ListNeighbours(list, 3), -1);
    EXPECT_EQ(list, std::vector<std::string>{"kept"});
}

TEST(IndexLookup, NeighboursUseTheLexiconSpellingAndSkipForeignEntries) {
    TDbFixture f;
    f.AddSynset(0, {"hot dog"}, "a sausage");
    f.AddSynset(0, {"hotel"}, "an inn");
    int hoe = f.AddSynset(0, {"hoe"}, "a tool");
    f.AddEntry("HOTAIR", {hoe});  // its synset lacks the word
    auto db = DatabaseOn(f.WriteFile("spelling.lvd"));
    db->LookupWord("hot dog");
    std::vector<std::string> list;
    EXPECT_EQ(db->Index->ListNeighbours(list, 5), 1);
    EXPECT_EQ(list, (std::vector<std::string>{"hoe", "hot dog", "hotel"}));
}

TEST(IndexLookup, SixBlockCacheReusesTheLeastRecentlyUsed) {
    TManyWords many;
    auto db = DatabaseOn(many.path);
    db->LoadIndex();
    std::vector<uint16_t> ids;
    for (const std::string& w : many.words) {
        const uint16_t id = BlockIdOfKey(NormaliseKey(w));
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
        if (ids.size() == 7) break;
    }
    ASSERT_EQ(ids.size(), 7u);

    TIndexLookup& index = *db->Index;
    TOpenScope scope(*db);
    TStream& stream = *db->Stream();
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(index.LoadBlock(ids[i], stream));
    EXPECT_TRUE(index.LoadBlock(ids[0], stream));  // a hit makes it the most recent
    EXPECT_EQ(index.CurrentBlock, index.Cache.back().get());
    const TIndexDiskRec* leastRecent = index.Cache.front().get();
    EXPECT_EQ(leastRecent->BlockId, ids[1]);

    ASSERT_TRUE(index.LoadBlock(ids[6], stream));
    ASSERT_EQ(index.Cache.size(), 6u);
    EXPECT_EQ(index.Cache.back().get(), leastRecent);  // the record is reused for the new block
    EXPECT_EQ(index.CurrentBlock->BlockId, ids[6]);
    std::vector<uint16_t> cached;
    for (const auto& block : index.Cache) cached.push_back(block->BlockId);
    EXPECT_EQ(cached, (std::vector<uint16_t>{ids[2], ids[3], ids[4], ids[5], ids[0], ids[6]}));
    ASSERT_FALSE(index.CurrentBlock->Entries.empty());

    uint16_t absent = 0;
    while (index.Directory.Contains(absent)) ++absent;
    EXPECT_FALSE(index.LoadBlock(absent, stream));
    EXPECT_EQ(index.CurrentBlock, &index.EmptyBlock);
    EXPECT_EQ(index.Cache.size(), 6u);

    index.ClearCache();
    EXPECT_TRUE(index.Cache.empty());
    EXPECT_EQ(index.CurrentBlock, &index.EmptyBlock);
}

TEST(IndexLookup, FindReportsBaseFormsOnlyInTheirPartOfSpeech) {
    TDbFixture f;
    f.AddSynset(1, {"chase"}, "pursue");
    f.AddSynset(0, {"café"}, "a coffee house");
    auto db = DatabaseOn(f.WriteFile("find.lvd"));
    db->LoadIndex();
    struct TCall {
        std::string key;
        uint8_t sections, kind;
    };
    std::vector<TCall> calls;
    auto record = [&](const TIndexRec& e, uint8_t sections) { calls.push_back({e.Key, sections, e.InflectionKind}); };
    {
        TOpenScope scope(*db);
        // The noun pass finds CHASE too, but it has no noun sense.
        db->Index->Find(*db->Stream(), "chases", true, record);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].key, "CHASE");
        EXPECT_EQ(calls[0].sections, SectionBit(1));
        EXPECT_EQ(calls[0].kind, 2);

        calls.clear();
        db->Index->Find(*db->Stream(), "chase", true, record);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0].key, "CHASE");
        EXPECT_EQ(calls[0].sections, kAllSections);
        EXPECT_EQ(calls[0].kind, 0);
        EXPECT_EQ(calls.size(), 1u);  // no base form of "chase" is another key here
    }
    db->LookupWord("caf");  // "café" has the key CAF
    ASSERT_EQ(db->Lookup->Senses.size(), 1u);
    EXPECT_EQ(db->Lookup->Senses[0]->KeyWord, "café");
}
