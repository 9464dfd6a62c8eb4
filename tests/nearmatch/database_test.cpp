// The suggestions for typical slips, on the database built from WordNet.
// Skipped when that database has not been built.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "LVDatabase.h"
#include "MorphText.h"
#include "NearMatchDatabase.h"
#include "TestDatabase.h"
#include "WordLookup.h"

namespace {

using Words = std::vector<std::string>;

class NearMatchOnDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!FileExists(TestDatabasePath())) return;
        database_ = std::make_unique<TLVDatabase>();
        database_->SetFileName(TestDatabasePath());
    }
    static void TearDownTestSuite() { database_.reset(); }

    void SetUp() override {
        if (!database_) GTEST_SKIP() << "no database at " << TestDatabasePath();
    }

    // The rows as the window labels them.
    static Words Rows(const std::string& word) {
        Words rows;
        const TSuggestionCollector collector = CollectNearMatches(*database_, word);
        for (const TSuggestionLine& line : collector.Lines()) rows.push_back(line.Text());
        return rows;
    }
    static Words Try(const std::string& word) {
        return CollectNearMatches(*database_, word).WordsOf(TSuggestionRow::Try);
    }
    static Words Derived(const std::string& word) {
        return CollectNearMatches(*database_, word).WordsOf(TSuggestionRow::Derived);
    }
    static bool Has(const Words& words, const std::string& word) {
        return std::find(words.begin(), words.end(), word) != words.end();
    }

    static std::unique_ptr<TLVDatabase> database_;
};

std::unique_ptr<TLVDatabase> NearMatchOnDatabase::database_;

TEST_F(NearMatchOnDatabase, SuffixRulesFindTheVerb) {
    EXPECT_EQ(Derived("organisations"), (Words{"organise"}));
    EXPECT_EQ(Derived("organisation"), (Words{"organise"}));
    EXPECT_EQ(Derived("organizations"), (Words{"organize"}));
}

TEST_F(NearMatchOnDatabase, DerivationsChainAndKeepThePartOfSpeech) {
    // happiness (a noun only) is not offered, but happy comes from unhappy.
    EXPECT_EQ(Rows("unhappiness"), (Words{"May be derived from unhappy happy"}));
}

TEST_F(NearMatchOnDatabase, TypicalSlipsArePutRight) {
    EXPECT_EQ(Rows("recieve"), (Words{"Try receive"}));       // ie/ei
    EXPECT_EQ(Rows("begining"), (Words{"Try beginning"}));    // a letter doubled
    EXPECT_EQ(Rows("commitee"), (Words{"Try committee"}));    // one removed, one doubled
    EXPECT_EQ(Rows("buyed"), (Words{"Try bought"}));          // re-inflected
    EXPECT_EQ(Rows("childs"), (Words{"Try children"}));
}

TEST_F(NearMatchOnDatabase, CapitalsGetDerivationsAndBaseFormsButNoLetterRules) {
    EXPECT_TRUE(Rows("RECIEVE").empty());
    EXPECT_EQ(Rows("Recieve"), (Words{"Try Receive"}));
    EXPECT_EQ(Rows("BUYED"), (Words{"Try bought"}));
    EXPECT_EQ(Rows("UNHAPPINESS").front(), "May be derived from unhappy happy");
}

TEST_F(NearMatchOnDatabase, ErToUrOnlyWhileNothingElseWasFound) {
    EXPECT_TRUE(Has(Try("cerse"), "curse"));
    // d -> g found "bergen" first, so "burden" is not tried.
    EXPECT_EQ(Try("berden"), (Words{"bergen"}));
}

TEST_F(NearMatchOnDatabase, ShortWordsGetOnlyTheMessage) {
    EXPECT_TRUE(Rows("zq").empty());
    EXPECT_TRUE(Rows("a").empty());
}

TEST_F(NearMatchOnDatabase, OddBytesAndLongWordsAreHandled) {
    const std::string odd[] = {std::string("re\0ieve", 7), "\xff\xfe\xfdness", "   ", "un-happiness",
                               "caf\xe9s", std::string(259, 'e'), std::string(260, 'z') + "tion"};
    for (const std::string& word : odd) EXPECT_NO_THROW(Rows(word)) << word.size();
    // Punctuation stays in the candidates; the lookup's keys drop it.
    EXPECT_EQ(Rows("un-happiness"), (Words{"May be derived from un-happy -happy"}));
}

TEST_F(NearMatchOnDatabase, NoWordIsOfferedTwice) {
    for (const char* word : {"recieve", "begining", "commitee", "unhappiness", "seperate",
                             "occured", "definately", "tommorow", "goed", "childs"}) {
        const TSuggestionCollector collector = CollectNearMatches(*database_, word);
        for (const TSuggestionLine& line : collector.Lines()) {
            std::set<std::string> distinct;
            for (const std::string& w : line.Words) distinct.insert(morphtext::LowerCase(w));
            EXPECT_EQ(distinct.size(), line.Words.size()) << word << ": " << line.Text();
        }
    }
}

TEST_F(NearMatchOnDatabase, LeavesTheDatabaseClosed) {
    Rows("recieve");
    EXPECT_EQ(database_->OpenCount(), 0);
    TOpenScope outer(*database_);
    Rows("begining");
    EXPECT_EQ(database_->OpenCount(), 1);
}

}  // namespace
