#include <gtest/gtest.h>

#include "HunspellWords.h"
#include "MorphLists.h"
#include "VerbForms.h"
#include "WordMorpher.h"

namespace {

const char kAff[] =
    "SFX D Y 4\n"
    "SFX D   0     d          e\n"
    "SFX D   y     ied        [^aeiou]y\n"
    "SFX D   0     ed         [^ey]\n"
    "SFX D   0     ed         [aeiou]y\n"
    "SFX G Y 2\n"
    "SFX G   e     ing        e\n"
    "SFX G   0     ing        [^e]\n"
    "SFX R Y 2\n"
    "SFX R   0     er         [^ey]\n"
    "SFX R   y     ier        [^aeiou]y\n"
    "SFX T N 2\n"
    "SFX T   0     est        [^ey]\n"
    "SFX T   y     iest       [^aeiou]y\n";
const char kDic[] =
    "20\n"
    "dream/DG\nkeep/G\nprove/DG\nproven\nset/G\nsetting\nburst/G\nbe\nbeing\ntravel/DG\n"
    "hang/DG\nhung\nbend/DG\nbent\nhappy/RT\ntall/RT\ncost/DG\nstopped\nstopping\nstop\n"
    "quit\nquitted\nquitting\nhoe/DG\nhoeing\ndye/D\ndyeing\ndie/D\ndying\nmake/G\n";

const THunspellWords& Words() {
    static const THunspellWords words(kAff, kDic);
    return words;
}

const TWordMorpher& Regular() {
    static const TWordMorpher regular("", "", "", "", ListText({"QUIT", "SET", "STOP"}));
    return regular;
}

std::string Line(const std::string& base, const std::vector<std::string>& forms) {
    return VerbLineText(CompleteVerbLine(base, forms, Regular(), Words()));
}

}  // namespace

TEST(HunspellWords, AppliesSuffixRulesUnderTheirConditions) {
    EXPECT_TRUE(Words().Has("dreamed"));
    EXPECT_TRUE(Words().Has("dreaming"));
    EXPECT_TRUE(Words().Has("proved"));
    EXPECT_TRUE(Words().Has("proving"));  // strips the e
    EXPECT_TRUE(Words().Has("happiest"));
    EXPECT_FALSE(Words().Has("happyest"));
    EXPECT_FALSE(Words().Has("keeped"));  // keep has no D flag
    EXPECT_FALSE(Words().Has("setted"));
}

TEST(ClassifyVerbForm, TellsEachFormOfAVerb) {
    const std::vector<std::string> swim = {"swam", "swimming", "swum"};
    EXPECT_EQ(ClassifyVerbForm("swim", "swam", swim, Regular()), TVerbRole::Past);
    EXPECT_EQ(ClassifyVerbForm("swim", "swum", swim, Regular()), TVerbRole::Participle);
    EXPECT_EQ(ClassifyVerbForm("swim", "swimming", swim, Regular()), TVerbRole::PresentParticiple);
    const std::vector<std::string> go = {"gone", "goes", "went"};
    EXPECT_EQ(ClassifyVerbForm("go", "gone", go, Regular()), TVerbRole::Participle);
    EXPECT_EQ(ClassifyVerbForm("go", "went", go, Regular()), TVerbRole::Past);
    EXPECT_EQ(ClassifyVerbForm("go", "goes", go, Regular()), TVerbRole::ThirdPerson);
    const std::vector<std::string> be = {"am", "is", "was", "were"};
    EXPECT_EQ(ClassifyVerbForm("be", "am", be, Regular()), TVerbRole::Present);
    EXPECT_EQ(ClassifyVerbForm("be", "is", be, Regular()), TVerbRole::ThirdPerson);
    EXPECT_EQ(ClassifyVerbForm("be", "was", be, Regular()), TVerbRole::Past);
    // WordNet lists "seed seed" to stop seed being read as see + d.
    EXPECT_EQ(ClassifyVerbForm("seed", "seed", {"seed"}, Regular()), TVerbRole::Variant);
    EXPECT_EQ(ClassifyVerbForm("coordinate", "co-ordinate", {"co-ordinate"}, Regular()),
              TVerbRole::Variant);
    // Phrases are judged by the part that changes.
    const std::vector<std::string> bog = {"bogged-down", "bogging-down", "bogs-down"};
    EXPECT_EQ(ClassifyVerbForm("bog-down", "bogged-down", bog, Regular()), TVerbRole::Past);
    EXPECT_EQ(ClassifyVerbForm("bog-down", "bogging-down", bog, Regular()),
              TVerbRole::PresentParticiple);
}

TEST(CompleteVerbLine, FillsWhatWordNetLeavesToTheRules) {
    EXPECT_EQ(Line("swim", {"swam", "swimming", "swum"}), "SWIM,SWAM,SWUM,SWIMMING,SWIMS");
    EXPECT_EQ(Line("keep", {"kept"}), "KEEP,KEPT,KEPT,KEEPING,KEEPS");
    // The -t past beside an attested regular one comes second.
    EXPECT_EQ(Line("dream", {"dreamt"}), "DREAM,DREAMED,DREAMED,DREAMING,DREAMS,DREAMT");
    // Other irregular pasts stay first, the regular one follows.
    EXPECT_EQ(Line("hang", {"hung"}), "HANG,HUNG,HUNG,HANGING,HANGS,HANGED");
    EXPECT_EQ(Line("bend", {"bent"}), "BEND,BENT,BENT,BENDING,BENDS,BENDED");
    // A British doubling the dictionary does not know yields to the regular forms.
    EXPECT_EQ(Line("travel", {"travelled", "travelling"}),
              "TRAVEL,TRAVELED,TRAVELED,TRAVELING,TRAVELS,TRAVELLED,TRAVELLING");
    // A participle alone: the past is the attested regular one.
    EXPECT_EQ(Line("prove", {"proven"}), "PROVE,PROVED,PROVEN,PROVING,PROVES");
    EXPECT_EQ(Line("run", {"ran", "running"}), "RUN,RAN,RUN,RUNNING,RUNS");
    EXPECT_EQ(Line("spin", {"spinning", "spun"}), "SPIN,SPUN,SPUN,SPINNING,SPINS");
    EXPECT_EQ(Line("give up", {"gave up", "given up"}), "GIVEUP,GAVE UP,GIVEN UP,GIVING UP,GIVES UP");
    // be keeps its e before -ing, and its present forms follow the others.
    EXPECT_EQ(Line("be", {"am", "are", "been", "is", "was", "were"}),
              "BE,WAS,BEEN,BEING,IS,WERE,AM,ARE");
}

TEST(CompleteVerbLine, PastAndParticipleEqualToTheBase) {
    EXPECT_EQ(Line("set", {"setting"}), "SET,SET,SET,SETTING,SETS");
    EXPECT_EQ(Line("quit", {"quitted", "quitting"}), "QUIT,QUIT,QUIT,QUITTING,QUITS,QUITTED");
    EXPECT_EQ(Line("burst", {}), "BURST,BURST,BURST,BURSTING,BURSTS");
    // The verb itself always; a regular past the dictionary knows follows.
    EXPECT_EQ(Line("cost", {}), "COST,COST,COST,COSTING,COSTS,COSTED");
    EXPECT_TRUE(IsRegular(CompleteVerbLine("dream", {}, Regular(), Words()), Regular()));
}

TEST(CompleteVerbLine, KeepsTheEThatTheDictionaryKeeps) {
    EXPECT_EQ(Line("hoe", {}), "HOE,HOED,HOED,HOEING,HOES");
    // dying belongs to die; dye keeps its e.
    EXPECT_EQ(Line("dye", {}), "DYE,DYED,DYED,DYEING,DYES");
    EXPECT_TRUE(IsRegular(CompleteVerbLine("make", {}, Regular(), Words()), Regular()));
}

TEST(CompleteVerbLine, LinesTheRulesAlreadyMakeAreNotNeeded) {
    EXPECT_TRUE(IsRegular(CompleteVerbLine("stop", {"stopped", "stopping"}, Regular(), Words()),
                          Regular()));
    EXPECT_FALSE(IsRegular(CompleteVerbLine("set", {"setting"}, Regular(), Words()), Regular()));
}

TEST(RegularAdjectiveForms, AgreeWithTheMorphersRule) {
    TAdjectiveForms happy = RegularAdjectiveForms("happy");
    EXPECT_EQ(happy.stem, "happi");
    EXPECT_EQ(happy.comparative, "happier");
    EXPECT_EQ(happy.superlative, "happiest");
    EXPECT_EQ(RegularAdjectiveForms("large").stem, "larg");
    EXPECT_EQ(RegularAdjectiveForms("tall").superlative, "tallest");
}

TEST(ListText, EveryLineBetweenCRs) {
    EXPECT_EQ(ListText({"STOP", "QUIZ"}), "\rSTOP\rQUIZ\r");
    EXPECT_EQ(ListText({}), "");
}
