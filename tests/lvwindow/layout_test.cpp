// The definitions area: headings, numbering, wrapped rows, and how long a
// big layout takes.
#include <chrono>
#include <cstdio>

#include "LookupWindowFixture.h"
#include "LVTables.h"
#include "Synset.h"

TEST_F(LookupWindowTest, RunHasNounAndVerbHeadingsWithNumberingRestarting) {
    form->SetWord("run");
    std::vector<TLabel*> headings = Headings();
    ASSERT_GE(headings.size(), 2u);
    EXPECT_EQ(headings[0]->Text(), "Noun: run");
    EXPECT_TRUE(headings[0]->Font().bold);
    TLabel* verb = nullptr;
    for (TLabel* heading : headings) {
        if (heading->Text().rfind("Verb: run (", 0) == 0) verb = heading;
    }
    ASSERT_NE(verb, nullptr) << "no verb heading with the verb's forms";
    EXPECT_EQ(form->SectionTop[0], 0);
    EXPECT_EQ(form->SectionTop[1], verb->Top());

    // Walking the area in creation order: a heading restarts the count,
    // each number names its sense's position in Senses.
    int expected = 0;
    int senses = 0;
    for (TWindow* child : form->Defs.Children()) {
        if (auto* number = dynamic_cast<TSenseNumberLabel*>(child)) {
            EXPECT_EQ(number->Text(), std::to_string(++expected) + ".");
            EXPECT_EQ(number->Tag(), senses++);
        } else if (dynamic_cast<TDefEdit*>(child) == nullptr) {
            expected = 0;
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(senses), Lookup().Senses.size());
}

TEST_F(LookupWindowTest, WrappedDefinitionGetsTallNumberAndPushesNextRowDown) {
    form->SetWord("run");
    std::vector<TDefEdit*> definitions = DefsChildren<TDefEdit>();
    ASSERT_GE(definitions.size(), 2u);
    // A one-line definition is one line height tall.
    int lineHeight = 0;
    for (TDefEdit* definition : definitions) {
        if (definition->LineCount() == 1) lineHeight = definition->Height();
    }
    ASSERT_GT(lineHeight, 0);

    bool sawThreeLines = false;
    for (std::size_t i = 0; i + 1 < definitions.size(); ++i) {
        TDefEdit& definition = *definitions[i];
        const int lines = definition.LineCount();
        ASSERT_NE(definition.NumberLabel, nullptr);
        EXPECT_EQ(definition.NumberLabel->Definition, &definition);
        EXPECT_EQ(definition.NumberLabel->Top(), definition.Top());
        EXPECT_EQ(definition.NumberLabel->Height(), lines * lineHeight) << definition.Text();
        EXPECT_EQ(definition.Height(), lines * lineHeight);
        // The next row under the same heading follows directly.
        if (definitions[i + 1]->NumberLabel->Text() != "1.") {
            EXPECT_EQ(definitions[i + 1]->Top(), definition.Top() + lines * lineHeight + 2);
        }
        if (lines == 3) sawThreeLines = true;
    }
    EXPECT_TRUE(sawThreeLines) << "no definition of run wraps to three lines";
    // The first sense's text is upper-cased at its start.
    EXPECT_EQ(definitions[0]->Text().substr(0, 8), "A score ");
}

TEST_F(LookupWindowTest, OneSenseWordIsTheCurrentSenseWithoutClick) {
    form->SetWord("zebra");
    ASSERT_EQ(Lookup().Senses.size(), 1u);
    EXPECT_EQ(Headings().size(), 1u);
    std::vector<TSenseNumberLabel*> numbers = DefsChildren<TSenseNumberLabel>();
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(numbers[0]->Text(), "1.");
    EXPECT_EQ(form->CurrentSense(), Lookup().Senses[0].get());
}

TEST_F(LookupWindowTest, LayoutFollowsWidthChangesAndKeepsTheSelectedSense) {
    form->SetWord("run");
    std::vector<TSenseNumberLabel*> numbers = DefsChildren<TSenseNumberLabel>();
    ASSERT_GE(numbers.size(), 3u);
    form->SenseNumberClick(*numbers[2]);
    const int tag = numbers[2]->Tag();
    const int firstHeight = DefsChildren<TDefEdit>()[0]->Height();

    // Narrower: the definitions wrap to more lines.
    form->SetClientSize(343, 319);
    EXPECT_EQ(form->BuiltWidth, form->Defs.Width());
    EXPECT_GT(DefsChildren<TDefEdit>()[0]->Height(), firstHeight);
    ASSERT_NE(form->SelectedNumber, nullptr);
    EXPECT_EQ(form->SelectedNumber->Tag(), tag);
    EXPECT_EQ(form->SelectedNumber->Font().color, form->SelectionColor);
    EXPECT_EQ(Lookup().SelectedSense, tag);
}

TEST_F(LookupWindowTest, FormResizeGivesTheDefinitionsTwoFifths) {
    // A layout built while hidden keeps the height of the definitions
    // through the resize that follows.
    form->SetWord("cat");
    const int designed = form->Defs.Height();
    form->SetClientSize(443, 419);
    EXPECT_EQ(form->Defs.Height(), designed);
    EXPECT_FALSE(form->SkipResize);
    // Later resizes give the definitions two fifths of the left side.
    form->SetClientSize(443, 379);
    EXPECT_EQ(form->Defs.Height(), form->LeftPanel.Height() * 2 / 5);
    EXPECT_FALSE(form->SkipResize);
}

TEST_F(LookupWindowTest, SmallestTrackingSizeKeepsButtonsAndLookupBoxUsable) {
    MINMAXINFO info = {};
    form->Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    TBounds b = form->Bounds();
    form->SetBounds(b.left, b.top, info.ptMinTrackSize.x, info.ptMinTrackSize.y);
    EXPECT_GE(form->RightPanel.Height(), 180);
    EXPECT_GE(form->Panel5.Width(), 140);
    EXPECT_EQ(form->KeyWord.Left() + form->KeyWord.Width(), form->Panel5.Width());
}

TEST_F(LookupWindowTest, TimeOfTheLargestLayout) {
    form->SetWord("break");
    ASSERT_EQ(Lookup().Senses.size(), 75u);
    form->SetClientSize(443, 319);
    const auto time = [this] {
        const auto start = std::chrono::steady_clock::now();
        form->ShowDefinitions();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(DefsChildren<TDefEdit>().size(), 75u);
        return took.count();
    };
    std::printf("ShowDefinitions for \"break\" (75 senses): %.1f ms (target under 50 ms)\n", time());
    // A later search redoes the layout in the shown window.
    form->Show();
    PumpMessages();
    std::printf("ShowDefinitions for \"break\" in the shown window: %.1f ms\n", time());
}
