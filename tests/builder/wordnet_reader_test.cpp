#include <gtest/gtest.h>

#include "LVErrors.h"
#include "Relations.h"
#include "WordNetReader.h"

TEST(CleanLemma, UnderscoresBecomeSpacesAndPositionMarkersGo) {
    EXPECT_EQ(CleanLemma("domestic_dog"), "domestic dog");
    EXPECT_EQ(CleanLemma("galore(ip)"), "galore");
    EXPECT_EQ(CleanLemma("elect(p)"), "elect");
    EXPECT_EQ(CleanLemma("former(a)"), "former");
    // Only a trailing marker is one; a word that is nothing but one stays.
    EXPECT_EQ(CleanLemma("(a)"), "(a)");
    EXPECT_EQ(CleanLemma("Hawaii_(p)_state"), "Hawaii (p) state");
}

TEST(ParseDataLine, ReadsWordsPointersAndGloss) {
    const std::string line =
        "00003939 00 s 02 dying(a) 0 Great_Dane 1 003 ! 00003356 a 0101 & 00004171 a 0000 "
        ";c 06037666 n 0000 | in the process of dying; \"a dying man\"  ";
    TWnSynset s = ParseDataLine(line, 2);
    EXPECT_EQ(s.offset, 3939u);
    EXPECT_EQ(s.words, (std::vector<std::string>{"dying", "Great Dane"}));
    ASSERT_EQ(s.pointers.size(), 3u);
    EXPECT_EQ(s.pointers[0].symbol, "!");
    EXPECT_EQ(s.pointers[0].target, 3356u);
    EXPECT_EQ(s.pointers[0].targetSection, 2);
    EXPECT_EQ(s.pointers[0].sourceWord, 1);
    EXPECT_EQ(s.pointers[0].targetWord, 1);
    EXPECT_EQ(s.pointers[2].targetSection, 0);
    EXPECT_EQ(s.gloss, "in the process of dying; \"a dying man\"");
}

TEST(ParseDataLine, SkipsVerbFramesAndReadsHexWordNumbers) {
    TWnSynset s = ParseDataLine(
        "00001740 29 v 01 breathe 0 001 $ 00002325 v 1c0a 02 + 02 00 + 08 00 | draw air  ", 1);
    ASSERT_EQ(s.pointers.size(), 1u);
    EXPECT_EQ(s.pointers[0].sourceWord, 0x1c);
    EXPECT_EQ(s.pointers[0].targetWord, 0x0a);
    EXPECT_EQ(s.gloss, "draw air");
}

TEST(ParseDataLine, RefusesDamagedLines) {
    EXPECT_THROW(ParseDataLine("00001740 29 v 01 breathe 0 001 $ 00002325", 1), ELVError);
    EXPECT_THROW(ParseDataLine("00001740 29 v 05 breathe 0 | gloss", 1), ELVError);
    EXPECT_THROW(ParseDataLine("00001740 29 n 01 breathe 0 000 | wrong file", 1), ELVError);
    EXPECT_THROW(ParseDataLine("0000x740 29 v 01 breathe 0 000 | bad offset", 1), ELVError);
}

TEST(ParseIndexLine, TakesTheOffsetsInSenseOrder) {
    TWnIndexEntry e = ParseIndexLine("hot_dog n 3 2 @ ~ 3 0 07697537 10187130 02087551  ");
    EXPECT_EQ(e.lemma, "hot dog");
    EXPECT_EQ(e.offsets, (std::vector<uint32_t>{7697537, 10187130, 2087551}));
    EXPECT_THROW(ParseIndexLine("dog n 2 0 2 0 02084071"), ELVError);
}

TEST(ParseExceptionLine, KeepsEveryBase) {
    TWnException e = ParseExceptionLine("better good well");
    EXPECT_EQ(e.form, "better");
    EXPECT_EQ(e.bases, (std::vector<std::string>{"good", "well"}));
    EXPECT_THROW(ParseExceptionLine("lonely"), ELVError);
}

TEST(RelationOf, MapsSymbolsAndDropsDomains) {
    EXPECT_EQ(RelationOf("@i").kind, 6);
    EXPECT_EQ(RelationOf("~i").kind, 7);
    EXPECT_EQ(RelationOf("\\").kind, 3);
    EXPECT_EQ(RelationOf("$").kind, 11);
    EXPECT_EQ(RelationOf("#p").kind, 8);
    EXPECT_EQ(RelationOf("%s").kind, 5);
    EXPECT_EQ(RelationOf("-u").fate, TPointerFate::Domain);
    EXPECT_EQ(RelationOf("?").fate, TPointerFate::Unknown);
}
