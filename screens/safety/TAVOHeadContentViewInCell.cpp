#include "screens/safety/TAVOHeadContentViewInCell.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"
#include "widgets/UIViewLights.h"

namespace {

constexpr double kFadeSeconds = 0.25;
constexpr double kBorderAlpha = 0.8;
constexpr double kBorderWidth = 0.5;
constexpr double kCornerRadius = 3;

struct Layout {
    cg::Rect shield, title, subtitle, date, button;
    ui::TextAlignment alignment;
};

// The shield's middle is where the protection tab shrinks its scan page to.
Layout layoutFor(double width, bool tall) {
    if (tall)
        return {cg::RectMake((width - 120) / 2, 6, 120, 120), cg::RectMake(0, 128, width, 24), cg::RectMake(10, 152, width - 20, 18),
                cg::RectMake(14, 172, width - 154, 22), cg::RectMake(width - 134, 172, 120, 22), ui::TextAlignment::Center};
    return {cg::RectMake(31, 1, 90, 90), cg::RectMake(140, 14, width - 150, 24), cg::RectMake(140, 40, width - 150, 36),
            cg::RectMake(14, 100, width - 154, 22), cg::RectMake(width - 134, 100, 120, 22), ui::TextAlignment::Left};
}

ui::LabelPtr whiteLabel(const cg::Rect& frame, const ui::Font& font, ui::TextAlignment alignment) {
    auto label = ui::Label::create(frame);
    label->setFont(font);
    label->setTextColor(ui::Color::whiteColor());
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextAlignment(alignment);
    return label;
}

}  // namespace

void TAVOHeadContentViewInCell::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    const Layout l = layoutFor(frame.size.width, TAVOCommonUtility::is4InchScreen());
    auto mask = ui::Image::imageNamed(kShieldMask);
    shieldBackgroundImageView_ = ui::ImageView::create(l.shield);
    shieldBackgroundImageView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    addSubview(shieldBackgroundImageView_);
    shieldImageView_ = ui::ImageView::create(l.shield);
    shieldImageView_->setImage(mask);
    shieldImageView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    addSubview(shieldImageView_);

    titleLabel_ = whiteLabel(l.title, ui::Font::boldSystemFontOfSize(20), l.alignment);
    subtitleLabel_ = whiteLabel(l.subtitle, ui::Font::systemFontOfSize(13), l.alignment);
    subtitleLabel_->setNumberOfLines(0);
    addSubview(titleLabel_);
    addSubview(subtitleLabel_);

    auto datePanel = ui::View::create(l.date);
    virusLibraryDateLabel_ = whiteLabel(datePanel->bounds(), ui::Font::systemFontOfSize(12), ui::TextAlignment::Left);
    datePanel->addSubview(virusLibraryDateLabel_);
    datePanel->setHidden(true);
    addSubview(datePanel);

    virusLibraryUpdateButton_ = ControlFactory::createButton(TAVOLocalizedString("check update"),
                                                             ui::Font::systemFontOfSize(12), ui::Color::whiteColor());
    virusLibraryUpdateButton_->setFrame(l.button);
    virusLibraryUpdateButton_->layer()->setBorderColor(ui::Color::whiteColor().colorWithAlphaComponent(kBorderAlpha));
    virusLibraryUpdateButton_->layer()->setBorderWidth(kBorderWidth);
    virusLibraryUpdateButton_->layer()->setCornerRadius(kCornerRadius);
    virusLibraryUpdateButton_->addTarget(self<TAVOHeadContentViewInCell>(), &TAVOHeadContentViewInCell::clickUpdate,
                                         "userDidClickUpdateButton", ui::ControlEventTouchUpInside);
    addSubview(virusLibraryUpdateButton_);

    if (auto date = TAVORouterPreference::shareInstance()->virusLibraryUpdateDate()) {
        auto formatter = ns::DateFormatter::create();
        formatter->setDateFormat(kDateFormat);
        setVirusLibraryUpdateTime(formatter->stringFromDate(*date));
    }
    setSecurityLevel(0);
}

std::string TAVOHeadContentViewInCell::titleForLevel(int level) {
    return TAVOLocalizedString(level == 2 ? "high" : level == 1 ? "middle" : "low");
}

std::string TAVOHeadContentViewInCell::subtitleForLevel(int level, int days) {
    if (level == 2) return ns::format(TAVOLocalizedString("Your WiFi network has been protected for %d days."), std::max(1, days));
    if (level == 1) return TAVOLocalizedString("Your WiFi network is not safe.");
    return TAVOLocalizedString("Your WiFi network is very dangerous!");
}

void TAVOHeadContentViewInCell::setSecurityLevel(int level) {
    securityLevel_ = level == 1 || level == 2 ? level : 0;
    titleLabel_->setText(titleForLevel(securityLevel_));
    subtitleLabel_->setText(subtitleForLevel(securityLevel_, daysProtected_));
}

void TAVOHeadContentViewInCell::setVirusLibraryUpdateTime(const std::string& date) {
    auto panel = virusLibraryDateLabel_->superview();
    if (date.empty()) {
        panel->setHidden(true);
        return;
    }
    panel->setHidden(false);
    auto label = virusLibraryDateLabel_;
    const std::string text = ns::format(TAVOLocalizedString("Virus library date: %@"), date);
    ui::ViewAnimation::transition(panel, kFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                  [label, text] { label->setText(text); });
}

void TAVOHeadContentViewInCell::startAnimating() {
    UIViewLights::animateLights(shieldImageView_, ui::Image::imageNamed(kShieldMask));
}

void TAVOHeadContentViewInCell::clickUpdate() {
    if (auto d = delegate()) d->userDidClickUpdateButton();
}
