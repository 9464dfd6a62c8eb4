#include <gtest/gtest.h>

#include <cstdio>

#include "DbFixture.h"
#include "IndexLookup.h"
#include "LVErrors.h"
#include "LVTables.h"
#include "WordLookup.h"
#include "WordMorpher.h"

namespace {

constexpr uint8_t kAntonyms = 0, kDerived = 3, kTypeOf = 6, kTypes = 7;

struct TLexicon {
    TDbFixture f;
    int dog, frump, dogVerb, canine, puppy, hotdog, letter, letters, abc, ghost;
    std::string path;

    explicit TLexicon(const std::string& name) {
        dog = f.AddSynset(0, {"dog", "domestic dog", "Canis familiaris"}, "a domesticated canine");
        frump = f.AddSynset(0, {"frump", "dog"}, "a dull unattractive woman");
        dogVerb = f.AddSynset(1, {"chase", "dog", "tail"}, "go after with the intent to catch");
        canine = f.AddSynset(0, {"canine", "canid"}, "a carnivore");
        puppy = f.AddSynset(0, {"puppy"}, "a young dog");
        hotdog = f.AddSynset(0, {"hot dog", "frank"}, "a sausage");
        letter = f.AddSynset(0, {"s", "S"}, "the 19th letter");
        letters = f.AddSynset(0, {"letters", "letter"}, "");
        abc = f.AddSynset(2, {"a", "b", "c"}, "three words");
        ghost = f.AddSynset(3, {"boo"}, "");
        f.AddPointer(dog, kTypeOf, canine);
        f.AddPointer(dog, kTypes, puppy);
        f.AddPointer(frump, kDerived, puppy, 2, 0);
        f.AddPointer(dogVerb, kAntonyms, abc, 0, 2);
        f.AddPointer(dogVerb, kDerived, dog, 1, 0);  // of "chase" only: dropped when reached by "dog"
        f.AddRawEntry("GHOST", {0});                  // points at a synset without the word
        path = f.WriteFile(name);
    }
};

std::vector<std::string> Glosses(const TWordLookup& lookup) {
    std::vector<std::string> glosses;
    for (const auto& sense : lookup.Senses) glosses.push_back(sense->Gloss);
    return glosses;
}

}  // namespace

TEST(WordLookup, FindsEverySenseOrderedByPartOfSpeech) {
    TLexicon lex("senses.lvd");
    auto db = DatabaseOn(lex.path);
    db->LookupWord("dog");
    const TWordLookup& r = *db->Lookup;
    EXPECT_EQ(Glosses(r), (std::vector<std::string>{"a domesticated canine", "a dull unattractive woman",
                                                    "go after with the intent to catch"}));
    EXPECT_EQ(r.Senses[2]->Section, 1);
    EXPECT_EQ(r.Senses[0]->KeyWord, "dog");
    EXPECT_EQ(r.Shown.size(), 3u);
    EXPECT_EQ(r.Synonyms.Items(), (std::vector<std::string>{"Canis familiaris", "chase", "domestic dog", "frump", "tail"}));
    EXPECT_EQ(r.KindsPresent, KindBit(kAntonyms) | KindBit(kDerived) | KindBit(kTypeOf) | KindBit(kTypes));
    EXPECT_EQ(r.SectionsPresent, SectionBit(0) | SectionBit(1));
    EXPECT_EQ(db->LastKey, "DOG");
    EXPECT_EQ(db->OpenCount(), 0);
    // The frump sense keeps the pointer of its second word, "dog".
    EXPECT_EQ(r.Senses[1]->KindMask(), KindBit(kDerived));
    EXPECT_EQ(r.Senses[2]->KindMask(), KindBit(kAntonyms));

    db->LookupWord("Hot-dog");
    ASSERT_EQ(r.Senses.size(), 1u);
    EXPECT_EQ(r.Senses[0]->KeyWord, "hot dog");
    db->LookupWord("HOTDOG");
    EXPECT_EQ(r.Senses.size(), 1u);

    db->LookupWord("ghost");  // the entry's synset lacks the word: skipped silently
    EXPECT_TRUE(r.Senses.empty());
    db->LookupWord("");
    EXPECT_TRUE(r.Senses.empty());
    EXPECT_TRUE(r.Shown.empty());
    EXPECT_EQ(r.SectionsPresent, kAllSections);
}

TEST(WordLookup, DropsAPossessiveButNotFromTwoCharacters) {
    TLexicon lex("possessive.lvd");
    auto db = DatabaseOn(lex.path);
    for (const char* word : {"dog's", "dog`s", "DOG'S"}) {
        db->LookupWord(word);
        EXPECT_EQ(db->Lookup->Senses.size(), 3u) << word;
        EXPECT_EQ(db->LastKey, "DOG") << word;
    }
    db->LookupWord("'s");
    EXPECT_EQ(db->LastKey, "S");
    ASSERT_EQ(db->Lookup->Senses.size(), 1u);
    EXPECT_EQ(db->Lookup->Senses[0]->Gloss, "the 19th letter");
}

TEST(WordLookup, BaseFormsAreInflectedUnlessRootsOnly) {
    TLexicon lex("inflect.lvd");
    auto db = DatabaseOn(lex.path);
    db->LookupWord("dogs");
    const TWordLookup& r = *db->Lookup;
    // Nouns through the plural, the verb through the third person.
    ASSERT_EQ(r.Senses.size(), 3u);
    EXPECT_EQ(r.Senses[2]->InflectionKind, 2);
    std::vector<std::string> expected = {"domestic dog", "Canis familiaris"};
    db->Morpher->InflectAll(expected, 1);
    EXPECT_EQ(r.Senses[0]->Words, expected);
    EXPECT_EQ(r.Senses[0]->InflectionKind, 1);
    std::vector<std::string> types = {"canine", "canid"};
    db->Morpher->InflectAll(types, 1);
    TWordList expectedTypes;
    expectedTypes.AddAll(types);
    EXPECT_EQ(db->Lookup->GetRelatedWords(kTypeOf).Items(), expectedTypes.Items());
    // Derived is not an inflected kind.
    EXPECT_EQ(db->Lookup->GetRelatedWords(kDerived).Items(), std::vector<std::string>{"puppy"});

    db->SuspendRelookup = true;
    db->SetMatchSpeechPart(false);
    EXPECT_EQ(r.Senses[0]->Words, expected);  // no relookup while suspended
    db->LookupWord("dogs");
    EXPECT_EQ(r.Senses[0]->Words, (std::vector<std::string>{"domestic dog", "Canis familiaris"}));
    EXPECT_EQ(r.Senses[0]->InflectionKind, 0);
    EXPECT_EQ(db->Lookup->GetRelatedWords(kTypeOf).Items(), (std::vector<std::string>{"canid", "canine"}));

    db->SuspendRelookup = false;
    db->SetMatchSpeechPart(true);  // repeats the lookup of LastKey
    ASSERT_FALSE(r.Senses.empty());
    EXPECT_EQ(r.Senses[0]->InflectionKind, 1);
}

TEST(WordLookup, ASynsetReachedDirectlyAndThroughItsBaseShowsOnce) {
    TLexicon lex("once.lvd");
    auto db = DatabaseOn(lex.path);
    db->LookupWord("letters");
    ASSERT_EQ(db->Lookup->Senses.size(), 1u);
    EXPECT_EQ(db->Lookup->Senses[0]->KeyWord, "letters");
    EXPECT_EQ(db->Lookup->Senses[0]->Gloss, "letters, letter");
}

TEST(WordLookup, FilterAndSelectNarrowAndRestore) {
    TLexicon lex("select.lvd");
    auto db = DatabaseOn(lex.path);
    db->LookupWord("dog");
    TWordLookup& r = *db->Lookup;
    const std::vector<std::string> allSynonyms = r.Synonyms.Items();
    const uint16_t allKinds = r.KindsPresent;

    r.SelectSense(2);
    EXPECT_EQ(r.Synonyms.Items(), (std::vector<std::string>{"chase", "tail"}));
    EXPECT_EQ(r.KindsPresent, KindBit(kAntonyms));
    EXPECT_EQ(r.GetRelatedWords(kAntonyms).Items(), std::vector<std::string>{"b"});  // TargetWord 2 of a, b, c
    try {
        r.SelectSense(3);
        FAIL();
    } catch (const ELVError& e) {
        EXPECT_STREQ(e.what(), "Invalid sense number");
    }
    EXPECT_THROW(r.SelectSense(-2), ELVError);
    EXPECT_EQ(r.SelectedSense, 2);
    r.SelectSense(-1);
    EXPECT_EQ(r.Synonyms.Items(), allSynonyms);
    EXPECT_EQ(r.KindsPresent, allKinds);
    EXPECT_EQ(r.SelectedSense, -1);

    r.FilterSections(SectionBit(1));
    ASSERT_EQ(r.Shown.size(), 1u);
    EXPECT_EQ(r.Shown[0], r.Senses[2].get());
    EXPECT_EQ(r.SectionsPresent, SectionBit(1));
    r.SelectSense(0);  // numbers count in Senses, not in Shown
    EXPECT_EQ(r.Synonyms.Items(), (std::vector<std::string>{"Canis familiaris", "domestic dog"}));
    r.SelectSense(-1);  // back to the filter, not to all senses
    EXPECT_EQ(r.Shown.size(), 1u);
    EXPECT_EQ(r.Synonyms.Items(), (std::vector<std::string>{"chase", "tail"}));
    EXPECT_EQ(r.GetRelatedWords(kSynonymsKind).Items(), r.Synonyms.Items());
}

TEST(WordLookup, RelatedWordsAreKeptUntilTheFilterChanges) {
    TLexicon lex("related.lvd");
    auto db = DatabaseOn(lex.path);
    db->LookupWord("dog");
    TWordLookup& r = *db->Lookup;
    EXPECT_EQ(r.GetRelatedWords(kTypes).Items(), std::vector<std::string>{"puppy"});
    EXPECT_EQ(r.Related.size(), 1u);
    std::remove(lex.path.c_str());
    EXPECT_EQ(r.GetRelatedWords(kTypes).Items(), std::vector<std::string>{"puppy"});  // not read again
    r.FilterSections(kAllSections);
    EXPECT_THROW(r.GetRelatedWords(kTypes), EFOpenError);
    EXPECT_EQ(db->OpenCount(), 0);
}

TEST(WordLookup, AddSenseOrdersByPartOfSpeechThenWord) {
    TLexicon lex("order.lvd");
    auto db = DatabaseOn(lex.path);
    db->LookupWord("run");
    TWordLookup& r = *db->Lookup;
    auto sense = [](int32_t offset, uint8_t section, const char* word) {
        auto s = std::make_unique<TSynset>();
        s->Offset = offset;
        s->Section = section;
        s->KeyWord = word;
        s->Gloss = std::to_string(offset);
        return s;
    };
    r.AddSense(sense(1, 1, "run"));
    r.AddSense(sense(2, 0, "run"));     // smaller part of speech: first
    r.AddSense(sense(3, 0, "runs"));    // new word, nothing smaller: end of the nouns
    r.AddSense(sense(4, 0, "run"));     // after the last sense of its word
    r.AddSense(sense(5, 1, "sprint"));  // new word after a smaller part of speech: start of the verbs
    r.AddSense(sense(6, 3, "fast"));
    r.AddSense(sense(3, 0, "runs"));    // already present
    r.AddSense(sense(7, 0, "run"));
    EXPECT_EQ(Glosses(r), (std::vector<std::string>{"2", "4", "7", "3", "5", "1", "6"}));
}

TEST(WordLookup, BadPointerPropagatesWithTheFileClosed) {
    TDbFixture f;
    f.AddSynset(0, {"dog"}, "a canine");
    f.AddRawEntry("BAD", {0xFFFFFF});
    auto db = DatabaseOn(f.WriteFile("badpointer.lvd"));
    try {
        db->LookupWord("bad");
        FAIL();
    } catch (const ELVError& e) {
        EXPECT_STREQ(e.what(), "Invalid database pointer");
    }
    EXPECT_EQ(db->OpenCount(), 0);
    EXPECT_TRUE(db->Lookup->Shown.empty());
}
