// The text and JSON writers over hand-made reports: layout rules that do not
// depend on any database.
#include <gtest/gtest.h>

#include <sstream>

#include "JsonCheck.h"
#include "lexivar/ReportJson.h"
#include "lexivar/TextPrinter.h"

namespace {

TReportSense Sense(int pos, const std::string& word, const std::string& forms, const std::string& definition) {
    TReportSense sense;
    sense.partOfSpeech = pos;
    sense.word = word;
    sense.forms = forms;
    sense.definition = definition;
    return sense;
}

TLookupReport RunReport() {
    TLookupReport report;
    report.word = "ran";
    report.found = true;
    report.senses = {Sense(0, "run", "", "A score in baseball"), Sense(0, "run", "", "A race"),
                     Sense(0, "Run", "", "A brook"), Sense(1, "run", "ran,run,running,runs", "Move fast"),
                     Sense(1, "run", "ran,run,running,runs", "Flee"), Sense(0, "run", "", "Again a noun")};
    report.lists = {{kSynonymsKind, {"dash", "scurried*"}}, {0, {"walk"}}, {6, {"travel", "move"}}};
    return report;
}

std::string Text(const TLookupReport& report) {
    std::ostringstream out;
    PrintText(report, out);
    return out.str();
}

TEST(TextPrinter, HeadingPerWordAndPartOfSpeechWithNumberingRestarting) {
    EXPECT_EQ(Text(RunReport()),
              "Noun: run\n"
              "  1. A score in baseball\n"
              "  2. A race\n"
              "Noun: Run\n"  // a word differing only in case is another word
              "  1. A brook\n"
              "Verb: run (ran,run,running,runs)\n"
              "  1. Move fast\n"
              "  2. Flee\n"
              "Noun: run\n"
              "  1. Again a noun\n"
              "\n"
              "Synonyms: dash, scurried*\n"
              "Antonyms: walk\n"
              "Type of: travel, move\n");
}

TEST(TextPrinter, NotFoundShowsTheMessageTheRowsAndTheNearestWords) {
    TLookupReport report;
    report.word = "unkindnesss";
    report.nearest = {"unkind", "unkindly", "unkindness"};
    EXPECT_EQ(Text(report), "Word not found: unkindnesss\nNearest: unkind, unkindly, unkindness\n");
    report.tryWords = {"unkindness"};
    EXPECT_EQ(Text(report), "Word not found: unkindnesss\nTry unkindness\nNearest: unkind, unkindly, unkindness\n");
    report.derived = {"unkind", "kind"};
    EXPECT_EQ(Text(report),
              "Word not found: unkindnesss\nMay be derived from unkind, kind\nAlso try unkindness\n"
              "Nearest: unkind, unkindly, unkindness\n");
}

TEST(ReportJson, CarriesEveryKeyWithRelationsInTabOrder) {
    TLookupReport report = RunReport();
    report.senses[3].lists = {{kSynonymsKind, {"dash"}}, {7, {"jog"}}, {3, {"runner"}}};
    std::ostringstream out;
    WriteJsonReport(report, out);
    TJsonValue json = ParseJson(out.str());
    EXPECT_EQ(json.keys, (std::vector<std::string>{"word", "found", "senses", "synonyms", "relations", "nearest",
                                                   "derived", "try"}));
    EXPECT_EQ(json["word"].text, "ran");
    EXPECT_TRUE(json["found"].boolean);
    ASSERT_EQ(json["senses"].items.size(), 6u);
    const TJsonValue& verb = json["senses"].items[3];
    EXPECT_EQ(verb.keys, (std::vector<std::string>{"pos", "word", "forms", "definition", "synonyms", "relations"}));
    EXPECT_EQ(verb["pos"].text, "Verb");
    EXPECT_EQ(verb["forms"].text, "ran,run,running,runs");
    EXPECT_EQ(verb["synonyms"].Strings(), std::vector<std::string>{"dash"});
    EXPECT_EQ(verb["relations"].keys, (std::vector<std::string>{"Types", "Derived"}));
    EXPECT_TRUE(json["senses"].items[0]["relations"].keys.empty());
    EXPECT_EQ(json["synonyms"].Strings(), (std::vector<std::string>{"dash", "scurried*"}));
    EXPECT_EQ(json["relations"].keys, (std::vector<std::string>{"Antonyms", "Type of"}));
    EXPECT_EQ(json["relations"]["Type of"].Strings(), (std::vector<std::string>{"travel", "move"}));
    EXPECT_TRUE(json["nearest"].items.empty());
    EXPECT_EQ(out.str().back(), '\n');
}

}  // namespace
