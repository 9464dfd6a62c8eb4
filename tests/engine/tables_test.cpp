#include <gtest/gtest.h>

#include "LVTables.h"
#include "WordList.h"

TEST(Tables, NamesKindsAndInflectedColumn) {
    EXPECT_STREQ(PartOfSpeechName(0), "Noun");
    EXPECT_STREQ(PartOfSpeechName(7), "Interjection");
    EXPECT_STREQ(PartOfSpeechName(8), "");
    EXPECT_STREQ(PartOfSpeechName(-1), "");
    const char* kinds[] = {"Antonyms", "Attribs", "Causes",     "Derived",  "Entails", "Parts",   "Type of",
                           "Types",    "Part of", "Participle", "See also", "Similar", "Synonyms"};
    for (int k = 0; k <= kSynonymsKind; ++k) {
        EXPECT_STREQ(RelationKindName(k), kinds[k]);
        EXPECT_EQ(RelationKindOf(kinds[k]), k);
    }
    EXPECT_EQ(RelationKindOf("Nearest"), -1);
    std::string inflected;
    for (int k = -1; k <= 13; ++k)
        if (IsInflectedKind(k)) inflected += std::to_string(k) + " ";
    EXPECT_EQ(inflected, "0 5 6 7 11 ");
    EXPECT_EQ(KindBit(15), 0x8000);
    EXPECT_EQ(KindBit(16), 0);
    EXPECT_EQ(SectionBit(7), 0x80);
    EXPECT_EQ(SectionBit(8), 0);
}

TEST(WordList, SortsIgnoringCaseAndDropsDuplicates) {
    TWordList list;
    list.AddAll({"dog", "Cat", "cat", "2nd", "DOG", "apple", "cat's"});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"2nd", "apple", "Cat", "cat's", "dog"}));
    EXPECT_EQ(list.InsertionPoint("CAT"), 2u);
    EXPECT_EQ(list.InsertionPoint("b"), 2u);
    EXPECT_EQ(list.InsertionPoint("zebra"), 5u);
    EXPECT_GT(CompareText("a[", "AZ"), 0);  // compared as capitals: "[" follows "Z"
}
