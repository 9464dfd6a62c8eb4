#include <gtest/gtest.h>

#include "Clipboard.h"
#include "Cursors.h"
#include "Form.h"
#include "TestHelpers.h"
#include "UrlLabel.h"
#include "WebLinks.h"
#include "WebOpen.h"

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!BrowserStubInstalled()) GTEST_SKIP() << "the stub browser of scripts/with-wine is not installed";
        ClearBrowserLog();
    }
};

void ClickLabel(TWindow& label) {
    label.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    label.Send(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

TEST(UrlLabel, LooksLikeALinkAndTurnsPurpleWhilePressed) {
    TForm form;
    auto& link = form.Add<TUrlLabel>("http://www.example.com/");
    link.SetBounds(0, 0, 150, 16);
    EXPECT_EQ(TUrlLabel::kLinkColor, link.Font().color);
    EXPECT_TRUE(link.Font().underline);
    EXPECT_EQ(TUrlLabel::kPressedColor, link.ActiveColor());
    // The hand cursor is our own resource, registered as cursor 5.
    HCURSOR hand = AppCursor(TUrlLabel::kHandCursor);
    ASSERT_NE(nullptr, hand);
    EXPECT_EQ(LoadCursorA(GetModuleHandleA(nullptr), "HAND"), hand);

    link.OnClick = [] {};
    link.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(TUrlLabel::kPressedColor, link.Font().color);
    link.Send(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(TUrlLabel::kLinkColor, link.Font().color);

    // Another button leaves the colour alone; the active colour can be changed.
    // (The right button would open the label's menu.)
    link.Send(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(TUrlLabel::kLinkColor, link.Font().color);
    link.Send(WM_MBUTTONUP, 0, MAKELPARAM(2, 2));
    link.SetActiveColor(RGB(0, 128, 0));
    link.SetFontColor(RGB(1, 1, 1));
    link.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(RGB(0, 128, 0), link.Font().color);
    link.Send(WM_LBUTTONUP, 0, MAKELPARAM(500, 500));  // released off the label
    EXPECT_EQ(RGB(1, 1, 1), link.Font().color);
}

TEST(UrlLabel, TargetIsTheUrlUnlessBlank) {
    TForm form;
    auto& link = form.Add<TUrlLabel>("www.example.com");
    EXPECT_EQ("www.example.com", link.Target());
    link.SetURL("   ");
    EXPECT_EQ("www.example.com", link.Target());
    link.SetURL(" http://example.org/x ");
    EXPECT_EQ("http://example.org/x", link.Target());
    link.SetURL("");
    link.SetCaption("  ");
    EXPECT_EQ("", link.Target());
}

TEST(UrlLabel, CopyMenuPutsTheCaptionOnTheClipboard) {
    TForm form;
    form.Show();
    auto& link = form.Add<TUrlLabel>("Look on the web");
    link.SetBounds(0, 0, 150, 16);
    SetClipboardText("");
    // The menu's own loop takes these keys: first item, then Enter.
    link.Post(WM_KEYDOWN, VK_DOWN);
    link.Post(WM_KEYDOWN, VK_RETURN);
    POINT at = {2, 2};
    ClientToScreen(link.Handle(), &at);
    link.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(link.Handle()), MAKELPARAM(at.x, at.y));
    EXPECT_EQ("Look on the web", ClipboardText());
}

TEST_F(ShellTest, LabelClickHandlerTakesPrecedenceOverOpening) {
    TForm form;
    auto& suggestion = form.Add<TUrlLabel>("http://www.example.com/suggestion");
    suggestion.SetBounds(0, 0, 200, 16);
    int clicks = 0;
    suggestion.OnClick = [&] { ++clicks; };
    ClickLabel(suggestion);
    EXPECT_EQ(1, clicks);

    // A blank URL: the caption is opened. If the handler above had opened
    // its caption, it would show up in the log before this one.
    auto& link = form.Add<TUrlLabel>("http://www.example.com/caption");
    link.SetBounds(0, 20, 200, 16);
    link.SetURL("   ");
    ClickLabel(link);
    EXPECT_EQ("http://www.example.com/caption\n", WaitForBrowserLog());
}

TEST_F(ShellTest, OpenWebAddressMarksBareHosts) {
    OpenWebAddress("www.example.com");
    EXPECT_EQ("http://www.example.com/?LV\n", WaitForBrowserLog());
    ClearBrowserLog();
    OpenWebAddress("http://www.example.com/2/lookupfree.pl?" + EncodeQuery("rock 'n' roll"));
    EXPECT_EQ("http://www.example.com/2/lookupfree.pl?rock%20'n'%20roll\n", WaitForBrowserLog());
    // The tray's web search hands the word over as typed (WebAddressToOpen's
    // native tests check that); Wine's browser launcher then encodes the space.
    ClearBrowserLog();
    OpenWebAddress("http://www.example.com/2/wdfree.pl?ice cream");
    EXPECT_EQ("http://www.example.com/2/wdfree.pl?ice%20cream\n", WaitForBrowserLog());
}

}  // namespace
