// An icon row with a title and an optional subtitle under it; the base of
// further setting cells. With a subtitle the title takes the upper two
// thirds of the row.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

class TAVORightPaneCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVORightPaneCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TAVORightPaneCell>(style, reuseIdentifier);
    }

    // Only sizes the icon's frame.
    static constexpr const char* kIconSizingImageName = "icon_about_setting";

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    void setIconImage(const ui::ImagePtr& image);
    void setTitle(const std::string& title);
    const std::string& subTitle() const { return subTitle_; }
    // Empty hides the subtitle.
    void setSubTitle(const std::string& subTitle);

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& subTitleLabel() const { return subTitleLabel_; }

private:
    cg::Rect oneLineTitleFrame() const;
    void applyTwoLineFrames();

    ui::ImageViewPtr iconView_;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr subTitleLabel_;
    std::string subTitle_;
};

using TAVORightPaneCellPtr = std::shared_ptr<TAVORightPaneCell>;
