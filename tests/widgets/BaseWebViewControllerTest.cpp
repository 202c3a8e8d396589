// The web page screen: its bar and spinner, leaving without a connection,
// and the back, forward and refresh actions over the web view's history.
#include <gtest/gtest.h>

#include "platform/foundation/Error.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "widgets/BaseWebViewController.h"

namespace keelbox::test {
namespace {

constexpr const char* kHome = "http://www.keelbox.example/help";
constexpr const char* kPage2 = "http://www.keelbox.example/help/faq";
constexpr const char* kPage3 = "http://www.keelbox.example/help/faq/wifi";

// A screen as subclasses make it: its own bar, and leaving counted.
class HelpPageScreen : public BaseWebViewController {
public:
    using BaseWebViewController::BaseWebViewController;
    ui::ViewPtr createNavBar() override {
        return ui::NavigationBar::create(cg::RectMake(0, 20, 320, 44));
    }
    void viewControllerExit() override { ++exits; }
    bool shouldStartLoadWithRequest(ui::WebView& web, const std::string& url,
                                    ui::WebViewNavigationType type) override {
        starts.push_back(type);
        return BaseWebViewController::shouldStartLoadWithRequest(web, url, type);
    }
    int exits = 0;
    std::vector<ui::WebViewNavigationType> starts;
};

class WebPageScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        sc::NetworkInfo::setSource(network);
        network->setWiFi(sc::WiFiNetwork{"Keelbox-5G", "aa:bb:cc:dd:ee:ff"});
        page = ui::ViewController::make<HelpPageScreen>();
        page->setUrl(kHome);
        page->setViewControllerTitle("Help");
        page->setNextButton(ui::Button::create(cg::RectMake(0, 0, 44, 44)));
    }
    void TearDown() override { sc::NetworkInfo::setSource(nullptr); }

    void showPage() {
        navigation = ui::NavigationController::create(page);
        window = ui::Window::create(ui::Screen::mainScreen()->bounds());
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        drainMainLoop();
    }

    std::shared_ptr<sc::InjectableNetworkInfoSource> network = std::make_shared<sc::InjectableNetworkInfoSource>();
    std::shared_ptr<HelpPageScreen> page;
    std::shared_ptr<ui::NavigationController> navigation;
    ui::WindowPtr window;
};

TEST_F(WebPageScreenTest, TheScreensOwnBarReplacesTheNavigationBarAndCarriesTheSpinner) {
    showPage();
    EXPECT_TRUE(navigation->isNavigationBarHidden());
    auto bar = std::dynamic_pointer_cast<ui::NavigationBar>(page->navBar());
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->superview(), page->view());
    EXPECT_EQ(bar->topItem()->title, "Help");
    const cg::Rect bounds = page->view()->bounds();
    EXPECT_EQ(page->vWeb()->frame(), cg::RectMake(0, 64, bounds.size.width, bounds.size.height - 44));
    EXPECT_TRUE(page->vWeb()->scalesPageToFit);
    EXPECT_EQ(page->activityIndicator()->superview(), bar);
    EXPECT_EQ(page->activityIndicator()->frame(), cg::RectMake(290, 7, 30, 30));

    EXPECT_EQ(page->vWeb()->loadLog(), (std::vector<std::string>{kHome}));
    EXPECT_FALSE(page->activityIndicator()->isAnimating()) << "the page has loaded";
    EXPECT_TRUE(page->activityIndicator()->isHidden());
    page->webViewDidStartLoad(*page->vWeb());
    EXPECT_TRUE(page->activityIndicator()->isAnimating());
    EXPECT_FALSE(page->activityIndicator()->isHidden());
    EXPECT_TRUE(page->shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation::Portrait));
    EXPECT_FALSE(page->shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation::LandscapeLeft));
}

TEST_F(WebPageScreenTest, WithoutAConnectionNothingLoadsAndTheScreenLeavesTwoSecondsAfterAppearing) {
    network->setWiFi(std::nullopt);
    showPage();
    advance(1.9);
    EXPECT_EQ(page->exits, 0);
    advance(0.2);
    EXPECT_EQ(page->exits, 1);
    advance(5);
    EXPECT_EQ(page->exits, 1);
    EXPECT_TRUE(page->vWeb()->loadLog().empty());

    // A screen gone before its time leaves nothing behind to fire.
    std::weak_ptr<HelpPageScreen> gone;
    {
        auto other = ui::ViewController::make<HelpPageScreen>();
        gone = other;
        window->setRootViewController(other);
        drainMainLoop();
        navigation.reset();
        page.reset();
        window->setRootViewController(nullptr);
    }
    advance(3);
    EXPECT_TRUE(gone.expired());
}

TEST_F(WebPageScreenTest, BackForwardAndRefreshFollowTheHistoryAndTheLastFailure) {
    showPage();
    drainMainLoop();
    auto web = page->vWeb();
    web->tapLink(kPage2);
    drainMainLoop();
    EXPECT_EQ(page->url(), kPage2) << "the address follows the page";

    // Back on the first page: the screen leaves.
    page->onNavigateBack();
    drainMainLoop();
    EXPECT_EQ(web->currentURL(), kHome);
    EXPECT_EQ(page->exits, 0);
    EXPECT_TRUE(page->nextButton()->isEnabled());
    page->onNavigateBack();
    EXPECT_EQ(page->exits, 1);

    page->onForward();
    drainMainLoop();
    EXPECT_EQ(web->currentURL(), kPage2);
    EXPECT_FALSE(page->nextButton()->isEnabled()) << "nothing further ahead once loaded";
    page->nextButton()->setEnabled(true);
    page->onForward();
    EXPECT_FALSE(page->nextButton()->isEnabled()) << "no forward history";

    // A page that fails: refresh asks for its address afresh.
    web->setLoadOutcome([](const std::string& url) -> ns::ErrorPtr {
        return url == kPage3 ? ns::Error::create("NSURLErrorDomain", -1009) : nullptr;
    });
    web->tapLink(kPage3);
    drainMainLoop();
    EXPECT_TRUE(page->isErrorWeb());
    EXPECT_FALSE(page->activityIndicator()->isAnimating());
    page->starts.clear();
    page->onRefresh();
    EXPECT_EQ(page->starts, (std::vector<ui::WebViewNavigationType>{ui::WebViewNavigationType::Other}));
    EXPECT_FALSE(page->isErrorWeb()) << "cleared as the new load starts";
    EXPECT_EQ(web->loadLog().back(), kPage3);
    drainMainLoop();

    // A page that loaded is reloaded.
    web->setLoadOutcome(nullptr);
    page->onNavigateBack();
    drainMainLoop();
    page->starts.clear();
    page->onRefresh();
    EXPECT_EQ(page->starts, (std::vector<ui::WebViewNavigationType>{ui::WebViewNavigationType::Reload}));
}

}  // namespace
}  // namespace keelbox::test
