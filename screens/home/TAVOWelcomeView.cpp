#include "screens/home/TAVOWelcomeView.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Font.h"

namespace {

constexpr double kWelcomeY = 66;
constexpr double kWelcomeHeight = 16;
constexpr double kWelcomeFontSize = 15;
constexpr int kWelcomeGrey = 102;
constexpr double kNameScale = 0.8;
constexpr double kNameGap = 11;
constexpr double kPictureGap = 30;
// Room kept under the Wi-Fi picture for the spinner and the info line.
constexpr double kPictureBottomRoom = 58;
constexpr double kInfoHeight = 15;
constexpr double kTallInfoHeight = 18;
constexpr double kTallInfoLift = 20;
constexpr double kInfoFontSize = 14;
constexpr int kInfoGrey = 51;
// The spinner stands this much taller than its picture.
constexpr double kIndicatorExtraHeight = 20;

const char* kNameImageName = "loadingpage_bgname";

ui::Color grey(int level) { return ui::Color::rgb255(level, level, level); }

}  // namespace

void TAVOWelcomeView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::whiteColor());
    const double width = frame.size.width;

    welcomeLabel_ = ui::Label::create(cg::RectMake(0, kWelcomeY, width, kWelcomeHeight));
    welcomeLabel_->setText(TAVOLocalizedString("welcome to use"));
    welcomeLabel_->setTextAlignment(ui::TextAlignment::Center);
    welcomeLabel_->setFont(ui::Font::systemFontOfSize(kWelcomeFontSize));
    welcomeLabel_->setTextColor(grey(kWelcomeGrey));
    welcomeLabel_->setBackgroundColor(ui::Color::clearColor());
    addSubview(welcomeLabel_);

    auto name = ui::Image::imageNamed(kNameImageName);
    const cg::Size nameSize = name ? name->size() : cg::Size{0, 0};
    const double nameWidth = nameSize.width * kNameScale;
    const double nameHeight = nameSize.height * kNameScale;
    nameImageView_ = ui::ImageView::create(
        cg::RectMake((width - nameWidth) / 2, kWelcomeY + kWelcomeHeight + kNameGap, nameWidth, nameHeight));
    nameImageView_->setImage(name);
    nameImageView_->setBackgroundColor(ui::Color::clearColor());
    addSubview(nameImageView_);

    const double nameBottom = nameImageView_->frame().origin.y + nameHeight;
    welcomeImageView_ = ui::ImageView::create(
        cg::RectMake(0, nameBottom + kPictureGap, width, frame.size.height - nameBottom - kPictureBottomRoom));
    welcomeImageView_->setImage(ui::Image::imageNamed(kWelcomeImageName));
    welcomeImageView_->setContentMode(ui::ContentMode::Center);
    welcomeImageView_->setBackgroundColor(ui::Color::clearColor());
    addSubview(welcomeImageView_);
}

void TAVOWelcomeView::createInfoLabel() {
    const cg::Rect picture = welcomeImageView_->frame();
    const double bottom = picture.origin.y + picture.size.height;
    const double width = bounds().size.width;
    const cg::Rect frame = TAVOCommonUtility::is4InchScreen()
                               ? cg::RectMake(0, bottom - kTallInfoLift, width, kTallInfoHeight)
                               : cg::RectMake(0, bottom, width, kInfoHeight);
    infoLabel_ = ui::Label::create(frame);
    infoLabel_->setTextAlignment(ui::TextAlignment::Center);
    infoLabel_->setFont(ui::Font::systemFontOfSize(kInfoFontSize));
    infoLabel_->setTextColor(grey(kInfoGrey));
    infoLabel_->setBackgroundColor(ui::Color::clearColor());
    addSubview(infoLabel_);
}

void TAVOWelcomeView::showInfo(const std::string& text) {
    if (!infoLabel_) createInfoLabel();
    infoLabel_->setTextColor(grey(kInfoGrey));
    infoLabel_->setText(text);
}

void TAVOWelcomeView::setArdoWifiSSID(const std::string& ssid) {
    if (ssid.empty()) {
        if (infoLabel_) infoLabel_->setText("");
        return;
    }
    showInfo(ssid);
}

void TAVOWelcomeView::setErrorInfo(const std::string& error) {
    if (error.empty()) return;
    showInfo(error);
}

void TAVOWelcomeView::setIndicator(const ui::ImagePtr& image) {
    if (!image) {
        if (indicatorView_) {
            indicatorView_->circleImageView()->setImage(nullptr);
            indicatorView_->stopAnimation();
        }
        return;
    }
    const cg::Rect picture = welcomeImageView_->frame();
    const cg::Rect frame = cg::RectMake(0, picture.origin.y + picture.size.height, bounds().size.width,
                                        image->size().height + kIndicatorExtraHeight);
    if (!indicatorView_) {
        indicatorView_ = CircleView::create(frame);
        addSubview(indicatorView_);
    } else {
        indicatorView_->setFrame(frame);
    }
    indicatorView_->circleImageView()->setImage(image);
    indicatorView_->stopAnimation();
    indicatorView_->startAnimation();
}
