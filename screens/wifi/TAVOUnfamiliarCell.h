// A device the router has not admitted yet: the device row with two fixed
// buttons at its right edge, "allow the connection" and "add to black list",
// which report the device-operation button indices 0 and 2.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "screens/wifi/TAVODeviceItemCell.h"

class TAVOUnfamiliarCell;

class TAVOUnfamiliarCellDelegate {
public:
    virtual ~TAVOUnfamiliarCellDelegate() = default;
    virtual void unfamiliarCellDidSelectButtonAtIndex(TAVOUnfamiliarCell& cell, int index) = 0;
};

class TAVOUnfamiliarCell : public TAVODeviceItemCell {
public:
    using TAVODeviceItemCell::TAVODeviceItemCell;
    static std::shared_ptr<TAVOUnfamiliarCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVOUnfamiliarCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }

    static constexpr double kButtonWidth = 58;
    static constexpr int kAccessIndex = 0;
    static constexpr int kForbiddenIndex = 2;

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    std::shared_ptr<TAVOUnfamiliarCellDelegate> clickDelegate() const { return clickDelegate_.lock(); }
    void setClickDelegate(const std::shared_ptr<TAVOUnfamiliarCellDelegate>& d) { clickDelegate_ = d; }
    void controlBtnClick(ui::Control& button);

    const ui::ButtonPtr& accessBtn() const { return accessBtn_; }
    const ui::ButtonPtr& forbiddenBtn() const { return forbiddenBtn_; }

protected:
    double nameRightLimit() const override;

private:
    ui::ButtonPtr accessBtn_;
    ui::ButtonPtr forbiddenBtn_;
    std::weak_ptr<TAVOUnfamiliarCellDelegate> clickDelegate_;
};

using TAVOUnfamiliarCellPtr = std::shared_ptr<TAVOUnfamiliarCell>;
