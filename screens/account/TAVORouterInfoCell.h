// A row of the router information: the fact's name on the left, its value
// on the right.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

class TAVORouterInfoCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVORouterInfoCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVORouterInfoCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const ui::LabelPtr& leftLabel() const { return leftLabel_; }
    const ui::LabelPtr& rightLabel() const { return rightLabel_; }

private:
    ui::LabelPtr leftLabel_;
    ui::LabelPtr rightLabel_;
};
