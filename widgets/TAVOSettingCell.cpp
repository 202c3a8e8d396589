#include "widgets/TAVOSettingCell.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Font.h"

namespace {

constexpr double kBadgeRightMargin = 35;
constexpr double kArrowRightMargin = 13;
constexpr double kNoteRightMargin = 15;
constexpr double kNoteFontSize = 13;
constexpr double kNoteGrey = 187.0 / 255;

constexpr unsigned kFlexibleSize = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

cg::Size imageSize(const ui::ImagePtr& image) { return image ? image->size() : cg::Size{0, 0}; }

}  // namespace

void TAVOSettingCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TAVORightPaneCell::initWithStyle(style, reuseIdentifier);
    setBackgroundColor(ui::Color::whiteColor());
    const cg::Size content = contentView()->bounds().size;

    auto badge = ui::Image::imageNamed(kNewBadgeImageName);
    const double badgeWidth = imageSize(badge).width;
    hasNewVersionView_ = ui::ImageView::create(
        cg::RectMake(content.width - kBadgeRightMargin - badgeWidth, 0, badgeWidth, content.height));
    hasNewVersionView_->setImage(badge);
    hasNewVersionView_->setContentMode(ui::ContentMode::Center);
    hasNewVersionView_->setAutoresizingMask(kFlexibleSize);
    contentView()->addSubview(hasNewVersionView_);

    const double half = std::ceil(content.width / 2);
    isLatestVersionLabel_ =
        ui::Label::create(cg::RectMake(half, 0, content.width / 2 - kNoteRightMargin, content.height));
    isLatestVersionLabel_->setText(TAVOLocalizedString("this is the latest version"));
    isLatestVersionLabel_->setFont(ui::Font::systemFontOfSize(kNoteFontSize));
    isLatestVersionLabel_->setTextAlignment(ui::TextAlignment::Right);
    isLatestVersionLabel_->setTextColor(ui::Color::white(kNoteGrey));
    isLatestVersionLabel_->setBackgroundColor(ui::Color::clearColor());
    isLatestVersionLabel_->setAutoresizingMask(kFlexibleSize);
    contentView()->addSubview(isLatestVersionLabel_);

    auto arrow = ui::Image::imageNamed(kArrowImageName);
    const double arrowWidth = imageSize(arrow).width;
    accessorView_ = ui::ImageView::create(
        cg::RectMake(content.width - kArrowRightMargin - arrowWidth, 0, arrowWidth, content.height));
    accessorView_->setImage(arrow);
    accessorView_->setContentMode(ui::ContentMode::Center);
    contentView()->addSubview(accessorView_);
}
