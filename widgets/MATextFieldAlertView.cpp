#include "widgets/MATextFieldAlertView.h"

std::shared_ptr<MATextFieldAlertView> MATextFieldAlertView::create(const std::string& title,
                                                                   const std::string& message) {
    return makeWithTitle<MATextFieldAlertView>(title, message);
}

void MATextFieldAlertView::addButtonWithTitle(const std::string& title, int type, Handler handler) {
    MAAlertTextItem::TextAction action;
    if (handler)
        action = [handler = std::move(handler)](const MAAlertViewPtr& alert) {
            return handler(std::static_pointer_cast<MATextFieldAlertView>(alert));
        };
    addTextButton(title, type, std::move(action));
}

void MATextFieldAlertView::handlerAnswered(const std::string& answer) {
    // Refused: the alert stays up, unchanged.
    if (!answer.empty()) return;
    dismissAnimated(true);
}
