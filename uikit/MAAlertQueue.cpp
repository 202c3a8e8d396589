#include "uikit/MAAlertQueue.h"

#include <algorithm>
#include <utility>

#include "platform/foundation/Singleton.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"
#include "uikit/MAAlertView.h"

namespace {

constexpr double kBackgroundFadeSeconds = 0.3;

}  // namespace

MAAlertQueue& MAAlertQueue::shared() {
    // Never destroyed: alerts may still be released by windows at exit.
    static MAAlertQueue* state = [] {
        auto* made = new MAAlertQueue();
        ns::onTestReset([made] {
            MAAlertQueue old = std::move(*made);
            *made = MAAlertQueue();
            // A fade of the old state that ends later must not match a new one.
            made->fades_ = old.fades_;
            old.removeBackground();
            // An alert up or waiting holds its window, which holds it back.
            if (old.current) old.current->teardown();
            for (const auto& alert : old.alerts) alert->teardown();
        });
        return made;
    }();
    return *state;
}

bool MAAlertQueue::contains(const MAAlertView& alert) const {
    return std::any_of(alerts.begin(), alerts.end(), [&](const auto& a) { return a.get() == &alert; });
}

void MAAlertQueue::remove(const MAAlertView& alert) {
    std::erase_if(alerts, [&](const auto& a) { return a.get() == &alert; });
}

void MAAlertQueue::showBackground(int style) {
    if (background_) {
        if (fadeOut_ == 0) return;
        // An alert came up while the dimming faded out: it stays.
        fadeOut_ = 0;
        ++fades_;
        auto window = background_;
        ui::ViewAnimation::animate(kBackgroundFadeSeconds, [window] { window->setAlpha(1); });
        return;
    }
    background_ = MAAlertBackgroundWindow::create(ui::Screen::mainScreen()->bounds(), style);
    background_->makeKeyAndVisible();
    background_->setAlpha(0);
    auto window = background_;
    ui::ViewAnimation::animate(kBackgroundFadeSeconds, [window] { window->setAlpha(1); });
}

void MAAlertQueue::hideBackground(bool animated) {
    if (!background_) return;
    if (!animated) {
        removeBackground();
        return;
    }
    if (fadeOut_ != 0) return;
    const std::uint64_t fade = fadeOut_ = ++fades_;
    auto window = background_;
    ui::ViewAnimation::animate(kBackgroundFadeSeconds, [window] { window->setAlpha(0); }, [fade](bool) {
        auto& state = MAAlertQueue::shared();
        if (state.fadeOut_ == fade) state.removeBackground();
    });
}

void MAAlertQueue::removeBackground() {
    fadeOut_ = 0;
    if (!background_) return;
    auto window = std::exchange(background_, nullptr);
    window->setHidden(true);
}
