// One device of the speed-up screen: icon (with the phone badge on the
// phone's own row), name and the speed-up button, which animates while the
// device is accelerated and spins while a request for it is under way.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "protocol/records/TAVORouterJoiningDevice.h"
#include "widgets/TAVOSpeedupButton.h"

class TAVOSpeedupDeviceTableViewCell;

class TAVOSpeedupDeviceTableViewCellDelegate {
public:
    virtual ~TAVOSpeedupDeviceTableViewCellDelegate() = default;
    virtual void buttonIsClick(TAVOSpeedupDeviceTableViewCell& cell) = 0;
};

class TAVOSpeedupDeviceTableViewCell : public ui::TableViewCell {
public:
    using ui::TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOSpeedupDeviceTableViewCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVOSpeedupDeviceTableViewCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const TAVORouterJoiningDevicePtr& device() const { return device_; }
    void setDevice(const TAVORouterJoiningDevicePtr& device);
    bool isLoading() const { return isLoading_; }
    void setIsLoading(bool loading);
    bool isLocal() const { return isLocal_; }
    void setIsLocal(bool local);

    std::shared_ptr<TAVOSpeedupDeviceTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOSpeedupDeviceTableViewCellDelegate>& d) { delegate_ = d; }
    void actionButtonIsClicked();

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::ImageViewPtr& adminView() const { return adminView_; }
    const ui::LabelPtr& name() const { return name_; }
    const std::shared_ptr<TAVOSpeedupButton>& actionButton() const { return actionButton_; }

private:
    TAVORouterJoiningDevicePtr device_;
    bool isLoading_ = false;
    bool isLocal_ = false;
    std::weak_ptr<TAVOSpeedupDeviceTableViewCellDelegate> delegate_;
    ui::ImageViewPtr iconView_;
    ui::ImageViewPtr adminView_;
    ui::LabelPtr name_;
    std::shared_ptr<TAVOSpeedupButton> actionButton_;
};
