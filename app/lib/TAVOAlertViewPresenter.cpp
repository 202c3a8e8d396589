#include "app/lib/TAVOAlertViewPresenter.h"

std::shared_ptr<TAVOAlertViewPresenter> TAVOAlertViewPresenter::create() {
    return std::shared_ptr<TAVOAlertViewPresenter>(new TAVOAlertViewPresenter());
}

bool TAVOAlertViewPresenter::hasShown() { return current_ && current_->view->isVisible(); }

void TAVOAlertViewPresenter::showAlert(const std::string& title, const std::string& message,
                                       std::vector<TAVOAlertButton> buttons) {
    auto pending = std::make_shared<Pending>();
    pending->view = ui::AlertView::create(title, message, shared_from_this(), std::nullopt);
    for (const auto& button : buttons) {
        const long index = pending->view->addButtonWithTitle(button.title);
        if (button.type == TAVOAlertButtonTypeCancel && pending->view->cancelButtonIndex < 0)
            pending->view->cancelButtonIndex = index;
    }
    pending->buttons = std::move(buttons);
    queue_.push_back(std::move(pending));
    if (!current_) showNext();
}

void TAVOAlertViewPresenter::showNext() {
    current_.reset();
    if (queue_.empty()) return;
    current_ = queue_.front();
    queue_.pop_front();
    current_->view->show();
}

void TAVOAlertViewPresenter::clickedButtonAtIndex(ui::AlertView& alert, long index) {
    if (!current_ || current_->view.get() != &alert) return;
    if (index < 0 || index >= static_cast<long>(current_->buttons.size())) return;
    // The handler may show another alert; it queues behind this one.
    auto handler = current_->buttons[static_cast<std::size_t>(index)].handler;
    if (handler) handler();
}

void TAVOAlertViewPresenter::didDismissWithButtonIndex(ui::AlertView& alert, long) {
    if (current_ && current_->view.get() == &alert) showNext();
}
