// What the tests of the dashboard's views share: a window to put a view in
// (on the tall screen), a screen driver for taps, and recorders for the
// integer reports the views send upward.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"

namespace keelbox::test {

// A text of the string table, as the views show it.
inline std::string L(const std::string& key) { return TAVOLocalizedString(key); }

class HomeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The tall screen, as the dashboard is laid out for it.
        ui::Screen::mainScreen()->setTallScreen(true);
        window = ui::Window::create(ui::Screen::mainScreen()->bounds());
        window->setRootViewController(ui::ViewController::create());
        window->makeKeyAndVisible();
    }
    // Adds the view to the window's screen and lays it out.
    template <class V>
    std::shared_ptr<V> show(std::shared_ptr<V> view) {
        window->rootViewController()->view()->addSubview(view);
        view->layoutIfNeeded();
        return view;
    }

    // Taps the view as the screen shows it after the next layout pass.
    bool tap(const ui::ViewPtr& view) {
        window->layoutIfNeeded();
        return screen.tap(view);
    }

    ui::WindowPtr window;
    ScreenDriver screen;
};

// Reports with the virtual time they arrived at, since a start.
struct TimedReports {
    void record(int value) { reports.emplace_back(value, elapsed); }
    std::vector<int> values() const {
        std::vector<int> out;
        for (const auto& [value, at] : reports) out.push_back(value);
        return out;
    }
    // Advances the clock in small steps so that arrival times are known to
    // within a step.
    // A step of 1/16 s adds up exactly.
    void run(double seconds, double step = 0.0625) {
        for (double t = 0; t < seconds - 1e-9; t += step) {
            advance(step);
            elapsed += step;
        }
    }
    std::vector<std::pair<int, double>> reports;
    double elapsed = 0;
};

}  // namespace keelbox::test
