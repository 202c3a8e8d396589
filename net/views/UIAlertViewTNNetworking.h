// An alert that reports a request operation's error once it finishes. The
// texts come from the string table "TAVONetworking" (a missing entry shows
// its key): "Dismiss", "Error" and "%@ Error: %ld".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "net/http/TNURLConnectionOperation.h"
#include "platform/ui/AlertView.h"

class UIAlertViewTNNetworking {
public:
    static void showAlertViewForRequestOperationWithErrorOnCompletion(
        const TNURLConnectionOperationPtr& operation, const std::shared_ptr<ui::AlertViewDelegate>& delegate);
    // Only the first of the other titles becomes a button. Shows nothing
    // when the operation finishes without an error; fires at most once.
    static void showAlertViewForRequestOperationWithErrorOnCompletion(
        const TNURLConnectionOperationPtr& operation, const std::shared_ptr<ui::AlertViewDelegate>& delegate,
        const std::optional<std::string>& cancelButtonTitle, const std::vector<std::string>& otherButtonTitles);
    // The title and message an alert shows for the error.
    static std::pair<std::string, std::string> titleAndMessageForError(const ns::ErrorPtr& error);
};
