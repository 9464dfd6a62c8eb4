#include <gtest/gtest.h>

#include "lexivar/DatabasePath.h"
#include "lexivar/Options.h"

namespace {

TEST(Options, JoinsAndTrimsTheWordsAndReadsEveryOption) {
    TLookupOptions o = ParseOptions({"--json", "  hot", "dog\t", "--pos", "Verb", "--sense=3",
                                     "--relation", "type-of", "--db", "x.lvd", "--roots-only"});
    EXPECT_EQ(o.word, "hot dog");
    EXPECT_TRUE(o.json);
    EXPECT_TRUE(o.rootsOnly);
    EXPECT_EQ(o.partOfSpeech, 1);
    EXPECT_EQ(o.sense, 3);
    EXPECT_EQ(o.relation, 6);
    EXPECT_EQ(o.databasePath, "x.lvd");

    EXPECT_EQ(ParseOptions({"--relation=Synonyms", "a"}).relation, 12);
    EXPECT_EQ(ParseOptions({"--relation", "SEE ALSO", "a"}).relation, 10);
    EXPECT_EQ(ParseOptions({"--pos", "adverb", "a"}).partOfSpeech, 3);
    // After "--" everything is a word, even what looks like an option.
    EXPECT_EQ(ParseOptions({"--", "--json"}).word, "--json");
    EXPECT_TRUE(ParseOptions({"--help"}).help);
}

TEST(Options, RefusesWhatCannotRun) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"   "},
        {"--pos", "pronoun", "a"},  // no button filters it
        {"--pos", "a"},
        {"--pos"},
        {"--sense", "0", "a"},
        {"--sense", "-1", "a"},
        {"--sense", "2x", "a"},
        {"--sense", "99999999999999999999", "a"},
        {"--relation", "cousins", "a"},
        {"--relation", "", "a"},
        {"--db=", "a"},
        {"--json=yes", "a"},
        {"--colour", "a"},
    };
    for (const auto& args : bad) EXPECT_THROW(ParseOptions(args), TUsageError) << ::testing::PrintToString(args);
}

TEST(DatabasePath, OptionThenEnvironmentThenBuildTree) {
    EXPECT_EQ(LocateDatabase("a.lvd", "b.lvd", "/x/native/tools/lexivar"), "a.lvd");
    EXPECT_EQ(LocateDatabase("", "b.lvd", "/x/native/tools/lexivar"), "b.lvd");
    EXPECT_EQ(LocateDatabase("", "", "/nonexistent/native/tools/lexivar"), "/nonexistent/native/lxvr17.lvd");
    EXPECT_EQ(LocateDatabase("", nullptr, "/nonexistent/native/tools/lexivar"), "/nonexistent/native/lxvr17.lvd");
}

}  // namespace
