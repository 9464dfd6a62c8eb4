#include <gtest/gtest.h>

#include "MorphFixture.h"

namespace {

const TWordMorpher morpher = FixtureMorpher();

TEST(PluralOf, ExceptionsThenRegularEndings) {
    EXPECT_EQ(morpher.PluralOf("goose"), "geese");
    EXPECT_EQ(morpher.PluralOf("Goose"), "geese");
    EXPECT_EQ(morpher.PluralOf("box"), "boxes");
    EXPECT_EQ(morpher.PluralOf("church"), "churches");
    EXPECT_EQ(morpher.PluralOf("city"), "cities");
    EXPECT_EQ(morpher.PluralOf("day"), "days");
    EXPECT_EQ(morpher.PluralOf("hero"), "heros");
    EXPECT_EQ(morpher.PluralOf("hot-dog"), "hot-dogs");
    EXPECT_EQ(morpher.PluralOf("a"), "as");
    EXPECT_EQ(morpher.PluralOf("NATO"), "NATOs");
    EXPECT_EQ(morpher.PluralOf(""), "");
}

TEST(PluralOf, NamesAndPhrasesHaveNoneAndInflectAllMarksThem) {
    EXPECT_EQ(morpher.PluralOf("Paris"), "");
    EXPECT_EQ(morpher.PluralOf("ice cream"), "");
    std::vector<std::string> words{"Paris", "ice cream", "goose", "box"};
    morpher.InflectAll(words, inflection::kPlural);
    EXPECT_EQ(words, (std::vector<std::string>{"Paris*", "ice cream*", "geese", "boxes"}));
}

TEST(VerbForm, ExceptionFieldsWithRegularFallbacks) {
    EXPECT_EQ(morpher.VerbForm("run", inflection::kPast), "ran");
    EXPECT_EQ(morpher.VerbForm("run", inflection::kPastParticiple), "run");
    EXPECT_EQ(morpher.VerbForm("run", inflection::kPresentParticiple), "running");
    EXPECT_EQ(morpher.VerbForm("run", inflection::kThirdPerson), "runs");
    // BURN has empty participle and third-person fields.
    EXPECT_EQ(morpher.VerbForm("burn", inflection::kPastParticiple), "burned");
    EXPECT_EQ(morpher.VerbForm("burn", inflection::kThirdPerson), "burns");
    EXPECT_EQ(morpher.VerbForm("x", inflection::kPast), "");
    EXPECT_EQ(morpher.VerbForm("walk", inflection::kNone), "");
}

TEST(VerbForm, RegularRules) {
    const struct {
        const char* base;
        const char* third;
        const char* past;
        const char* ing;
    } verbs[] = {{"walk", "walks", "walked", "walking"}, {"Bake", "Bakes", "Baked", "Baking"},
                 {"die", "dies", "died", "dying"},       {"cry", "cries", "cried", "crying"},
                 {"play", "plays", "played", "playing"}, {"echo", "echoes", "echoed", "echoing"},
                 {"watch", "watches", "watched", "watching"}, {"fix", "fixes", "fixed", "fixing"}};
    for (const auto& v : verbs) {
        EXPECT_EQ(morpher.VerbForm(v.base, inflection::kThirdPerson), v.third);
        EXPECT_EQ(morpher.VerbForm(v.base, inflection::kPast), v.past);
        EXPECT_EQ(morpher.VerbForm(v.base, inflection::kPastParticiple), v.past);
        EXPECT_EQ(morpher.VerbForm(v.base, inflection::kPresentParticiple), v.ing);
    }
}

TEST(VerbForm, DoublingVerbsAndPhrases) {
    EXPECT_EQ(morpher.VerbForm("quiz", inflection::kThirdPerson), "quizzes");
    EXPECT_EQ(morpher.VerbForm("stop", inflection::kThirdPerson), "stops");
    EXPECT_EQ(morpher.VerbForm("stop", inflection::kPast), "stopped");
    EXPECT_EQ(morpher.VerbForm("stop", inflection::kPresentParticiple), "stopping");
    EXPECT_EQ(morpher.VerbForm("give up", inflection::kPast), "gave up");
    EXPECT_EQ(morpher.VerbForm("give up", inflection::kThirdPerson), "gives up");
    EXPECT_EQ(morpher.VerbForm("x up", inflection::kPast), "");
}

TEST(AdjectiveForm, StemsExceptionsAndPeriphrasis) {
    EXPECT_EQ(morpher.AdjectiveForm("happy", inflection::kComparative), "happier");
    EXPECT_EQ(morpher.AdjectiveForm("happy", inflection::kSuperlative), "happiest");
    EXPECT_EQ(morpher.AdjectiveForm("large", inflection::kComparative), "larger");
    EXPECT_EQ(morpher.AdjectiveForm("Tall", inflection::kSuperlative), "Tallest");
    EXPECT_EQ(morpher.AdjectiveForm("good", inflection::kComparative), "better");
    EXPECT_EQ(morpher.AdjectiveForm("good", inflection::kSuperlative), "best");
    EXPECT_EQ(morpher.AdjectiveForm("unhappy", inflection::kComparative), "less happy");
    EXPECT_EQ(morpher.AdjectiveForm("unhappy", inflection::kSuperlative), "most unhappy");
    EXPECT_EQ(morpher.AdjectiveForm("unfit", inflection::kComparative), "more unfit");
    EXPECT_EQ(morpher.AdjectiveForm("beautiful", inflection::kComparative), "more beautiful");
    EXPECT_EQ(morpher.AdjectiveForm("beautiful", inflection::kSuperlative), "most beautiful");
    EXPECT_EQ(morpher.AdjectiveForm("a", inflection::kComparative), "");
}

TEST(Inflect, DispatchesByKindAndLeavesTheRestAlone) {
    EXPECT_EQ(morpher.Inflect("goose", inflection::kPlural), "geese");
    EXPECT_EQ(morpher.Inflect("run", inflection::kPast), "ran");
    EXPECT_EQ(morpher.Inflect("give", inflection::kPastParticiple), "give");
    EXPECT_EQ(morpher.Inflect("happy", inflection::kSuperlative), "happiest");
    EXPECT_EQ(morpher.Inflect("happy", inflection::kNone), "happy");
    EXPECT_EQ(morpher.Inflect("happy", 8), "happy");
}

TEST(FormsText, IrregularLinesDoublingVerbsAndBe) {
    EXPECT_EQ(morpher.FormsText("run", 1), "ran,run,running,runs");
    EXPECT_EQ(morpher.FormsText("dream", 1), "dreamed,dreamed,dreaming,dreams, also dreamt");
    EXPECT_EQ(morpher.FormsText("burn", 1), "burned,burning, also burnt");
    EXPECT_EQ(morpher.FormsText("goose", 0), "geese");
    EXPECT_EQ(morpher.FormsText("be", 1), "am,are,is,was,were,been,being");
    EXPECT_EQ(morpher.FormsText("stop", 1), "stopped,stopping");
    EXPECT_EQ(morpher.FormsText("Quiz", 1), "quizzes,quizzed,quizzing");
    EXPECT_EQ(morpher.FormsText("walk", 1), "");
    EXPECT_EQ(morpher.FormsText("run", 3), "");
    EXPECT_EQ(morpher.FormsText("", 1), "");
}

TEST(FormsText, LongLineIsCutAtTheBuffer) {
    std::string line = "LONG";
    for (int i = 0; i < 60; ++i) line += ",FORM" + std::to_string(i);
    const TWordMorpher m("", Lines({line.c_str()}), "", "", "");
    const std::string text = m.FormsText("long", 1);
    ASSERT_EQ(text.size(), 200u);
    EXPECT_EQ(text.substr(0, 40), "form0,form1,form2,form3, also form4,form");

    // A word whose key is a doubling verb only after its odd bytes are dropped.
    const std::string padded = "quiz" + std::string(120, '\xD6');
    const std::string doubled = morpher.FormsText(padded, 1);
    ASSERT_EQ(doubled.size(), 200u);
    EXPECT_EQ(doubled.substr(0, 4), "quiz");
}

}  // namespace
