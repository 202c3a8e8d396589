#include "widgets/TAVORightHeaderCell.h"

#include "net/imageloader/UIImageViewWebCache.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Font.h"

namespace {

constexpr double kPictureX = 9;
constexpr double kPictureSide = 35;
constexpr double kNameGap = 9;
constexpr double kNameFontSize = 16;
constexpr double kNameGrey = 0.2;

}  // namespace

void TAVORightHeaderCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    setBackgroundColor(ui::Color::clearColor());
    const cg::Size content = contentView()->bounds().size;

    headPicView_ = ui::ImageView::create(
        cg::RectMake(kPictureX, (content.height - kPictureSide) / 2, kPictureSide, kPictureSide));
    headPicView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    headPicView_->layer()->setCornerRadius(kPictureSide / 2);
    headPicView_->setClipsToBounds(true);
    headPicView_->setImage(ui::Image::imageNamed(kPlaceholderImageName));
    contentView()->addSubview(headPicView_);

    const double nameX = kPictureX + kPictureSide + kNameGap;
    userNameLabel_ = ui::Label::create(cg::RectMake(nameX, 0, content.width - kNameGap - nameX, content.height));
    userNameLabel_->setTextAlignment(ui::TextAlignment::Left);
    userNameLabel_->setFont(ui::Font::systemFontOfSize(kNameFontSize));
    userNameLabel_->setTextColor(ui::Color::white(kNameGrey));
    userNameLabel_->setBackgroundColor(ui::Color::clearColor());
    userNameLabel_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth);
    contentView()->addSubview(userNameLabel_);
}

void TAVORightHeaderCell::setHeadPicURL(const std::string& url) {
    if (hasHeadPicURL_ && url == headPicURL_) return;
    headPicURL_ = url;
    hasHeadPicURL_ = true;
    UIImageViewWebCache::setImageWithURL(headPicView_, ns::URL::URLWithString(url),
                                         ui::Image::imageNamed(kPlaceholderImageName));
}

void TAVORightHeaderCell::setUserName(const std::string& name) {
    if (name.empty()) return;
    userName_ = name;
    userNameLabel_->setText(name);
}
