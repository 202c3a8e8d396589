// The core's alert presenter over the platform alert until the interface
// kit's own alert lands: alerts are queued, one on screen at a time, each
// shown when the one before it has been dismissed; buttons keep the order
// they were given in, and a tapped button runs its handler.
#pragma once

#include <deque>
#include <memory>

#include "core/services/TAVOAlertPresenter.h"
#include "platform/ui/AlertView.h"

class TAVOAlertViewPresenter : public TAVOAlertPresenter,
                               public ui::AlertViewDelegate,
                               public std::enable_shared_from_this<TAVOAlertViewPresenter> {
public:
    static std::shared_ptr<TAVOAlertViewPresenter> create();

    bool hasShown() override;
    void showAlert(const std::string& title, const std::string& message,
                   std::vector<TAVOAlertButton> buttons) override;

    // The alert on screen, or nullptr.
    ui::AlertViewPtr currentAlert() const { return current_ ? current_->view : nullptr; }
    std::size_t queuedCount() const { return queue_.size(); }

    void clickedButtonAtIndex(ui::AlertView& alert, long index) override;
    void didDismissWithButtonIndex(ui::AlertView& alert, long index) override;

private:
    struct Pending {
        ui::AlertViewPtr view;
        std::vector<TAVOAlertButton> buttons;
    };
    TAVOAlertViewPresenter() = default;
    void showNext();

    std::shared_ptr<Pending> current_;
    std::deque<std::shared_ptr<Pending>> queue_;
};
