#include "app/lib/TAVOWindowToastPresenter.h"

#include <algorithm>

#include "platform/foundation/Timer.h"
#include "platform/ui/Application.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"

namespace {

std::shared_ptr<ui::Window> applicationWindow() {
    auto app = ui::Application::existing();
    if (!app) return nullptr;
    if (auto delegate = app->delegate(); delegate && delegate->window()) return delegate->window();
    return app->keyWindow();
}

}  // namespace

void TAVOWindowToastPresenter::showToast(const std::string& text, int type, double hideAfterSeconds,
                                         std::function<void()> onHidden) {
    auto window = applicationWindow();
    if (!window) {
        // Nothing to show it on: it is over at once.
        if (onHidden) onHidden();
        return;
    }
    const cg::Rect bounds = window->bounds();
    const double width = std::min(260.0, bounds.size.width - 40);
    auto toast = ui::Label::create(cg::RectMake((bounds.size.width - width) / 2, bounds.size.height / 2 - 30, width, 60));
    toast->setText(type == TAVOToastTypeWarning ? "\u26a0 " + text : text);
    toast->setNumberOfLines(0);
    toast->setTextAlignment(ui::TextAlignment::Center);
    toast->setTextColor(ui::Color::whiteColor());
    toast->setFont(ui::Font::systemFontOfSize(14));
    toast->setBackgroundColor(ui::Color::rgba(0, 0, 0, 0.75));
    toast->layer()->setCornerRadius(8);
    toast->setAlpha(0);
    window->addSubview(toast);
    shown_.push_back(toast);
    ui::ViewAnimation::animate(kFadeSeconds, [toast] { toast->setAlpha(1); });

    std::weak_ptr<TAVOWindowToastPresenter> presenter = weak_from_this();
    auto onTime = [presenter, toast, onHidden](std::shared_ptr<ns::Timer>) {
        if (auto p = presenter.lock()) p->hide(toast, onHidden);
    };
    ns::Timer::scheduledTimerWithTimeInterval(std::max(0.0, hideAfterSeconds), false, onTime);
}

void TAVOWindowToastPresenter::hide(const std::shared_ptr<ui::Label>& toast, const std::function<void()>& onHidden) {
    ui::ViewAnimation::animate(kFadeSeconds, [toast] { toast->setAlpha(0); }, [self = shared_from_this(), toast, onHidden](bool) {
        toast->removeFromSuperview();
        auto& shown = self->shown_;
        shown.erase(std::remove(shown.begin(), shown.end(), toast), shown.end());
        if (onHidden) onHidden();
    });
}
