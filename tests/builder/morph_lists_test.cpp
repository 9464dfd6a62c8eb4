#include <gtest/gtest.h>

#include "HunspellWords.h"
#include "MorphLists.h"

namespace {

const char kAff[] =
    "SFX R Y 3\nSFX R   0     r          e\nSFX R   0     er         [^ey]\n"
    "SFX R   y     ier        [^aeiou]y\n"
    "SFX T N 3\nSFX T   0     st         e\nSFX T   0     est        [^ey]\n"
    "SFX T   y     iest       [^aeiou]y\n";
const char kDic[] =
    "9\nhappy/RT\ntall/RT\nfarthest\nfurthest\nbig\nbigger\nbiggest\nstop\nstopped\nable/RT\n"
    "cute/RT\n";

TMorphLists Lists() {
    TWordNet wn;
    for (const char* adjective : {"happy", "tall", "far", "well", "big", "beautiful", "able", "cut", "cute"})
        wn.index[2].push_back({adjective, {}});
    wn.exceptions[0] = {{"geese", {"goose"}}, {"attorneys general", {"attorney general"}}};
    wn.exceptions[1] = {{"stopped", {"stop"}}, {"stopping", {"stop"}}, {"travelled", {"travel"}}};
    wn.exceptions[2] = {{"bigger", {"big"}}, {"biggest", {"big"}}, {"farther", {"far"}},
                        {"further", {"far"}}, {"abler", {"able"}}, {"better", {"well"}}};
    wn.exceptions[3] = {{"best", {"well"}}, {"deeper", {"deeply"}}};
    return BuildMorphLists(wn, THunspellWords(kAff, kDic));
}

}  // namespace

TEST(BuildMorphLists, MakesEachListInTheMorphersFormat) {
    TMorphLists lists = Lists();
    EXPECT_EQ(lists.nounExceptions, "\rGOOSE,GEESE\rATTORNEYGENERAL,ATTORNEYS GENERAL\r");
    // stop doubles (its doubled forms are attested); travel does not.
    EXPECT_EQ(lists.doublingVerbs, "\rSTOP\r");
    // stop's forms are what the doubling rule makes: no line of its own.
    EXPECT_EQ(lists.verbExceptions.find("STOP,"), std::string::npos);
    // A further comparative gets a line of its own; the superlatives are
    // made from the comparatives where attested; adv.exc adds well's best
    // but nothing for deeply, which is no adjective.
    EXPECT_EQ(lists.adjectiveExceptions,
              "\rBIG,BIGGER,BIGGEST\rFAR,FARTHER,FARTHEST,FURTHEST\rFAR,FURTHER\rWELL,BETTER,BEST\r"
              "CUT,MORE CUT,MOST CUT\r");
    // Stems: attested -er/-est adjectives, and adj.exc's regular ones
    // (abler); cute's is cut's too, which therefore has its own line.
    EXPECT_EQ(lists.adjectiveStems, "\rABL\rCUT\rHAPPI\rTALL\r");
}
