#include "screens/safety/TAVOBlockHistoryTableViewCell.h"

void TAVOBlockHistoryTableViewCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    ui::TableViewCell::initWithStyle(style, reuseIdentifier);
    auto make = [this](double size, double grey) {
        auto label = ui::Label::create();
        label->setFont(ui::Font::systemFontOfSize(size));
        label->setTextColor(ui::Color::white(grey));
        label->setBackgroundColor(ui::Color::clearColor());
        contentView()->addSubview(label);
        return label;
    };
    titleLabel_ = make(14, 0.2);
    subTitleLabel_ = make(10, 0.4);
    subTitleLabel_->setHidden(true);
    timeLabel_ = make(12, 0.4);
    timeLabel_->setTextAlignment(ui::TextAlignment::Right);
}

void TAVOBlockHistoryTableViewCell::setTitle(const std::string& title) {
    title_ = title;
    titleLabel_->setText(title);
    setNeedsLayout();
}

void TAVOBlockHistoryTableViewCell::setSubTitle(const std::string& subTitle) {
    subTitle_ = subTitle;
    subTitleLabel_->setText(subTitle);
    setNeedsLayout();
}

void TAVOBlockHistoryTableViewCell::setTime(const std::string& time) {
    time_ = time;
    timeLabel_->setText(time);
    setNeedsLayout();
}

void TAVOBlockHistoryTableViewCell::layoutSubviews() {
    ui::TableViewCell::layoutSubviews();
    const cg::Size s = contentView()->bounds().size;
    const double w = s.width, h = s.height;
    if (!subTitle_.empty()) {
        subTitleLabel_->setHidden(false);
        titleLabel_->setFrame(cg::RectMake(15, 2, w - 110, h - 15));
        subTitleLabel_->setFrame(cg::RectMake(15, cg::RectGetMaxY(titleLabel_->frame()) - 8, w - 110, 15));
    } else {
        subTitleLabel_->setHidden(true);
        titleLabel_->setFrame(cg::RectMake(15, 0, w - 110, h));
    }
    timeLabel_->setFrame(cg::RectMake(w - 95, 0, 80, h));
}
