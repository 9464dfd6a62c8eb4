#include <gtest/gtest.h>

#include <string>

#include "ListSearch.h"

namespace {

// The fast search must answer exactly as std::string_view::find, also for
// matches that end at the last byte, starts near the end of the text and
// texts long enough for several steps of the wide loop.
TEST(FindInList, AgreesWithStringFindEverywhere) {
    const char alphabet[] = "\r,AB";
    uint32_t state = 7;
    auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 16; };
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (size_t n = next() % 300; n > 0; --n) text += alphabet[next() % 4];
        for (int p = 0; p < 20; ++p) {
            std::string pattern;
            const size_t start = text.empty() ? 0 : next() % text.size();
            if (p % 2 == 0)
                pattern = text.substr(start, 1 + next() % 20);
            else
                for (size_t n = 1 + next() % 6; n > 0; --n) pattern += alphabet[next() % 4];
            for (size_t from : {size_t(0), size_t(start), text.size(), text.size() + 3}) {
                EXPECT_EQ(FindInList(text, pattern, from), std::string_view(text).find(pattern, from))
                    << round << " " << p << " " << from;
            }
        }
    }
}

}  // namespace
