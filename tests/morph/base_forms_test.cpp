#include <gtest/gtest.h>

#include "MorphFixture.h"

namespace {

using List = std::vector<std::string>;

const TWordMorpher morpher = FixtureMorpher();

List Nouns(const std::string& word, bool strict = true) {
    List list;
    morpher.NounBases(word, list, strict);
    return list;
}

struct Bases {
    List list;
    uint8_t kind = 1;
};

Bases Verbs(const std::string& word, bool strict = true) {
    Bases b;
    morpher.VerbBases(word, b.list, b.kind, strict);
    return b;
}

Bases Adjectives(const std::string& word, bool strict = true) {
    Bases b;
    morpher.AdjectiveBases(word, b.list, b.kind, strict);
    return b;
}

struct Case {
    const char* form;
    List bases;
    uint8_t kind;
};

// Strict mode: the bases in order, and the kind the form was recognised as.
void ExpectCases(Bases (*bases)(const std::string&, bool), std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const Bases b = bases(c.form, true);
        EXPECT_EQ(b.list, c.bases) << c.form;
        EXPECT_EQ(b.kind, c.kind) << c.form;
    }
}

TEST(ExceptionLines, FieldsAndBasesFromExceptions) {
    EXPECT_EQ(TWordMorpher::ExceptionField("K,A,,C", 1), "a");
    EXPECT_EQ(TWordMorpher::ExceptionField("K,A,,C", 2), "");
    EXPECT_EQ(TWordMorpher::ExceptionField("K,A,,C", 3), "c");
    EXPECT_EQ(TWordMorpher::ExceptionField("K,A,,C", 4), "");
    List list;
    EXPECT_EQ(morpher.BasesFromExceptions("dreamt", list, 1), 5);
    EXPECT_EQ(morpher.BasesFromExceptions("drea", list, 1), 0);  // a prefix of a form is no match
    EXPECT_EQ(morpher.BasesFromExceptions("x", list, 1), 0);
    EXPECT_EQ(list, List{"DREAM"});
    // Without the leading CR the first line cannot be found by its key.
    const TWordMorpher noLeadingCR("GOOSE,GEESE\r", "", "", "", "");
    EXPECT_EQ(noLeadingCR.PluralOf("goose"), "gooses");
}

TEST(NounBases, ExceptionsThenEndingsInRuleOrder) {
    List list;
    EXPECT_EQ(morpher.NounBases("geese", list, true), 1);
    EXPECT_EQ(list, List{"GOOSE"});
    EXPECT_EQ(Nouns("fishes"), List{"FISH"});
    EXPECT_EQ(Nouns("axes"), (List{"AXIS", "AXE"}));
    EXPECT_EQ(Nouns("boxes"), (List{"BOX", "BOXE"}));
    EXPECT_EQ(Nouns("cities"), (List{"CITY", "CITIE"}));
    EXPECT_EQ(Nouns("heroes"), (List{"HERO", "HEROE"}));
    EXPECT_EQ(Nouns("ice creams"), List{"ICE CREAM"});
    EXPECT_EQ(Nouns("cat"), List{});
}

TEST(NounBases, StrictModeDropsARegularBaseOfAnIrregularNoun) {
    EXPECT_EQ(Nouns("gooses", true), List{"GOOS"});
    EXPECT_EQ(Nouns("gooses", false), (List{"GOOS", "GOOSE"}));
}

TEST(VerbBases, AmIsBeAndExceptionFieldsGiveTheKind) {
    ExpectCases(Verbs, {{"am", {"BE"}, inflection::kNone},
                        {"Are", {"BE"}, inflection::kNone},
                        {"ran", {"RUN"}, inflection::kPast},
                        {"given", {"GIVE"}, inflection::kPastParticiple},
                        {"giving", {"GIVE"}, inflection::kPresentParticiple},
                        {"gives", {"GIVE"}, inflection::kThirdPerson},
                        {"dreamt", {"DREAM"}, inflection::kPast},
                        // Listed under two bases: both come back, the kind from the last line.
                        {"rove", {"REEVE", "RIVE"}, inflection::kPastParticiple}});
}

TEST(VerbBases, RegularEndingsInRuleOrder) {
    ExpectCases(Verbs, {{"cried", {"CRY"}, inflection::kPast},
                        {"cries", {"CRY"}, inflection::kThirdPerson},
                        {"baked", {"BAKE", "BAK"}, inflection::kPast},
                        {"walks", {"WALK"}, inflection::kThirdPerson},
                        {"stopped", {"STOP"}, inflection::kPast},
                        {"quizzes", {"QUIZ"}, inflection::kThirdPerson},
                        {"stopping", {"STOP"}, inflection::kPresentParticiple},
                        {"making", {"MAKE", "MAK"}, inflection::kPresentParticiple},
                        {"dying", {"DYE", "DY", "DIE"}, inflection::kPresentParticiple},
                        {"go", {}, inflection::kThirdPerson}});
}

TEST(VerbBases, StrictModeDropsAnUndoubledStem) {
    EXPECT_EQ(Verbs("stoped", true).list, List{"STOPE"});
    EXPECT_EQ(Verbs("stoped", false).list, (List{"STOPE", "STOP"}));
    EXPECT_EQ(Verbs("stoping", true).list, List{"STOPE"});
    // A regular base of an irregular verb: runed is not a form RUN lists.
    EXPECT_EQ(Verbs("runed", true).list, List{"RUNE"});
    EXPECT_EQ(Verbs("runed", false).list, (List{"RUNE", "RUN"}));
}

TEST(VerbBases, PhrasesTakeBasesAndKindFromTheirFirstWord) {
    ExpectCases(Verbs, {{"gave up", {"GIVEUP"}, inflection::kPast},
                        {"looking after", {"LOOKEAFTER", "LOOKAFTER"}, inflection::kPresentParticiple}});
}

TEST(AdjectiveBases, ExceptionsAndEndings) {
    ExpectCases(Adjectives, {{"better", {"GOOD"}, inflection::kComparative},
                             {"furthest", {"FAR"}, inflection::kSuperlative},
                             {"happier", {"HAPPY", "HAPPI", "HAPPIE"}, inflection::kComparative},
                             {"happiest", {"HAPPY", "HAPPI", "HAPPIE"}, inflection::kSuperlative},
                             {"largest", {"LARG", "LARGE"}, inflection::kSuperlative},
                             {"taller", {"TALL", "TALLE"}, inflection::kComparative},
                             {"tall", {}, 1}});
    EXPECT_EQ(Adjectives("gooder", true).list, List{"GOODE"});
    EXPECT_EQ(Adjectives("gooder", false).list, (List{"GOOD", "GOODE"}));
}

TEST(AdjectiveBases, MoreLessAndMostPhrases) {
    ExpectCases(Adjectives, {{"less happy", {"UNHAPPY"}, inflection::kComparative},
                             {"most beautiful", {"BEAUTIFUL"}, inflection::kSuperlative},
                             {"more beautiful", {"BEAUTIFUL"}, inflection::kComparative},
                             {"More beautiful", {}, 1},
                             {"more good", {}, inflection::kComparative}});
    EXPECT_EQ(Adjectives("more good", false).list, List{"GOOD"});
}

TEST(Bounds, LongWordsAndOddBytesStayInBounds) {
    const std::string longWord = std::string(300, 'q') + "ed " + std::string(300, 'z');
    const std::string odd("\r,\r\xff,", 5);
    for (const std::string& w : {longWord, odd}) {
        List list;
        uint8_t kind = 1;
        morpher.NounBases(w, list, true);
        morpher.VerbBases(w, list, kind, false);
        morpher.AdjectiveBases(w, list, kind, true);
        for (uint8_t k = 0; k < 9; ++k) morpher.Inflect(w, k);
        morpher.FormsText(w, 1);
    }
    EXPECT_EQ(morpher.VerbForm(longWord, inflection::kPast).size(), longWord.size() + 2);
}

}  // namespace
