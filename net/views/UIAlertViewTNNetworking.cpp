#include "net/views/UIAlertViewTNNetworking.h"

#include "net/http/TNNetworkingNotifications.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/OperationQueue.h"

namespace {

constexpr const char* kTable = "TAVONetworking";
constexpr const char* kRecoverySuggestionKey = "NSLocalizedRecoverySuggestion";

std::string lookUp(const std::string& key) { return ns::Bundle::mainBundle()->localizedString(key, "", kTable); }

std::string userInfoText(const ns::ErrorPtr& error, const char* key) {
    const ns::Value* value = error->userInfo().find(key);
    return value && value->isString() ? value->stringValue() : std::string();
}

// "%@ Error: %ld" filled with the domain and the code.
std::string fillFormat(const std::string& format, const std::string& domain, long code) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.compare(i, 2, "%@") == 0) {
            out += domain;
            ++i;
        } else if (format.compare(i, 3, "%ld") == 0) {
            out += std::to_string(code);
            i += 2;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace

std::pair<std::string, std::string> UIAlertViewTNNetworking::titleAndMessageForError(const ns::ErrorPtr& error) {
    if (!error) return {};
    const std::string description = userInfoText(error, ns::kLocalizedDescriptionKey);
    const std::string suggestion = userInfoText(error, kRecoverySuggestionKey);
    const std::string reason = userInfoText(error, ns::kLocalizedFailureReasonErrorKey);
    if (!description.empty() && (!suggestion.empty() || !reason.empty()))
        return {description, !suggestion.empty() ? suggestion : reason};
    std::string message = !description.empty()
                              ? description
                              : fillFormat(lookUp("%@ Error: %ld"), error->domain(), static_cast<long>(error->code()));
    return {lookUp("Error"), message};
}

void UIAlertViewTNNetworking::showAlertViewForRequestOperationWithErrorOnCompletion(
    const TNURLConnectionOperationPtr& operation, const std::shared_ptr<ui::AlertViewDelegate>& delegate) {
    showAlertViewForRequestOperationWithErrorOnCompletion(operation, delegate, lookUp("Dismiss"), {});
}

void UIAlertViewTNNetworking::showAlertViewForRequestOperationWithErrorOnCompletion(
    const TNURLConnectionOperationPtr& operation, const std::shared_ptr<ui::AlertViewDelegate>& delegate,
    const std::optional<std::string>& cancelButtonTitle, const std::vector<std::string>& otherButtonTitles) {
    if (!operation) return;
    auto center = ns::NotificationCenter::defaultCenter();
    const ns::Value sender(std::static_pointer_cast<ns::Object>(operation));
    std::vector<std::string> others;
    if (!otherButtonTitles.empty()) others.push_back(otherButtonTitles.front());
    // The observer removes itself when it fires; it knows its own token
    // (weakly: the centre holds the registration).
    auto token = std::make_shared<std::weak_ptr<ns::Object>>();
    std::weak_ptr<ui::AlertViewDelegate> weakDelegate = delegate;
    *token = center->addObserverForName(
        TNNetworkingOperationDidFinishNotification, sender, ns::OperationQueue::mainQueue(),
        [token, weakDelegate, cancelButtonTitle, others](const ns::NotificationPtr& notification) {
            auto finished = notification->object().as<TNURLConnectionOperation>();
            if (finished && finished->error()) {
                auto [title, message] = titleAndMessageForError(finished->error());
                ui::AlertView::create(title, message, weakDelegate.lock(), cancelButtonTitle, others)->show();
            }
            if (auto registration = token->lock()) ns::NotificationCenter::defaultCenter()->removeObserver(registration);
        });
}
