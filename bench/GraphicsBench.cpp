// Drawing benchmarks: rendering a 320x568 window at scale 2 with about 200
// views (labels, gradients, shadows, rounded backgrounds) and measuring
// 10,000 label strings with the bundled fonts. Prints "figure:" lines with
// the medians next to their targets (8 ms per render, 50 ms per 10,000
// measurements).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/graphics/StringDrawing.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/Label.h"
#include "bench/support/MedianTime.h"

namespace {

std::shared_ptr<ui::Window> makeWindow(int* viewCount) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    window->setBackgroundColor(ui::Color::white(0.94));
    window->setHidden(false);
    int views = 1;
    for (int row = 0; row < 40; ++row) {
        double y = 4 + row * 14;
        auto cell = ui::View::create(cg::RectMake(4, y, 312, 13));
        cell->setBackgroundColor(ui::Color::whiteColor());
        cell->layer()->setCornerRadius(4);
        window->addSubview(cell);
        auto icon = ca::GradientLayer::create();
        icon->setFrame(cg::RectMake(2, 1, 11, 11));
        icon->colors = {ui::Color::rgba(0.2, 0.6, 1), ui::Color::rgba(0.1, 0.2, 0.8)};
        cell->layer()->addSublayer(icon);
        auto title = ui::Label::create(cg::RectMake(16, 0, 150, 13));
        title->setFont(ui::Font::systemFontOfSize(10));
        title->setText(row % 3 == 0 ? "设备 " + std::to_string(row) + " 在线" : "Device " + std::to_string(row) + " connected");
        cell->addSubview(title);
        auto detail = ui::Label::create(cg::RectMake(170, 0, 100, 13));
        detail->setFont(ui::Font::systemFontOfSize(9));
        detail->setTextColor(ui::Color::grayColor());
        detail->setText(std::to_string(row * 37 % 900) + " KB/s");
        cell->addSubview(detail);
        auto badge = ui::View::create(cg::RectMake(290, 2, 9, 9));
        badge->setBackgroundColor(ui::Color::redColor());
        badge->layer()->setCornerRadius(4.5);
        if (row % 4 == 0) {
            badge->layer()->setShadowOpacity(0.5);
            badge->layer()->setShadowOffset({0, 1});
            badge->layer()->setShadowRadius(1);
        }
        cell->addSubview(badge);
        views += 5;
    }
    *viewCount = views;
    return window;
}

std::vector<std::string> labelStrings() {
    std::vector<std::string> out;
    const char* words[] = {"Wi-Fi", "路由器", "guest", "网络", "speed", "5G", "channel", "在线设备", "upload", "KB/s"};
    for (int i = 0; i < 10000; ++i) {
        std::string s;
        for (int w = 0; w < 2 + i % 4; ++w) s += std::string(words[(i * 7 + w * 3) % 10]) + " ";
        out.push_back(s + std::to_string(i));
    }
    return out;
}

void measureAll(const std::vector<std::string>& strings, const ct::FontPtr& font) {
    for (const auto& s : strings) benchmark::DoNotOptimize(ct::sizeWithFont(s, font, cg::Size{200, 1000}));
}

void BM_RenderWindow(benchmark::State& state) {
    int views = 0;
    auto window = makeWindow(&views);
    for (auto _ : state) benchmark::DoNotOptimize(cg::LayerRenderer::renderWindows({window}, {320, 568}, 2));
    state.counters["views"] = views;
}
BENCHMARK(BM_RenderWindow)->Unit(benchmark::kMillisecond);

void BM_Measure10000Labels(benchmark::State& state) {
    auto strings = labelStrings();
    auto font = ct::Font::systemFont(14);
    for (auto _ : state) measureAll(strings, font);
}
BENCHMARK(BM_Measure10000Labels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    int views = 0;
    auto window = makeWindow(&views);
    double render = medianMs(31, [&] { cg::LayerRenderer::renderWindows({window}, {320, 568}, 2); });
    // KEELBOX_BENCH_PNG=path keeps one frame to look at.
    if (const char* png = std::getenv("KEELBOX_BENCH_PNG")) {
        cg::LayerRenderer::writePNG(cg::LayerRenderer::renderWindows({window}, {320, 568}, 2), png);
    }
    auto strings = labelStrings();
    auto font = ct::Font::systemFont(14);
    measureAll(strings, font);  // warm the advance caches
    double measure = medianMs(11, [&] { measureAll(strings, font); });
    std::printf("figure: render 320x568@2 window, %d views: median %.2f ms (target < 8 ms)\n", views, render);
    std::printf("figure: measure 10000 label strings: median %.2f ms (target < 50 ms)\n", measure);
    std::printf("ratio: render median / target %.2f\n", render / 8.0);
    std::printf("ratio: measure median / target %.2f\n", measure / 50.0);
    benchmark::Shutdown();
    return 0;
}
