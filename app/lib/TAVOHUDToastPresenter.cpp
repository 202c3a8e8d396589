#include "app/lib/TAVOHUDToastPresenter.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "widgets/CustomizedHUD.h"

namespace {

std::shared_ptr<ui::Window> applicationWindow() {
    auto app = ui::Application::existing();
    if (!app) return nullptr;
    if (auto delegate = app->delegate(); delegate && delegate->window()) return delegate->window();
    return app->keyWindow();
}

}  // namespace

void TAVOHUDToastPresenter::showToast(const std::string& text, int type, double hideAfterSeconds,
                                      std::function<void()> onHidden) {
    auto toast = CustomizedHUD::showHUDAddedTo(applicationWindow(), type, true);
    if (!toast) {
        // Nothing to show it on: it is over at once.
        if (onHidden) onHidden();
        return;
    }
    toast->setLabelText(text);
    toast->setRemoveFromSuperViewOnHide(true);
    toast->setCompletionBlock(std::move(onHidden));
    toast->hideAfterDelay(true, std::max(0.0, hideAfterSeconds));
}
