// The whole tool, run in-process on the real database (skipped when it has
// not been built): what it prints, its JSON, its exit codes and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "JsonCheck.h"
#include "lexivar/LexivarMain.h"
#include "nearmatch/TestDatabase.h"

namespace {

struct TRun {
    int status = -1;
    std::string out, err;
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

TRun RunWith(const std::string& database, std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", database});
    TRun run;
    std::ostringstream out, err;
    run.status = RunLexivar(args, "/nonexistent/tools/lexivar", nullptr, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

class LookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FileExists(TestDatabasePath())) GTEST_SKIP() << "no database at " << TestDatabasePath();
    }
    static TRun Run(std::vector<std::string> args) { return RunWith(TestDatabasePath(), std::move(args)); }
    static TJsonValue Json(std::vector<std::string> args) {
        args.push_back("--json");
        TRun run = Run(args);
        EXPECT_TRUE(run.status == kExitFound || run.status == kExitNotFound) << run.err;
        return ParseJson(run.out);
    }
};

// The lines of the lists: those after the blank line, as (name, words text).
std::vector<std::pair<std::string, std::string>> ListLines(const TRun& run) {
    std::vector<std::pair<std::string, std::string>> lists;
    std::vector<std::string> lines = run.Lines();
    auto blank = std::find(lines.begin(), lines.end(), "");
    for (auto it = blank == lines.end() ? blank : blank + 1; it != lines.end(); ++it) {
        size_t colon = it->find(": ");
        lists.emplace_back(it->substr(0, colon), colon == std::string::npos ? "" : it->substr(colon + 2));
    }
    return lists;
}

TEST_F(LookupTest, HeadingsAndNumberingAsTheWindowLaysThemOut) {
    TRun run = Run({"run"});
    ASSERT_EQ(run.status, kExitFound) << run.err;
    std::vector<std::string> headings;
    int expected = 0;
    for (const std::string& line : run.Lines()) {
        if (line.empty()) break;
        if (line[0] != ' ') {
            headings.push_back(line);
            expected = 1;
            continue;
        }
        // Numbers run 1, 2, ... under each heading, right-aligned to "99.".
        char label[16];
        std::snprintf(label, sizeof label, "%3d. ", expected++);
        EXPECT_EQ(line.substr(0, 5), label) << line;
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Noun: run", "Verb: run (ran,run,running,runs)"}));
    EXPECT_EQ(expected, 42);  // WordNet has 41 verb senses of run

    EXPECT_EQ(Run({"geese"}).Lines().at(0), "Noun: goose (geese)");
    // Each definition starts with a capital, as the window shows it.
    EXPECT_EQ(Run({"cat"}).Lines().at(1).substr(0, 12), "  1. Feline ");
}

TEST_F(LookupTest, ListsFollowTheTabOrderAndMatchTheJson) {
    for (const char* word : {"run", "good", "geese", "cat"}) {
        TRun run = Run({word});
        std::vector<std::pair<std::string, std::string>> lists = ListLines(run);
        ASSERT_FALSE(lists.empty()) << word;
        EXPECT_EQ(lists[0].first, "Synonyms") << word;
        TJsonValue json = Json({word});
        std::vector<std::string> names;
        for (size_t i = 1; i < lists.size(); ++i) names.push_back(lists[i].first);
        EXPECT_EQ(names, json["relations"].keys) << word;
        // Tab order is kind order.
        const std::vector<std::string> order = {"Antonyms", "Attribs", "Causes", "Derived", "Entails", "Parts",
                                                "Type of", "Types", "Part of", "Participle", "See also", "Similar"};
        std::vector<size_t> kinds;
        for (const std::string& name : names)
            kinds.push_back(std::find(order.begin(), order.end(), name) - order.begin());
        EXPECT_TRUE(std::is_sorted(kinds.begin(), kinds.end())) << word;
        EXPECT_LT(kinds.empty() ? 0 : kinds.back(), order.size()) << word;
        std::string synonyms;
        for (const std::string& w : json["synonyms"].Strings()) synonyms += (synonyms.empty() ? "" : ", ") + w;
        EXPECT_EQ(lists[0].second, synonyms) << word;
    }
}

TEST_F(LookupTest, InflectedFormsAndRootsOnly) {
    TJsonValue inflected = Json({"ran"});
    TJsonValue roots = Json({"--roots-only", "ran"});
    ASSERT_TRUE(inflected["found"].boolean);
    EXPECT_EQ(inflected["senses"].items.at(0)["word"].text, "run");
    auto has = [](const TJsonValue& list, const std::string& word) {
        std::vector<std::string> words = list.Strings();
        return std::find(words.begin(), words.end(), word) != words.end();
    };
    EXPECT_TRUE(has(inflected["synonyms"], "escaped"));
    EXPECT_FALSE(has(inflected["synonyms"], "escape"));
    EXPECT_TRUE(has(roots["synonyms"], "escape"));
    EXPECT_TRUE(has(Json({"geese"})["relations"]["Type of"], "fools"));
    EXPECT_TRUE(has(Json({"--roots-only", "geese"})["relations"]["Type of"], "fool"));
}

TEST_F(LookupTest, PartOfSpeechAndSenseNarrowTheListsNotTheDefinitions) {
    TJsonValue all = Json({"run"});
    TJsonValue verbs = Json({"--pos", "verb", "run"});
    ASSERT_EQ(verbs["senses"].items.size(), all["senses"].items.size());
    // The lists of a part of speech are the union of its senses' lists.
    std::set<std::string> expected;
    for (const TJsonValue& sense : all["senses"].items)
        if (sense["pos"].text == "Verb")
            for (const std::string& w : sense["synonyms"].Strings()) expected.insert(w);
    std::vector<std::string> got = verbs["synonyms"].Strings();
    EXPECT_EQ(std::set<std::string>(got.begin(), got.end()), expected);
    EXPECT_LT(got.size(), all["synonyms"].items.size());

    // --sense counts over all headings: the 17th definition is the first verb.
    TJsonValue sense = Json({"--pos", "noun", "--sense", "17", "run"});
    const TJsonValue& firstVerb = all["senses"].items.at(16);
    EXPECT_EQ(firstVerb["pos"].text, "Verb");
    EXPECT_EQ(sense["synonyms"].Strings(), firstVerb["synonyms"].Strings());
    EXPECT_EQ(sense["relations"].keys, firstVerb["relations"].keys);

    TRun beyond = Run({"--sense", "58", "run"});
    EXPECT_EQ(beyond.status, kExitError);
    EXPECT_EQ(beyond.err, "lexivar: Invalid sense number\n");
    EXPECT_EQ(beyond.out, "");
}

TEST_F(LookupTest, OneRelationOnly) {
    std::vector<std::pair<std::string, std::string>> lists = ListLines(Run({"--relation", "antonyms", "good"}));
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0], (std::pair<std::string, std::string>("Antonyms", "bad, evil")));
    EXPECT_EQ(ListLines(Run({"--relation", "Synonyms", "--pos", "adverb", "good"})),
              (std::vector<std::pair<std::string, std::string>>{{"Synonyms", "soundly, thoroughly, well"}}));
    // A relation the word lacks prints no list, and the word is still found.
    TRun none = Run({"--relation", "causes", "cat"});
    EXPECT_EQ(none.status, kExitFound);
    EXPECT_TRUE(ListLines(none).empty());
}

TEST_F(LookupTest, NotFoundGivesTheNearestWordsAndSuggestions) {
    TRun run = Run({"xyzzyq"});
    EXPECT_EQ(run.status, kExitNotFound);
    std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Word not found: xyzzyq");
    EXPECT_EQ(lines[1].substr(0, 9), "Nearest: ");
    EXPECT_NE(lines[1].find(", xylem, "), std::string::npos);

    TJsonValue json = Json({"recieve"});
    EXPECT_FALSE(json["found"].boolean);
    EXPECT_TRUE(json["senses"].items.empty());
    EXPECT_TRUE(json["relations"].keys.empty());
    EXPECT_EQ(json["try"].Strings(), std::vector<std::string>{"receive"});
    std::vector<std::string> nearest = json["nearest"].Strings();
    EXPECT_NE(std::find(nearest.begin(), nearest.end(), "receive"), nearest.end());
    EXPECT_EQ(Run({"recieve"}).Lines().at(1), "Try receive");
}

TEST_F(LookupTest, BadWordsGetAnAnswerNotACrash) {
    const std::vector<std::string> words = {std::string(10000, 'a'), "caf\xe9", "caf\xc3\xa9", "\x01\x02\"\\",
                                            "???", "'s", "\xff\xfe\xfd", std::string(300, 'Z') + "s"};
    for (const std::string& word : words) {
        TRun text = Run({word});
        EXPECT_TRUE(text.status == kExitFound || text.status == kExitNotFound) << text.err;
        TRun json = Run({"--json", word});
        EXPECT_EQ(json.status, text.status);
        TJsonValue value;
        ASSERT_NO_THROW(value = ParseJson(json.out)) << json.out.substr(0, 200);
        EXPECT_EQ(value["found"].boolean, text.status == kExitFound);
    }
    EXPECT_EQ(ParseJson(Run({"--json", "caf\xe9"}).out)["word"].text, "caf\xc3\xa9");  // Latin-1 read
    EXPECT_EQ(Run({"   "}).status, kExitError);
    EXPECT_EQ(Run({"--pos", "noun"}).status, kExitError);
}

TEST_F(LookupTest, DamagedDatabasesAreReportedAsErrors) {
    std::ifstream in(TestDatabasePath(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string path = ::testing::TempDir() + "lexivar_damaged.lvd";
    auto runOn = [&](const std::string& content) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        return RunWith(path, {"run"});
    };
    for (const std::string& content : {std::string(), std::string("short"), bytes.substr(0, bytes.size() / 2),
                                       std::string(100000, '\xff')}) {
        TRun run = runOn(content);
        EXPECT_EQ(run.status, kExitError) << content.size();
        EXPECT_EQ(run.err.substr(0, 9), "lexivar: ");
        EXPECT_EQ(run.err.back(), '\n');
    }
    std::remove(path.c_str());
}

TEST(LexivarExit, ErrorsBeforeAnyLookup) {
    std::ostringstream out, err;
    EXPECT_EQ(RunLexivar({"--db", "/nonexistent/x.lvd", "cat"}, "/x/tools/lexivar", nullptr, out, err), kExitError);
    EXPECT_NE(err.str().find("/nonexistent/x.lvd"), std::string::npos);
    EXPECT_EQ(out.str(), "");
    err.str("");
    EXPECT_EQ(RunLexivar({"--frobnicate", "cat"}, "/x/tools/lexivar", nullptr, out, err), kExitError);
    EXPECT_EQ(err.str().substr(0, 37), "lexivar: unknown option --frobnicate\n");
    EXPECT_EQ(RunLexivar({"--help"}, "/x/tools/lexivar", nullptr, out, err), kExitFound);
    EXPECT_EQ(out.str().substr(0, 6), "usage:");
}

}  // namespace
