#include "files/MPAlbumCell.h"

void MPAlbumCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    ui::TableViewCell::initWithStyle(style, reuseIdentifier);
    container_ = ui::View::create();
    container_->setBackgroundColor(ui::Color::clearColor());
    contentView()->addSubview(container_);
    thumbnailImageView_ = ui::ImageView::create();
    thumbnailImageView_->setContentMode(ui::ContentMode::ScaleAspectFill);
    thumbnailImageView_->setClipsToBounds(true);
    container_->addSubview(thumbnailImageView_);
    nameLB_ = ui::Label::create();
    nameLB_->setFont(ui::Font::systemFontOfSize(20));
    nameLB_->setTextColor(ui::Color::blackColor());
    nameLB_->setBackgroundColor(ui::Color::clearColor());
    container_->addSubview(nameLB_);
    countLB_ = ui::Label::create();
    countLB_->setFont(ui::Font::systemFontOfSize(14));
    countLB_->setTextColor(ui::Color::blackColor());
    countLB_->setBackgroundColor(ui::Color::clearColor());
    container_->addSubview(countLB_);
}

void MPAlbumCell::layoutSubviews() {
    ui::TableViewCell::layoutSubviews();
    const cg::Size size = contentView()->bounds().size;
    const double height = size.height - 10;
    container_->setFrame(cg::RectMake(13, 5, size.width - 13 - 30, height));
    thumbnailImageView_->setFrame(cg::RectMake(0, 0, height, height));
    const double x = height + 12;
    nameLB_->setFrame(cg::RectMake(x, height / 2 - 26, size.width - x - 43, 26));
    countLB_->setFrame(cg::RectMake(x, height / 2 + 2, size.width - x - 43, 20));
}
