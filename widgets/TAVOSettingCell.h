// A titled settings row with three right-hand marks the owner hides or
// shows per row: a "new" badge, a "latest version" note and an arrow.
#pragma once

#include <memory>
#include <string>

#include "widgets/TAVORightPaneCell.h"

class TAVOSettingCell : public TAVORightPaneCell {
public:
    using TAVORightPaneCell::TAVORightPaneCell;
    static std::shared_ptr<TAVOSettingCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TAVOSettingCell>(style, reuseIdentifier);
    }

    static constexpr const char* kNewBadgeImageName = "icon_new_indicator";
    static constexpr const char* kArrowImageName = "public_list_arrows";

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;

    const ui::ImageViewPtr& hasNewVersionView() const { return hasNewVersionView_; }
    const ui::LabelPtr& isLatestVersionLabel() const { return isLatestVersionLabel_; }
    const ui::ImageViewPtr& accessorView() const { return accessorView_; }

private:
    ui::ImageViewPtr hasNewVersionView_;
    ui::LabelPtr isLatestVersionLabel_;
    ui::ImageViewPtr accessorView_;
};

using TAVOSettingCellPtr = std::shared_ptr<TAVOSettingCell>;
