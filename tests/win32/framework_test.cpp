#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Application.h"
#include "Button.h"
#include "Clipboard.h"
#include "ComboBox.h"
#include "Cursors.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "Memo.h"
#include "Panel.h"
#include "ScrollBox.h"
#include "Splitter.h"
#include "TabControl.h"
#include "TestHelpers.h"
#include "TextMeasure.h"

namespace {

bool SameBounds(const TBounds& b, int left, int top, int width, int height) {
    return b.left == left && b.top == top && b.width == width && b.height == height;
}

#define EXPECT_BOUNDS(window, l, t, w, h)                                                             \
    do {                                                                                              \
        TBounds b_ = (window).Bounds();                                                               \
        EXPECT_TRUE(SameBounds(b_, l, t, w, h))                                                       \
            << #window << " is (" << b_.left << ", " << b_.top << ", " << b_.width << " x " << b_.height \
            << ")";                                                                                   \
    } while (0)

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetExceptionHandler([this](const std::exception& e) { errors_.push_back(e.what()); });
    }
    void TearDown() override { SetExceptionHandler(previous_); }

    std::vector<std::string> errors_;

private:
    TExceptionHandler previous_;
};

TEST_F(FrameworkTest, AlignedChildrenShareTheClientAreaInAlignOrder) {
    TForm form;
    form.SetClientSize(443, 319);
    ASSERT_EQ(443, form.ClientWidth());
    ASSERT_EQ(319, form.ClientHeight());

    // Made in this order on purpose: client first, to show that the kind, not
    // the creation order, decides who is laid out first.
    auto& left = form.Add<TPanel>();
    left.SetAlign(TAlign::Client);
    left.SetBorderWidth(4);
    auto& right = form.Add<TPanel>();
    right.SetWidth(82);
    right.SetAlign(TAlign::Right);
    auto& lookup = left.Add<TPanel>();
    lookup.SetHeight(26);
    lookup.SetAlign(TAlign::Top);
    auto& defs = left.Add<TScrollBox>();
    defs.SetHeight(139);
    defs.SetAlign(TAlign::Top);
    auto& splitter = left.Add<TSplitter>(TAlign::Top);
    splitter.SetHeight(3);
    auto& tabs = left.Add<TPanel>();
    tabs.SetAlign(TAlign::Client);
    auto& bottom = right.Add<TPanel>();
    bottom.SetHeight(57);
    bottom.SetAlign(TAlign::Bottom);

    EXPECT_BOUNDS(right, 361, 0, 82, 319);
    EXPECT_BOUNDS(left, 0, 0, 361, 319);
    EXPECT_BOUNDS(lookup, 4, 4, 353, 26);
    EXPECT_BOUNDS(defs, 4, 30, 353, 139);
    EXPECT_BOUNDS(splitter, 4, 169, 353, 3);
    EXPECT_BOUNDS(tabs, 4, 172, 353, 143);
    EXPECT_BOUNDS(bottom, 0, 262, 82, 57);

    // Resizing the form lays everything out again.
    form.SetClientSize(500, 400);
    EXPECT_BOUNDS(right, 418, 0, 82, 400);
    EXPECT_BOUNDS(tabs, 4, 172, 410, 224);

    // A hidden child gives its room to the others.
    right.SetVisible(false);
    EXPECT_BOUNDS(left, 0, 0, 500, 400);

    // A form is not sized below its minimum client size.
    form.SetMinClientSize(300, 250);
    form.SetBounds(0, 0, 10, 10);
    EXPECT_EQ(300, form.ClientWidth());
    EXPECT_EQ(250, form.ClientHeight());
    form.SetClientSize(500, 400);

    // Dragging the splitter resizes the control above it, within the minimum sizes.
    splitter.SetMinSize(50);
    EXPECT_EQ(&defs, splitter.Target());
    splitter.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 1));
    splitter.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 21));
    EXPECT_EQ(159, defs.Height());
    splitter.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, -1000));
    EXPECT_EQ(50, defs.Height());
    EXPECT_EQ(4 + 26 + 50, splitter.Top());
    EXPECT_EQ(4 + 26 + 50 + 3, tabs.Top());
    // Dragging down stops where the control below would fall under the minimum.
    splitter.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 1));
    splitter.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 1000));
    EXPECT_EQ(50, tabs.Height());
    EXPECT_EQ(400 - 4, tabs.Top() + tabs.Height());
}

TEST_F(FrameworkTest, NotificationsAreReflectedToTheControlsObject) {
    TForm form;
    auto& panel = form.Add<TPanel>();
    auto& button = panel.Add<TButton>("&Search");
    // A click counts only when released over the button, so it needs a size.
    button.SetBounds(0, 0, 57, 21);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.Send(BM_CLICK);
    EXPECT_EQ(1, clicks);
    // The same notification arriving at the parent from outside.
    panel.Send(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button.Handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Handle()));
    EXPECT_EQ(2, clicks);
    // A notification from a window that is not ours is left alone.
    // Tab order follows the z-order: SendToBack moves a control last.
    auto& other = panel.Add<TButton>("&Close");
    EXPECT_EQ(other.Handle(), GetWindow(button.Handle(), GW_HWNDNEXT));
    button.SendToBack();
    EXPECT_EQ(button.Handle(), GetWindow(other.Handle(), GW_HWNDNEXT));
    HWND foreign = CreateWindowExA(0, "BUTTON", "x", WS_CHILD, 0, 0, 1, 1, panel.Handle(), nullptr, nullptr, nullptr);
    panel.Send(WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(foreign));
    EXPECT_EQ(2, clicks);
    DestroyWindow(foreign);

    // Tab selection arrives as WM_NOTIFY.
    auto& tabs = form.Add<TTabControl>();
    int changes = 0;
    tabs.OnChange = [&] { ++changes; };
    NMHDR header = {tabs.Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(tabs.Handle())), static_cast<UINT>(TCN_SELCHANGE)};
    form.Send(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(1, changes);

    // An exception in a handler is reported and does not unwind into the system.
    button.OnClick = [] { throw std::runtime_error("handler failed"); };
    button.Send(BM_CLICK);
    ASSERT_EQ(1u, errors_.size());
    EXPECT_EQ("handler failed", errors_[0]);
}

TEST_F(FrameworkTest, ToggleButtonsOfAGroupAreDownOneAtATime) {
    TForm form;
    auto& noun = form.Add<TToggleButton>("&Nouns");
    auto& verb = form.Add<TToggleButton>("&Verbs");
    auto& loose = form.Add<TToggleButton>("Other");
    for (TToggleButton* b : {&noun, &verb, &loose}) b->SetBounds(0, 0, 73, 21);
    for (TToggleButton* b : {&noun, &verb}) {
        b->SetGroupIndex(1);
        b->SetAllowAllUp(true);
    }
    noun.Send(BM_CLICK);
    EXPECT_TRUE(noun.Down());
    loose.SetDown(true);
    verb.Send(BM_CLICK);
    EXPECT_FALSE(noun.Down());
    EXPECT_TRUE(verb.Down());
    EXPECT_TRUE(loose.Down());
    verb.Send(BM_CLICK);
    EXPECT_FALSE(verb.Down());

    // Without all-up a down button of the group stays down.
    verb.SetAllowAllUp(false);
    verb.Send(BM_CLICK);
    verb.Send(BM_CLICK);
    EXPECT_TRUE(verb.Down());

    // Without auto-toggle the click handler alone decides.
    int clicks = 0;
    noun.SetAutoToggle(false);
    noun.OnClick = [&] { ++clicks; };
    noun.Send(BM_CLICK);
    EXPECT_EQ(1, clicks);
    EXPECT_FALSE(noun.Down());
}

TEST_F(FrameworkTest, PrivateMessagesReachTheirHandlers) {
    TForm form;
    auto& panel = form.Add<TPanel>();
    const UINT search = WM_USER + 16;
    std::vector<std::pair<WPARAM, LPARAM>> received;
    panel.OnMessage(search, [&](WPARAM w, LPARAM l) {
        received.emplace_back(w, l);
        return LRESULT(7);
    });
    EXPECT_EQ(7, panel.Send(search, 1, 2));
    ASSERT_TRUE(panel.Post(search, 0xFFFFFFFF, 0x7FFFFFFF));
    ASSERT_EQ(1u, received.size());  // posted: not yet
    ASSERT_TRUE(PumpUntil([&] { return received.size() == 2; }, 2000));
    EXPECT_EQ(WPARAM(0xFFFFFFFF), received[1].first);
    EXPECT_EQ(LPARAM(0x7FFFFFFF), received[1].second);

    // Unhandled again once the handler is removed.
    panel.OnMessage(search, nullptr);
    EXPECT_EQ(0, panel.Send(search));
    EXPECT_EQ(2u, received.size());
}

TEST_F(FrameworkTest, OneShotTimersRunOnceUnlessStopped) {
    TForm form;
    int fired = 0;
    int stoppedFired = 0;
    form.StartTimer(10, [&] { ++fired; });
    UINT_PTR stopped = form.StartTimer(10, [&] { ++stoppedFired; });
    form.StopTimer(stopped);
    ASSERT_TRUE(PumpUntil([&] { return fired == 1; }, 2000));
    Sleep(50);
    PumpMessages();
    EXPECT_EQ(1, fired);
    EXPECT_EQ(0, stoppedFired);

    // A timer may start the next one from its handler.
    int chain = 0;
    std::function<void()> next = [&] {
        if (++chain < 3) form.StartTimer(1, next);
    };
    form.StartTimer(1, next);
    EXPECT_TRUE(PumpUntil([&] { return chain == 3; }, 2000));
}

TEST_F(FrameworkTest, ClipboardTextRoundTrip) {
    SetClipboardText("");
    EXPECT_EQ("", ClipboardText());
    SetClipboardText("rock 'n' roll");
    EXPECT_EQ("rock 'n' roll", ClipboardText());
    std::string accented = "caf\xE9 na\xEFve";
    SetClipboardText(accented);
    EXPECT_EQ(accented, ClipboardText());
}

TEST_F(FrameworkTest, ModalFormEndsWithItsModalResult) {
    TForm owner;
    owner.Show();
    TForm dialog(owner.Handle());
    auto& ok = dialog.Add<TButton>("OK");
    ok.SetBounds(0, 0, 73, 25);
    ok.SetModalResult(mrOk);
    bool ownerDisabled = false;
    dialog.OnShow = [&] {
        ownerDisabled = !IsWindowEnabled(owner.Handle());
        ok.Post(BM_CLICK);
    };
    EXPECT_EQ(mrOk, dialog.ShowModal());
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(dialog.Visible());

    // Closing the window is a cancel; the form can be shown again.
    dialog.OnShow = [&] { dialog.Post(WM_CLOSE); };
    EXPECT_EQ(mrCancel, dialog.ShowModal());

    // A result set by a handler of a private message.
    dialog.OnMessage(WM_USER + 1, [&](WPARAM, LPARAM) {
        dialog.SetModalResult(7);
        return LRESULT(0);
    });
    dialog.OnShow = [&] { dialog.Post(WM_USER + 1); };
    EXPECT_EQ(7, dialog.ShowModal());
}

TEST_F(FrameworkTest, KeyPreviewLetsTheFormSeeKeysFirst) {
    TForm form;
    auto& list = form.Add<TListBox>();
    std::vector<WORD> formKeys;
    std::vector<WORD> listKeys;
    form.OnKeyDown = [&](TKeyEvent& e) {
        formKeys.push_back(e.key);
        if (e.key == VK_ESCAPE) e.key = 0;
    };
    list.OnKeyDown = [&](TKeyEvent& e) { listKeys.push_back(e.key); };

    list.Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(formKeys.empty());
    form.SetKeyPreview(true);
    list.Send(WM_KEYDOWN, VK_DOWN);
    list.Send(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ((std::vector<WORD>{VK_DOWN, VK_ESCAPE}), formKeys);
    EXPECT_EQ((std::vector<WORD>{VK_DOWN, VK_DOWN}), listKeys);

    char typed = 0;
    list.OnKeyPress = [&](char& key) { typed = key; };
    list.Send(WM_CHAR, 13);
    EXPECT_EQ(13, typed);
}

TEST_F(FrameworkTest, ListsAndCombosReadOutsideTheirItemsAsEmpty) {
    TForm form;
    auto& combo = form.Add<TComboBox>();
    combo.SetWidth(241);
    EXPECT_EQ(241, combo.Width());
    EXPECT_GE(combo.Bounds().height, 1);
    for (const char* word : {"goose", "run", "happy"}) combo.AddItem(word);
    EXPECT_EQ(3, combo.Count());
    EXPECT_EQ("run", combo.Item(1));
    EXPECT_EQ("", combo.Item(3));
    EXPECT_EQ("", combo.Item(-1));
    combo.DeleteItem(2);
    combo.DeleteItem(5);
    EXPECT_EQ(2, combo.Count());
    int changes = 0;
    std::string textAtChange;
    combo.OnChange = [&] {
        ++changes;
        textAtChange = combo.Text();
    };
    combo.Send(CB_SETCURSEL, 0);
    form.Send(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(1, changes);
    EXPECT_EQ("goose", textAtChange);

    auto& list = form.Add<TListBox>(false);
    list.SetBounds(0, 0, 100, 130);
    std::vector<std::string> words;
    for (int i = 0; i < 50; ++i) words.push_back("word" + std::to_string(i));
    list.SetItems(words);
    EXPECT_EQ(words, list.Items());
    EXPECT_EQ(-1, list.ItemIndex());
    list.SetItemIndex(30);
    EXPECT_EQ(30, list.ItemIndex());
    list.SetTopIndex(25);
    EXPECT_EQ(25, list.TopIndex());
    EXPECT_EQ("", list.Item(50));
    list.SetItems({});
    EXPECT_EQ(0, list.Count());
}

TEST_F(FrameworkTest, TabControlLaysOutItsChildUnderTheTabs) {
    TForm form;
    form.SetClientSize(300, 200);
    auto& tabs = form.Add<TTabControl>();
    tabs.SetAlign(TAlign::Client);
    auto& list = tabs.Add<TListBox>(false);
    list.SetAlign(TAlign::Client);
    for (const char* caption : {"Synonyms", "Type of", "Types"}) tabs.AddTab(caption);
    tabs.InsertTab(0, "Nearest");
    EXPECT_EQ(4, tabs.Count());
    EXPECT_EQ("Nearest", tabs.Caption(0));
    EXPECT_EQ("Types", tabs.Caption(3));
    EXPECT_EQ("", tabs.Caption(4));
    tabs.SetTabIndex(2);
    EXPECT_EQ(2, tabs.TabIndex());
    tabs.SetTabIndex(-1);
    EXPECT_EQ(-1, tabs.TabIndex());

    TBounds b = list.Bounds();
    EXPECT_GT(b.top, 10);  // below the row of tabs
    EXPECT_GT(b.width, 250);
    EXPECT_LE(b.top + b.height, 200);

    // More tabs than fit one row take more rows, and the child moves down.
    for (int i = 0; i < 12; ++i) tabs.AddTab("Participle");
    EXPECT_GT(list.Top(), b.top);
    tabs.ClearTabs();
    EXPECT_EQ(0, tabs.Count());
}

TEST_F(FrameworkTest, ScrollBoxScrollsItsChildrenWithinTheRange) {
    TForm form;
    form.SetClientSize(200, 100);
    auto& box = form.Add<TScrollBox>();
    box.SetAlign(TAlign::Client);
    for (int i = 0; i < 10; ++i) box.Add<TLabel>("line").SetBounds(0, i * 30, 100, 20);
    EXPECT_EQ(290, box.ContentHeight());
    TWindow& first = *box.Children()[0];
    TWindow& last = *box.Children()[9];

    box.Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(8, box.ScrollPos());
    EXPECT_EQ(-8, first.Top());
    box.Send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(8 + 100, box.ScrollPos());
    box.ScrollTo(10000);
    EXPECT_EQ(290 - 100, box.ScrollPos());
    EXPECT_EQ(100, last.Top() + last.Height());
    box.ScrollTo(-5);
    EXPECT_EQ(0, box.ScrollPos());
    EXPECT_EQ(270, last.Top());

    // After clearing, new children start at the top again.
    box.ScrollTo(60);
    box.DestroyChildren();
    EXPECT_EQ(0, box.ScrollPos());
    EXPECT_EQ(0, box.ContentHeight());
}

TEST_F(FrameworkTest, LabelsSizeToTheirTextAndFont) {
    TForm form;
    auto& label = form.Add<TLabel>("Noun: goose (geese)");
    label.SetAutoSize(true);
    TBounds plain = label.Bounds();
    EXPECT_GT(plain.width, 50);
    EXPECT_GT(plain.height, 5);
    label.SetBold(true);
    EXPECT_TRUE(label.Font().bold);
    EXPECT_GE(label.Width(), plain.width);
    label.SetCaption("Noun");
    EXPECT_LT(label.Width(), plain.width);
    EXPECT_EQ(plain.height, label.Height());

    label.SetFontColor(RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), label.Font().color);
    EXPECT_TRUE(label.Font().bold);  // a colour change keeps the rest of the font

    // Children inherit the parent's colour until they have their own.
    auto& panel = form.Add<TPanel>();
    panel.SetColor(RGB(1, 2, 3));
    auto& inner = panel.Add<TLabel>("x");
    EXPECT_EQ(RGB(1, 2, 3), inner.Color());
    inner.SetColor(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), inner.Color());
}

HFONT FontOf(const TWindow& window) {
    return reinterpret_cast<HFONT>(window.Send(WM_GETFONT));
}

LOGFONTA FontDescription(HFONT font) {
    LOGFONTA description = {};
    EXPECT_NE(0, GetObjectA(font, sizeof description, &description));
    return description;
}

TEST_F(FrameworkTest, ControlsOfOneFaceShareOneFontThatOutlivesTheFirstOfThem) {
    TForm form;
    auto& panel = form.Add<TPanel>();
    auto& first = panel.Add<TLabel>("first");
    auto& second = form.Add<TLabel>("second");
    auto& heading = form.Add<TLabel>("heading");
    heading.SetBold(true);
    HFONT plain = FontOf(second);
    EXPECT_EQ(FontOf(first), plain);
    EXPECT_NE(FontOf(heading), plain);

    panel.DestroyChildren();
    EXPECT_EQ(FontOf(second), plain);
    EXPECT_EQ(FW_NORMAL, FontDescription(plain).lfWeight);
    EXPECT_EQ(FW_BOLD, FontDescription(FontOf(heading)).lfWeight);

    // Another plain control, and a colour change, leave the bold face alone.
    auto& third = form.Add<TLabel>("third");
    EXPECT_EQ(FontOf(third), plain);
    heading.SetFontColor(RGB(255, 0, 0));
    EXPECT_EQ(FW_BOLD, FontDescription(FontOf(heading)).lfWeight);
    heading.SetBold(false);
    EXPECT_EQ(FontOf(heading), plain);
}

TEST_F(FrameworkTest, MemoWrapsAndSelects) {
    TForm form;
    auto& memo = form.Add<TMemo>();
    memo.SetBounds(0, 0, 80, 100);
    memo.SetText("a definition long enough to wrap over several lines of this narrow edit");
    EXPECT_GT(memo.LineCount(), 2);
    memo.SetSelection(2, 10);
    EXPECT_EQ(2, memo.SelStart());
    EXPECT_EQ(10, memo.SelLength());
    EXPECT_EQ("definition", memo.SelText());
    EXPECT_EQ(0, memo.LineFromChar(0));
    int lastLine = memo.LineCount() - 1;
    EXPECT_GT(memo.LineIndex(lastLine), 0);
    memo.SetSelection(memo.LineIndex(lastLine), 0);
    EXPECT_EQ(lastLine, memo.LineFromChar());
    memo.SelectAll();
    EXPECT_EQ(memo.Text(), memo.SelText());
}

TEST_F(FrameworkTest, MeasuredWrapMatchesTheMemosOwnLines) {
    TForm form;
    auto& memo = form.Add<TMemo>(false, TBounds{0, 0, 90, 200});
    const TTextMeasure measure(memo.Font());
    const int lineHeight = measure.Line("x").height;
    EXPECT_EQ(lineHeight, measure.WrappedHeight("", memo.TextWidth()));
    EXPECT_LT(memo.TextWidth(), 90);
    for (const char* text : {"short", "a definition long enough to wrap over several lines of this narrow edit",
                             "words and more words, some of them rather longer than others; \"quoted\" too"}) {
        memo.SetText(text);
        EXPECT_EQ(memo.LineCount() * lineHeight, measure.WrappedHeight(text, memo.TextWidth())) << text;
    }
}

TEST_F(FrameworkTest, WaitCursorRestoresItselfAlsoOnFailure) {
    EXPECT_FALSE(TWaitCursor::Active());
    try {
        TWaitCursor outer;
        {
            TWaitCursor inner;
            EXPECT_TRUE(TWaitCursor::Active());
        }
        EXPECT_TRUE(TWaitCursor::Active());
        throw std::runtime_error("lookup failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(TWaitCursor::Active());
}

TEST_F(FrameworkTest, DestroyingAParentFreesItsChildren) {
    auto form = std::make_unique<TForm>();
    auto& panel = form->Add<TPanel>();
    HWND panelHandle = panel.Handle();
    HWND labelHandle = panel.Add<TLabel>("x").Handle();
    EXPECT_EQ(&panel, TWindow::FromHandle(panelHandle));
    panel.DestroyChildren();
    EXPECT_FALSE(IsWindow(labelHandle));
    EXPECT_TRUE(panel.Children().empty());
    form.reset();
    EXPECT_FALSE(IsWindow(panelHandle));
    EXPECT_EQ(nullptr, TWindow::FromHandle(panelHandle));
}

}  // namespace
