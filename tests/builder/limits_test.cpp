#include <gtest/gtest.h>

#include "BuildReport.h"
#include "Codecs.h"
#include "IndexPlan.h"
#include "Limits.h"
#include "LVErrors.h"
#include "SynsetPlan.h"

namespace {

TPlannedPointer Pointer(uint8_t kind, const std::string& symbol, size_t target) {
    TPlannedPointer p;
    p.pointer.Kind = kind;
    p.symbol = symbol;
    p.target = target;
    return p;
}

TWnSynset Synset(int section, uint32_t offset, std::vector<std::string> words,
                 std::vector<TWnPointer> pointers = {}) {
    TWnSynset s;
    s.section = section;
    s.offset = offset;
    s.words = std::move(words);
    s.pointers = std::move(pointers);
    s.gloss = "gloss of " + s.words.front();
    return s;
}

TWnPointer WnPointer(const std::string& symbol, int section, uint32_t target, uint8_t source = 0,
                     uint8_t targetWord = 0) {
    TWnPointer p;
    p.symbol = symbol;
    p.targetSection = section;
    p.target = target;
    p.sourceWord = source;
    p.targetWord = targetWord;
    return p;
}

}  // namespace

TEST(ShedUntilFits, DropsInstanceHyponymsFirstThenTheLargestKind) {
    TPlannedSynset s;
    s.words = {"city"};
    s.gloss = "a large town";
    for (size_t i = 0; i < 400; ++i) s.pointers.push_back(Pointer(7, "~", i));
    for (size_t i = 0; i < 150; ++i) s.pointers.push_back(Pointer(7, "~i", i));
    for (size_t i = 0; i < 300; ++i) s.pointers.push_back(Pointer(5, "%p", i));
    s.pointers.push_back(Pointer(6, "@", 0));
    TBuildReport report;
    size_t length = ShedUntilFits(s, report).size();
    EXPECT_LE(length, kMaxRecordLength);
    EXPECT_EQ(length, EncodeRecord(s, {}).size());
    size_t instances = 0, types = 0, parts = 0, typeOf = 0;
    for (const TPlannedPointer& p : s.pointers) {
        instances += p.symbol == "~i";
        types += p.symbol == "~";
        parts += p.pointer.Kind == 5;
        typeOf += p.pointer.Kind == 6;
    }
    EXPECT_EQ(instances, 0u);
    EXPECT_EQ(typeOf, 1u);
    // With the instances gone, Types (400) stayed the largest kind while it
    // shed; Parts kept all of its pointers.
    EXPECT_EQ(parts, 300u);
    EXPECT_LT(types, 400u);
    EXPECT_GE(types, parts);
    EXPECT_EQ(report.Count("pointers shed from records over 2048 bytes"),
              static_cast<long long>(851 - s.pointers.size()));
}

TEST(ShedUntilFits, LeavesARecordThatFitsAlone) {
    TPlannedSynset s;
    s.words = {"dog", "domestic dog"};
    s.gloss = "a domesticated canine";
    s.pointers = {Pointer(6, "@", 0), Pointer(7, "~", 0)};
    TBuildReport report;
    ShedUntilFits(s, report);
    EXPECT_EQ(s.pointers.size(), 2u);
    EXPECT_TRUE(report.Text().find("shed") == std::string::npos);
}

TEST(CutText, CutsTheGlossToTheTextLimit) {
    TPlannedSynset s;
    s.words = {"word", "other word"};
    s.gloss = std::string(2990, 'g');
    EXPECT_EQ(ExpandedTextLength(s), std::string("word other;word ;").size() + 2990 + 1);
    TBuildReport report;
    CutText(s, report);
    EXPECT_EQ(ExpandedTextLength(s), kMaxTextLength);
    EXPECT_EQ(s.gloss.size(), 2990u - 8);
    EXPECT_EQ(report.Count("glosses cut to fit 3000 characters"), 1);
}

TEST(CutSenses, KeepsTheFirst128) {
    std::vector<uint32_t> pointers(200);
    for (uint32_t i = 0; i < 200; ++i) pointers[i] = i;
    TBuildReport report;
    CutSenses("SET", pointers, report);
    ASSERT_EQ(pointers.size(), 128u);
    EXPECT_EQ(pointers.back(), 127u);
    EXPECT_EQ(report.Items("senses cut from keys with more than 128"),
              std::vector<std::string>{"SET: 72 of 200"});
    std::vector<uint32_t> exactly(128, 5);
    CutSenses("RUN", exactly, report);
    EXPECT_EQ(exactly.size(), 128u);
}

TEST(PlanSynsets, ResolvesTargetsAndDropsWhatCannotBeStored) {
    TWordNet wn;
    std::vector<std::string> crowd;
    for (int i = 1; i <= 28; ++i) crowd.push_back("w" + std::to_string(i));
    wn.synsets[0] = {Synset(0, 100, {"dog"}, {WnPointer("@", 0, 200), WnPointer(";c", 0, 200)}),
                     Synset(0, 200, crowd, {WnPointer("+", 1, 50, 28, 1), WnPointer("+", 1, 50, 27, 1)})};
    wn.synsets[1] = {Synset(1, 50, {"bark"}, {WnPointer("~", 0, 999)})};
    TBuildReport report;
    TSynsetPlan plan = PlanSynsets(wn, report);
    ASSERT_EQ(plan.synsets.size(), 3u);
    EXPECT_EQ(plan.offsets[0], 0u);
    EXPECT_EQ(plan.offsets[1], plan.records[0].size());
    EXPECT_EQ(plan.sectionEnd[0], static_cast<int32_t>(plan.offsets[2]));
    EXPECT_EQ(plan.sectionEnd[7], plan.sectionEnd[1]);
    ASSERT_EQ(plan.synsets[0].pointers.size(), 1u);  // the domain pointer has no kind
    EXPECT_EQ(plan.synsets[0].pointers[0].target, 1u);
    ASSERT_EQ(plan.synsets[1].pointers.size(), 1u);  // word 28 cannot be numbered
    EXPECT_EQ(plan.synsets[1].pointers[0].pointer.SourceWord, 27);
    EXPECT_TRUE(plan.synsets[2].pointers.empty());  // its target does not exist
    EXPECT_EQ(report.Count("domain pointers dropped"), 1);
    EXPECT_EQ(report.Count("pointers with word numbers above 27 dropped"), 1);
    EXPECT_EQ(report.Count("pointers to a missing synset dropped"), 1);
    // Targets written into the placeholder records give the engine's bytes.
    for (size_t i = 0; i < plan.records.size(); ++i)
        EXPECT_EQ(plan.records[i], EncodeRecord(plan.synsets[i], plan.offsets));
}

TEST(PlanIndex, MergesLemmasOfOneKeyInSenseAndSectionOrder) {
    TWordNet wn;
    wn.synsets[0] = {Synset(0, 1, {"hot dog"}), Synset(0, 2, {"hotdog", "frank"}),
                     Synset(0, 3, {"hot dog", "hotdog"})};
    wn.synsets[1] = {Synset(1, 7, {"hotdog"})};
    wn.index[0] = {{"hot dog", {3, 1}}, {"hotdog", {2, 3}}};
    wn.index[1] = {{"hotdog", {7}}};  // frank is missing from the index
    TBuildReport report;
    TSynsetPlan plan = PlanSynsets(wn, report);
    TIndexEntries entries = PlanIndex(wn, plan, report);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first, "FRANK");
    EXPECT_EQ(entries[0].second, std::vector<uint32_t>{plan.offsets[1]});
    EXPECT_EQ(entries[1].first, "HOTDOG");
    EXPECT_EQ(entries[1].second,
              (std::vector<uint32_t>{plan.offsets[2], plan.offsets[0], plan.offsets[1], plan.offsets[3]}));
    EXPECT_EQ(report.Items("senses added for words the WordNet index omits"),
              std::vector<std::string>{"n 00000002 hotdog: frank"});
}
