#include <gtest/gtest.h>

#include "Codecs.h"
#include "IndexDirectory.h"
#include "IndexLookup.h"
#include "IndexWriter.h"
#include "LVDatabase.h"
#include "LVErrors.h"

TEST(IndexDirectory, EncodesBucketsInOrderAndDecodesThem) {
    TIndexDirectory dir;
    dir.Buckets[0] = {{0x10, 0}, {0x20, 0x000105}};
    dir.Buckets[255] = {{0xFF, 0x123456}};
    std::string bytes;
    dir.EncodeTo(&bytes);
    std::string expected = std::string("\x02\x10\x00\x00\x00\x20\x05\x01\x00", 9) + std::string(254, '\0') +
                           std::string("\x01\xFF\x56\x34\x12", 5);
    EXPECT_EQ(bytes, expected);

    TMemoryStream in(bytes + "morphology");
    TIndexDirectory back;
    ASSERT_TRUE(back.DecodeFrom(in));
    EXPECT_EQ(in.Position(), static_cast<int64_t>(bytes.size()));
    EXPECT_EQ(back.Buckets[0].size(), 2u);
    EXPECT_EQ(back.Buckets[0][1].Offset, 0x105u);
    EXPECT_EQ(back.Buckets[255][0].Offset, 0x123456u);

    TMemoryStream cut(bytes.substr(0, bytes.size() - 1));
    EXPECT_FALSE(back.DecodeFrom(cut));
    EXPECT_TRUE(back.Buckets[0].empty());

    dir.Buckets[7].assign(256, TDirectoryItem{});
    EXPECT_THROW(dir.EncodeTo(&bytes), ELVError);
}

TEST(IndexDirectory, BlockSizeRunsToTheNextBlockPresentInTheFile) {
    TIndexDirectory dir;
    dir.Buckets[3] = {{0x01, 0}, {0x80, 10}};
    dir.Buckets[9] = {{0x40, 25}};
    EXPECT_EQ(dir.Problem(40), "");
    TBlockSpan span;
    ASSERT_TRUE(dir.Locate(MakeBlockId(0x01, 3), 40, &span));
    EXPECT_EQ(span.Offset, 0u);
    EXPECT_EQ(span.Size, 10u);
    // Last of its bucket, buckets 4..8 empty: ends where bucket 9 begins.
    ASSERT_TRUE(dir.Locate(MakeBlockId(0x80, 3), 40, &span));
    EXPECT_EQ(span.Size, 15u);
    ASSERT_TRUE(dir.Locate(MakeBlockId(0x40, 9), 40, &span));
    EXPECT_EQ(span.Size, 15u);
    EXPECT_FALSE(dir.Locate(MakeBlockId(0x02, 3), 40, &span));
    EXPECT_FALSE(dir.Locate(MakeBlockId(0x01, 4), 40, &span));

    EXPECT_NE(dir.Problem(20), "");  // an offset past the area
    dir.Buckets[9][0].Offset = 5;
    EXPECT_NE(dir.Problem(40), "");  // blocks out of file order
    dir.Buckets[9][0].Offset = 25;
    dir.Buckets[3] = {{0x80, 0}, {0x01, 10}};
    EXPECT_NE(dir.Problem(40), "");  // items out of b0 order
}

TEST(IndexBlock, EncodesCountsThenKeyTailsAndPointersAndParsesBack) {
    // Keys long enough to share their first two code bytes.
    const TIndexEntries entries = {{"HOTDOG", {0x000102, 0x030405}}, {"HOTDOGS", {0x0A0B0C}}};
    const std::string block = EncodeBlock(entries);
    const std::string dog = EncodeKey("HOTDOG"), dogs = EncodeKey("HOTDOGS");
    ASSERT_EQ(dog.substr(0, 2), dogs.substr(0, 2));
    const std::string expected = EncodeCounts(std::string("\x02\x01", 2)) + dog.substr(2) +
                                 std::string("\x02\x01\x00\x05\x04\x03", 6) + dogs.substr(2) + "\x0C\x0B\x0A";
    EXPECT_EQ(block, expected);

    TLVDatabase db;
    TIndexLookup index(db);
    TIndexDiskRec rec(index);
    rec.Parse(BlockIdOfKey("HOTDOG"), block.data(), block.size());
    ASSERT_EQ(rec.Entries.size(), 2u);
    EXPECT_EQ(rec.Entries[0].first, "HOTDOG");
    EXPECT_EQ(rec.Entries[0].second.Count, 2);
    EXPECT_EQ(rec.Entries[0].second.Pointer(1), 0x030405u);
    EXPECT_TRUE(rec.Entries[0].second.Key.empty());
    EXPECT_EQ(rec.Find("HOTDOGS")->Pointer(0), 0x0A0B0Cu);
    EXPECT_EQ(rec.Find("HOTDOGGER"), nullptr);

    // Cut inside the last entry's pointers, and an empty block.
    EXPECT_THROW(rec.Parse(BlockIdOfKey("HOTDOG"), block.data(), block.size() - 1), ELVError);
    EXPECT_TRUE(rec.Entries.empty());
    try {
        rec.Parse(BlockIdOfKey("HOTDOG"), block.data(), 0);
        FAIL();
    } catch (const ELVError& e) {
        EXPECT_STREQ(e.what(), "Lexivar index error");
    }
}

TEST(IndexWriter, GroupsKeysByBlockInFileOrderAndRefusesBadEntries) {
    TIndexWriter writer;
    const std::vector<std::string> keys = {"A", "CAT", "DOG", "DOGMA", "DOGS", "HOTDOG", "ZOO", "7UP"};
    for (size_t i = 0; i < keys.size(); ++i) writer.Add(keys[i], {static_cast<uint32_t>(i)});
    TMemoryStream out;
    out.WriteString("xx");  // offsets are relative to where the blocks start
    TIndexDirectory dir;
    const uint32_t size = writer.WriteBlocks(out, dir);
    EXPECT_EQ(out.Size(), 2 + static_cast<int64_t>(size));
    EXPECT_EQ(dir.Problem(size), "");

    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string& key = keys[i];
        TBlockSpan span;
        ASSERT_TRUE(dir.Locate(BlockIdOfKey(key), size, &span)) << key;
        TLVDatabase db;
        TIndexLookup index(db);
        TIndexDiskRec rec(index);
        rec.Parse(BlockIdOfKey(key), out.Data().data() + 2 + span.Offset, span.Size);
        const TIndexRec* entry = rec.Find(key);
        ASSERT_NE(entry, nullptr) << key;
        EXPECT_EQ(entry->Pointer(0), i) << key;
    }

    EXPECT_THROW(writer.Add("DOG", {1}), ELVError);
    EXPECT_THROW(writer.Add("dog", {1}), ELVError);
    EXPECT_THROW(writer.Add("EMPTY", {}), ELVError);
    EXPECT_THROW(writer.Add("MANY", std::vector<uint32_t>(129, 1)), ELVError);
    EXPECT_THROW(writer.Add("FAR", {0x1000000}), ELVError);
}
