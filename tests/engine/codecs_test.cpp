#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <random>

#include "ArithCoder.h"
#include "Codecs.h"
#include "CoderModels.h"
#include "LVErrors.h"
#include "NormaliseKey.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

std::string RandomKey(std::mt19937& rng, size_t length) {
    static const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string key;
    for (size_t i = 0; i < length; ++i) key += kAlphabet[rng() % 36];
    return key;
}

std::string RandomBytes(std::mt19937& rng, size_t length) {
    std::string s(length, '\0');
    for (char& b : s) b = static_cast<char>(rng());
    return s;
}

std::string RandomSymbols(std::mt19937& rng, size_t length, unsigned lowest, unsigned count) {
    std::string s;
    for (size_t i = 0; i < length; ++i) s += static_cast<char>(lowest + rng() % count);
    return s;
}

unsigned Prefix(const std::string& code) {
    const unsigned b0 = code.size() > 0 ? static_cast<uint8_t>(code[0]) : 0;
    const unsigned b1 = code.size() > 1 ? static_cast<uint8_t>(code[1]) : 0;
    return b0 << 8 | b1;
}

// Codes as binary fractions: byte order with the shorter padded by zeros.
bool FractionLess(std::string a, std::string b) {
    const size_t n = std::max(a.size(), b.size());
    a.resize(n, '\0');
    b.resize(n, '\0');
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return uint8_t(x) < uint8_t(y); });
}

template <typename F>
void ExpectCompressError(F f, const std::string& message) {
    try {
        f();
        ADD_FAILURE() << "no error, expected \"" << message << "\"";
    } catch (const ECompressError& e) {
        EXPECT_EQ(e.what(), message);
    }
}

}  // namespace

TEST(CountsCode, KnownCodesAndBack) {
    EXPECT_EQ(EncodeCounts(Bytes({1})), Bytes({0xE0}));
    EXPECT_EQ(EncodeCounts(Bytes({1, 2, 1})), Bytes({0x4E, 0x80}));
    EXPECT_EQ(EncodeCounts(Bytes({3})), Bytes({0x13, 0x00}));  // 8 bits, then a whole zero byte
    for (const std::string& counts : {Bytes({1}), Bytes({1, 2, 1}), Bytes({3}), std::string()}) {
        const std::string code = EncodeCounts(counts);
        EXPECT_EQ(DecodeCounts(code.data(), code.size()), counts);
    }
    // The zero byte need not be stored: bits past the input read as 0.
    EXPECT_EQ(DecodeCounts("\x13", 1), Bytes({3}));
}

TEST(PointerCodes, KnownCodesAndBack) {
    EXPECT_EQ(EncodePointerCodes(Bytes({6}), Bytes({0, 0})), Bytes({0x40}));
    EXPECT_EQ(EncodePointerCodes("", ""), Bytes({0x01, 0x00}));
    const std::string kinds = Bytes({0, 6, 7}), numbers = Bytes({1, 1, 0, 0, 0, 0});
    EXPECT_EQ(EncodePointerCodes(kinds, numbers), Bytes({0xFF, 0x41, 0x61, 0xA4, 0x00}));

    std::string k, w;
    DecodePointerCodes("\x40", 1, &k, &w);
    EXPECT_EQ(k, Bytes({6}));
    EXPECT_EQ(w, Bytes({0, 0}));
    DecodePointerCodes("\x01\x00", 2, &k, &w);
    EXPECT_EQ(k, "");
    EXPECT_EQ(w, "");
    DecodePointerCodes("\xFF\x41\x61\xA4\x00", 5, &k, &w);
    EXPECT_EQ(k, kinds);
    EXPECT_EQ(w, numbers);
}

TEST(PointerCodes, EncoderRejectsWhatCannotBeReadBack) {
    ExpectCompressError([] { EncodePointerCodes(Bytes({12}), Bytes({0, 0})); }, "The relation kind 12 cannot be coded");
    ExpectCompressError([] { EncodePointerCodes(Bytes({1}), Bytes({0, 28})); }, "The word number 28 cannot be coded");
    ExpectCompressError([] { EncodePointerCodes(Bytes({1}), ""); }, "Pointer codes need two word numbers per kind");
    ExpectCompressError([] { EncodePointerCodes(std::string(683, '\0'), std::string(1366, '\0')); },
                        "A synset cannot hold 683 pointers");
    EXPECT_THROW(DecodePointerCodes("\x40", 1, nullptr, nullptr), ECompressError);
}

TEST(KeyCode, KnownKeysCodeInDescendingOrder) {
    const char* keys[] = {"A", "CAT", "DOG", "DOGMA", "DOGS", "HOTDOG", "ZOO"};
    for (size_t i = 1; i < std::size(keys); ++i)
        EXPECT_TRUE(FractionLess(EncodeKey(keys[i]), EncodeKey(keys[i - 1]))) << keys[i];
    EXPECT_EQ(EncodeKey("A"), Bytes({0xFE, 0x80}));
    EXPECT_EQ(EncodeKey("ZOO"), Bytes({0x00, 0x1B, 0xA0}));
}

TEST(KeyCode, AscendingKeysNeverRaiseTheirBlockPrefix) {
    std::mt19937 rng(1);
    std::vector<std::string> keys;
    for (size_t length = 0; length <= 64; ++length)
        for (int i = 0; i < 60; ++i) keys.push_back(RandomKey(rng, length));
    // Keys sharing long beginnings, where the codes differ only late.
    for (int i = 0; i < 300; ++i) keys.push_back("DOG" + RandomKey(rng, rng() % 8));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::string previous = EncodeKey(keys[0]);
    for (size_t i = 1; i < keys.size(); ++i) {
        const std::string code = EncodeKey(keys[i]);
        EXPECT_LE(Prefix(code), Prefix(previous)) << keys[i - 1] << " < " << keys[i];
        EXPECT_TRUE(FractionLess(code, previous)) << keys[i - 1] << " < " << keys[i];
        previous = code;
    }
}

// Readers decode from a buffer that goes on with the next entry's bytes and
// learn the length from the decoder: it must be what the encoder wrote.
TEST(KeyCode, RoundTripsInsideLongerBuffers) {
    std::mt19937 rng(2);
    int trips = 0;
    for (size_t length = 0; length <= kMaxKeyLength; length += (length < 64 ? 1 : 13)) {
        for (int i = 0; i < 30; ++i, ++trips) {
            const std::string key = RandomKey(rng, length);
            const std::string code = EncodeKey(key);
            const std::string buffer = code + RandomBytes(rng, 20);
            size_t length = 0;
            const std::string decoded = DecodeKey(buffer.data(), buffer.size(), &length);
            ASSERT_EQ(decoded, key);
            ASSERT_EQ(length, code.size()) << key;
            ASSERT_EQ(DecodeKey(code.data(), code.size()), key);
        }
    }
    EXPECT_GT(trips, 2000);
}

// The index is built from these keys: every one must round-trip, fit the
// reader's code buffer and keep the block order.
TEST(KeyCode, WordNetKeysRoundTripInBlockOrder) {
    std::set<std::string> keys;
    for (const char* name : {"index.noun", "index.verb", "index.adj", "index.adv"}) {
        std::ifstream in(std::string("/usr/share/wordnet/") + name);
        if (!in) GTEST_SKIP() << "WordNet is not installed";
        std::string line;
        while (std::getline(in, line)) {
            const std::string key = NormaliseKey(line.substr(0, line.find(' ')));
            if (line[0] != ' ' && !key.empty()) keys.insert(key);
        }
    }
    ASSERT_GT(keys.size(), 140000u);
    size_t longest = 0;
    unsigned previous = 0xFFFF;
    for (const std::string& key : keys) {
        const std::string code = EncodeKey(key);
        size_t length = 0;
        ASSERT_EQ(DecodeKey(code.data(), code.size(), &length), key);
        ASSERT_EQ(length, code.size()) << key;
        ASSERT_LE(Prefix(code), previous) << key;
        previous = Prefix(code);
        longest = std::max(longest, code.size());
    }
    EXPECT_LE(longest, kMaxKeyCode + 2);
}

TEST(KeyCode, BadKeysAndDamagedCodesRaise) {
    EXPECT_THROW(EncodeKey("cat"), ECompressError);
    EXPECT_THROW(EncodeKey("A:B"), ECompressError);
    EXPECT_THROW(EncodeKey(std::string(kMaxKeyLength + 1, 'A')), ECompressError);
    // All-zero bits select "Z" for ever: no end within a key's length.
    const std::string zeros(kMaxKeyCode, '\0');
    ExpectCompressError([&] { DecodeKey(zeros.data(), zeros.size()); }, "Damaged key code");
    // Symbols 11-17 are no key characters.
    TCoderState state;
    state.Model = KeyModel;
    std::string code;
    EncodeSymbols(state, Bytes({0, 18, 11, 0}), code);
    FinishCode(state, code);
    ExpectCompressError([&] { DecodeKey(code.data(), code.size()); }, "Damaged key code");
    EXPECT_THROW(DecodeKey(nullptr, 0), ECompressError);
}

TEST(CountsCode, RoundTripsAndRejectsBadCounts) {
    std::mt19937 rng(3);
    for (int round = 0; round < 1000; ++round) {
        const std::string counts = RandomSymbols(rng, rng() % 300, 1, 128);
        const std::string code = EncodeCounts(counts);
        const std::string buffer = code + RandomBytes(rng, 9);
        size_t length = 0;
        const std::string decoded = DecodeCounts(buffer.data(), buffer.size(), &length);
        ASSERT_EQ(decoded, counts);
        ASSERT_EQ(length, code.size());
        ASSERT_EQ(DecodeCounts(code.data(), code.size()), counts);
    }
    EXPECT_THROW(EncodeCounts(Bytes({1, 0})), ECompressError);
    EXPECT_THROW(EncodeCounts(Bytes({129})), ECompressError);
    EXPECT_THROW(EncodeCounts(std::string(kMaxCounts + 1, '\1')), ECompressError);
    EXPECT_NO_THROW(EncodeCounts(std::string(kMaxCounts, '\1')));
    ExpectCompressError([] { DecodeCounts(nullptr, 0); }, "Damaged index counts code");
}

TEST(PointerCodes, RoundTripsBeforeTheirTargets) {
    std::mt19937 rng(4);
    for (int round = 0; round < 1000; ++round) {
        const size_t n = round == 0 ? kMaxPointers : rng() % 80;
        const std::string kinds = RandomSymbols(rng, n, 0, 12);
        const std::string numbers = RandomSymbols(rng, 2 * n, 0, 28);
        const std::string code = EncodePointerCodes(kinds, numbers);
        const std::string record = code + RandomBytes(rng, 3 * n + 10);
        std::string k, w;
        size_t length = 0;
        DecodePointerCodes(record.data(), record.size(), &k, &w, &length);
        ASSERT_EQ(k, kinds);
        ASSERT_EQ(w, numbers);
        ASSERT_EQ(length, code.size()) << n << " pointers";
        DecodePointerCodes(code.data(), code.size(), &k, &w);
        ASSERT_EQ(k + w, kinds + numbers);
    }
    std::string k, w;
    // All-one bits select kind 0 (the top of its own column) for ever.
    const std::string ones(kMaxRecordLength, '\xFF');
    ExpectCompressError([&] { DecodePointerCodes(ones.data(), ones.size(), &k, &w); }, "Damaged pointer codes");
}

// Arbitrary bytes: each decoder raises our error or yields what encodes and
// decodes back the same, with the length the encoder gives what it decoded.
TEST(Codecs, ArbitraryBytesDecodeBoundedly) {
    std::mt19937 rng(5);
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = RandomBytes(rng, rng() % 24);
        try {
            size_t length = 0;
            const std::string key = DecodeKey(bytes.data(), bytes.size(), &length);
            const std::string code = EncodeKey(key);
            EXPECT_EQ(length, code.size());
            EXPECT_EQ(DecodeKey(code.data(), code.size()), key);
        } catch (const ECompressError&) {
        }
        try {
            size_t length = 0;
            const std::string counts = DecodeCounts(bytes.data(), bytes.size(), &length);
            const std::string code = EncodeCounts(counts);
            EXPECT_EQ(length, code.size());
            EXPECT_EQ(DecodeCounts(code.data(), code.size()), counts);
        } catch (const ECompressError&) {
        }
        try {
            std::string k, w;
            size_t length = 0;
            DecodePointerCodes(bytes.data(), bytes.size(), &k, &w, &length);
            EXPECT_EQ(w.size(), 2 * k.size());
            const std::string code = EncodePointerCodes(k, w);
            EXPECT_EQ(length, code.size());
            std::string k2, w2;
            DecodePointerCodes(code.data(), code.size(), &k2, &w2);
            EXPECT_EQ(k2, k);
            EXPECT_EQ(w2, w);
        } catch (const ECompressError&) {
        }
    }
}
