// The line chart: samples kept per series, which series draw, slot picking
// for the read-out under a finger, and what the read-out draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/TouchDriver.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/widgets/RecordedDrawing.h"
#include "widgets/TAVOLinePlotView.h"

namespace keelbox::test {
namespace {

TAVOLinePlotDataPtr series(unsigned slots, std::vector<float> values, bool alignRight = false) {
    auto plot = TAVOLinePlotData::create();
    plot->maxPointCount = slots;
    plot->setValues(std::move(values));
    plot->minValue = 0;
    plot->maxValue = 100;
    plot->alignRight = alignRight;
    plot->lineWidth = 2;
    plot->lineColor = ui::Color::blackColor();
    return plot;
}

class ReadOut : public TAVOLinePlotViewDelegate {
public:
    ui::OptionalColor annotationLineColorOfPlotView(TAVOLinePlotView&) override { return ui::Color::redColor(); }
    ui::OptionalColor annotationFillColorOfPlotView(TAVOLinePlotView&) override { return ui::Color::whiteColor(); }
    ui::OptionalColor annotationStokeColorOfPlotView(TAVOLinePlotView&) override { return ui::Color::grayColor(); }
    float annotationLineWidthOfPlotView(TAVOLinePlotView&) override { return 1; }
    ui::OptionalColor annotationColorAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) override {
        return ui::Color::blackColor();
    }
    std::optional<ui::Font> annotationFontAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) override {
        return ui::Font::systemFontOfSize(12);
    }
    std::optional<std::string> annotationTextAtIndex(int index, TAVOLinePlotData& plot, TAVOLinePlotView&) override {
        return std::to_string(static_cast<int>(plot.values()[index])) + " KB/s";
    }
};

TEST(LinePlotDataTest, AddingKeepsTheNewestSamplesTheNewOneIncluded) {
    auto plot = TAVOLinePlotData::create();
    plot->maxPointCount = 3;
    for (int v : {1, 2, 3, 4}) plot->addValuesObject(ns::Value(v));
    plot->addValuesObject(ns::Value());
    EXPECT_EQ(plot->values(), (std::vector<float>{2, 3, 4}));

    plot->setValues({1, 2, 3, 4, 5, 6});  // set as given, more than the slots
    EXPECT_EQ(plot->values().size(), 6u);
    plot->addValuesObject(ns::Value(7.5));
    EXPECT_EQ(plot->values(), (std::vector<float>{5, 6, 7.5f}));

    plot->maxPointCount = 0;
    plot->addValuesObject(ns::Value(1));
    EXPECT_TRUE(plot->values().empty());

    plot->fillColors = {ui::Color::redColor(), ui::Color::blueColor()};
    EXPECT_EQ(plot->cgFillColors().size(), 2u);
}

TEST(LinePlotViewTest, SeriesThatCannotBeScaledDrawNothingWhileTheOthersDraw) {
    auto chart = TAVOLinePlotView::create(cg::RectMake(0, 0, 300, 200));
    auto good = series(10, {10, 50, 90});
    auto oneSlot = series(1, {10});
    auto flat = series(10, {10});
    flat->maxValue = 0;
    auto overfull = series(2, {1, 2, 3});
    chart->plots = {oneSlot, good, flat, overfull};
    EXPECT_EQ(chart->firstPlot(), oneSlot);
    EXPECT_EQ(chart->lastPlot(), overfull);
    auto strokes = only(drawingOf(*chart), cg::DrawOp::StrokePath);
    ASSERT_EQ(strokes.size(), 1u);
    // Slots 0, 1, 2 of ten over 300 points; 50 of 0..100 is mid-height.
    EXPECT_NEAR(strokes[0].path.elements()[1].points[0].x, 300.0 / 9, 1e-9);
    EXPECT_NEAR(strokes[0].path.elements()[1].points[0].y, 100, 1e-9);
}

TEST(LinePlotViewTest, TickerLabelsSitAboveTheBottomLineAndOnTheOthers) {
    auto chart = TAVOLinePlotView::create(cg::RectMake(0, 0, 300, 200));
    chart->margins = {20, 40, 20, 10};
    auto plot = series(10, {});
    plot->tickerValuesAndLabelsY = {{0, "0"}, {50, "50 KB/s"}, {100, ""}};
    plot->tickerWeight = 1;
    plot->tickerColor = ui::Color::lightGrayColor();
    plot->tickerTextColor = ui::Color::grayColor();
    plot->tickerTextFont = ui::Font::systemFontOfSize(10);
    chart->plots = {plot};
    auto calls = drawingOf(*chart);
    auto strokes = only(calls, cg::DrawOp::StrokePath);
    ASSERT_EQ(strokes.size(), 3u);  // three tickers, no line for no samples
    EXPECT_GT(strokes[0].path.elements()[0].points[0].x, 0);     // labelled: after the label column
    EXPECT_DOUBLE_EQ(strokes[2].path.elements()[0].points[0].x, 0);  // empty label: from x 0
    EXPECT_DOUBLE_EQ(strokes[1].path.elements()[0].points[0].y, 20 + 80);
    EXPECT_DOUBLE_EQ(strokes[1].path.elements()[1].points[0].x, 290);
    auto texts = only(calls, cg::DrawOp::ShowText);
    ASSERT_GE(texts.size(), 2u);
    // Baselines: the bottom ticker's label ends 2 points above its line at
    // y 180; the other's is centred on its line at y 100.
    const cg::Point zero = cg::PointApplyAffineTransform(texts[0].startPoint, texts[0].ctm);
    const cg::Point fifty = cg::PointApplyAffineTransform(texts[1].startPoint, texts[1].ctm);
    EXPECT_EQ(texts[0].text, "0");
    EXPECT_DOUBLE_EQ(zero.x, 2);
    EXPECT_LT(zero.y, 178);
    EXPECT_GT(zero.y, 170);
    EXPECT_EQ(texts[1].text, "50 KB/s");
    EXPECT_GT(fifty.y, 100);
    EXPECT_LT(fifty.y, 106);
}

TEST(LinePlotViewTest, SlotsArePickedOnlyWhenEverySeriesAgrees) {
    auto chart = TAVOLinePlotView::create(cg::RectMake(0, 0, 290, 100));
    chart->margins = {0, 20, 0, 0};  // ten slots 30 points apart from x 20
    struct Case {
        std::string name;
        std::vector<TAVOLinePlotDataPtr> plots;
        cg::Point at;
        int slot;
        int sample;
    };
    const std::vector<Case> cases = {
        {"nearest slot", {series(10, {1, 2, 3})}, {84, 50}, 2, 2},
        {"a tie goes to the lower slot", {series(10, {1})}, {35, 50}, 0, 0},
        {"right-aligned, before the samples", {series(10, {1, 2, 3}, true)}, {200, 50}, 6, -1},
        {"right-aligned, the first sample", {series(10, {1, 2, 3}, true)}, {230, 50}, 7, 0},
        {"the origin clears", {series(10, {1, 2, 3})}, {0, 0}, -1, -1},
        {"no series", {}, {84, 50}, -1, -1},
        {"one slot", {series(1, {1})}, {84, 50}, -1, -1},
        {"slots differ", {series(10, {1}), series(9, {1})}, {84, 50}, -1, -1},
        {"counts differ", {series(10, {1}), series(10, {1, 2})}, {84, 50}, -1, -1},
        {"alignment differs", {series(10, {1}), series(10, {1}, true)}, {84, 50}, -1, -1},
    };
    for (const auto& c : cases) {
        chart->plots = c.plots;
        chart->setPanLocation(c.at);
        EXPECT_EQ(chart->panIndex(), c.slot) << c.name;
        EXPECT_EQ(chart->panIndexAfterCorrection(), c.sample) << c.name;
        EXPECT_FALSE(chart->panning()) << c.name << ": no delegate";
    }
}

TEST(LinePlotViewTest, AFingerReadsOutOneSeriesAndTwoSeriesReadOutNothing) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    window->makeKeyAndVisible();
    auto chart = TAVOLinePlotView::create(cg::RectMake(10, 100, 290, 100));
    chart->margins = {10, 20, 10, 0};
    auto delegate = std::make_shared<ReadOut>();
    chart->setDelegate(delegate);
    chart->plots = {series(10, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100})};
    window->addSubview(chart);
    chart->setEnablePanGesture(true);
    EXPECT_EQ(chart->gestureRecognizers().size(), 2u);
    EXPECT_DOUBLE_EQ(chart->longPressGesture()->minimumPressDuration, 0.1);

    ui::TouchDriver finger(advance);
    finger.down(window, {10 + 80, 150});
    advance(0.2);
    EXPECT_EQ(chart->panIndex(), 2);
    EXPECT_TRUE(chart->panning());
    auto texts = only(drawingOf(*chart), cg::DrawOp::ShowText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "30 KB/s");
    finger.moveTo({10 + 200, 150});
    finger.moveTo({10 + 230, 150});
    EXPECT_EQ(chart->panIndex(), 7);
    EXPECT_DOUBLE_EQ(chart->panLocationX(), 230);

    chart->plots.push_back(series(10, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}));
    auto both = drawingOf(*chart);
    EXPECT_TRUE(only(both, cg::DrawOp::ShowText).empty());
    EXPECT_EQ(only(both, cg::DrawOp::StrokePath).size(), 2u);  // the two lines only

    finger.up();
    advance(0.1);
    EXPECT_EQ(chart->panIndex(), -1);
    chart->setEnablePanGesture(false);
    EXPECT_TRUE(chart->gestureRecognizers().empty());
    EXPECT_EQ(chart->panGesture(), nullptr);
}

}  // namespace
}  // namespace keelbox::test
