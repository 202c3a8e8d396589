// The states of the circle and count-down views, the count badges and
// header strips, the progress views, the segmented controls, the line chart
// and the stack panel: each on a plain screen over the launched application.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "widgets/IndicatorView.h"
#include "widgets/SGExtendSegControl.h"
#include "widgets/TAVOCircleAngleView.h"
#include "widgets/TAVOCircleProgressView.h"
#include "widgets/TAVOCountDownView.h"
#include "widgets/TAVOCustomProgressView.h"
#include "widgets/TAVODevicesCountIndicator.h"
#include "widgets/TAVOLinePlotView.h"
#include "widgets/TAVONewDeviceJoinIndicator.h"
#include "widgets/TAVOProgressView.h"
#include "widgets/TAVORestartCountDownView.h"
#include "widgets/TAVOStackPanel.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

ui::LabelPtr label(const std::string& text, const cg::Rect& frame, double size = 14) {
    auto l = ui::Label::create(frame);
    l->setText(text);
    l->setFont(ui::Font::systemFontOfSize(size));
    return l;
}

ui::ViewControllerPtr pushPlainScreen(AppFixture& app, const std::string& title) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(ui::Color::whiteColor());
    auto heading = label(title, cg::RectMake(20, 30, 280, 30));
    heading->setFont(ui::Font::boldSystemFontOfSize(20));
    screen->view()->addSubview(heading);
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

std::vector<ns::Value> titles(std::initializer_list<const char*> names) {
    std::vector<ns::Value> out;
    for (const char* n : names) out.emplace_back(std::string(n));
    return out;
}

// The chart's read-out text: the speed at the slot.
class SpeedReadOut : public TAVOLinePlotViewDelegate {
public:
    ui::OptionalColor annotationLineColorOfPlotView(TAVOLinePlotView&) override { return ui::Color::rgba(0.04, 0.65, 0.29); }
    ui::OptionalColor annotationFillColorOfPlotView(TAVOLinePlotView&) override { return ui::Color::whiteColor(); }
    ui::OptionalColor annotationStokeColorOfPlotView(TAVOLinePlotView&) override { return ui::Color::rgba(0.04, 0.65, 0.29); }
    float annotationLineWidthOfPlotView(TAVOLinePlotView&) override { return 1; }
    ui::OptionalColor annotationColorAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) override {
        return ui::Color::white(0.2);
    }
    std::optional<ui::Font> annotationFontAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) override {
        return ui::Font::systemFontOfSize(11);
    }
    std::optional<std::string> annotationTextAtIndex(int index, TAVOLinePlotData& plot, TAVOLinePlotView&) override {
        return std::to_string(static_cast<int>(plot.values()[index])) + " KB/s";
    }
};

TAVOLinePlotDataPtr speedSeries(double phase, double level, const ui::Color& color, bool gradient) {
    auto plot = TAVOLinePlotData::create();
    plot->maxPointCount = 60;
    plot->minValue = 0;
    plot->maxValue = 1000;
    plot->alignRight = true;
    for (int i = 0; i < 60; ++i) plot->addValuesObject(ns::Value(level + level * 0.6 * std::sin(phase + i * 0.25)));
    plot->lineWidth = 1.5;
    plot->lineColor = color;
    if (gradient) {
        plot->fillColors = {color.colorWithAlphaComponent(0.5), color.colorWithAlphaComponent(0.05)};
        plot->tickerValuesAndLabelsY = {{0, "0"}, {500, "500 KB/s"}, {1000, "1 MB/s"}};
        plot->tickerWeight = 0.5;
        plot->tickerColor = ui::Color::lightGrayColor();
        plot->tickerTextColor = ui::Color::grayColor();
        plot->tickerTextFont = ui::Font::systemFontOfSize(10);
    } else {
        plot->fillColor = color.colorWithAlphaComponent(0.15);
    }
    return plot;
}

}  // namespace

void registerWidgetsViewsOneGalleryStates() {
    GalleryRegistry::add("widgets_views1_circle_and_countdown", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Circle and count-down");
        auto circle = TAVOCircleView::create(cg::RectMake(55, 60, 210, 220));
        screen->view()->addSubview(circle);
        auto countDown = TAVOCountDownView::create(cg::RectMake(160, 300, 160, 160));
        countDown->setInfo("Start");
        screen->view()->addSubview(countDown);
        auto idle = TAVOCountDownView::create(cg::RectMake(0, 300, 160, 160));
        idle->setInfo("Open");
        screen->view()->addSubview(idle);
        circle->startCircleAnimation();
        countDown->startCountDown(10);
        app.screen().wait(3.4);  // the scan rings mid-turn, the count at 7
    });

    GalleryRegistry::add("widgets_views1_join_indicator", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Devices asking to join");
        auto one = TAVONewDeviceJoinIndicator::create(cg::RectMake(55, 70, 210, 220));
        one->setDeviceJoin(1, 0);
        screen->view()->addSubview(one);
        auto many = TAVONewDeviceJoinIndicator::create(cg::RectMake(55, 310, 210, 220));
        many->setDeviceJoin(3, 0);
        screen->view()->addSubview(many);
    });

    GalleryRegistry::add("widgets_views1_restart_countdown", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Restarting");
        auto restart = TAVORestartCountDownView::create(screen->view()->bounds());
        restart->setIntroduceContent(TAVOLocalizedString("restart wifi progress"));
        screen->view()->addSubview(restart);
        restart->startCountDown(60);
        app.screen().wait(12.4);
    });

    GalleryRegistry::add("widgets_views1_badges_and_strips", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Badges and strips");
        const int counts[] = {1, 42, 150, IndicatorView::kNewCount};
        for (int i = 0; i < 4; ++i) {
            const double x = 20 + i * 75;
            auto button = ui::View::create(cg::RectMake(x, 90, 50, 50));
            button->setBackgroundColor(ui::Color::white(0.85));
            button->layer()->setCornerRadius(8);
            screen->view()->addSubview(button);
            auto badge = IndicatorView::create(cg::RectMake(x + 30, 82, 30, 18));
            badge->setCount(counts[i]);
            screen->view()->addSubview(badge);
        }
        auto strip = TAVOCellIndicator::create(cg::RectMake(0, 180, 320, 40));
        strip->content()->setText("2 devices ask to join");
        screen->view()->addSubview(strip);
        auto devices = TAVODevicesCountIndicator::create(cg::RectMake(0, 240, 320, 40));
        devices->setDevicesCount(12);
        screen->view()->addSubview(devices);
    });

    GalleryRegistry::add("widgets_views1_progress", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Progress");
        auto dark = ui::View::create(cg::RectMake(0, 70, 320, 190));
        dark->setBackgroundColor(ui::Color::rgba(0.04, 0.45, 0.25));
        screen->view()->addSubview(dark);
        auto ring = TAVOCircleProgressView::create(cg::RectMake(20, 15, 150, 150));
        ring->setBorderWidth(3);
        ring->setInnerRadius(55);
        ring->setHeaderLightRadius(8);
        ring->setProgress(0.62f);
        dark->addSubview(ring);
        auto angle = TAVOCircleAngleView::create(cg::RectMake(190, 35, 110, 110));
        angle->setStopPercent(0.35f);
        dark->addSubview(angle);
        angle->start();

        auto track = TAVOCommonUtility::createImageFromColor(ui::Color::white(0.87), {4, 4});
        auto fill = TAVOCommonUtility::createImageFromColor(ui::Color::rgba(0.04, 0.65, 0.29), {4, 4});
        screen->view()->addSubview(label("Download", cg::RectMake(20, 280, 200, 20)));
        auto bar = TAVOProgressView::create(cg::RectMake(20, 305, 280, 8));
        bar->setTrackImage(track);
        bar->setProgressImage(fill);
        bar->setProgress(0.45f);
        screen->view()->addSubview(bar);
        screen->view()->addSubview(label("Upgrade", cg::RectMake(20, 330, 200, 20)));
        auto custom = TAVOCustomProgressView::create(cg::RectMake(20, 355, 280, 12));
        custom->setTrackImage(track);
        custom->setProgressImage(fill);
        custom->setProgress(0.8f, true);
        screen->view()->addSubview(custom);
        app.screen().wait(2);  // the angle view settles
    });

    GalleryRegistry::add("widgets_views1_segmented", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Segmented controls");
        auto plain = SGSegmentControl::create(titles({"Phone", "Email"}));
        plain->setFrame(cg::RectMake(0, 80, 320, 44));
        plain->setSelectedIndex(1);
        screen->view()->addSubview(plain);
        auto styled = SGExtendSegControl::create(cg::RectMake(20, 160, 280, 34));
        styled->setNormalImage(TAVOCommonUtility::createImageFromColor(ui::Color::white(0.93), {4, 4}));
        styled->setSelectedImage(TAVOCommonUtility::createImageFromColor(ui::Color::rgba(0.04, 0.65, 0.29), {4, 4}));
        styled->setNormalcolor(ui::Color::white(0.4));
        styled->setSelectedColor(ui::Color::whiteColor());
        styled->setHighlightColor(ui::Color::white(0.2));
        styled->setFont(ui::Font::systemFontOfSize(14));
        styled->setSegSpace(4);
        styled->setItemArray(titles({"Day", "Week", "Month"}));
        screen->view()->addSubview(styled);
        styled->layoutIfNeeded();
        styled->setSelectedIndex(2);
        app.screen().wait(0.5);
    });

    GalleryRegistry::add("widgets_views1_line_chart", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Speed curve");
        auto chart = TAVOLinePlotView::create(cg::RectMake(10, 80, 300, 200));
        chart->margins = {24, 10, 10, 10};
        chart->plotsBackgroudColor = ui::Color::white(0.97);
        chart->plots = {speedSeries(0, 520, ui::Color::rgba(0.04, 0.65, 0.29), true),
                        speedSeries(1.3, 220, ui::Color::rgba(0.23, 0.56, 0.85), false)};
        screen->view()->addSubview(chart);
        screen->view()->addSubview(label("Download", cg::RectMake(20, 290, 140, 20), 12));
        screen->view()->addSubview(label("Upload", cg::RectMake(170, 290, 140, 20), 12));

        // One series read out under a finger.
        auto single = TAVOLinePlotView::create(cg::RectMake(10, 320, 300, 150));
        single->margins = {10, 10, 10, 10};
        // The chart holds its delegate weakly: it must outlive the picture.
        static const auto delegate = std::make_shared<SpeedReadOut>();
        single->setDelegate(delegate);
        single->plots = {speedSeries(0.5, 450, ui::Color::rgba(0.04, 0.65, 0.29), true)};
        screen->view()->addSubview(single);
        single->setPanLocation({170, 60});
        app.screen().wait(0.1);
    });

    GalleryRegistry::add("widgets_views1_stack_panel", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Stack panel");
        auto panel = TAVOStackPanel::create(cg::RectMake(20, 80, 280, 300));
        panel->setBackgroundColor(ui::Color::white(0.95));
        screen->view()->addSubview(panel);
        const char* names[] = {"Wi-Fi 2.4 GHz", "Wi-Fi 5 GHz", "Guest network"};
        const double heights[] = {44, 60, 44};
        const double greys[] = {0.85, 0.78, 0.85};
        for (int i = 0; i < 3; ++i) {
            auto row = ui::View::create(cg::RectMake(0, 0, 280, heights[i]));
            row->setBackgroundColor(ui::Color::white(greys[i]));
            row->addSubview(label(names[i], cg::RectMake(12, 0, 250, heights[i])));
            panel->addView(row);
        }
        auto inserted = ui::View::create(cg::RectMake(10, 0, 260, 36));
        inserted->setBackgroundColor(ui::Color::rgba(0.84, 0.95, 0.88));
        inserted->addSubview(label("Inserted at 1", cg::RectMake(12, 0, 240, 36)));
        panel->insertView(inserted, 1, true);
        app.screen().wait(0.5);
    });
}

}  // namespace keelbox::gallery
