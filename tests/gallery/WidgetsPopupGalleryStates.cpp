// The popup container over a blurred screen, the help view in it, and the
// sliding tabs on each of their pages.
#include <gtest/gtest.h>

#include <string>

#include "platform/render/LayerRenderer.h"
#include "platform/ui/Label.h"
#include "tests/gallery/GalleryRegistry.h"
#include "tests/support/Harness.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOHelpsView.h"
#include "widgets/TAVOPopupViewController.h"
#include "widgets/TAVOSlidingTabsViewController.h"
#include "widgets/UIViewControllerSlidingTabItem.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using Popups = UIViewControllerPUPopupViewController;

// A screen with something to blur: a title and a few lines of text.
class BusyScreen : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    void viewDidLoad() override {
        TAVOBaseViewController::viewDidLoad();
        navBar()->setTitle("Safety");
        for (int i = 0; i < 8; ++i) {
            auto line = ui::Label::create(cg::RectMake(20, 90 + 52 * i, 280, 40));
            line->setText("Protection " + std::to_string(i + 1));
            line->setBackgroundColor(i % 2 ? ui::Color::rgb255(26, 202, 69) : ui::Color::rgb255(60, 120, 220));
            line->setTextColor(ui::Color::whiteColor());
            view()->addSubview(line);
        }
    }
};

std::shared_ptr<BusyScreen> pushBusyScreen(AppFixture& app) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::make<BusyScreen>();
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

// Shows the popup, then draws once so that the blur is computed and in
// place before the picture.
void showPopup(AppFixture& app, const std::shared_ptr<BusyScreen>& screen, const ui::ViewPtr& content) {
    auto popup = TAVOPopupViewController::popupViewControllerWithChildView(content);
    popup->view();
    popup->setParentView(screen->view());
    Popups::presentPopupViewController(screen, popup, 0);
    app.screen().wait(1.0);
    cg::LayerRenderer::renderWindowStack();
    auto blur = popup->blurView();
    test::runMainLoopUntil([&] { return blur->blur() && blur->blur() != blur->snapshot(); }, 10.0);
}

ui::ViewControllerPtr tabPage(const std::string& title, const std::string& text) {
    auto page = ui::ViewController::create();
    page->view()->setBackgroundColor(ui::Color::whiteColor());
    auto label = ui::Label::create(cg::RectMake(20, 20, 280, 30));
    label->setText(text);
    page->view()->addSubview(label);
    UIViewControllerSlidingTabItem::setTabItem(page, TAVOSlidingTabItem::create(title));
    return page;
}

void slidingTabs(AppFixture& app, int selected) {
    EXPECT_TRUE(app.launch());
    auto screen = TAVOSlidingTabsViewController::create();
    app.push(screen);
    app.screen().wait(0.5);
    screen->navBar()->setTitle("USB storage");
    screen->setViewControllers({tabPage("Shared", "Shared files"), tabPage("Downloads", "Downloaded files")});
    screen->setSelectedIndex(selected);
    app.screen().wait(1.0);
}

}  // namespace

void registerWidgetsPopupGalleryStates() {
    GalleryRegistry::add("widgets_popup_over_blur", [](AppFixture& app) {
        auto screen = pushBusyScreen(app);
        auto content = ui::Label::create(cg::RectMake(0, 0, 290, 60));
        content->setText("Popup content");
        content->setTextAlignment(ui::TextAlignment::Center);
        showPopup(app, screen, content);
    });
    GalleryRegistry::add("widgets_popup_help_view", [](AppFixture& app) {
        auto screen = pushBusyScreen(app);
        showPopup(app, screen, TAVOHelpsView::helpViewWithTag(1004));
    });
    GalleryRegistry::add("widgets_popup_sliding_tabs_first", [](AppFixture& app) { slidingTabs(app, 0); });
    GalleryRegistry::add("widgets_popup_sliding_tabs_second", [](AppFixture& app) { slidingTabs(app, 1); });
}

}  // namespace keelbox::gallery
