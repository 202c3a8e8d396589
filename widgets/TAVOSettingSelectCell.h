// The row of setting and safety lists: an icon, a title, a right-aligned
// status text, an optional flag picture and a disclosure arrow, laid out
// in code from the cell's height and the pictures' sizes.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "uikit/LXAttributedLabel.h"

class TAVOSettingSelectCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOSettingSelectCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TAVOSettingSelectCell>(style, reuseIdentifier);
    }

    static constexpr const char* kArrowImageName = "public_list_arrows";

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const ui::ImageViewPtr& iconImage() const { return iconImage_; }
    const ui::LabelPtr& settingTitle() const { return settingTitle_; }
    const LXAttributedLabelPtr& statusLabel() const { return statusLabel_; }
    const ui::ImageViewPtr& flagImage() const { return flagImage_; }
    const ui::ImageViewPtr& arrowView() const { return arrowView_; }
    // When set, the owner sizes the icon view and layout keeps that size.
    bool manualLayout() const { return manualLayout_; }
    void setManualLayout(bool manual) { manualLayout_ = manual; }

private:
    ui::ImageViewPtr iconImage_;
    ui::LabelPtr settingTitle_;
    LXAttributedLabelPtr statusLabel_;
    ui::ImageViewPtr flagImage_;
    ui::ImageViewPtr arrowView_;
    bool manualLayout_ = false;
};

using TAVOSettingSelectCellPtr = std::shared_ptr<TAVOSettingSelectCell>;
