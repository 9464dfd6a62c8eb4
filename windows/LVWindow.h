// TLVForm: the lookup window every window of the system derives from. It
// shows the senses of a word under part-of-speech headings in a scrolling
// definitions area, part-of-speech buttons that filter the related-word
// list, relation tabs over that list, and a history behind Previous. It owns
// no database: the derived window sets Database before the first search.
//
// TDefEdit and TSenseNumberLabel are the two controls of one row of the
// definitions area: the definition text and its clickable number.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "Button.h"
#include "ComboBox.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "Memo.h"
#include "Panel.h"
#include "ScrollBox.h"
#include "Splitter.h"
#include "TabControl.h"

class TLVDatabase;
class TSynset;
class TLVForm;
class TSenseNumberLabel;

// Posted by a definition's double-click and by clickable suggestions:
// search the Lookup box text and focus it.
constexpr UINT kSearchMessage = WM_USER + 16;

// The selection colour for a set of system colours: the highlight colour,
// unless it would not stand out against the window.
COLORREF ChooseSelectionColor(COLORREF highlight, COLORREF window, COLORREF highlightText, COLORREF windowText);

// A word of a list stands in its base form when it ends in "*"; the word itself.
std::string StripBaseMark(const std::string& word);

// One definition: read-only wrapped text without border.
class TDefEdit : public TMemo {
public:
    TDefEdit(TWindow& parent, TLVForm& ownerForm, const TBounds& bounds);

    TSenseNumberLabel* NumberLabel = nullptr;
    TLVForm& OwnerForm;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void KeyDown(TKeyEvent& event) override;
    void DblClick() override;
};

// The number of one sense; its tag is the sense's position in Senses.
class TSenseNumberLabel : public TLabel {
public:
    TSenseNumberLabel(TWindow& parent, TLVForm& ownerForm, const std::string& caption, const TBounds& bounds);

    TDefEdit* Definition = nullptr;

protected:
    void Click() override;

private:
    TLVForm& ownerForm_;
};

// The related-word list; Enter reaches it instead of the default button.
class TWordListBox : public TListBox {
public:
    TWordListBox(TWindow& parent) : TListBox(parent, false) {}

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class TLVForm : public TForm {
public:
    explicit TLVForm(HWND owner = nullptr);
    ~TLVForm() override;

    // Puts word in the Lookup box, selects it and searches.
    void SetWord(const std::string& word);

    virtual bool DoLookup();
    virtual void GetChosenWord(std::string& word);
    virtual bool Search();
    virtual void SuppressNextResize();
    virtual void ShowNotFound(const std::string& word);
    virtual void ShowDefinitions();
    virtual void ShowRelationTabs();
    virtual void CleanSelection(const std::string& text, std::string& word);

    void AddToHistory();
    void EnableWordTypeButtons(bool enable);
    void ShowRelation(int relation);
    void RefreshRelation();
    void ShowNearest();
    void ClearDefinitions();
    void ShowMessageText(const std::string& text);
    void SenseNumberClick(TSenseNumberLabel& label);
    void DeselectSense();
    // The selected sense's synset; with none selected, the only sense, if just one.
    TSynset* CurrentSense() const;

    // Handlers of the controls' events.
    void SearchButtonClick();
    void KeyWordChange();
    void ViewTabsChange();
    void WordTypeButClick(TToggleButton& button);
    void WTypeMouseDown(TToggleButton& button, TMouseEvent& event);
    void SynonymsDblClick();
    void SynonymsKeyPress(char& key);
    void PreviousButClick();
    void CopyButtonClick();
    void CloseButtonClick();
    bool FormMouseWheel(int delta);
    void FormResize();
    void DefsResize();
    void Panel5Resize();

    // Controls, in the order of the window's description.
    TPanel& RightPanel;
    TButton& PreviousBut;
    TToggleButton& NounButton;
    TToggleButton& VerbButton;
    TToggleButton& AdjButton;
    TToggleButton& AdvButton;
    TPanel& Panel1;
    TButton& CopyButton;
    TButton& CloseButton;
    TPanel& LeftPanel;
    TPanel& LookupPanel;
    TPanel& Panel4;
    TButton& SearchButton;
    TPanel& Panel5;
    TLabel& LookupLab;
    TComboBox& KeyWord;
    TScrollBox& Defs;
    TSplitter& Splitter1;
    TTabControl& ViewTabs;
    TWordListBox& Synonyms;

    uint8_t CopyMode = 0;
    COLORREF SelectionColor;
    int32_t BuiltWidth = 0;
    int32_t SectionTop[8] = {};
    TLVDatabase* Database = nullptr;  // owned by the derived window
    uint8_t RelationIndex = 12;
    TDefEdit* FirstDefinition = nullptr;
    TDefEdit* LastDefinition = nullptr;
    std::string CurrentWord;
    TDefEdit* FocusedDefinition = nullptr;
    TSenseNumberLabel* SelectedNumber = nullptr;
    bool SkipResize = false;
    int32_t NearestCount = 50;
    int32_t HistoryPos = 0;

private:
    TLVDatabase& Db() const;
    TToggleButton& AddWordTypeButton(const char* caption, int partOfSpeech);
    void PaintSelected(COLORREF color);
    // Builds the layout; the window's construction wires the events after it.
    void WireEvents();

    bool destroying_ = false;
};
