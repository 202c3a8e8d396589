#include "app/lib/TAVOQueuedAlertPresenter.h"

#include "uikit/MAAlertView.h"

std::shared_ptr<TAVOQueuedAlertPresenter> TAVOQueuedAlertPresenter::create() {
    return std::make_shared<TAVOQueuedAlertPresenter>();
}

bool TAVOQueuedAlertPresenter::hasShown() { return MAAlertView::hasShown(); }

void TAVOQueuedAlertPresenter::showAlert(const std::string& title, const std::string& message,
                                         std::vector<TAVOAlertButton> buttons) {
    auto alert = MAAlertView::create(title, message);
    for (auto& button : buttons) {
        alert->addButtonWithTitle(button.title, button.type, [handler = std::move(button.handler)](const MAAlertViewPtr&) {
            if (handler) handler();
        });
    }
    alert->show();
}
