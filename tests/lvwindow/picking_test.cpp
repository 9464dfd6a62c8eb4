// Words picked from the window, the history, the keys of a definition and
// the selection colour.
#include "Clipboard.h"
#include "LookupWindowFixture.h"

namespace {

// As the mouse does it: the press places the caret, the double-click selects its word.
void DoubleClickAt(TDefEdit& definition, std::size_t character) {
    LPARAM point = static_cast<LPARAM>(definition.Send(EM_POSFROMCHAR, character));
    definition.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
    definition.Send(WM_LBUTTONUP, 0, point);
    definition.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    definition.Send(WM_LBUTTONUP, 0, point);
}

}  // namespace

TEST_F(LookupWindowTest, SameWordTwiceKeepsOneEntryAndEnablesPrevious) {
    form->SetWord("cat");
    EXPECT_EQ(form->KeyWord.Count(), 1);
    EXPECT_FALSE(form->PreviousBut.Enabled());
    form->SetWord("cat");
    EXPECT_EQ(form->KeyWord.Count(), 1);
    EXPECT_TRUE(form->PreviousBut.Enabled());
}

TEST_F(LookupWindowTest, PreviousAfterAWordNotFoundReturnsToTheLastFoundWord) {
    form->SetWord("cat");
    form->SetWord("dog");
    form->SetWord("dogx");
    ASSERT_EQ(form->KeyWord.Count(), 2);
    form->PreviousButClick();
    EXPECT_EQ(form->CurrentWord, "dog");
    EXPECT_EQ(form->KeyWord.Count(), 2);
    EXPECT_TRUE(form->PreviousBut.Enabled());
    form->PreviousButClick();
    EXPECT_EQ(form->CurrentWord, "cat");
    EXPECT_EQ(form->KeyWord.Count(), 2);
    EXPECT_EQ(form->HistoryPos, 0);
    EXPECT_FALSE(form->PreviousBut.Enabled());
}

TEST_F(LookupWindowTest, CopyPutsTheChosenWordOnTheClipboard) {
    form->SetWord("run");
    form->CopyMode = 1;
    SetClipboardText("");
    std::string word;
    form->GetChosenWord(word);
    EXPECT_EQ(word, "run");
    ClickWindow(form->CopyButton);
    EXPECT_EQ(ClipboardText(), "run");

    form->Synonyms.SetItemIndex(2);
    form->GetChosenWord(word);
    EXPECT_EQ(word, form->Synonyms.Item(2));
    form->CopyButtonClick();
    EXPECT_EQ(ClipboardText(), word);
    EXPECT_EQ(form->ModalResult(), mrNone);

    // Mode 0 answers the caller instead.
    form->CopyMode = 0;
    form->CopyButtonClick();
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(LookupWindowTest, DoubleClickInADefinitionLooksTheWordUp) {
    form->SetWord("cat");
    TDefEdit& definition = *DefsChildren<TDefEdit>()[0];
    const std::string text = definition.Text();
    const std::size_t at = text.find("mammal");
    ASSERT_NE(at, std::string::npos) << text;
    DoubleClickAt(definition, at + 2);
    EXPECT_EQ(form->KeyWord.Text(), "mammal");
    EXPECT_EQ(form->CurrentWord, "cat");  // not before the posted message
    PumpMessages();
    EXPECT_EQ(form->CurrentWord, "mammal");
    EXPECT_EQ(form->KeyWord.Count(), 2);

    // A word equal to the Lookup text does nothing.
    form->SetWord("cat");
    form->KeyWord.SetText("Feline");
    TDefEdit& again = *DefsChildren<TDefEdit>()[0];
    ASSERT_EQ(again.Text().rfind("Feline ", 0), 0u);
    DoubleClickAt(again, 2);
    PumpMessages();
    EXPECT_EQ(form->CurrentWord, "cat");
}

TEST_F(LookupWindowTest, ListDoubleClickAndEnterLookTheItemUp) {
    form->SetWord("zebra");
    ASSERT_GT(form->Synonyms.Count(), 0);
    form->Synonyms.SetItemIndex(0);
    const std::string item = form->Synonyms.Item(0);
    form->Synonyms.Send(WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(form->CurrentWord, item);
    form->Synonyms.SetItemIndex(0);
    const std::string next = form->Synonyms.Item(0);
    form->SynonymsDblClick();
    EXPECT_EQ(form->CurrentWord, next);
}

TEST_F(LookupWindowTest, CleanSelectionStripsPunctuationAtBothEnds) {
    std::string word;
    form->CleanSelection("(feline),", word);
    EXPECT_EQ(word, "feline");
    form->CleanSelection("  \"don't!\"; ", word);
    EXPECT_EQ(word, "don't");
    form->CleanSelection("(.),", word);
    EXPECT_EQ(word, "");
    EXPECT_EQ(StripBaseMark("ran*"), "ran");
    EXPECT_EQ(StripBaseMark("ran"), "ran");
    EXPECT_EQ(StripBaseMark(""), "");
}

TEST_F(LookupWindowTest, DefinitionKeysScrollAndMoveTheFocus) {
    form->SetWord("break");
    form->Show();
    std::vector<TDefEdit*> definitions = DefsChildren<TDefEdit>();
    TDefEdit& first = *definitions[0];
    first.SetFocus();
    EXPECT_EQ(form->FocusedDefinition, &first);

    first.Send(WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(form->Defs.ScrollPos(), form->Defs.ClientHeight());
    first.Send(WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_EQ(form->Defs.ScrollPos(), 0);

    // Up on the first definition stays; Down on its last line moves on.
    first.Send(WM_KEYDOWN, VK_UP, 0);
    PumpMessages();
    EXPECT_TRUE(first.Focused());
    first.SetSelection(static_cast<int>(first.Text().size()), 0);
    first.Send(WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();
    EXPECT_TRUE(definitions[1]->Focused());
    EXPECT_EQ(form->FocusedDefinition, definitions[1]);

    // Enter selects the sense; Tab goes to the tabs.
    definitions[1]->Send(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(form->SelectedNumber, definitions[1]->NumberLabel);
    definitions[1]->Send(WM_KEYDOWN, VK_TAB, 0);
    PumpMessages();
    EXPECT_TRUE(form->ViewTabs.Focused());
    EXPECT_EQ(form->FocusedDefinition, nullptr);

    // The wheel scrolls the definitions, except over the list.
    form->FormMouseWheel(-1);
    EXPECT_GT(form->Defs.ScrollPos(), 0);
    form->Synonyms.SetFocus();
    EXPECT_FALSE(form->FormMouseWheel(1));
    form->Hide();
}

TEST(SelectionColor, HighlightUnlessItMatchesTheBackgroundOrText) {
    const COLORREF blue = RGB(0, 0, 128), white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    EXPECT_EQ(ChooseSelectionColor(blue, white, white, black), blue);
    // Highlight as the window colour: highlight text, or window text when that too matches.
    EXPECT_EQ(ChooseSelectionColor(white, white, black, black), black);
    EXPECT_EQ(ChooseSelectionColor(white, white, white, blue), blue);
    // Highlight as the text colour: highlight text, else yellow, else highlight.
    EXPECT_EQ(ChooseSelectionColor(black, white, blue, black), blue);
    EXPECT_EQ(ChooseSelectionColor(black, white, white, black), RGB(255, 255, 0));
    EXPECT_EQ(ChooseSelectionColor(black, RGB(255, 255, 0), RGB(255, 255, 0), black), black);
}
