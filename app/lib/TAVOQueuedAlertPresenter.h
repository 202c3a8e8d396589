// The core's alerts through the interface kit's queued alert: each becomes
// an MAAlertView with its buttons in the given order, shown one at a time
// in a window of its own (the newest first, the others waiting in the
// kit's queue); a tapped button runs its handler as the alert closes.
#pragma once

#include <memory>

#include "core/services/TAVOAlertPresenter.h"

class TAVOQueuedAlertPresenter : public TAVOAlertPresenter {
public:
    static std::shared_ptr<TAVOQueuedAlertPresenter> create();

    bool hasShown() override;
    void showAlert(const std::string& title, const std::string& message,
                   std::vector<TAVOAlertButton> buttons) override;
};
