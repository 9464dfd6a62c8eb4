// The structure of the search, against a small stand-in database: run
// conditions of the rules, chaining, the once-only rule for candidates, row
// captions and the open/close bracket.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "FakeSource.h"
#include "NearMatchRows.h"
#include "NearMatchRules.h"

namespace {

constexpr uint8_t kNoun = kNounBit;
constexpr uint8_t kVerb = kVerbBit;
constexpr uint8_t kAdjective = kAdjectiveBit;

struct TResult {
    int rows;
    TSuggestionCollector collector;
    std::vector<std::string> Derived() const { return collector.WordsOf(TSuggestionRow::Derived); }
    std::vector<std::string> Try() const { return collector.WordsOf(TSuggestionRow::Try); }
};

TResult Suggest(TFakeSource& source, const std::string& word) {
    TResult result;
    result.rows = ShowNearMatches(source, word, result.collector);
    return result;
}

bool Asked(const TFakeSource& source, const std::string& word) {
    return std::count(source.asked.begin(), source.asked.end(), word) > 0;
}

using Words = std::vector<std::string>;

TEST(NearMatchSearch, DerivationsChainThroughWorkListAndNeedTheRightPartOfSpeech) {
    // "unhappi" would be D18's candidate: D18 must not run once D17 offered.
    TFakeSource source({{"unhappy", kAdjective}, {"happy", kAdjective}, {"happiness", kNoun},
                        {"unhappi", kAdjective}});
    TResult result = Suggest(source, "unhappiness");
    EXPECT_EQ(result.Derived(), (Words{"unhappy", "happy"}));
    // happiness was looked up (and refused: a noun), happy came from unhappy.
    EXPECT_TRUE(Asked(source, "happiness"));
    EXPECT_FALSE(Asked(source, "unhappi"));
    ASSERT_EQ(result.collector.Lines().size(), 1u);
    EXPECT_EQ(result.collector.Lines()[0].Text(), "May be derived from unhappy happy");
    EXPECT_EQ(result.rows, 1);
}

TEST(NearMatchSearch, TionRulesRunOnlyWhileTheyAreNeeded) {
    // D6 ("tion" -> "t") runs only after D5 ("tion" -> "te") failed.
    TFakeSource both({{"correcte", kVerb}, {"correct", kVerb}});
    EXPECT_EQ(Suggest(both, "correction").Derived(), (Words{"correcte"}));
    TFakeSource one({{"correct", kVerb}});
    EXPECT_EQ(Suggest(one, "correction").Derived(), (Words{"correct"}));
    // Neither runs once an earlier rule made the derived row.
    TFakeSource early({{"organize", kVerb}, {"organizate", kVerb}, {"organizat", kVerb}});
    EXPECT_EQ(Suggest(early, "organization").Derived(), (Words{"organize"}));
    EXPECT_FALSE(Asked(early, "organizate"));
    EXPECT_FALSE(Asked(early, "organizat"));
}

TEST(NearMatchSearch, AffixesCompareLowerCasedButLetterRulesAreCaseSensitive) {
    TFakeSource source({{"unhappy", kAdjective}, {"happy", kAdjective}, {"receive", kVerb}});
    TResult capitals = Suggest(source, "UNHAPPINESS");
    EXPECT_EQ(capitals.Derived(), (Words{"unhappy", "happy"}));
    TFakeSource spelling({{"receive", kVerb}});
    EXPECT_TRUE(Suggest(spelling, "RECIEVE").Try().empty());
    EXPECT_EQ(Suggest(spelling, "recieve").Try(), (Words{"receive"}));
}

TEST(NearMatchSearch, NoCandidateIsAskedTwiceAndOpenIsClosed) {
    for (const char* word : {"unhappiness", "commitee", "organisations", "begining", "Recieve",
                             "nonsuperrealisation", "deteriorationly", "aaaa", "tetetete"}) {
        TFakeSource source({{"happy", kAdjective}});
        Suggest(source, word);
        std::set<std::string> distinct(source.asked.begin(), source.asked.end());
        EXPECT_EQ(distinct.size(), source.asked.size()) << word;
        EXPECT_EQ(source.opens, 1) << word;
        EXPECT_EQ(source.closes, 1) << word;
    }
    // S10 and S23 both make "tirn" from "tern": it is offered once.
    TFakeSource source({{"tirn", kNoun}});
    EXPECT_EQ(Suggest(source, "tern").Try(), (Words{"tirn"}));
}

TEST(NearMatchSearch, ErToUrOnlyWhileNoTryWordExists) {
    TFakeSource alone({{"turn", kVerb}});
    EXPECT_EQ(Suggest(alone, "tern").Try(), (Words{"turn"}));
    TFakeSource earlier({{"turn", kVerb}, {"tirn", kNoun}});
    EXPECT_EQ(Suggest(earlier, "tern").Try(), (Words{"tirn"}));
    EXPECT_FALSE(Asked(earlier, "turn"));
}

TEST(NearMatchSearch, SecondRowIsAlsoTryAfterADerivedRow) {
    TFakeSource source({{"happy", kAdjective}, {"unhappiness", kNoun}});
    // "unhapiness" doubles its p back; "unhappy" is not in this database.
    TResult result = Suggest(source, "unhapiness");
    ASSERT_EQ(result.collector.Lines().size(), 1u);
    EXPECT_EQ(result.collector.Lines()[0].Text(), "Try unhappiness");

    TFakeSource both({{"happy", kAdjective}, {"unhappiness", kNoun}, {"unhapy", kAdjective}});
    result = Suggest(both, "unhapiness");
    ASSERT_EQ(result.collector.Lines().size(), 2u);
    EXPECT_EQ(result.collector.Lines()[0].Text(), "May be derived from unhapy");
    EXPECT_EQ(result.collector.Lines()[1].Text(), "Also try unhappiness");
    EXPECT_EQ(result.rows, 2);
}

TEST(NearMatchSearch, ReinflectsWronglyRegularForms) {
    TFakeSource source({{"bought", kVerb}});
    EXPECT_EQ(Suggest(source, "buyed").Try(), (Words{"bought"}));
    TFakeSource capitals({{"bought", kVerb}});
    EXPECT_EQ(Suggest(capitals, "BUYED").Try(), (Words{"bought"}));
}

// Every candidate the search asks about for word, on an empty database.
std::set<std::string> AskedFor(const std::string& word) {
    TFakeSource source({});
    Suggest(source, word);
    return {source.asked.begin(), source.asked.end()};
}

TEST(NearMatchSearch, LetterRulePlacesAndGuards) {
    // Inside: never at the first character; the vowel guard blocks "boat".
    EXPECT_EQ(AskedFor("abate").count("abete"), 1u);
    EXPECT_EQ(AskedFor("abate").count("ebate"), 0u);
    EXPECT_EQ(AskedFor("boat").count("boet"), 0u);
    // End: "m" -> "mb" at the very end, but not when "mm" ends the word, and
    // not after "s".
    EXPECT_EQ(AskedFor("bom").count("bomb"), 1u);
    EXPECT_EQ(AskedFor("bomm").count("bommb"), 0u);
    EXPECT_EQ(AskedFor("chasm").count("chasmb"), 0u);
    // Start: the whole word may be the find text.
    EXPECT_EQ(AskedFor("supercede").count("supersede"), 1u);
}

TEST(NearMatchSearch, DoubledAndSingleLetters) {
    TFakeSource source({{"committee", kNoun}, {"beginning", kNoun}});
    EXPECT_EQ(Suggest(source, "commitee").Try(), (Words{"committee"}));
    EXPECT_TRUE(Asked(source, "comitee"));
    EXPECT_TRUE(Asked(source, "commite"));
    EXPECT_EQ(Suggest(source, "begining").Try(), (Words{"beginning"}));
    // The first character is never doubled.
    EXPECT_EQ(AskedFor("dog").count("ddog"), 0u);
}

TEST(NearMatchSearch, ShortAndHugeWordsGetNoSuggestionsAndNoOpen) {
    TFakeSource source({{"a", kNoun}});
    EXPECT_EQ(Suggest(source, "ab").rows, 0);
    EXPECT_EQ(Suggest(source, std::string(100000, 'm')).rows, 0);
    EXPECT_TRUE(source.asked.empty());
    EXPECT_EQ(source.opens, 0);
}

TEST(NearMatchSearch, ClosesTheDatabaseWhenAStepThrows) {
    TFakeSource clean({});
    Suggest(clean, "unhappiness");
    const size_t questions = clean.asked.size();
    ASSERT_GT(questions, 10u);
    for (size_t failAt : {size_t(1), questions / 2, questions}) {
        TFakeSource source({});
        source.failAt = failAt;
        EXPECT_THROW(Suggest(source, "unhappiness"), std::runtime_error) << failAt;
        EXPECT_EQ(source.opens, 1);
        EXPECT_EQ(source.closes, 1);
    }
    // An Open that fails still holds a count that only Close gives back.
    TFakeSource source({});
    source.failOpen = true;
    EXPECT_THROW(Suggest(source, "unhappiness"), std::runtime_error);
    EXPECT_EQ(source.closes, 1);
}

}  // namespace
