// The progress HUD's life: fading and zooming in and out on the clock, the
// grace and minimum-show times, tracked work on other threads, and that
// every show ends exactly once however often it is hidden.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/Thread.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/PGProgressHUD.h"
#include "uikit/PGProgressReceiver.h"

namespace keelbox::test {
namespace {

class RecordingDelegate : public PGProgressHUDDelegate {
public:
    void hudWasHidden(PGProgressHUD&) override {
        ++hidden;
        onMainThread = ns::Thread::isMainThread();
    }
    std::atomic<int> hidden{0};
    std::atomic<bool> onMainThread{false};
};

class ProgressHUD : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
        host = ui::View::create(window->bounds());
        window->addSubview(host);
    }
    PGProgressHUDPtr addHUD() {
        auto hud = PGProgressHUD::createWithView(host);
        host->addSubview(hud);
        hud->delegate = delegate;
        hud->setCompletionBlock([this] { ++completions; });
        return hud;
    }

    ui::WindowPtr window;
    ui::ViewPtr host;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
    int completions = 0;
};

std::shared_ptr<ca::BasicAnimation> animationOf(const ui::ViewPtr& view, const std::string& key) {
    return std::dynamic_pointer_cast<ca::BasicAnimation>(view->layer()->animationForKey(key));
}

cg::AffineTransform transformValue(const ca::AnimationValue& value) {
    return ca::Transform3DGetAffineTransform(std::get<ca::Transform3D>(value));
}

TEST_F(ProgressHUD, ShowsAndHidesOverAThirdOfASecondInEachAnimationType) {
    struct Case {
        int type;
        double showFromScale;  // 0: no zoom
        double hideToScale;
    };
    for (const Case& c : {Case{PGProgressHUDAnimationFade, 0, 0}, Case{PGProgressHUDAnimationZoomOut, 1.5, 0.5},
                          Case{PGProgressHUDAnimationZoomIn, 0.5, 1.5}}) {
        SCOPED_TRACE(c.type);
        delegate->hidden = 0;
        auto hud = addHUD();
        hud->setAnimationType(c.type);
        hud->show(true);

        auto fade = animationOf(hud, "opacity");
        ASSERT_TRUE(fade);
        EXPECT_DOUBLE_EQ(fade->duration, PGProgressHUD::kAnimationDuration);
        EXPECT_EQ(std::get<double>(fade->fromValue), 0.0);
        EXPECT_EQ(hud->alpha(), 1.0);
        auto zoom = animationOf(hud, "transform");
        if (c.showFromScale > 0) {
            ASSERT_TRUE(zoom);
            EXPECT_EQ(transformValue(zoom->fromValue), cg::AffineTransformMakeScale(c.showFromScale, c.showFromScale));
            EXPECT_EQ(hud->transform(), cg::AffineTransformIdentity);
        } else {
            EXPECT_FALSE(zoom);
        }
        advance(0.3);
        EXPECT_TRUE(hud->layer()->animationKeys().empty()) << "the fade in is over after 0.3 s";

        hud->hide(true);
        EXPECT_DOUBLE_EQ(hud->alpha(), 0.02) << "hiding fades to nearly nothing";
        if (c.hideToScale > 0) {
            EXPECT_EQ(hud->transform(), cg::AffineTransformMakeScale(c.hideToScale, c.hideToScale));
        }
        advance(0.29);
        EXPECT_EQ(delegate->hidden, 0);
        advance(0.01);
        EXPECT_EQ(delegate->hidden, 1);
        EXPECT_EQ(hud->alpha(), 0.0);
        EXPECT_TRUE(hud->isFinished());
    }
}

TEST_F(ProgressHUD, AShowShorterThanTheGraceTimeNeverShows) {
    // A plain show: the grace time only lets work still running through.
    auto plain = addHUD();
    plain->setGraceTime(0.5f);
    plain->show(true);
    advance(1.0);
    EXPECT_EQ(plain->alpha(), 0.0);
    plain->hide(true);
    EXPECT_EQ(delegate->hidden, 1) << "a HUD never shown finishes at once";

    // Tracked work done before the grace time ends.
    auto tracked = addHUD();
    tracked->setGraceTime(0.5f);
    tracked->showAnimatedWhileExecutingBlock(true, [] {});
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->hidden == 2; }));
    EXPECT_EQ(tracked->alpha(), 0.0);
    advance(1.0);
    EXPECT_EQ(tracked->alpha(), 0.0) << "the grace timer ended with the work";
    EXPECT_EQ(delegate->hidden, 2);

    // Work still running when the grace time ends shows the HUD.
    std::promise<void> release;
    auto released = release.get_future().share();
    auto slow = addHUD();
    slow->setGraceTime(0.5f);
    slow->showAnimatedWhileExecutingBlock(false, [released] { released.wait(); });
    advance(0.49);
    EXPECT_EQ(slow->alpha(), 0.0);
    advance(0.01);
    EXPECT_EQ(slow->alpha(), 1.0);
    release.set_value();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->hidden == 3; }));
    EXPECT_EQ(slow->alpha(), 0.0);
}

TEST_F(ProgressHUD, StaysUpForTheMinimumShowTime) {
    auto hud = addHUD();
    hud->setMinShowTime(1.0f);
    hud->show(false);
    advance(0.2);
    hud->hide(false);
    EXPECT_EQ(hud->alpha(), 1.0);
    advance(0.79);
    EXPECT_EQ(hud->alpha(), 1.0);
    EXPECT_EQ(delegate->hidden, 0);
    advance(0.01);
    EXPECT_EQ(hud->alpha(), 0.0);
    EXPECT_EQ(delegate->hidden, 1);
}

TEST_F(ProgressHUD, TrackedWorkRunsElsewhereAndHidesOnTheMainLoopOnce) {
    struct Case {
        std::string name;
        std::function<void(PGProgressHUD&, std::function<void()> work)> start;
    };
    const std::vector<Case> cases = {
        {"block on the global queue",
         [this](PGProgressHUD& hud, std::function<void()> work) {
             hud.showAnimatedWhileExecutingBlockCompletionBlock(true, std::move(work), [this] { ++completions; });
         }},
        {"method on a thread",
         [](PGProgressHUD& hud, std::function<void()> work) {
             auto target = std::make_shared<ns::Object>();
             hud.showWhileExecuting([work](const ns::Value&) { work(); }, target, ns::Value(7), true);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        delegate->hidden = 0;
        completions = 0;
        auto hud = addHUD();
        std::atomic<bool> ranElsewhere{false};
        c.start(*hud, [&] { ranElsewhere = !ns::Thread::isMainThread(); });
        EXPECT_TRUE(hud->taskInProgress());
        ASSERT_TRUE(runMainLoopUntil([&] { return !hud->taskInProgress(); }));
        EXPECT_TRUE(ranElsewhere);
        advance(0.3);  // the animated hide
        EXPECT_EQ(delegate->hidden, 1);
        EXPECT_TRUE(delegate->onMainThread);
        EXPECT_EQ(completions, 1);
        advance(1.0);
        EXPECT_EQ(delegate->hidden, 1);
        EXPECT_EQ(completions, 1);
    }
}

TEST_F(ProgressHUD, EveryShowEndsExactlyOnceAndTimersReplaceTheirSchedule) {
    struct Case {
        std::string name;
        std::function<void(PGProgressHUD&)> steps;
        int hidden;  // delegate calls (and completions) at the end
    };
    const std::vector<Case> cases = {
        {"hidden twice while hiding",
         [](PGProgressHUD& hud) {
             hud.show(true);
             hud.hide(true);
             hud.hide(true);
             advance(0.3);
             hud.hide(false);
         },
         1},
        {"hidden twice while the minimum show time holds it",
         [](PGProgressHUD& hud) {
             hud.setMinShowTime(1.0f);
             hud.show(false);
             advance(0.2);
             hud.hide(false);
             advance(0.3);
             hud.hide(false);
             advance(0.49);
             EXPECT_EQ(hud.alpha(), 1.0) << "the second hide keeps the first one's end";
             advance(0.01);
         },
         1},
        {"a delayed hide set twice",
         [](PGProgressHUD& hud) {
             hud.show(false);
             hud.hideAfterDelay(false, 1.0);
             hud.hideAfterDelay(false, 2.0);
             advance(1.5);
             EXPECT_EQ(hud.alpha(), 1.0) << "the later schedule replaced the earlier";
             advance(0.5);
         },
         1},
        {"a delayed hide after a direct one",
         [](PGProgressHUD& hud) {
             hud.show(false);
             hud.hideAfterDelay(false, 1.0);
             hud.hide(false);
             hud.show(false);
             advance(2.0);
             EXPECT_EQ(hud.alpha(), 1.0) << "the first show's delayed hide died with it";
         },
         1},
        {"shown again while hiding",
         [](PGProgressHUD& hud) {
             hud.show(true);
             advance(0.3);
             hud.hide(true);
             advance(0.1);
             hud.show(true);
             advance(1.0);
             EXPECT_EQ(hud.alpha(), 1.0) << "the show took the hide back";
             hud.hide(false);
         },
         1},
        {"two shows, two hides",
         [](PGProgressHUD& hud) {
             hud.show(false);
             hud.hide(false);
             hud.show(false);
             hud.hide(false);
         },
         2},
        {"hidden without a show",
         [](PGProgressHUD& hud) { hud.hide(false); },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        delegate->hidden = 0;
        completions = 0;
        auto hud = addHUD();
        int endings = 0;
        hud->setCompletionBlock([&] { ++endings; });
        c.steps(*hud);
        advance(3.0);
        EXPECT_EQ(delegate->hidden, c.hidden);
        EXPECT_EQ(endings, c.hidden > 0 ? 1 : 0) << "the completion block runs once, then is gone";
    }
}

TEST_F(ProgressHUD, TheGraceTimerRestartsWhenShownAgain) {
    auto hud = addHUD();
    hud->setGraceTime(0.5f);
    hud->setTaskInProgress(true);
    hud->show(false);
    advance(0.3);
    hud->show(false);
    advance(0.3);
    EXPECT_EQ(hud->alpha(), 0.0) << "the first grace timer no longer fires";
    advance(0.2);
    EXPECT_EQ(hud->alpha(), 1.0);
}

TEST_F(ProgressHUD, ChangesFromAnotherThreadReachTheViewsOnTheMainThread) {
    auto hud = addHUD();
    hud->setMode(PGProgressHUDModeDeterminate);
    std::thread worker([&] {
        hud->setLabelText("Copying");
        hud->setProgress(0.5f);
        hud->setMode(PGProgressHUDModeDeterminateHorizontalBar);
    });
    worker.join();
    EXPECT_EQ(hud->labelText(), "Copying");
    EXPECT_EQ(hud->label()->text(), "") << "views change only on the main thread";
    drainMainLoop();
    EXPECT_EQ(hud->label()->text(), "Copying");
    auto bar = std::dynamic_pointer_cast<PGProgressReceiver>(hud->indicator());
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->progress(), 0.5f) << "a new indicator starts from the HUD's progress";
}

TEST_F(ProgressHUD, ClassOperationsFindAndHideTheHUDsOfAView) {
    auto first = PGProgressHUD::showHUDAddedTo(host, false);
    auto other = ui::View::create();
    host->addSubview(other);
    auto second = PGProgressHUD::showHUDAddedTo(host, false);
    EXPECT_EQ(PGProgressHUD::HUDForView(host), second);
    EXPECT_EQ(PGProgressHUD::allHUDsForView(host), (std::vector<PGProgressHUDPtr>{first, second}));

    EXPECT_TRUE(PGProgressHUD::hideHUDForView(host, false));
    EXPECT_FALSE(second->superview()) << "hidden and removed";
    EXPECT_EQ(PGProgressHUD::hideAllHUDsForView(host, false), 1u);
    EXPECT_FALSE(first->superview());
    EXPECT_FALSE(PGProgressHUD::hideHUDForView(host, false));
    EXPECT_EQ(PGProgressHUD::hideAllHUDsForView(host, false), 0u);
}

TEST_F(ProgressHUD, TheScreenDriverReadsTheHUDAPersonSees) {
    ScreenDriver screen;
    auto hud = addHUD();
    hud->setLabelText("Saving");
    hud->setDetailsLabelText("Please wait");
    EXPECT_FALSE(screen.toast()) << "not shown yet";
    hud->show(false);
    auto shown = screen.toast();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->kind, ShownToast::Kind::ProgressHUD);
    EXPECT_EQ(shown->text, "Saving\nPlease wait");
    EXPECT_EQ(shown->view, hud);
    hud->hide(false);
    EXPECT_FALSE(screen.toast());
}

}  // namespace
}  // namespace keelbox::test
