// An icon row with a title over a subtitle and a disclosure arrow (the
// router list's row).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

class TAVOSingleChooseTableViewCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOSingleChooseTableViewCell> create(ui::TableViewCellStyle style,
                                                                 const std::string& reuseIdentifier) {
        return makeCell<TAVOSingleChooseTableViewCell>(style, reuseIdentifier);
    }

    static constexpr const char* kIconImageName = "selected_router_list";

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& subtitleLabel() const { return subtitleLabel_; }

private:
    ui::ImageViewPtr iconView_;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr subtitleLabel_;
};

using TAVOSingleChooseTableViewCellPtr = std::shared_ptr<TAVOSingleChooseTableViewCell>;
