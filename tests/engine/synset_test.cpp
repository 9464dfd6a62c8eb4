#include <gtest/gtest.h>

#include "Codecs.h"
#include "LVErrors.h"
#include "Synset.h"

namespace {

TSynset MakeDog() {
    TSynset s;
    s.AllWords = s.Words = {"dog", "domestic dog", "Canis familiaris"};
    s.Gloss = "a domesticated canine";
    s.Pointers = {{0, 0x123456, 1, 1}, {6, 0x000010, 0, 0}, {7, 0xABCDEF, 0, 0}};
    return s;
}

TSynset ReadBack(const std::string& bytes) {
    TMemoryStream in(bytes);
    TSynset s;
    s.ReadFrom(in);
    return s;
}

}  // namespace

TEST(Synset, RecordBytesAreCodesTargetsThenText) {
    TMemoryStream out;
    const size_t length = MakeDog().WriteTo(out);
    const std::string expected = std::string("\xFF\x41\x61\xA4\x00", 5) + "\x56\x34\x12" + std::string("\x10\x00\x00", 3) +
                                 "\xEF\xCD\xAB" + CompressText("dog domestic;dog Canis;familiaris ;a domesticated canine ");
    EXPECT_EQ(out.Data(), expected);
    EXPECT_EQ(length, expected.size());
}

TEST(Synset, WrittenRecordReadsBackWithWordsGlossAndPointers) {
    TMemoryStream out;
    MakeDog().WriteTo(out);
    // Bytes after the record (the next record) must not disturb it.
    out.WriteString("\x01\x02\x03 trailing");
    TSynset s = ReadBack(out.Data());
    EXPECT_EQ(s.AllWords, (std::vector<std::string>{"dog", "domestic dog", "Canis familiaris"}));
    EXPECT_EQ(s.Words, s.AllWords);
    EXPECT_EQ(s.Gloss, "a domesticated canine");
    ASSERT_EQ(s.PointerCount(), 3);
    EXPECT_EQ(s.Pointers[0].Kind, 0);
    EXPECT_EQ(s.Pointers[0].Target, 0x123456u);
    EXPECT_EQ(s.Pointers[0].SourceWord, 1);
    EXPECT_EQ(s.Pointers[0].TargetWord, 1);
    EXPECT_EQ(s.Pointers[2].Kind, 7);
    EXPECT_EQ(s.Pointers[2].Target, 0xABCDEFu);
    EXPECT_EQ(s.Pointers[2].SourceWord, 0);
    EXPECT_EQ(s.KindMask(), (1u << 0) | (1u << 6) | (1u << 7));
    EXPECT_TRUE(s.KeyWord.empty());
}

TEST(Synset, NoPointersAndNoGloss) {
    TSynset s;
    s.AllWords = {"alpha", "beta"};
    TMemoryStream out;
    s.WriteTo(out);
    EXPECT_EQ(out.Data().substr(0, 2), std::string("\x01\x00", 2));
    TSynset back = ReadBack(out.Data());
    EXPECT_EQ(back.PointerCount(), 0);
    EXPECT_EQ(back.Gloss, "alpha, beta");
    EXPECT_EQ(back.KindMask(), 0);
}

TEST(Synset, SelectKeyTakesFirstWordOfTheKeyAndItsPointers) {
    TSynset s;
    s.AllWords = s.Words = {"Polish", "polish", "shine"};
    s.Pointers = {{3, 1, 0, 0}, {3, 2, 1, 0}, {0, 3, 2, 0}, {10, 4, 3, 1}};
    s.SelectKey("POLISH");
    EXPECT_EQ(s.KeyWord, "Polish");
    EXPECT_EQ(s.Words, (std::vector<std::string>{"polish", "shine"}));
    ASSERT_EQ(s.PointerCount(), 2);
    EXPECT_EQ(s.Pointers[0].Target, 1u);
    EXPECT_EQ(s.Pointers[1].Target, 2u);

    TSynset t;
    t.AllWords = t.Words = {"Polish", "polish", "shine"};
    t.Pointers = {{3, 1, 0, 0}, {3, 2, 1, 0}, {0, 3, 2, 0}};
    t.SelectKey("SHINE");
    ASSERT_EQ(t.PointerCount(), 1);
    EXPECT_EQ(t.Pointers[0].Target, 1u);
    EXPECT_EQ(t.Words, (std::vector<std::string>{"Polish", "polish"}));
    EXPECT_EQ(t.AllWords.size(), 3u);

    EXPECT_THROW(t.SelectKey("CAT"), ELVKeyWordError);
    EXPECT_TRUE(t.KeyWord.empty());
}

TEST(Synset, DamagedRecordsRaiseWithoutReadingPast) {
    TMemoryStream out;
    MakeDog().WriteTo(out);
    const std::string good = out.Data();

    // Cut inside the targets: shorter than its pointer count demands.
    EXPECT_THROW(ReadBack(good.substr(0, 7)), ELVError);
    // Text without its terminating 0.
    EXPECT_THROW(ReadBack(good.substr(0, good.size() - 1)), ELVError);
    // A text without the gloss separator.
    EXPECT_THROW(ReadBack(std::string("\x01\x00", 2) + CompressText("nogloss")), ELVError);
    // 2000 codes of "ation " expand past the 3000-character limit.
    EXPECT_THROW(ReadBack(std::string("\x01\x00", 2) + std::string(2000, '\x7B') + std::string(1, '\0')),
                 ECompressError);
    EXPECT_THROW(ReadBack(std::string()), LVException);
}

TEST(Synset, WriteRefusesWhatCouldNotBeReadBack) {
    TSynset longText;
    longText.AllWords = {"w"};
    longText.Gloss = std::string(3000, 'x');
    TMemoryStream out;
    EXPECT_THROW(longText.WriteTo(out), ELVError);

    TSynset manyPointers;
    manyPointers.AllWords = {"w"};
    manyPointers.Pointers.assign(680, TSynsetPointer{6, 1, 0, 0});
    EXPECT_THROW(manyPointers.WriteTo(out), ELVError);
    EXPECT_EQ(out.Size(), 0);
}
