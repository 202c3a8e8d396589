// One connected device in the device list: icon (with the phone badge when
// the row is the phone itself), name, current speeds, the 5 GHz signal of a
// Wi-Fi device or the cut-off mark of a wired one, the speed-limit mark and
// the arrow that opens and closes the row's swipe buttons.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "protocol/records/TAVORouterJoiningDevice.h"
#include "uikit/SlideTableViewCell.h"

class TAVODeviceItemCell;

class TAVODeviceItemCellDelegate {
public:
    virtual ~TAVODeviceItemCellDelegate() = default;
    // The expand arrow was tapped: 0 asks to open the row, 1 to close it.
    virtual void cellEvent(TAVODeviceItemCell& cell, int event) = 0;
};

class TAVODeviceItemCell : public SlideTableViewCell {
public:
    using SlideTableViewCell::SlideTableViewCell;
    static std::shared_ptr<TAVODeviceItemCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVODeviceItemCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }

    static constexpr int kEventOpen = 0;
    static constexpr int kEventClose = 1;
    static constexpr const char* kLimitMarkText = "限速";

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const TAVORouterJoiningDevicePtr& device() const { return device_; }
    // Fills every view from the record; nothing changes for a null one.
    virtual void setDevice(const TAVORouterJoiningDevicePtr& device);
    bool isLocal() const { return isLocal_; }
    void setIsLocal(bool isLocal);
    void setSpeed(double up, double down);
    void setStrength(int strength);
    // true: the arrow at rest; false: turned a quarter, the open position.
    void changeIndicatorState(bool atRest);
    void expendIndicatorIsClicked();

    std::shared_ptr<TAVODeviceItemCellDelegate> eventDelegate() const { return eventDelegate_.lock(); }
    void setEventDelegate(const std::shared_ptr<TAVODeviceItemCellDelegate>& d) { eventDelegate_ = d; }

    // The signal image for a strength of 0 to 100.
    static const char* strengthImageName(int strength);

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::ImageViewPtr& adminView() const { return adminView_; }
    const ui::LabelPtr& name() const { return name_; }
    const ui::LabelPtr& uploadSpeed() const { return uploadSpeed_; }
    const ui::LabelPtr& downloadSpeed() const { return downloadSpeed_; }
    const ui::ImageViewPtr& strengthIndicator() const { return strengthIndicator_; }
    const ui::LabelPtr& labelFor5G() const { return labelFor5G_; }
    const ui::ImageViewPtr& disconnectIndicator() const { return disconnectIndicator_; }
    const ui::ImageViewPtr& expendIndicator() const { return expendIndicator_; }
    const ui::ViewPtr& limitMark() const { return limitMark_; }

protected:
    // Where the name may end on the right (the buttons of an unfamiliar row
    // cut it shorter).
    virtual double nameRightLimit() const;
    double nameLeft() const;

private:
    void placeNameAndLimitMark();

    TAVORouterJoiningDevicePtr device_;
    bool isLocal_ = false;
    std::weak_ptr<TAVODeviceItemCellDelegate> eventDelegate_;
    ui::ImageViewPtr iconView_;
    ui::ImageViewPtr adminView_;
    ui::LabelPtr name_;
    ui::ImageViewPtr uploadIndicator_;
    ui::LabelPtr uploadSpeed_;
    ui::ImageViewPtr downloadIndicator_;
    ui::LabelPtr downloadSpeed_;
    ui::ImageViewPtr strengthIndicator_;
    ui::LabelPtr labelFor5G_;
    ui::ImageViewPtr disconnectIndicator_;
    ui::ImageViewPtr expendIndicator_;
    ui::ViewPtr limitMark_;
    ui::LabelPtr limitLabel_;
    double nameTextHeight_ = 0;
};

using TAVODeviceItemCellPtr = std::shared_ptr<TAVODeviceItemCell>;
