// The progress views: the stepping ring settles on its target, the drawn
// fractions stay within the track, the sector ring's appearance defaults,
// and a bar following a loopback download through a chain of handlers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "emulator/HttpServer.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNHTTPResponseSerializer.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/widgets/RecordedDrawing.h"
#include "widgets/TAVOCircleAngleView.h"
#include "widgets/TAVOCircleProgressView.h"
#include "widgets/TAVOCustomProgressView.h"
#include "widgets/TAVOProgressView.h"

namespace keelbox::test {
namespace {

class RecordingSteps : public TAVOCircleAngleViewDelegate {
public:
    void animateCircleWithProgress(TAVOCircleAngleView&, float progress) override { steps.push_back(progress); }
    std::vector<float> steps;
};

TEST(CircleAngleViewTest, StepsTowardsItsTargetAndSettlesOnItEvenBetweenSteps) {
    struct Case {
        const char* name;
        unsigned frames;
        float from;  // reached first with stopPercent = from
        float to;
        std::size_t steps;  // from `from` to `to`
    };
    const std::vector<Case> cases = {
        {"up on exact steps", 10, 0, 0.5f, 5},
        {"up between steps", 3, 0, 0.5f, 2},  // 1/3, then 2/3 would pass: 0.5
        {"down between steps", 3, 0.5f, 0.1f, 2},
    };
    for (const auto& c : cases) {
        auto ring = TAVOCircleAngleView::create(cg::RectMake(0, 0, 100, 100));
        auto delegate = std::make_shared<RecordingSteps>();
        ring->setDelegate(delegate);
        ring->setFrameCount(c.frames);
        EXPECT_DOUBLE_EQ(ring->stepTime(), 1.0 / c.frames) << c.name;
        ring->setStopPercent(c.from);
        ring->start();
        advance(3);
        ring->setStopPercent(c.to);
        delegate->steps.clear();
        ring->start();
        advance(0.29);
        EXPECT_TRUE(delegate->steps.empty()) << c.name << ": the first step waits 0.3 s";
        advance(5);
        EXPECT_EQ(delegate->steps.size(), c.steps) << c.name;
        EXPECT_FLOAT_EQ(ring->progress(), c.to) << c.name;
        EXPECT_FALSE(ring->isStepping()) << c.name << ": no endless rocking around the target";
    }
}

TEST(CircleAngleViewTest, DrawsTheArcOverTheRestOfTheRingWithinTheRing) {
    auto ring = TAVOCircleAngleView::create(cg::RectMake(0, 0, 100, 100), ui::Color::blackColor(), ui::Color::redColor());
    EXPECT_EQ(ring->progressColor(), ui::Color::redColor());
    EXPECT_DOUBLE_EQ(ring->lineWidth(), 10);
    EXPECT_EQ(only(drawingOf(*ring), cg::DrawOp::StrokePath).size(), 1u);  // progress 0: the ring only

    ring->setStopPercent(0.25f);
    ring->start();
    advance(2);
    auto strokes = only(drawingOf(*ring), cg::DrawOp::StrokePath);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[1].strokeColor, (cg::RGBA{1, 0, 0, 1}));
    // Three quarters from the top clockwise, through the right and the
    // bottom to the left (the other way would cover the upper-left only).
    const cg::Rect arc = strokes[1].path.boundingBox();
    EXPECT_NEAR(cg::RectGetMaxX(arc), 95, 0.5);
    EXPECT_NEAR(cg::RectGetMaxY(arc), 95, 0.5);
    EXPECT_NEAR(strokes[1].path.currentPoint().x, 5, 0.01);
    EXPECT_NEAR(strokes[1].path.currentPoint().y, 50, 0.01);
}

TEST(ProgressBarsTest, TheDrawnFractionStaysWithinTheTrack) {
    auto track = ui::Image::imageNamed("bg_indicator");
    auto fill = ui::Image::imageNamed("bg_indicator");
    struct Case {
        float progress;
        double width;  // of the progress picture; 0 = not drawn
    };
    const std::vector<Case> cases = {{0.5f, 100}, {1.7f, 200}, {-0.4f, 0}, {std::nanf(""), 0}, {0, 0}};
    for (const auto& c : cases) {
        auto custom = TAVOCustomProgressView::create(cg::RectMake(0, 0, 200, 10));
        custom->setTrackImage(track);
        custom->setProgressImage(fill);
        custom->setProgress(c.progress, true);
        auto bar = TAVOProgressView::create(cg::RectMake(0, 0, 200, 10));
        bar->setTrackImage(track);
        bar->setProgressImage(fill);
        bar->setProgress(c.progress);
        for (ui::View* view : std::vector<ui::View*>{custom.get(), bar.get()}) {
            auto images = only(drawingOf(*view), cg::DrawOp::DrawImage);
            ASSERT_EQ(images.size(), c.width > 0 ? 2u : 1u) << c.progress;
            if (c.width > 0) {
                EXPECT_DOUBLE_EQ(std::fabs(images[1].rect.size.width), c.width) << c.progress;
            }
        }
    }
    auto bar = TAVOProgressView::create(cg::RectMake(0, 0, 200, 10));
    bar->setProgress(3);
    EXPECT_FLOAT_EQ(bar->progress(), 1);
    bar->setProgress(-0.5f);
    EXPECT_FLOAT_EQ(bar->progress(), -0.5f);
}

TEST(CircleProgressViewTest, TakesTheStartUpLookUnlessSetOnTheInstanceAndDrawsItsBands) {
    TAVOCircleProgressView::registerAppearanceDefaults();
    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    window->makeKeyAndVisible();
    auto themed = TAVOCircleProgressView::create(cg::RectMake(0, 0, 100, 100));
    auto own = TAVOCircleProgressView::create(cg::RectMake(0, 0, 100, 100));
    own->setTrackColor(ui::Color::redColor());
    window->addSubview(themed);
    window->addSubview(own);
    EXPECT_EQ(themed->trackColor(), ui::Color::grayColor());
    EXPECT_EQ(themed->progressColor(), ui::Color::whiteColor());
    EXPECT_EQ(themed->backgroundColor(), ui::Color::clearColor());
    EXPECT_EQ(themed->imageDone(), ui::Image::imageNamed("safe_update_ic01"));
    ASSERT_NE(themed->imageWaiting(), nullptr);
    EXPECT_EQ(own->trackColor(), ui::Color::redColor());
    EXPECT_EQ(own->borderColor(), ui::Color::grayColor());

    // Waiting and done show their pictures; between, three bands and a head.
    EXPECT_EQ(only(drawingOf(*themed), cg::DrawOp::DrawImage).size(), 1u);
    themed->setBorderWidth(4);
    themed->setInnerRadius(30);
    themed->setHeaderLightRadius(6);
    themed->setProgress(0.25f);
    auto calls = drawingOf(*themed);
    EXPECT_EQ(only(calls, cg::DrawOp::FillPath).size(), 3u);
    auto head = only(calls, cg::DrawOp::DrawImage);
    ASSERT_EQ(head.size(), 1u);
    // A quarter of a full turn from the top: the head sits right of centre,
    // midway through the band (radii 30 to 46).
    EXPECT_NEAR(cg::RectGetMidX(head[0].rect), 50 + 38, 0.01);
    EXPECT_NEAR(cg::RectGetMidY(head[0].rect), 50, 0.01);
    EXPECT_DOUBLE_EQ(themed->endAngle(), 2 * M_PI);

    // Inner radius over the band: only the border is left.
    themed->setInnerRadius(60);
    EXPECT_EQ(only(drawingOf(*themed), cg::DrawOp::FillPath).size(), 1u);

    ui::ViewAnimation::clearRecords();
    themed->setProgress(1);
    ASSERT_EQ(ui::ViewAnimation::records().size(), 1u);
    EXPECT_EQ(ui::ViewAnimation::records()[0].kind, ui::ViewAnimationRecord::Kind::Transition);
    EXPECT_DOUBLE_EQ(ui::ViewAnimation::records()[0].duration, 0.25);
    themed->setProgress(1);
    EXPECT_EQ(ui::ViewAnimation::records().size(), 1u);
}

TEST(ProgressViewDownloadTest, ALoopbackDownloadDrivesTheBarToOneThroughChainedHandlers) {
    // Large enough that the transfer reports progress several times however
    // the loopback connection chunks it.
    constexpr std::uint64_t kBodySize = 8 * 1024 * 1024;
    emulator::HttpServer server;
    server.route("GET", "/file", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "application/octet-stream";
        reply.streamLength = kBodySize;
        reply.streamFill = [](std::uint64_t offset, char* out, std::size_t length) {
            for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<char>((offset + i) % 251);
        };
    });
    ASSERT_TRUE(server.start());

    auto manager = TNHTTPRequestOperationManager::manager();
    manager->responseSerializer = TNHTTPResponseSerializer::serializer();
    bool done = false;
    auto operation = manager->HTTPRequestOperationWithRequest(
        ns::MutableURLRequest(ns::URL::URLWithString(server.url("/file"))),
        [&](const TNHTTPRequestOperationPtr&, const ns::Value&) { done = true; },
        [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
            ADD_FAILURE() << error->description();
            done = true;
        });
    int earlierCalls = 0;
    std::int64_t earlierTotal = 0;
    operation->setDownloadProgressBlock([&](std::int64_t, std::int64_t total, std::int64_t) {
        ++earlierCalls;
        earlierTotal = total;
    });
    auto bar = TAVOProgressView::create(cg::RectMake(0, 0, 200, 10));
    auto second = TAVOProgressView::create(cg::RectMake(0, 0, 200, 10));
    bar->setProgressWithDownloadProgressOfOperation(operation);
    second->setProgressWithDownloadProgressOfOperation(operation);
    // A last listener reads the bar after the bars' own main-queue updates.
    std::vector<float> seen;
    auto chained = operation->downloadProgressBlock();
    operation->setDownloadProgressBlock([&, chained](std::int64_t bytes, std::int64_t total, std::int64_t expected) {
        chained(bytes, total, expected);
        dispatch::Queue::main()->async([&] { seen.push_back(bar->progress()); });
    });

    manager->operationQueue->addOperation(operation);
    ASSERT_TRUE(runMainLoopUntil([&] { return done; }, 30));
    drainMainLoop();

    EXPECT_EQ(earlierTotal, static_cast<std::int64_t>(kBodySize));
    EXPECT_EQ(static_cast<std::size_t>(earlierCalls), seen.size());
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(seen.front(), 0);
    EXPECT_LT(seen.front(), 1);
    EXPECT_FLOAT_EQ(seen.back(), 1);
    EXPECT_FLOAT_EQ(second->progress(), 1);

    // An unknown total never moves a bar; a bar that is gone is skipped.
    auto fresh = TNHTTPRequestOperation::create(ns::MutableURLRequest(ns::URL::URLWithString(server.url("/file"))));
    auto unknown = TAVOProgressView::create(cg::RectMake(0, 0, 200, 10));
    unknown->setProgressWithDownloadProgressOfOperation(fresh);
    fresh->downloadProgressBlock()(10, 10, -1);
    fresh->downloadProgressBlock()(10, 20, 0);
    drainMainLoop();
    EXPECT_FLOAT_EQ(unknown->progress(), 0);
    unknown.reset();
    fresh->downloadProgressBlock()(10, 30, 40);
    drainMainLoop();
}

}  // namespace
}  // namespace keelbox::test
