// The connected-device list with 300 devices on a 640 x 1136 screen (320 x
// 568 points at scale 2): one poll's answer (sorting, reloading the table)
// plus the frame drawn after it, target under 16 ms; and scrolling the list
// one step per frame, each step with its frame, target under 8 ms. Prints
// "figure:" lines with the medians beside their targets.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/support/MedianTime.h"
#include "emulator/EmulatedRouterModel.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/Window.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "screens/wifi/TAVODevicesListViewController.h"

namespace {

constexpr int kDevices = 300;
constexpr double kScale = 2;
constexpr double kScrollStep = 12;

ns::Value pollAnswer() {
    ns::Array devices;
    for (int i = 1; i <= kDevices; ++i) {
        ns::Value d = emulator::EmulatedRouterModel::makeDevice(i);
        d.mutableDictionary().set("net_control", i % 10 == 0 ? 0 : (i % 7 == 0 ? 2 : 3));
        d.mutableDictionary().set("connect_point", i % 13 == 0 ? 1 : 2);
        d.mutableDictionary().set("limitupload", i % 5 == 0 ? 10240 : 0);
        d.mutableDictionary().set("limitdownload", i % 5 == 0 ? 20480 : 0);
        devices.push_back(ns::Value(TAVORouterJoiningDevice::initWithDictionary(d)));
    }
    auto list = TAVORouterJoiningDevicesList::create();
    list->devicesList = ns::Value(std::move(devices));
    return ns::Value(list);
}

struct Screen {
    std::shared_ptr<ui::Window> window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    std::shared_ptr<TAVODevicesListViewController> list = TAVODevicesListViewController::create();
    ns::Value answer = pollAnswer();

    Screen() {
        window->setRootViewController(list);
        window->makeKeyAndVisible();
        window->layoutIfNeeded();
        list->tableView()->setHidden(false);
    }
    void poll() { list->operationOK(*list->deviceEngine(), TAVODeviceEngine::DeviceListQuietly, answer); }
    void frame() {
        window->layoutIfNeeded();
        benchmark::DoNotOptimize(cg::LayerRenderer::renderWindow(*window, kScale));
    }
    void scrollStep(double& y) {
        auto table = list->tableView();
        const double bottom = table->contentSize().height - table->bounds().size.height;
        y = y + kScrollStep > bottom ? 0 : y + kScrollStep;
        table->setContentOffset(cg::PointMake(0, y));
    }
};

void BM_PollReloadAndFrame(benchmark::State& state) {
    Screen screen;
    for (auto _ : state) {
        screen.poll();
        screen.frame();
    }
    std::printf("figure: 300-device poll reload + frame median %.2f ms (target < 16 ms)\n", medianMs(15, [&] {
                    screen.poll();
                    screen.frame();
                }));
}
BENCHMARK(BM_PollReloadAndFrame)->Unit(benchmark::kMillisecond);

void BM_ScrollFrame(benchmark::State& state) {
    Screen screen;
    screen.poll();
    screen.frame();
    double y = 0;
    for (auto _ : state) {
        screen.scrollStep(y);
        screen.frame();
    }
    std::printf("figure: 300-device scroll frame median %.2f ms (target < 8 ms)\n", medianMs(31, [&] {
                    screen.scrollStep(y);
                    screen.frame();
                }));
}
BENCHMARK(BM_ScrollFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
