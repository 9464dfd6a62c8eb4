// The tool on a small database built with the engine's writer: exact output
// that does not depend on the real lexicon.
#include <gtest/gtest.h>

#include <sstream>

#include "JsonCheck.h"
#include "engine/DbFixture.h"
#include "lexivar/LexivarMain.h"

namespace {

constexpr uint8_t kAntonyms = 0, kTypeOf = 6;

const std::string& FixturePath() {
    static const std::string path = [] {
        TDbFixture f;
        f.NounExceptions = "\rGOOSE,GEESE\r";
        f.VerbExceptions = "\rRUN,RAN,RUN,RUNNING,RUNS\r";
        f.AddSynset(0, {"run", "tally"}, "a score in baseball");
        f.AddSynset(0, {"trial", "run"}, "the act of testing something");
        int runVerb = f.AddSynset(1, {"run", "flee"}, "move fast");
        int walk = f.AddSynset(1, {"walk"}, "use one's feet to advance");
        int travel = f.AddSynset(1, {"travel", "go"}, "change location");
        int goose = f.AddSynset(0, {"goose"}, "web-footed bird");
        int bird = f.AddSynset(0, {"bird"}, "");
        f.AddPointer(runVerb, kAntonyms, walk);
        f.AddPointer(runVerb, kTypeOf, travel);
        f.AddPointer(goose, kTypeOf, bird);
        return f.WriteFile("lexivar-tool.lvd");
    }();
    return path;
}

struct TResult {
    int status;
    std::string out, err;
};

TResult Lexivar(std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", FixturePath()});
    std::ostringstream out, err;
    int status = RunLexivar(args, "/nonexistent/tools/lexivar", nullptr, out, err);
    return {status, out.str(), err.str()};
}

TEST(FixtureLookup, PrintsWhatTheWindowShows) {
    TResult run = Lexivar({"run"});
    EXPECT_EQ(run.status, kExitFound) << run.err;
    EXPECT_EQ(run.out,
              "Noun: run\n"
              "  1. A score in baseball\n"
              "  2. The act of testing something\n"
              "Verb: run (ran,run,running,runs)\n"
              "  1. Move fast\n"
              "\n"
              "Synonyms: flee, tally, trial\n"
              "Antonyms: walk\n"
              "Type of: go, travel\n");
    // A synset without a gloss shows its words.
    EXPECT_EQ(Lexivar({"bird"}).out, "Noun: bird\n  1. Bird\n");
}

TEST(FixtureLookup, FiltersAndSelectionNarrowOnlyTheLists) {
    const std::string definitions =
        "Noun: run\n  1. A score in baseball\n  2. The act of testing something\n"
        "Verb: run (ran,run,running,runs)\n  1. Move fast\n\n";
    EXPECT_EQ(Lexivar({"--pos", "verb", "run"}).out, definitions + "Synonyms: flee\nAntonyms: walk\nType of: go, travel\n");
    EXPECT_EQ(Lexivar({"--pos", "noun", "run"}).out, definitions + "Synonyms: tally, trial\n");
    EXPECT_EQ(Lexivar({"--sense", "2", "run"}).out, definitions + "Synonyms: trial\n");
    // Selecting a verb sense under a noun filter widens the filter first.
    EXPECT_EQ(Lexivar({"--pos", "noun", "--sense", "3", "run"}).out,
              definitions + "Synonyms: flee\nAntonyms: walk\nType of: go, travel\n");
    EXPECT_EQ(Lexivar({"--pos", "adverb", "run"}).out, definitions.substr(0, definitions.size() - 1));
    EXPECT_EQ(Lexivar({"--relation", "type of", "run"}).out, definitions + "Type of: go, travel\n");
    TResult beyond = Lexivar({"--sense", "4", "run"});
    EXPECT_EQ(beyond.status, kExitError);
    EXPECT_EQ(beyond.err, "lexivar: Invalid sense number\n");
}

TEST(FixtureLookup, InflectedWordsShowTheirBaseAndInflectedLists) {
    EXPECT_EQ(Lexivar({"geese"}).out, "Noun: goose (geese)\n  1. Web-footed bird\n\nType of: birds\n");
    EXPECT_EQ(Lexivar({"--roots-only", "geese"}).out, "Noun: goose (geese)\n  1. Web-footed bird\n\nType of: bird\n");
    // Reached through the verb pass only: no noun senses.
    TResult ran = Lexivar({"--roots-only", "ran"});
    EXPECT_EQ(ran.out, "Verb: run (ran,run,running,runs)\n  1. Move fast\n\n"
                       "Synonyms: flee\nAntonyms: walk\nType of: go, travel\n");
    EXPECT_NE(Lexivar({"ran"}).out, ran.out);
}

TEST(FixtureLookup, NotFoundListsTheIndexAroundTheWord) {
    TResult run = Lexivar({"ruin"});
    EXPECT_EQ(run.status, kExitNotFound);
    EXPECT_EQ(run.out.substr(0, 21), "Word not found: ruin\n");
    EXPECT_NE(run.out.find("Nearest: bird, flee, go, goose, run, tally, travel, trial, walk\n"), std::string::npos)
        << run.out;

    TJsonValue json = ParseJson(Lexivar({"--json", "ruin"}).out);
    EXPECT_EQ(json["word"].text, "ruin");
    EXPECT_FALSE(json["found"].boolean);
    EXPECT_EQ(json["nearest"].items.size(), 9u);
    // Nothing to list for a word without a key.
    EXPECT_EQ(Lexivar({"--", "-?-"}).out, "Word not found: -?-\n");
}

TEST(FixtureLookup, JsonHoldsEverySenseWithItsOwnLists) {
    TResult run = Lexivar({"--json", "run"});
    EXPECT_EQ(run.status, kExitFound);
    TJsonValue json = ParseJson(run.out);
    ASSERT_EQ(json["senses"].items.size(), 3u);
    const TJsonValue& verb = json["senses"].items[2];
    EXPECT_EQ(verb["pos"].text, "Verb");
    EXPECT_EQ(verb["word"].text, "run");
    EXPECT_EQ(verb["forms"].text, "ran,run,running,runs");
    EXPECT_EQ(verb["definition"].text, "Move fast");
    EXPECT_EQ(verb["synonyms"].Strings(), std::vector<std::string>{"flee"});
    EXPECT_EQ(verb["relations"].keys, (std::vector<std::string>{"Antonyms", "Type of"}));
    EXPECT_EQ(json["senses"].items[0]["synonyms"].Strings(), std::vector<std::string>{"tally"});
    EXPECT_TRUE(json["senses"].items[0]["relations"].keys.empty());
    EXPECT_EQ(json["synonyms"].Strings(), (std::vector<std::string>{"flee", "tally", "trial"}));
    EXPECT_EQ(json["relations"]["Type of"].Strings(), (std::vector<std::string>{"go", "travel"}));
    // Gathering the per-sense lists leaves the whole word's lists as they were.
    TJsonValue verbs = ParseJson(Lexivar({"--json", "--pos", "verb", "run"}).out);
    EXPECT_EQ(verbs["synonyms"].Strings(), std::vector<std::string>{"flee"});
}

}  // namespace
