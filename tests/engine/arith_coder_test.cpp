#include <gtest/gtest.h>

#include <random>

#include "ArithCoder.h"
#include "CoderModels.h"
#include "KeyModelColumns.h"
#include "LVErrors.h"

namespace {

std::string Symbols(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

// Every column of a model: strictly falling to 0, total within 16 bits.
void ExpectShape(TModel model, unsigned contexts, unsigned symbols) {
    for (unsigned context = 0; context < contexts; ++context) {
        const TFrequencyTable table = model(static_cast<uint8_t>(context));
        ASSERT_EQ(table.Symbols, symbols);
        EXPECT_EQ(table.Counts[symbols], 0) << "context " << context;
        for (unsigned s = 0; s < symbols; ++s)
            EXPECT_GT(table.Counts[s], table.Counts[s + 1]) << "context " << context << " symbol " << s;
    }
}

}  // namespace

TEST(CoderModels, EveryColumnFallsStrictlyToZero) {
    ExpectShape(KindModel, kKindSymbols, kKindSymbols);
    ExpectShape(WordNumberModel, 1, kWordNumberSymbols);
    ExpectShape(CountModel, 1, kCountSymbols);
    ExpectShape(KeyModel, kKeySymbols, kKeySymbols);
}

TEST(CoderModels, FixedColumnsAreTheStoredOnes) {
    EXPECT_EQ(KindModel(12).Counts[0], 65092);
    EXPECT_EQ(KindModel(12).Counts[12], 792);
    EXPECT_EQ(CountModel(0).Counts[42], 88);
    for (unsigned i = 43; i <= 129; ++i) EXPECT_EQ(CountModel(0).Counts[i], 129 - i);
    EXPECT_EQ(WordNumberModel(0).Counts[1], 4384);

    const uint16_t first[] = {65304, 65303, 65302, 65280, 65265, 65259, 65255, 65252, 65248, 65246, 65243, 65240,
                              65239, 65238, 65237, 65236, 65235, 65234, 65233, 60608, 56712, 50165, 47114, 44844,
                              41746, 37623, 35256, 33186, 32595, 32027, 29660, 26185, 24737, 23063, 17972, 17722,
                              15076, 8004,  4766,  3149,  2139,  452,   384,   159,   0};
    for (unsigned i = 0; i <= kKeySymbols; ++i) EXPECT_EQ(KeyModel(0).Counts[i], first[i]) << i;
    for (uint8_t context = 11; context <= 17; ++context) {
        EXPECT_EQ(KeyModel(context).Counts[0], 45);
        EXPECT_EQ(KeyModel(context).Counts[1], 44);
        EXPECT_EQ(KeyModel(context).Counts[43], 1);
    }
}

TEST(CoderModels, GeneratedKeyColumnsFollowLetterPairs) {
    for (int i = 0; i < kKeyPairContexts; ++i) {
        EXPECT_LE(kKeyPairColumns[i][0], 65535);
        EXPECT_GT(kKeyPairColumns[i][0], 65000);  // scaled up to the 16-bit total
    }
    // After "Q" nearly every key goes on with "U"; after "Z" no digit is likelier than "E".
    const TFrequencyTable q = KeyModel('Q' - 47);
    const unsigned u = 'U' - 47;
    for (unsigned s = 0; s < kKeySymbols; ++s) {
        if (s != u) {
            EXPECT_GT(q.Counts[u] - q.Counts[u + 1], q.Counts[s] - q.Counts[s + 1]) << s;
        }
    }
    const TFrequencyTable z = KeyModel('Z' - 47);
    EXPECT_GT(z.Counts['E' - 47] - z.Counts['E' - 47 + 1], z.Counts[1] - z.Counts[2]);
}

TEST(CoderModels, ContextsOutsideAnOrderOneModelRaise) {
    EXPECT_THROW(KindModel(13), ECompressError);
    EXPECT_THROW(KeyModel(44), ECompressError);
    EXPECT_NO_THROW(WordNumberModel(255));
}

TEST(ArithCoder, EmptyInputRaisesWithAnEmptyMessage) {
    TCoderState state;
    state.Model = CountModel;
    std::string out;
    try {
        EncodeSymbols(state, std::string(), out);
        FAIL();
    } catch (const ECompressError& e) {
        EXPECT_STREQ(e.what(), "");
    }
}

TEST(ArithCoder, SymbolsOutsideTheAlphabetRaise) {
    TCoderState state;
    state.Model = WordNumberModel;
    std::string out;
    EXPECT_THROW(EncodeSymbols(state, Symbols({0, 28}), out), ECompressError);
    TCoderState unset;
    EXPECT_THROW(EncodeSymbols(unset, Symbols({0, 1}), out), ECompressError);
    EXPECT_THROW(FinishCode(unset, out), ECompressError);
}

// A stream coded in several calls is the stream coded in one.
TEST(ArithCoder, ContinuedCallsCodeOneStream) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string input(1, static_cast<char>(kKindEnd));
        const size_t n = rng() % 40;
        for (size_t i = 0; i < n; ++i) input += static_cast<char>(rng() % kKindSymbols);
        TCoderState whole;
        whole.Model = KindModel;
        std::string one;
        EncodeSymbols(whole, input, one);
        FinishCode(whole, one);

        const size_t cut = 1 + rng() % input.size();
        TCoderState parts;
        parts.Model = KindModel;
        std::string two;
        EncodeSymbols(parts, input.substr(0, cut), two);
        EncodeSymbols(parts, input.substr(cut - 1), two);
        const size_t length = FinishCode(parts, two);
        EXPECT_EQ(length, two.size());
        EXPECT_EQ(one, two);
    }
}

// Two models in one stream: the decoder switches where the encoder did.
TEST(ArithCoder, DecoderContinuesWithASecondModel) {
    const std::string kinds = Symbols({12, 3, 3, 11, 0, 12});
    const std::string numbers = Symbols({' ', 27, 0, 5});
    TCoderState enc;
    enc.Model = KindModel;
    std::string code;
    EncodeSymbols(enc, kinds, code);
    enc.Model = CountModel;
    EncodeSymbols(enc, numbers, code);
    FinishCode(enc, code);

    TCoderState dec;
    dec.Model = KindModel;
    dec.StopSymbol = 12;
    dec.OutputEnd = 100;
    std::string first(1, '\x0c');
    EXPECT_EQ(DecodeSymbols(dec, Bytes(code), code.size(), first), 4u);
    EXPECT_EQ(first, kinds.substr(0, 5));
    dec.Model = CountModel;
    dec.StopSymbol = kNoStopSymbol;
    dec.OutputEnd = 3;
    std::string second(1, ' ');
    EXPECT_EQ(DecodeSymbols(dec, Bytes(code), code.size(), second), 3u);
    EXPECT_EQ(second, numbers);
}

TEST(ArithCoder, DecodingStopsAtOutputEndAndReadsZerosPastTheInput) {
    // Count 1 costs under a bit: 40 of them fit in 4 zero bytes of look-ahead.
    TCoderState enc;
    enc.Model = CountModel;
    std::string code;
    EncodeSymbols(enc, std::string(1, ' ') + std::string(40, '\1'), code);
    FinishCode(enc, code);
    const std::string stored = code.substr(0, code.find_last_not_of('\0') + 1);

    TCoderState dec;
    dec.Model = CountModel;
    dec.OutputEnd = 40;
    std::string out(1, ' ');
    EXPECT_EQ(DecodeSymbols(dec, Bytes(stored), stored.size(), out), 40u);
    EXPECT_EQ(out.substr(1), std::string(40, '\1'));

    // Symbols that need bits far past the input: the input is no code.
    TCoderState past;
    past.Model = CountModel;
    past.OutputEnd = 1000;
    std::string lots(1, ' ');
    EXPECT_THROW(DecodeSymbols(past, nullptr, 0, lots), ECompressError);
    EXPECT_LT(lots.size(), 40u);

    TCoderState none;
    none.Model = CountModel;
    std::string ctx;
    EXPECT_THROW(DecodeSymbols(none, nullptr, 0, ctx), ECompressError);
}

// Whatever the bits, each decoded symbol is inside the alphabet.
TEST(ArithCoder, AnyCodeBitsDecodeToSymbolsOfTheAlphabet) {
    std::mt19937 rng(11);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(rng() % 12, '\0');
        for (char& b : bytes) b = static_cast<char>(rng());
        TCoderState dec;
        dec.Model = KeyModel;
        dec.OutputEnd = 64;
        std::string out(1, '\0');
        try {
            DecodeSymbols(dec, Bytes(bytes), bytes.size(), out);
        } catch (const ECompressError&) {
            EXPECT_GT(dec.Input, bytes.size() + 4);
        }
        ASSERT_LE(out.size(), 65u);
        for (unsigned char s : out) ASSERT_LT(s, kKeySymbols);
    }
}
