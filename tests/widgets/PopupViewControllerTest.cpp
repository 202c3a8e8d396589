// The popup container on the running application: it shows its content
// over a blurred capture of the screen below, tells the content once its
// close movement has ended, and never lets a late blur paint over a reset
// or a newer capture.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/ci/GaussianBlurFilter.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOBaseViewController.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::test {
namespace {

using Popups = UIViewControllerPUPopupViewController;

class PlainScreen : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
};

// Content that dismisses its popup when told the close movement ended.
class ClosingContent : public ui::View, public TAVOPopupViewControllerDelegate {
public:
    using ui::View::View;
    void userDidClickClose(TAVOPopupViewController& /*popup*/) override {
        ++closes;
        if (auto screen = presenter.lock()) Popups::dismissPopupViewControllerWithanimationType(screen, 0);
    }
    int closes = 0;
    std::weak_ptr<ui::ViewController> presenter;
};

class PopupTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        screen = ui::ViewController::make<PlainScreen>();
        app.push(screen);
        app.screen().wait(1.0);
        content = ui::View::make<ClosingContent>(cg::RectMake(0, 0, 290, 200));
        content->presenter = screen;
        popup = TAVOPopupViewController::popupViewControllerWithChildView(content);
        popup->view();
        popup->setParentView(screen->view());
        Popups::presentPopupViewController(screen, popup, 0);
        app.screen().wait(1.0);
    }
    // Drawing the screen is what captures the parent.
    void draw() { cg::LayerRenderer::renderWindowStack(); }
    bool blurArrives() {
        auto view = popup->blurView();
        return runMainLoopUntil([&] { return view->blur() && view->blur() != view->snapshot(); }, 10.0);
    }

    AppFixture app;
    std::shared_ptr<PlainScreen> screen;
    std::shared_ptr<ClosingContent> content;
    TAVOPopupViewControllerPtr popup;
};

TEST_F(PopupTest, ShowsTheContentOverASharpCaptureThenItsBlurAtAThirdOfTheScale) {
    auto blurView = popup->blurView();
    ASSERT_TRUE(blurView);
    EXPECT_EQ(popup->view()->subviews().front(), blurView);
    EXPECT_EQ(content->superview(), popup->topView());
    EXPECT_EQ(popup->topView()->layer()->cornerRadius(), 4);

    blurView->setNeedsDisplay();  // whatever the screen drew before
    draw();
    ASSERT_TRUE(blurView->snapshot());
    EXPECT_EQ(blurView->blur(), blurView->snapshot());  // sharp until the worker is done
    const double scale = ui::Screen::mainScreen()->scale() / 3;
    EXPECT_DOUBLE_EQ(blurView->snapshot()->scale(), scale);
    const auto& capture = blurView->snapshot()->CGImage();
    // The whole pixels the screen covers (a third of 2 does not divide 320
    // or 568): no part-covered edge that would show through when stretched.
    EXPECT_EQ(capture->width(), static_cast<std::size_t>(std::floor(320 * scale)));
    EXPECT_EQ(capture->height(), static_cast<std::size_t>(std::floor(568 * scale)));
    EXPECT_EQ(capture->pixel(capture->width() - 1, capture->height() - 1).a, 1.0);

    ASSERT_TRUE(blurArrives());
    // The blur spreads s pixels each side; 1.5 s are cut away each side,
    // the crop made whole pixels outwards.
    const auto spread = static_cast<std::size_t>(ci::GaussianBlurFilter::spreadForRadius(1.0));
    const auto cut = static_cast<std::size_t>(std::floor(1.5 * static_cast<double>(spread)));
    EXPECT_EQ(blurView->blur()->CGImage()->width(), capture->width() + 2 * spread - 2 * cut);
    EXPECT_EQ(blurView->blur()->CGImage()->height(), capture->height() + 2 * spread - 2 * cut);

    // Further draws show what is there without capturing again.
    auto blurred = blurView->blur();
    draw();
    EXPECT_EQ(blurView->blur(), blurred);
}

TEST_F(PopupTest, BlurringSoftensAnEdge) {
    cg::beginImageContext(cg::SizeMake(30, 30), true, 1);
    auto context = cg::currentContext();
    context->setRGBFillColor(0, 0, 0, 1);
    context->fillRect(cg::RectMake(0, 0, 30, 30));
    context->setRGBFillColor(1, 1, 1, 1);
    context->fillRect(cg::RectMake(15, 0, 15, 30));
    auto sharp = cg::imageFromCurrentImageContext();
    cg::endImageContext();

    auto blurred = TAVOBlurView::blurredImage(ui::Image::imageWithCGImage(sharp), ci::Context::contextWithOptions());
    ASSERT_TRUE(blurred);
    const auto& pixels = blurred->CGImage();
    ASSERT_EQ(pixels->width(), 28u);
    // The crop starts at column 1 of the capture, so the edge between its
    // columns 14 and 15 lies between columns 13 and 14 here: both go grey.
    const double left = pixels->pixel(13, 13).r;
    const double right = pixels->pixel(14, 13).r;
    EXPECT_GT(left, 0.05);
    EXPECT_LT(right, 0.95);
    EXPECT_LT(pixels->pixel(2, 13).r, 0.01);
    EXPECT_GT(pixels->pixel(24, 13).r, 0.99);
}

TEST_F(PopupTest, ALateBlurNeverPaintsOverAResetOrANewerCapture) {
    auto blurView = popup->blurView();
    blurView->setNeedsDisplay();
    draw();
    ASSERT_TRUE(blurView->snapshot());
    blurView->setNeedsDisplay();  // reset before the worker is back
    EXPECT_FALSE(blurView->snapshot());
    EXPECT_FALSE(runMainLoopUntil([&] { return blurView->blur() != nullptr; }, 1.0));

    // A first capture of a red screen, then at once a second of a blue one:
    // only the blue blur may stay, whichever worker finishes last.
    screen->view()->setBackgroundColor(ui::Color::rgb255(255, 0, 0));
    draw();
    blurView->setNeedsDisplay();
    screen->view()->setBackgroundColor(ui::Color::rgb255(0, 0, 255));
    draw();
    ASSERT_TRUE(blurArrives());
    runMainLoopUntil([] { return false; }, 0.5);  // let the stale one come back too
    const auto& pixels = blurView->blur()->CGImage();
    const auto middle = pixels->pixel(pixels->width() / 2, pixels->height() / 2);
    EXPECT_GT(middle.b, 0.9);
    EXPECT_LT(middle.r, 0.1);
}

TEST_F(PopupTest, CloseTellsTheContentOnceAfterItsMovementAndTheContentDismisses) {
    ASSERT_TRUE(app.screen().tap(popup->closeButton()));
    EXPECT_EQ(popup->topView()->layer()->animationForKey(TAVOPopupViewController::kFallAnimationKey) != nullptr, true);
    app.screen().wait(0.2);
    EXPECT_EQ(content->closes, 0);
    app.screen().wait(0.1);
    EXPECT_EQ(content->closes, 1);
    app.screen().wait(Popups::kAnimationDuration + 0.1);
    EXPECT_FALSE(popup->view()->superview());
    EXPECT_EQ(content->closes, 1);
}

TEST(PopupWithoutContent, PlaysNoEntryAndLeavesTheStatusBar) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto screen = ui::ViewController::make<PlainScreen>();
    app.push(screen);
    auto popup = TAVOPopupViewController::create();
    Popups::presentPopupViewController(screen, popup, 0);
    EXPECT_FALSE(popup->topView()->layer()->animationForKey(TAVOPopupViewController::kFallAnimationKey));
    auto application = ui::Application::sharedApplication();
    application->setStatusBarHidden(false);
    popup->viewWillAppear(false);
    EXPECT_FALSE(application->isStatusBarHidden());
    EXPECT_FALSE(popup->topView()->layer()->animationForKey(TAVOPopupViewController::kFallAnimationKey));
}

}  // namespace
}  // namespace keelbox::test
