// The interface kit's queued alert (MAAlertView) read as a ShownAlert. Its
// buttons are views of its own window, so pressing one is a finger on it.
// Text fields are those of the view a caller put in the message's place.
#pragma once

#include <memory>

#include "tests/support/screen/ShownAlert.h"
#include "uikit/MAAlertView.h"

namespace keelbox::test {

class QueuedAlert : public ShownAlert {
public:
    explicit QueuedAlert(MAAlertViewPtr alert) : alert_(std::move(alert)) {}

    // The alert on screen: the kit's current alert while it is up.
    static std::vector<std::shared_ptr<ShownAlert>> shown();

    std::string title() const override { return alert_->title(); }
    std::string message() const override { return alert_->message(); }
    std::vector<std::string> buttonTitles() const override;
    std::size_t textFieldCount() const override;
    bool fillTextField(std::size_t index, const std::string& text) override;
    bool pressButton(const std::string& title) override;
    ui::ViewPtr view() const override { return alert_; }

private:
    MAAlertViewPtr alert_;
};

}  // namespace keelbox::test
