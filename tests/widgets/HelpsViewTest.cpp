// The help view: a tag picks the page from the help folder of the
// application's resources, and closing its popup reaches the screen that
// showed it, which dismisses the popup.
#include <gtest/gtest.h>

#include "tests/support/screen/AppFixture.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOBaseViewController.h"
#include "widgets/TAVOHelpsView.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::test {
namespace {

using Popups = UIViewControllerPUPopupViewController;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class HelpScreen : public TAVOBaseViewController, public TAVOHelpsViewDelegate {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    void showHelp(long tag) {
        help = TAVOHelpsView::helpViewWithTag(tag);
        help->setDelegate(self<HelpScreen>());
        popup = TAVOPopupViewController::popupViewControllerWithChildView(help);
        popup->view();
        popup->setParentView(view());
        Popups::presentPopupViewController(self<HelpScreen>(), popup, 0);
    }
    void dismissHelpsView(TAVOHelpsView& /*view*/) override {
        ++dismissals;
        Popups::dismissPopupViewControllerWithanimationType(self<HelpScreen>(), 0);
    }
    TAVOHelpsViewPtr help;
    TAVOPopupViewControllerPtr popup;
    int dismissals = 0;
};

TEST(HelpsView, ATagLoadsItsPageFromTheHelpFolderOverALightGrey) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto help = TAVOHelpsView::helpViewWithTag(1004);
    ASSERT_TRUE(help && help->webView());
    ASSERT_EQ(help->webView()->loadLog().size(), 1u);
    EXPECT_TRUE(endsWith(help->webView()->loadLog().front(), "/helpsHTML/en/dns_hijack.html"))
        << help->webView()->loadLog().front();
    EXPECT_EQ(help->webView()->backgroundColor(), ui::OptionalColor(ui::Color::rgb255(248, 248, 248)));

    for (long tag : {0L, 1000L, 1010L}) {
        auto none = TAVOHelpsView::helpViewWithTag(tag);
        ASSERT_TRUE(none);
        EXPECT_TRUE(none->webView()->loadLog().empty()) << tag;
    }
}

TEST(HelpsView, ClosingThePopupAsksTheScreenOnceAndThePopupLeaves) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto screen = ui::ViewController::make<HelpScreen>();
    app.push(screen);
    app.screen().wait(1.0);
    screen->showHelp(1004);
    app.screen().wait(1.0);
    ASSERT_TRUE(screen->popup->view()->superview());
    EXPECT_EQ(screen->help->superview(), screen->popup->topView());

    ASSERT_TRUE(app.screen().tap(screen->popup->closeButton()));
    app.screen().wait(TAVOPopupViewController::kCloseDuration + 0.01);
    EXPECT_EQ(screen->dismissals, 1);
    app.screen().wait(Popups::kAnimationDuration + 0.01);
    EXPECT_FALSE(screen->popup->view()->superview());
    EXPECT_EQ(screen->dismissals, 1);
}

}  // namespace
}  // namespace keelbox::test
