// A settings row with an icon, a title and an on/off switch; a person's
// change of the switch goes to the delegate (a change made by code does not).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/TAVOSwitchCellDelegate.h"

class TAVOSettingSwitchCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOSettingSwitchCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TAVOSettingSwitchCell>(style, reuseIdentifier);
    }

    static constexpr int kDefaultSpaceBetween = 10;

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const ui::ImageViewPtr& iconImage() const { return iconImage_; }
    const ui::LabelPtr& settingTitle() const { return settingTitle_; }
    const std::shared_ptr<ToggleSwitch>& switchControl() const { return switchControl_; }

    std::shared_ptr<TAVOSwitchCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOSwitchCellDelegate>& delegate) { delegate_ = delegate; }
    // When set, the owner sizes the icon view and layout keeps that size.
    bool manualLayout() const { return manualLayout_; }
    void setManualLayout(bool manual) { manualLayout_ = manual; }
    // The gap between the icon and the title, in points.
    int space_between() const { return spaceBetween_; }
    void setSpace_between(int space) { spaceBetween_ = space; }

    // The switch's value-changed action.
    void onSwicthValueChanged();

private:
    ui::ImageViewPtr iconImage_;
    ui::LabelPtr settingTitle_;
    std::shared_ptr<ToggleSwitch> switchControl_;
    std::weak_ptr<TAVOSwitchCellDelegate> delegate_;
    bool manualLayout_ = false;
    int spaceBetween_ = kDefaultSpaceBetween;
};

using TAVOSettingSwitchCellPtr = std::shared_ptr<TAVOSettingSwitchCell>;
