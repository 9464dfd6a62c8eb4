#include "LVWindow.h"

#include <algorithm>

#include "Clipboard.h"
#include "Cursors.h"
#include "IndexLookup.h"
#include "LVDatabase.h"
#include "LVErrors.h"
#include "LVTables.h"
#include "NormaliseKey.h"
#include "Synset.h"
#include "TextMeasure.h"
#include "TrimBlanks.h"
#include "WordLookup.h"
#include "WordMorpher.h"

namespace {

const char kCaption[] = "Lexivar thesaurus/dictionary";
const char kNearestTab[] = "Nearest";
const char kNotFound[] = "Word not found: ";
const int kClientWidth = 443;
const int kClientHeight = 319;
const int kRightPanelWidth = 82;
const int kRightPanelMinHeight = 180;
const int kLeftPanelBorder = 4;
const int kSearchPanelWidth = 64;
const int kLookupMinWidth = 140;
const int kDefsMinHeight = 40;
const int kHeadingGap = 3;  // above every heading but the first
const int kRowGap = 2;      // below every heading and definition
const int kWheelLines = 2;
const COLORREF kYellow = RGB(255, 255, 0);

// The characters CleanSelection strips from both ends of a picked word.
bool IsWordPunctuation(char c) {
    switch (c) {
        case ' ': case '!': case '"': case '\'': case '(': case ')': case ',': case '.': case ':': case ';':
            return true;
        default:
            return false;
    }
}

// Whether a WM_GETDLGCODE query is about the Return key.
bool AsksForReturn(LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_RETURN;
}

// Runs a clean-up when the scope ends, also when an exception passes.
template <class F>
class TFinally {
public:
    explicit TFinally(F f) : f_(f) {}
    ~TFinally() { f_(); }
    TFinally(const TFinally&) = delete;
    TFinally& operator=(const TFinally&) = delete;

private:
    F f_;
};

// The combo box's window reaches down over the room of its closed list,
// which it never paints; clipped to the field, nothing shows there.
void ClipToField(TComboBox& combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo.Handle(), &info)) return;
    const int height = info.rcButton.bottom + info.rcButton.top;
    SetWindowRgn(combo.Handle(), CreateRectRgn(0, 0, combo.Width(), height), TRUE);
}

}  // namespace

COLORREF ChooseSelectionColor(COLORREF highlight, COLORREF window, COLORREF highlightText, COLORREF windowText) {
    if (window == highlight) return window == highlightText ? windowText : highlightText;
    if (windowText == highlight) {
        if (highlightText != window) return highlightText;
        if (kYellow != window) return kYellow;
    }
    return highlight;
}

std::string StripBaseMark(const std::string& word) {
    if (!word.empty() && word.back() == '*') return word.substr(0, word.size() - 1);
    return word;
}

// ---------------------------------------------------------------- TDefEdit

TDefEdit::TDefEdit(TWindow& parent, TLVForm& ownerForm, const TBounds& bounds)
    : TMemo(parent, false, bounds), OwnerForm(ownerForm) {
    SetWantTabs(true);
    OnEnter = [this] {
        OwnerForm.FocusedDefinition = this;
        SetSelection(SelStart(), 0);
        OwnerForm.Synonyms.SetItemIndex(-1);
    };
    OnExit = [this] {
        if (OwnerForm.FocusedDefinition == this) OwnerForm.FocusedDefinition = nullptr;
    };
}

LRESULT TDefEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Return is no input, but its key-down must reach KeyDown (it selects
    // the sense) rather than be taken by the dialog navigation.
    if (message == WM_GETDLGCODE && AsksForReturn(lParam)) {
        return TMemo::WndProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (message == WM_CHAR && wParam == VK_RETURN) return 0;
    return TMemo::WndProc(message, wParam, lParam);
}

void TDefEdit::KeyDown(TKeyEvent& event) {
    TLVForm& form = OwnerForm;
    switch (event.key) {
        case VK_PRIOR:
        case VK_NEXT:
            form.Defs.Send(WM_VSCROLL, event.key == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN);
            event.key = 0;
            return;
        case VK_RETURN:
            if (NumberLabel) form.SenseNumberClick(*NumberLabel);
            return;
        case VK_UP:
            if (event.shift == 0 && LineFromChar() == 0 && this != form.FirstDefinition) {
                form.Post(WM_NEXTDLGCTL, 1, FALSE);
                event.key = 0;
                return;
            }
            break;
        case VK_DOWN:
            if (event.shift == 0 && LineFromChar() >= LineCount() - 1 && this != form.LastDefinition) {
                form.Post(WM_NEXTDLGCTL, 0, FALSE);
                event.key = 0;
                return;
            }
            break;
        case VK_TAB: {
            TWindow& target = (event.shift & ssShift) ? static_cast<TWindow&>(form.KeyWord) : form.ViewTabs;
            form.Post(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target.Handle()), TRUE);
            event.key = 0;
            return;
        }
        default:
            break;
    }
    TMemo::KeyDown(event);
}

void TDefEdit::DblClick() {
    // The edit has selected the word under the mouse by now.
    if (SelLength() > 1) {
        std::string word;
        OwnerForm.CleanSelection(SelText(), word);
        if (!word.empty() && word != OwnerForm.KeyWord.Text()) {
            OwnerForm.KeyWord.SetText(word);
            OwnerForm.Post(kSearchMessage);
        }
    }
    TMemo::DblClick();
}

// ------------------------------------------------------- TSenseNumberLabel

TSenseNumberLabel::TSenseNumberLabel(TWindow& parent, TLVForm& ownerForm, const std::string& caption,
                                     const TBounds& bounds)
    : TLabel(parent, caption, bounds, TTextAlignment::Right), ownerForm_(ownerForm) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
}

void TSenseNumberLabel::Click() {
    ownerForm_.SenseNumberClick(*this);
    TLabel::Click();
}

// ------------------------------------------------------------ TWordListBox

LRESULT TWordListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE && AsksForReturn(lParam)) {
        return TListBox::WndProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    return TListBox::WndProc(message, wParam, lParam);
}

// ----------------------------------------------------------------- TLVForm

TLVForm::TLVForm(HWND owner)
    : TForm(owner),
      RightPanel(Add<TPanel>()),
      PreviousBut(RightPanel.Add<TButton>("&Previous")),
      NounButton(AddWordTypeButton("&Nouns", 0)),
      VerbButton(AddWordTypeButton("&Verbs", 1)),
      AdjButton(AddWordTypeButton("&Adjectives", 2)),
      AdvButton(AddWordTypeButton("Adve&rbs", 3)),
      Panel1(RightPanel.Add<TPanel>()),
      CopyButton(Panel1.Add<TButton>("&Copy")),
      CloseButton(Panel1.Add<TButton>("Close")),
      LeftPanel(Add<TPanel>()),
      LookupPanel(LeftPanel.Add<TPanel>()),
      Panel4(LookupPanel.Add<TPanel>()),
      SearchButton(Panel4.Add<TButton>("&Search")),
      Panel5(LookupPanel.Add<TPanel>()),
      LookupLab(Panel5.Add<TLabel>("&Lookup:")),
      KeyWord(Panel5.Add<TComboBox>()),
      Defs(LeftPanel.Add<TScrollBox>()),
      Splitter1(LeftPanel.Add<TSplitter>(TAlign::Top)),
      ViewTabs(LeftPanel.Add<TTabControl>()),
      Synonyms(ViewTabs.Add<TWordListBox>()),
      SelectionColor(ChooseSelectionColor(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW),
                                          GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_WINDOWTEXT))) {
    SetText(kCaption);
    SetClientSize(kClientWidth, kClientHeight);

    RightPanel.SetBounds(0, 0, kRightPanelWidth, kClientHeight);
    RightPanel.SetBorderWidth(4);
    RightPanel.SetAlign(TAlign::Right);
    PreviousBut.SetBounds(4, 4, 73, 21);
    PreviousBut.SetEnabled(false);
    Panel1.SetBounds(4, 0, 74, 57);
    Panel1.SetAlign(TAlign::Bottom);
    CopyButton.SetBounds(0, 0, 73, 25);
    CloseButton.SetBounds(0, 32, 73, 25);

    LeftPanel.SetBorderWidth(kLeftPanelBorder);
    LeftPanel.SetAlign(TAlign::Client);
    LookupPanel.SetBounds(0, 0, 0, 26);
    LookupPanel.SetAlign(TAlign::Top);
    Panel4.SetBounds(0, 0, kSearchPanelWidth, 26);
    Panel4.SetAlign(TAlign::Right);
    SearchButton.SetBounds(6, 0, 57, 21);
    SearchButton.SetDefault(true);
    SearchButton.SetEnabled(false);
    Panel5.SetAlign(TAlign::Client);
    LookupLab.SetAutoSize(true);
    LookupLab.SetBounds(0, 8, 0, 0);
    LookupLab.SetCaption(LookupLab.Text());
    KeyWord.SetBounds(48, 0, 241, 0);
    KeyWord.SetMaxLength(40);

    Defs.SetBounds(0, 0, 0, 139);
    Defs.SetColor(GetSysColor(COLOR_WINDOW));
    Defs.SetAlign(TAlign::Top);
    Splitter1.SetBounds(0, 0, 0, 3);
    Splitter1.SetMinSize(50);
    ViewTabs.SetAlign(TAlign::Client);
    Synonyms.SetAlign(TAlign::Client);
    Synonyms.SetItemHeight(13);

    // Tab order: the Lookup box first, then the definitions and the list;
    // the buttons of the right panel last.
    SetWindowPos(RightPanel.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(Panel4.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    CenterOnScreen();
    WireEvents();
    Panel5Resize();
}

TLVForm::~TLVForm() {
    destroying_ = true;
    // The controls outlive this part of the window: no event may reach it.
    OnResize = nullptr;
    OnMouseWheel = nullptr;
    Defs.OnResize = nullptr;
    Panel5.OnResize = nullptr;
    OnMessage(kSearchMessage, nullptr);
    OnMessage(WM_GETMINMAXINFO, nullptr);
}

TToggleButton& TLVForm::AddWordTypeButton(const char* caption, int partOfSpeech) {
    auto& button = RightPanel.Add<TToggleButton>(caption);
    button.SetBounds(4, 30 + 20 * partOfSpeech, 73, 21);
    button.SetTag(partOfSpeech);
    button.SetGroupIndex(1);
    button.SetAllowAllUp(true);
    button.SetAutoToggle(false);
    button.SetEnabled(false);
    return button;
}

void TLVForm::WireEvents() {
    SearchButton.OnClick = [this] { SearchButtonClick(); };
    KeyWord.OnChange = [this] { KeyWordChange(); };
    ViewTabs.OnChange = [this] { ViewTabsChange(); };
    for (TToggleButton* button : {&NounButton, &VerbButton, &AdjButton, &AdvButton}) {
        button->OnClick = [this, button] { WordTypeButClick(*button); };
        button->OnMouseDown = [this, button](TMouseEvent& event) { WTypeMouseDown(*button, event); };
    }
    Synonyms.OnDblClick = [this] { SynonymsDblClick(); };
    Synonyms.OnKeyPress = [this](char& key) { SynonymsKeyPress(key); };
    PreviousBut.OnClick = [this] { PreviousButClick(); };
    CopyButton.OnClick = [this] { CopyButtonClick(); };
    CloseButton.OnClick = [this] { CloseButtonClick(); };
    OnMouseWheel = [this](int delta, TShiftState) { return FormMouseWheel(delta); };
    OnResize = [this] { FormResize(); };
    Defs.OnResize = [this] { DefsResize(); };
    Panel5.OnResize = [this] { Panel5Resize(); };
    OnMessage(kSearchMessage, [this](WPARAM, LPARAM) {
        Search();
        KeyWord.SetFocus();
        return LRESULT(0);
    });
    OnMessage(WM_GETMINMAXINFO, [this](WPARAM wParam, LPARAM lParam) {
        // The right panel's buttons need this much height, the Lookup box this much width.
        RECT frame = {0, 0, kRightPanelWidth + 2 * kLeftPanelBorder + kSearchPanelWidth + kLookupMinWidth,
                      kRightPanelMinHeight};
        AdjustWindowRectEx(&frame, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, frame.right - frame.left);
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, frame.bottom - frame.top);
        return DefaultProc(WM_GETMINMAXINFO, wParam, lParam);
    });
}

TLVDatabase& TLVForm::Db() const {
    if (!Database) throw ELVError("No database is open");
    return *Database;
}

void TLVForm::SetWord(const std::string& word) {
    KeyWord.SetText(word);
    KeyWord.SelectAll();
    Search();
}

bool TLVForm::Search() {
    TWaitCursor wait;
    TFinally cleanUp([this] {
        SearchButton.SetEnabled(false);
        FocusedDefinition = nullptr;
    });
    CurrentWord = TrimBlanks(KeyWord.Text());
    return DoLookup();
}

void TLVForm::SearchButtonClick() {
    KeyWord.SelectAll();
    Search();
}

void TLVForm::KeyWordChange() {
    SearchButton.SetEnabled(true);
}

bool TLVForm::DoLookup() {
    TLVDatabase& db = Db();
    TOpenScope open(db);
    TWordLookup& lookup = *db.Lookup;
    RelationIndex = kSynonymsKind;
    db.LookupWord(CurrentWord);
    ShowDefinitions();
    EnableWordTypeButtons(!lookup.Senses.empty());

    const int typeOf = 6;
    if (!lookup.Synonyms.Empty()) {
        ShowRelation(kSynonymsKind);
    } else if (lookup.KindsPresent & KindBit(typeOf)) {
        RelationIndex = typeOf;
        ShowRelation(typeOf);
    } else {
        Synonyms.Clear();
    }
    ShowRelationTabs();

    if (!lookup.Senses.empty()) {
        PreviousBut.SetEnabled(KeyWord.Count() > 0);
        AddToHistory();
        return true;
    }
    if (!CurrentWord.empty()) {
        ViewTabs.InsertTab(0, kNearestTab);
        ViewTabs.SetTabIndex(0);
        ShowNearest();
        ShowNotFound(CurrentWord);
    }
    return false;
}

void TLVForm::SuppressNextResize() {
    SkipResize = true;
}

void TLVForm::ClearDefinitions() {
    // The controls go; nothing may point at them any more.
    FirstDefinition = nullptr;
    LastDefinition = nullptr;
    FocusedDefinition = nullptr;
    SelectedNumber = nullptr;
    Defs.DestroyChildren();
}

void TLVForm::ShowDefinitions() {
    if (!Visible()) SuppressNextResize();
    BuiltWidth = Defs.Width();

    // Clearing and building inside a hidden area is several times faster
    // than with redrawing merely switched off; the raw calls keep the parent
    // from realigning around the area meanwhile.
    ShowWindow(Defs.Handle(), SW_HIDE);
    Defs.ShowVertScrollBar(false);
    TFinally showBar([this] {
        Defs.ShowVertScrollBar(true);
        ShowWindow(Defs.Handle(), SW_SHOW);
    });
    ClearDefinitions();
    std::fill(std::begin(SectionTop), std::end(SectionTop), 0);
    if (CurrentWord.empty()) return;

    const TFont& font = Defs.Font();
    const int width = Defs.ClientWidth() - GetSystemMetrics(SM_CXVSCROLL) - 2;
    const TTextMeasure measure(font);
    const TTextSize numberSize = measure.Line("99.");
    const int numberWidth = numberSize.width + 1;
    const int lineHeight = numberSize.height;
    const int textLeft = numberWidth + numberWidth / 5;
    const TWordLookup& lookup = *Db().Lookup;
    const TWordMorpher* morpher = Db().Morpher.get();

    int y = 0;
    int counter = 0;
    std::string previousWord;
    int previousPart = 255;
    // Until the first definition tells the margins of its text.
    int wrapWidth = width - textLeft;
    for (std::size_t i = 0; i < lookup.Senses.size(); ++i) {
        const TSynset& sense = *lookup.Senses[i];
        const std::string& word = sense.KeyWord;
        const int part = sense.Section;
        if (counter == 0 || word != previousWord || part != previousPart) {
            if (y > 0) y += kHeadingGap;
            std::string text = std::string(PartOfSpeechName(part)) + ": " + word;
            std::string forms = morpher ? morpher->FormsText(word, part) : std::string();
            if (!forms.empty()) text += " (" + forms + ")";
            auto& heading = Defs.Add<TLabel>(text, TBounds{0, y, 0, 0}, TTextAlignment::Left);
            heading.SetShowAccelChar(false);
            heading.SetBold(true);
            heading.SetAutoSize(true);
            if (part != previousPart && part < kPartOfSpeechCount) SectionTop[part] = y;
            previousWord = word;
            previousPart = part;
            y += heading.Height() + kRowGap;
            counter = 0;
        }

        std::string gloss = sense.Gloss.empty() ? std::string(" ") : sense.Gloss;
        if (gloss[0] >= 'a' && gloss[0] <= 'z') gloss[0] = static_cast<char>(gloss[0] - 'a' + 'A');
        // Made as tall as the text is expected to wrap, the edit is resized
        // (and so wraps its text again) only when its own count differs.
        const int expected = std::max(1, measure.WrappedHeight(gloss, wrapWidth) / lineHeight);
        auto& definition =
            Defs.Add<TDefEdit>(*this, TBounds{textLeft, y, width - textLeft, expected * lineHeight});
        definition.SetText(gloss);
        if (!FirstDefinition) FirstDefinition = &definition;
        LastDefinition = &definition;
        wrapWidth = definition.TextWidth();
        const int lines = std::max(1, definition.LineCount());

        ++counter;
        auto& number = Defs.Add<TSenseNumberLabel>(*this, std::to_string(counter) + ".",
                                                    TBounds{0, y, numberWidth, lines * lineHeight});
        number.SetTag(static_cast<int>(i));
        number.Definition = &definition;
        definition.NumberLabel = &number;

        if (lines != expected) definition.SetHeight(lines * lineHeight);
        y += lines * lineHeight + kRowGap;
    }
}

void TLVForm::ShowRelationTabs() {
    const TWordLookup& lookup = *Db().Lookup;
    ViewTabs.BeginUpdate();
    TFinally endUpdate([this] { ViewTabs.EndUpdate(); });
    ViewTabs.ClearTabs();
    if (lookup.Shown.empty()) return;
    int selected = -1;
    if (!lookup.Synonyms.Empty()) selected = ViewTabs.AddTab(RelationKindName(kSynonymsKind));
    for (int kind = 0; kind < kRelationKindCount; ++kind) {
        if (!(lookup.KindsPresent & KindBit(kind))) continue;
        int tab = ViewTabs.AddTab(RelationKindName(kind));
        if (kind == RelationIndex) selected = tab;
    }
    ViewTabs.SetTabIndex(selected);
}

void TLVForm::ViewTabsChange() {
    int kind = RelationKindOf(ViewTabs.Caption(ViewTabs.TabIndex()));
    if (kind < 0) return;
    RelationIndex = static_cast<uint8_t>(kind);
    ShowRelation(kind);
}

void TLVForm::ShowRelation(int relation) {
    TWaitCursor wait;
    Synonyms.SetItems(Db().Lookup->GetRelatedWords(relation).Items());
}

void TLVForm::RefreshRelation() {
    if (RelationIndex != kSynonymsKind && !(Db().Lookup->KindsPresent & KindBit(RelationIndex))) {
        RelationIndex = kSynonymsKind;
    }
    ShowRelation(RelationIndex);
    ShowRelationTabs();
}

void TLVForm::EnableWordTypeButtons(bool enable) {
    const uint8_t present = Db().Lookup->SectionsPresent;
    for (TToggleButton* button : {&NounButton, &VerbButton, &AdjButton, &AdvButton}) {
        button->SetEnabled(enable && (present & SectionBit(button->Tag())));
        button->SetDown(false);
    }
}

void TLVForm::WTypeMouseDown(TToggleButton& button, TMouseEvent& event) {
    if (event.button != TMouseButton::Left) return;
    // Acting on press: the button's own click handling never follows.
    button.OnClick();
    event.handled = true;
}

void TLVForm::WordTypeButClick(TToggleButton& button) {
    TWordLookup& lookup = *Db().Lookup;
    if (SelectedNumber) {
        DeselectSense();
        lookup.SelectSense(-1);
    }
    button.SetDown(!button.Down());
    if (button.Down()) {
        lookup.FilterSections(SectionBit(button.Tag()));
        Defs.ScrollTo(SectionTop[button.Tag()]);
    } else {
        lookup.FilterSections(kAllSections);
    }
    RefreshRelation();
}

void TLVForm::SenseNumberClick(TSenseNumberLabel& label) {
    TWordLookup& lookup = *Db().Lookup;
    if (&label == SelectedNumber) {
        DeselectSense();
        lookup.SelectSense(-1);
    } else {
        DeselectSense();
        SelectedNumber = &label;
        const auto n = static_cast<std::size_t>(label.Tag());
        if (n < lookup.Senses.size() && !(lookup.SectionsPresent & SectionBit(lookup.Senses[n]->Section))) {
            lookup.FilterSections(kAllSections);
            EnableWordTypeButtons(true);
        }
        lookup.SelectSense(label.Tag());
        PaintSelected(SelectionColor);
    }
    RefreshRelation();
}

void TLVForm::PaintSelected(COLORREF color) {
    if (!SelectedNumber) return;
    SelectedNumber->SetFontColor(color);
    if (SelectedNumber->Definition) SelectedNumber->Definition->SetFontColor(color);
}

void TLVForm::DeselectSense() {
    PaintSelected(Defs.Font().color);
    SelectedNumber = nullptr;
}

TSynset* TLVForm::CurrentSense() const {
    if (!Database) return nullptr;
    const auto& senses = Database->Lookup->Senses;
    if (SelectedNumber) {
        const auto n = static_cast<std::size_t>(SelectedNumber->Tag());
        return n < senses.size() ? senses[n].get() : nullptr;
    }
    return senses.size() == 1 ? senses[0].get() : nullptr;
}

void TLVForm::ShowNearest() {
    TLVDatabase& db = Db();
    TOpenScope open(db);
    if (db.LastKey != NormaliseKey(CurrentWord)) db.LookupWord(CurrentWord);
    std::vector<std::string> words;
    int closest = db.Index ? db.Index->ListNeighbours(words, NearestCount) : -1;
    Synonyms.SetItems(words);
    if (closest < 0) return;
    Synonyms.SetItemIndex(closest);
    const int itemHeight = std::max(1, Synonyms.ItemHeight());
    Synonyms.SetTopIndex(closest - Synonyms.ClientHeight() / (2 * itemHeight));
}

void TLVForm::ShowNotFound(const std::string& word) {
    ShowMessageText(kNotFound + word);
}

void TLVForm::ShowMessageText(const std::string& text) {
    ClearDefinitions();
    auto& label = Defs.Add<TLabel>();
    label.SetShowAccelChar(false);
    label.SetAutoSize(true);
    label.SetBold(true);
    label.SetBounds(0, 0, 0, 0);
    label.SetCaption(text);
}

void TLVForm::GetChosenWord(std::string& word) {
    if (FocusedDefinition) {
        word = FocusedDefinition->SelText();
    } else if (Synonyms.ItemIndex() >= 0) {
        word = StripBaseMark(Synonyms.Item(Synonyms.ItemIndex()));
    } else {
        word = CurrentWord;
    }
}

void TLVForm::CleanSelection(const std::string& text, std::string& word) {
    word = TrimBlanks(text);
    while (!word.empty() && IsWordPunctuation(word.back())) word.pop_back();
    std::size_t first = 0;
    while (first < word.size() && IsWordPunctuation(word[first])) ++first;
    word.erase(0, first);
}

void TLVForm::SynonymsDblClick() {
    if (Synonyms.ItemIndex() >= 0) SetWord(StripBaseMark(Synonyms.Item(Synonyms.ItemIndex())));
}

void TLVForm::SynonymsKeyPress(char& key) {
    if (key == '\r' && Synonyms.ItemIndex() >= 0) {
        key = 0;
        SynonymsDblClick();
    }
}

void TLVForm::CopyButtonClick() {
    if (CopyMode == 1) {
        std::string word;
        GetChosenWord(word);
        SetClipboardText(word);
        return;
    }
    SetModalResult(mrOk);
    Close();
}

void TLVForm::CloseButtonClick() {
    SetModalResult(mrCancel);
    Close();
}

bool TLVForm::FormMouseWheel(int delta) {
    if (Synonyms.Focused()) return false;
    for (int i = 0; i < kWheelLines; ++i) Defs.Send(WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN);
    return true;
}

void TLVForm::FormResize() {
    if (destroying_) return;
    if (!SkipResize) {
        SuppressNextResize();
        Defs.SetHeight(std::max(kDefsMinHeight, LeftPanel.Height() * 2 / 5));
    }
    SkipResize = false;
}

void TLVForm::DefsResize() {
    if (destroying_ || !Database || Database->Lookup->Senses.empty() || Defs.Width() == BuiltWidth) return;
    if (!SelectedNumber) {
        ShowDefinitions();
        return;
    }
    const auto& children = Defs.Children();
    const auto position = std::find(children.begin(), children.end(), SelectedNumber) - children.begin();
    ShowDefinitions();
    if (position < static_cast<std::ptrdiff_t>(Defs.Children().size())) {
        SelectedNumber = dynamic_cast<TSenseNumberLabel*>(Defs.Children()[static_cast<std::size_t>(position)]);
        PaintSelected(SelectionColor);
    }
}

void TLVForm::Panel5Resize() {
    KeyWord.SetWidth(Panel5.Width() - KeyWord.Left());
    ClipToField(KeyWord);
}

void TLVForm::AddToHistory() {
    const int count = KeyWord.Count();
    if (count > 0 && KeyWord.Item(count - 1) == CurrentWord) return;
    KeyWord.AddItem(CurrentWord);
    HistoryPos = KeyWord.Count() - 1;
}

void TLVForm::PreviousButClick() {
    const int previous = CurrentWord == KeyWord.Item(HistoryPos) ? HistoryPos - 1 : HistoryPos;
    KeyWord.SetText(KeyWord.Item(previous));
    const int count = KeyWord.Count();
    Search();
    if (KeyWord.Count() != count) KeyWord.DeleteItem(KeyWord.Count() - 1);
    HistoryPos = std::max(0, previous);
    if (HistoryPos == 0) PreviousBut.SetEnabled(false);
}
