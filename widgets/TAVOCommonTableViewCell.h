// A plain list row: an optional icon at the left, a vertically centred
// attributed text and the disclosure arrow at the right. Screens fill the
// icon and text; the cell lays them out. All three views sit on the cell
// itself, not on its content view.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/TableViewCell.h"
#include "uikit/LXAttributedLabel.h"

class TAVOCommonTableViewCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOCommonTableViewCell> create(ui::TableViewCellStyle style,
                                                           const std::string& reuseIdentifier) {
        return makeCell<TAVOCommonTableViewCell>(style, reuseIdentifier);
    }

    static constexpr const char* kArrowImageName = "public_list_arrows";
    static constexpr double kTextFontSize = 18;

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const LXAttributedLabelPtr& contentLable() const { return contentLable_; }
    const ui::ImageViewPtr& arrowView() const { return arrowView_; }

private:
    ui::ImageViewPtr iconView_;
    LXAttributedLabelPtr contentLable_;
    ui::ImageViewPtr arrowView_;
};

using TAVOCommonTableViewCellPtr = std::shared_ptr<TAVOCommonTableViewCell>;
