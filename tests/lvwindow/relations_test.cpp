// Relation tabs, part-of-speech buttons, sense selection and the Nearest list.
#include <algorithm>
#include "LookupWindowFixture.h"
#include "LVTables.h"
#include "Synset.h"

TEST_F(LookupWindowTest, TabsComeInKindOrderWithSynonymsSelected) {
    form->SetWord("run");
    std::vector<std::string> captions = TabCaptions();
    ASSERT_GE(captions.size(), 3u);
    EXPECT_EQ(captions[0], "Synonyms");
    EXPECT_EQ(SelectedTab(), "Synonyms");
    int previous = -1;
    for (std::size_t i = 1; i < captions.size(); ++i) {
        int kind = RelationKindOf(captions[i]);
        ASSERT_GE(kind, 0) << captions[i];
        EXPECT_GT(kind, previous) << captions[i];
        EXPECT_TRUE(Lookup().KindsPresent & KindBit(kind));
        previous = kind;
    }
    EXPECT_EQ(form->Synonyms.Items(), Lookup().Synonyms.Items());

    // Choosing a tab shows its words.
    form->ViewTabs.SetTabIndex(1);
    form->ViewTabsChange();
    EXPECT_EQ(form->RelationIndex, RelationKindOf(captions[1]));
    EXPECT_EQ(form->Synonyms.Items(), Lookup().GetRelatedWords(form->RelationIndex).Items());
}

TEST_F(LookupWindowTest, WithoutSynonymsTypeOfIsTheDefaultTab) {
    form->SetWord("zebra");
    EXPECT_EQ(TabCaptions()[0], "Type of");
    EXPECT_EQ(SelectedTab(), "Type of");
    EXPECT_EQ(form->RelationIndex, 6);
    std::vector<std::string> words = form->Synonyms.Items();
    EXPECT_NE(std::find(words.begin(), words.end(), "equine"), words.end());
}

TEST_F(LookupWindowTest, PartOfSpeechButtonFiltersTheListAndScrollsToItsSection) {
    form->SetWord("run");
    const std::vector<std::string> all = form->Synonyms.Items();
    EXPECT_TRUE(form->NounButton.Enabled());
    EXPECT_TRUE(form->VerbButton.Enabled());
    EXPECT_FALSE(form->AdjButton.Enabled());

    // The button acts on the press alone.
    form->VerbButton.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(form->VerbButton.Down());
    EXPECT_EQ(Lookup().SectionsPresent, SectionBit(1));
    for (TSynset* sense : Lookup().Shown) EXPECT_EQ(sense->Section, 1);
    EXPECT_EQ(form->Synonyms.Items(), Lookup().Synonyms.Items());
    EXPECT_NE(form->Synonyms.Items(), all);
    EXPECT_GT(form->Defs.ScrollPos(), 0);
    EXPECT_LE(form->Defs.ScrollPos(), form->SectionTop[1]);
    // The definitions area is never filtered.
    EXPECT_EQ(DefsChildren<TDefEdit>().size(), Lookup().Senses.size());

    // Noun instead: the verb button goes up.
    form->NounButton.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(form->NounButton.Down());
    EXPECT_FALSE(form->VerbButton.Down());
    EXPECT_EQ(form->Defs.ScrollPos(), 0);

    // Up again: everything.
    form->NounButton.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(form->NounButton.Down());
    EXPECT_EQ(form->Synonyms.Items(), all);
}

TEST_F(LookupWindowTest, SenseSelectionNarrowsAndDeselectionRestores) {
    form->SetWord("run");
    const std::vector<std::string> all = form->Synonyms.Items();
    const std::vector<std::string> tabs = TabCaptions();
    std::vector<TSenseNumberLabel*> numbers = DefsChildren<TSenseNumberLabel>();
    ASSERT_GE(numbers.size(), 2u);
    TSenseNumberLabel& second = *numbers[1];

    ClickWindow(second);
    EXPECT_EQ(form->SelectedNumber, &second);
    EXPECT_EQ(form->CurrentSense(), Lookup().Senses[1].get());
    EXPECT_EQ(second.Font().color, form->SelectionColor);
    EXPECT_EQ(second.Definition->Font().color, form->SelectionColor);
    std::vector<std::string> expected = Lookup().Senses[1]->Words;
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> shown = form->Synonyms.Items();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, expected);

    // Another sense moves the selection; the first is painted normally again.
    ClickWindow(*numbers[0]);
    EXPECT_EQ(form->SelectedNumber, numbers[0]);
    EXPECT_EQ(second.Font().color, form->Defs.Font().color);

    ClickWindow(*numbers[0]);
    EXPECT_EQ(form->SelectedNumber, nullptr);
    EXPECT_EQ(form->CurrentSense(), nullptr);
    EXPECT_EQ(numbers[0]->Font().color, form->Defs.Font().color);
    EXPECT_EQ(form->Synonyms.Items(), all);
    EXPECT_EQ(TabCaptions(), tabs);
}

TEST_F(LookupWindowTest, SelectingAFilteredOutSenseShowsAllSectionsAgain) {
    form->SetWord("run");
    form->NounButton.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    // Selecting a sense first raises the buttons; selecting a verb sense
    // while nouns are filtered widens the filter.
    TSenseNumberLabel* verbNumber = nullptr;
    for (TSenseNumberLabel* number : DefsChildren<TSenseNumberLabel>()) {
        if (!verbNumber && Lookup().Senses[number->Tag()]->Section == 1) verbNumber = number;
    }
    ASSERT_NE(verbNumber, nullptr);
    ClickWindow(*verbNumber);
    EXPECT_FALSE(form->NounButton.Down());
    EXPECT_EQ(Lookup().SelectedSense, verbNumber->Tag());
    EXPECT_TRUE(Lookup().SectionsPresent & SectionBit(0));
    EXPECT_TRUE(Lookup().SectionsPresent & SectionBit(1));
}

TEST_F(LookupWindowTest, UnknownWordShowsNearestAndNotFound) {
    form->SetWord("runx");
    EXPECT_TRUE(Lookup().Senses.empty());
    EXPECT_EQ(TabCaptions(), std::vector<std::string>{"Nearest"});
    EXPECT_EQ(form->ViewTabs.TabIndex(), 0);
    std::vector<std::string> words = form->Synonyms.Items();
    ASSERT_FALSE(words.empty());
    EXPECT_LE(words.size(), 2u * form->NearestCount + 1);
    const int selected = form->Synonyms.ItemIndex();
    ASSERT_GE(selected, 0);
    // The closest word sits mid-list and its neighbours are in order.
    if (selected + 1 < static_cast<int>(words.size())) {
        EXPECT_GE(CompareText(words[selected], "runx"), 0);
    }
    EXPECT_GT(form->Synonyms.TopIndex(), 0);
    EXPECT_LT(form->Synonyms.TopIndex(), selected);
    std::vector<TLabel*> labels = Headings();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0]->Text(), "Word not found: runx");
    EXPECT_TRUE(labels[0]->Font().bold);
    EXPECT_FALSE(form->NounButton.Enabled());
    // Choosing the Nearest tab again leaves the list alone.
    form->ViewTabsChange();
    EXPECT_EQ(form->Synonyms.Items(), words);
}

TEST_F(LookupWindowTest, BlankSearchClearsEverythingWithoutNearest) {
    form->SetWord("cat");
    form->SetWord("   ");
    EXPECT_TRUE(form->CurrentWord.empty());
    EXPECT_TRUE(form->Defs.Children().empty());
    EXPECT_EQ(form->Synonyms.Count(), 0);
    EXPECT_EQ(form->ViewTabs.Count(), 0);
    EXPECT_FALSE(form->SearchButton.Enabled());
}
