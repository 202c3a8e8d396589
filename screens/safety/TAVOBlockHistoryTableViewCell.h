// A row of the block history: what was blocked (title), an optional
// second line, and when (right-aligned).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

class TAVOBlockHistoryTableViewCell : public ui::TableViewCell {
public:
    using ui::TableViewCell::TableViewCell;
    static std::shared_ptr<TAVOBlockHistoryTableViewCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVOBlockHistoryTableViewCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);
    const std::string& subTitle() const { return subTitle_; }
    void setSubTitle(const std::string& subTitle);
    const std::string& time() const { return time_; }
    void setTime(const std::string& time);

    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& subTitleLabel() const { return subTitleLabel_; }
    const ui::LabelPtr& timeLabel() const { return timeLabel_; }

private:
    std::string title_, subTitle_, time_;
    ui::LabelPtr titleLabel_, subTitleLabel_, timeLabel_;
};
