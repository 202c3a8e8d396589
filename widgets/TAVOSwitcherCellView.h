// One settings row that is a plain view, not a table cell: a title on the
// left, an on/off switch on the right and a hairline along the top and the
// bottom edge. Screens place it, set its title and the switch's value, and
// hear a person's change through the delegate (a change made by code says
// nothing).
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/TAVOSwitcherCellViewDelegate.h"

class TAVOSwitcherCellView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOSwitcherCellView> create(const cg::Rect& frame = {}) {
        return make<TAVOSwitcherCellView>(frame);
    }

    static constexpr double kTitleLeft = 18;
    static constexpr double kSwitchRightMargin = 15;
    static constexpr double kTitleSwitchGap = 15;
    static constexpr double kTitleFontSize = 16;
    static constexpr double kTitleTextWhite = 0.2;
    static constexpr double kLineHeight = 1;
    static constexpr long kLineLeftCap = 2;

    const ui::LabelPtr& settingTitle() const { return settingTitle_; }
    void setSettingTitle(const ui::LabelPtr& label) { settingTitle_ = label; }
    const ToggleSwitchPtr& switchControl() const { return switchControl_; }
    void setSwitchControl(const ToggleSwitchPtr& control) { switchControl_ = control; }
    const ui::ImageViewPtr& topLine() const { return topLine_; }
    const ui::ImageViewPtr& bottomLine() const { return bottomLine_; }

    std::shared_ptr<TAVOSwitcherCellViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOSwitcherCellViewDelegate>& delegate) { delegate_ = delegate; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

    // The switch's value-changed action: passes a person's change on.
    void onSwicthValueChanged();

private:
    ui::ImageViewPtr makeLine(const cg::Rect& frame, unsigned autoresizing) const;

    ui::LabelPtr settingTitle_;
    ToggleSwitchPtr switchControl_;
    ui::ImageViewPtr topLine_;
    ui::ImageViewPtr bottomLine_;
    std::weak_ptr<TAVOSwitcherCellViewDelegate> delegate_;
};

using TAVOSwitcherCellViewPtr = std::shared_ptr<TAVOSwitcherCellView>;
