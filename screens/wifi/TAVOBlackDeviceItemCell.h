// One device of the blacklist: its icon, its name and the button that
// restores it to the network.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "protocol/records/TAVORouterJoiningDevice.h"

class TAVOBlackDeviceItemCell;

class TAVOBlackDeviceItemCellDelegate {
public:
    virtual ~TAVOBlackDeviceItemCellDelegate() = default;
    virtual void restoreButtonClick(TAVOBlackDeviceItemCell& cell) = 0;
};

class TAVOBlackDeviceItemCell : public ui::TableViewCell {
public:
    using ui::TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOBlackDeviceItemCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVOBlackDeviceItemCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const TAVORouterJoiningDevicePtr& device() const { return device_; }
    // Nothing changes for a null record.
    void setDevice(const TAVORouterJoiningDevicePtr& device);
    std::shared_ptr<TAVOBlackDeviceItemCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOBlackDeviceItemCellDelegate>& d) { delegate_ = d; }

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& name() const { return name_; }
    const ui::ButtonPtr& restoreButton() const { return restoreButton_; }

private:
    void restoreButtonClick();

    TAVORouterJoiningDevicePtr device_;
    std::weak_ptr<TAVOBlackDeviceItemCellDelegate> delegate_;
    ui::ImageViewPtr iconView_;
    ui::LabelPtr name_;
    ui::ButtonPtr restoreButton_;
};
