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
    Bases am = Verbs("am");
    EXPECT_EQ(am.list, List{"BE"});
    EXPECT_EQ(am.kind, inflection::kNone);
    const struct {
        const char* form;
        uint8_t kind;
    } forms[] = {{"ran", inflection::kPast}, {"given", inflection::kPastParticiple},
                 {"giving", inflection::kPresentParticiple}, {"gives", inflection::kThirdPerson},
                 {"dreamt", inflection::kPast}};
    for (const auto& f : forms) {
        const Bases b = Verbs(f.form);
        EXPECT_EQ(b.list.size(), 1u) << f.form;
        EXPECT_EQ(b.kind, f.kind) << f.form;
    }
    // Listed under two bases: both come back, the kind from the last line.
    Bases rove = Verbs("rove");
    EXPECT_EQ(rove.list, (List{"REEVE", "RIVE"}));
    EXPECT_EQ(rove.kind, inflection::kPastParticiple);
}

TEST(VerbBases, RegularEndingsInRuleOrder) {
    const struct {
        const char* form;
        List bases;
        uint8_t kind;
    } cases[] = {{"cried", {"CRY"}, inflection::kPast},
                 {"cries", {"CRY"}, inflection::kThirdPerson},
                 {"baked", {"BAKE", "BAK"}, inflection::kPast},
                 {"walks", {"WALK"}, inflection::kThirdPerson},
                 {"stopped", {"STOP"}, inflection::kPast},
                 {"quizzes", {"QUIZ"}, inflection::kThirdPerson},
                 {"stopping", {"STOP"}, inflection::kPresentParticiple},
                 {"making", {"MAKE", "MAK"}, inflection::kPresentParticiple},
                 {"dying", {"DYE", "DY", "DIE"}, inflection::kPresentParticiple},
                 {"go", {}, inflection::kThirdPerson}};
    for (const auto& c : cases) {
        const Bases b = Verbs(c.form);
        EXPECT_EQ(b.list, c.bases) << c.form;
        EXPECT_EQ(b.kind, c.kind) << c.form;
    }
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
    Bases gaveUp = Verbs("gave up");
    EXPECT_EQ(gaveUp.list, List{"GIVEUP"});
    EXPECT_EQ(gaveUp.kind, inflection::kPast);
    Bases looking = Verbs("looking after");
    EXPECT_EQ(looking.list, (List{"LOOKEAFTER", "LOOKAFTER"}));
    EXPECT_EQ(looking.kind, inflection::kPresentParticiple);
}

TEST(AdjectiveBases, ExceptionsAndEndings) {
    const struct {
        const char* form;
        List bases;
        uint8_t kind;
    } cases[] = {{"better", {"GOOD"}, inflection::kComparative},
                 {"furthest", {"FAR"}, inflection::kSuperlative},
                 {"happier", {"HAPPY", "HAPPI", "HAPPIE"}, inflection::kComparative},
                 {"happiest", {"HAPPY", "HAPPI", "HAPPIE"}, inflection::kSuperlative},
                 {"largest", {"LARG", "LARGE"}, inflection::kSuperlative},
                 {"taller", {"TALL", "TALLE"}, inflection::kComparative},
                 {"tall", {}, 1}};
    for (const auto& c : cases) {
        const Bases b = Adjectives(c.form);
        EXPECT_EQ(b.list, c.bases) << c.form;
        EXPECT_EQ(b.kind, c.kind) << c.form;
    }
    EXPECT_EQ(Adjectives("gooder", true).list, List{"GOODE"});
    EXPECT_EQ(Adjectives("gooder", false).list, (List{"GOOD", "GOODE"}));
}

TEST(AdjectiveBases, MoreLessAndMostPhrases) {
    Bases less = Adjectives("less happy");
    EXPECT_EQ(less.list, List{"UNHAPPY"});
    EXPECT_EQ(less.kind, inflection::kComparative);
    Bases most = Adjectives("most beautiful");
    EXPECT_EQ(most.list, List{"BEAUTIFUL"});
    EXPECT_EQ(most.kind, inflection::kSuperlative);
    EXPECT_EQ(Adjectives("more beautiful").list, List{"BEAUTIFUL"});
    EXPECT_EQ(Adjectives("More beautiful").list, List{});
    EXPECT_EQ(Adjectives("more good", true).list, List{});
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
