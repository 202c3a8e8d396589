// The platform's own alert (ui::AlertView) read as a ShownAlert. Its
// buttons are not views of a window, so pressing one is the platform's
// finger on it (tapButtonAtIndex).
#pragma once

#include <memory>

#include "platform/ui/AlertView.h"
#include "tests/support/screen/ShownAlert.h"

namespace keelbox::test {

class PlatformAlert : public ShownAlert {
public:
    explicit PlatformAlert(ui::AlertViewPtr alert) : alert_(std::move(alert)) {}

    std::string title() const override { return alert_->title; }
    std::string message() const override { return alert_->message; }
    std::vector<std::string> buttonTitles() const override;
    std::size_t textFieldCount() const override;
    bool fillTextField(std::size_t index, const std::string& text) override;
    bool pressButton(const std::string& title) override;
    ui::ViewPtr view() const override { return alert_; }

private:
    ui::AlertViewPtr alert_;
};

}  // namespace keelbox::test
