#include <gtest/gtest.h>

#include <random>

#include "Codecs.h"
#include "LVErrors.h"

namespace {

std::string Expand(const std::string& bytes) { return ExpandText(bytes.data(), bytes.size()); }

std::string Codes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

// What a stored text reads back as: "_" and "`" are not kept.
std::string Stored(std::string text) {
    for (char& c : text) {
        if (c == '_') c = ' ';
        if (c == '`') c = '\'';
    }
    return text;
}

}  // namespace

TEST(TextCodec, KnownTexts) {
    // "the " is one code; in "cat " the two-letter pass takes "t " before "ca".
    EXPECT_EQ(CompressText("the cat "), Codes({150, 213, 172, 0}));
    EXPECT_EQ(CompressText("Dog"), Codes({47, 68, 111, 103, 0}));
    EXPECT_EQ(CompressText(""), Codes({0}));
    EXPECT_EQ(CompressText("A/_`"), Codes({'A', '/', '/', ' ', '\'', 0}));
    EXPECT_EQ(Expand(Codes({'/', '/', 0})), "/");
    EXPECT_EQ(Expand(Codes({150, 0, 150, 0})), "the ");
    EXPECT_EQ(Expand(Codes({'/', 0, 'a', 0})), std::string("\0a", 2));  // an escaped 0 is text
}

TEST(TextCodec, RecordTextRoundTrips) {
    const std::string plain = "dog domestic;dog ;a member of the genus Canis (probably descended from the "
                              "common wolf) that has been domesticated by man since prehistoric times ";
    const std::string code = CompressText(plain);
    EXPECT_LT(code.size(), plain.size() * 2 / 3);
    EXPECT_EQ(Expand(code + "trailing pointer bytes"), plain);
}

TEST(TextCodec, RandomTextsRoundTrip) {
    std::mt19937 rng(6);
    const char* pieces[] = {"the ", "ation ", "especially ", ";", " ", "ing", "qu", "Zebra", "A", "_", "`",
                            "/", "0", "e;", "relating ", "x", "'s", "\xE9", "\x7F"};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const size_t n = rng() % 60;
        for (size_t i = 0; i < n; ++i) {
            if (rng() % 4 == 0) text += static_cast<char>(rng());  // any byte, 0 included
            else text += pieces[rng() % std::size(pieces)];
        }
        ASSERT_EQ(Expand(CompressText(text)), Stored(text)) << text;
    }
}

TEST(TextCodec, DamagedTextsRaiseAndLongTextsAreRefused) {
    EXPECT_THROW(Expand(""), ECompressError);
    EXPECT_THROW(Expand("abc"), ECompressError);
    EXPECT_THROW(Expand("ab/"), ECompressError);
    EXPECT_THROW(ExpandText(nullptr, 0), ECompressError);
    // 273 codes of "especially " expand past the 3000 characters a reader holds.
    const std::string big = std::string(273, static_cast<char>(162)) + '\0';
    EXPECT_THROW(Expand(big), ECompressError);
    EXPECT_EQ(Expand(std::string(272, static_cast<char>(162)) + '\0').size(), 2992u);

    EXPECT_EQ(Expand(CompressText(std::string(kMaxTextLength, '#'))).size(), kMaxTextLength);
    EXPECT_THROW(CompressText(std::string(kMaxTextLength + 1, 'a')), ECompressError);
}
