#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/Transaction.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewAnimation.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

TEST(ViewAnimationTest, ModelChangesAtOnceAndCompletionRunsAtDelayPlusDuration) {
    auto v = View::create(cg::RectMake(0, 0, 10, 10));
    std::optional<bool> finished;
    ViewAnimation::animate(0.3, 0.2, ViewAnimationOptionCurveEaseIn, [&] {
        v->setAlpha(0.5);
        v->setFrame(cg::RectMake(100, 0, 10, 10));
    }, [&](bool f) { finished = f; });
    EXPECT_EQ(v->alpha(), 0.5);
    EXPECT_EQ(v->frame().origin.x, 100);
    auto keys = v->layer()->animationKeys();
    EXPECT_EQ(keys, (std::vector<std::string>{"opacity", "position"}));
    ASSERT_EQ(ViewAnimation::records().size(), 1u);
    EXPECT_EQ(ViewAnimation::records()[0].duration, 0.3);
    EXPECT_EQ(ViewAnimation::records()[0].delay, 0.2);
    EXPECT_EQ(ViewAnimation::records()[0].curve, 1);
    advance(0.4999);
    EXPECT_FALSE(finished.has_value());
    advance(0.0001);
    ASSERT_TRUE(finished.has_value());
    EXPECT_TRUE(*finished);
    EXPECT_TRUE(v->layer()->animationKeys().empty());
}

TEST(ViewAnimationTest, RemovedOrReplacedAnimationsCompleteWithNoOnALaterTurn) {
    auto v = View::create(cg::RectMake(0, 0, 10, 10));
    std::vector<std::string> log;
    ViewAnimation::animate(1.0, [&] { v->setAlpha(0); }, [&](bool f) { log.push_back(f ? "first:YES" : "first:NO"); });
    v->layer()->removeAllAnimations();
    EXPECT_TRUE(log.empty());  // never inside the removing call
    advance(0);
    EXPECT_EQ(log, (std::vector<std::string>{"first:NO"}));
    // A newer animation of the same property interrupts the older one.
    ViewAnimation::animate(1.0, [&] { v->setAlpha(1); }, [&](bool f) { log.push_back(f ? "a:YES" : "a:NO"); });
    ViewAnimation::animate(1.0, [&] { v->setAlpha(0.5); }, [&](bool f) { log.push_back(f ? "b:YES" : "b:NO"); });
    advance(1.0);
    EXPECT_EQ(log, (std::vector<std::string>{"first:NO", "a:NO", "b:YES"}));
}

TEST(ViewAnimationTest, WithoutChangesOrDurationTheCompletionStillWaitsForTheClock) {
    std::vector<double> at;
    double start = ca::currentMediaTime();
    ViewAnimation::animate(0.25, [] {}, [&](bool) { at.push_back(ca::currentMediaTime() - start); });
    ViewAnimation::animate(0, [] {}, [&](bool) { at.push_back(ca::currentMediaTime() - start); });
    advance(1);
    EXPECT_EQ(at, (std::vector<double>{0, 0.25}));
}

namespace {
struct StopLog : ca::AnimationDelegate {
    std::vector<std::string> log;
    void animationDidStop(const ca::AnimationPtr& a, bool finished) override {
        log.push_back(a->name + (finished ? ":YES" : ":NO"));
    }
};
}  // namespace

TEST(LayerAnimation, DelegateHearsStopsAndBeginTimesAreRecorded) {
    auto layer = ca::Layer::create();
    auto delegate = std::make_shared<StopLog>();
    auto flash = ca::KeyframeAnimation::animationWithKeyPath("position");
    flash->name = "flash";
    flash->duration = 2;
    flash->delegate = delegate;
    auto forever = ca::BasicAnimation::animationWithKeyPath("opacity");
    forever->name = "forever";
    forever->repeatCount = ca::kHugeRepeatCount;
    forever->delegate = delegate;
    double now = ca::currentMediaTime();
    layer->addAnimation(flash, "flash");
    layer->addAnimation(forever, "lights");
    EXPECT_EQ(layer->beginTimeOfAnimation("flash"), now);
    EXPECT_NE(layer->animationForKey("flash"), flash);  // the layer keeps a copy
    advance(2);
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"flash:YES"}));
    EXPECT_EQ(layer->animationForKey("flash"), nullptr);
    advance(100);
    layer->removeAnimationForKey("lights");
    advance(0);
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"flash:YES", "forever:NO"}));
}

TEST(LayerAnimation, KeptAnimationsStayAfterTheEndAndTransactionsCompleteAfterTheirAnimations) {
    auto layer = ca::Layer::create();
    std::vector<std::string> log;
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(0.5);
    ca::Transaction::setCompletionBlock([&] { log.push_back("transaction"); });
    auto bounce = ca::KeyframeAnimation::animationWithKeyPath("position");
    bounce->removedOnCompletion = false;
    bounce->fillMode = ca::FillMode::Both;
    layer->addAnimation(bounce);
    ca::Transaction::commit();
    EXPECT_EQ(layer->animationKeys().size(), 1u);
    EXPECT_EQ(layer->animationForKey(layer->animationKeys()[0])->duration, 0.5);  // the transaction's
    advance(0.49);
    EXPECT_TRUE(log.empty());
    advance(0.01);
    EXPECT_EQ(log, (std::vector<std::string>{"transaction"}));
    EXPECT_EQ(layer->animationKeys().size(), 1u);  // not removed on completion
    // An empty transaction completes on the next turn.
    ca::Transaction::begin();
    ca::Transaction::setCompletionBlock([&] { log.push_back("empty"); });
    ca::Transaction::commit();
    EXPECT_EQ(log.size(), 1u);
    advance(0);
    EXPECT_EQ(log.back(), "empty");
}

TEST(LayerAnimation, ValuesKeptOnAnAnimationReachTheDelegateWithTheLayersCopy) {
    struct RunsHandler : ca::AnimationDelegate {
        void animationDidStop(const ca::AnimationPtr& a, bool) override {
            auto it = a->keyedValues.find("handler");
            if (it == a->keyedValues.end()) return;
            if (auto* handler = std::any_cast<std::function<void()>>(&it->second)) (*handler)();
        }
    };
    auto layer = ca::Layer::create();
    int ran = 0;
    auto grow = ca::KeyframeAnimation::animationWithKeyPath("transform.scale");
    grow->duration = 0.5;
    grow->delegate = std::make_shared<RunsHandler>();
    grow->keyedValues["handler"] = std::function<void()>([&] { ++ran; });
    layer->addAnimation(grow, "grow");
    EXPECT_EQ(layer->animationForKey("grow")->keyedValues.count("handler"), 1u);
    advance(0.5);
    EXPECT_EQ(ran, 1);
}
