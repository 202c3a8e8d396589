// Drawing the line chart as the speed curve shows it: two series of 60
// samples (one with a gradient fill, one with a solid fill), both with a
// line, and three tickers with labels, into a 300x200 context at scale 2.
// Prints a "figure:" line with the median next to its target (1 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/graphics/GraphicsContextStack.h"
#include "widgets/TAVOLinePlotView.h"

namespace {

constexpr unsigned kSamples = 60;

TAVOLinePlotDataPtr series(double phase, bool gradient) {
    auto plot = TAVOLinePlotData::create();
    plot->maxPointCount = kSamples;
    plot->minValue = 0;
    plot->maxValue = 1000;
    for (unsigned i = 0; i < kSamples; ++i) plot->addValuesObject(ns::Value(500 + 400 * std::sin(phase + i * 0.2)));
    plot->lineWidth = 1.5;
    plot->lineColor = gradient ? ui::Color::rgba(0.04, 0.65, 0.29) : ui::Color::rgba(0.23, 0.56, 0.85);
    if (gradient) {
        plot->fillColors = {ui::Color::rgba(0.04, 0.65, 0.29, 0.6), ui::Color::rgba(0.04, 0.65, 0.29, 0.05)};
        plot->tickerValuesAndLabelsY = {{0, "0"}, {500, "500 KB/s"}, {1000, "1 MB/s"}};
        plot->tickerWeight = 0.5;
        plot->tickerColor = ui::Color::lightGrayColor();
        plot->tickerTextColor = ui::Color::grayColor();
        plot->tickerTextFont = ui::Font::systemFontOfSize(10);
    } else {
        plot->fillColor = ui::Color::rgba(0.23, 0.56, 0.85, 0.2);
    }
    return plot;
}

std::shared_ptr<TAVOLinePlotView> makeChart() {
    auto chart = TAVOLinePlotView::create(cg::RectMake(0, 0, 300, 200));
    chart->margins = {10, 10, 10, 10};
    chart->plots = {series(0, true), series(1.3, false)};
    return chart;
}

void drawOnce(TAVOLinePlotView& chart, const cg::ContextPtr& context) {
    context->clearRect(chart.bounds());
    cg::pushContext(context);
    chart.drawRect(chart.bounds());
    cg::popContext();
}

void BM_DrawLineChartTwo60PointSeries(benchmark::State& state) {
    auto chart = makeChart();
    auto context = cg::Context::createImageContext({300, 200}, false, 2);
    for (auto _ : state) drawOnce(*chart, context);
}
BENCHMARK(BM_DrawLineChartTwo60PointSeries)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    auto chart = makeChart();
    auto median = [&](double scale) {
        auto context = cg::Context::createImageContext({300, 200}, false, scale);
        drawOnce(*chart, context);  // warm the font caches
        std::vector<double> times;
        for (int i = 0; i < 201; ++i) {
            auto t0 = std::chrono::steady_clock::now();
            drawOnce(*chart, context);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    const double retina = median(2);
    const double plain = median(1);
    std::printf("figure: draw line chart, two 60-point series at 300x200@2: median %.3f ms (target < 1 ms)\n", retina);
    std::printf("figure: the same at scale 1: median %.3f ms\n", plain);
    std::printf("ratio: line chart median / target %.2f\n", retina / 1.0);
    benchmark::Shutdown();
    return 0;
}
