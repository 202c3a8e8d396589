#include "screens/home/TAVORouterDoubleChannelIndicator.h"

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Image.h"
#include "screens/home/TAVOTitleText.h"

namespace {

constexpr const char* kBadgeImage = "home_wifi_zhiliang_bg";
constexpr int kFullSignalLevel = 1;
constexpr int kNoSignalLevel = 5;
constexpr double kBadgeFontSize = 10;
constexpr double kStatusFontSize = 16;
constexpr double kPromptFontSize = 12;
constexpr double kPromptWidth = 118;
constexpr double kPromptHeight = 22;
constexpr double kPromptAlpha = 0.2;
constexpr double kPromptGapTall = 20;
constexpr double kPromptGapShort = 5;
constexpr double kWaitingTextAlpha = 0.5;
constexpr double kCircleInset = 17;
constexpr double kCircleWidth = 136;
constexpr double kCircleHeight = 150;
constexpr double kIconWidth = 67;
constexpr double kIconHeight = 49;
constexpr double kTitleHeight = 30;
constexpr double kDetailHeight = 18;
constexpr double kTitleFontSize = 10;
constexpr double kTitleNumberFontSize = 20;
constexpr double kBadgeWidth = 35;
constexpr double kBadgeHeight = 19;
constexpr double kBadgeLeft = 18;
constexpr double kBadgeDrop = 37;
constexpr double kStatusHeight = 15;
constexpr double kStatusBottomTall = 40;
constexpr double kStatusBottomShort = 29;
const ui::Color kBadgeGrey = ui::Color::rgb255(51, 51, 51);

void placeCircle(const TAVOCircleStyleIndicatorPtr& circle, double x) {
    circle->setFrame(cg::RectMake(x, 0, kCircleWidth, kCircleHeight));
    circle->imageBottomView()->setFrame(circle->bounds());
    circle->imageView()->setFrame(cg::RectMake(0, 0, kCircleWidth, kCircleWidth));
    circle->iconInCircle()->setFrame(cg::RectMake(0, 0, kIconWidth, kIconHeight));
    circle->titleLabel()->setFrame(cg::RectMake(0, 0, kCircleWidth, kTitleHeight));
    circle->detailLabel()->setFrame(cg::RectMake(0, 0, kCircleWidth, kDetailHeight));
    circle->setNeedsLayout();
}

void setDetail(const TAVOCircleStyleIndicatorPtr& circle, const std::string& text, double alpha = 1) {
    circle->detailLabel()->setText(text);
    circle->detailLabel()->setTextColor(ui::Color::white(1, alpha));
}

std::string introduce(int level) { return TAVOCommonUtility::introduceForLevel(level).value_or(""); }

}  // namespace

void TAVORouterDoubleChannelIndicator::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    auto weak = weakSelf<TAVORouterDoubleChannelIndicator>();
    const auto delegate = self<TAVORouterDoubleChannelIndicator>();
    for (auto* circle : {&channel24G_, &channel5G_}) {
        *circle = TAVOCircleStyleIndicator::create();
        (*circle)->setDelegate(std::static_pointer_cast<TAVOCircleStyleIndicatorDelegate>(delegate));
        (*circle)->helpButton()->addTarget(
            delegate, "helpButton:",
            [weak](ui::Control& sender) {
                if (auto self = weak.lock()) self->helpButton(sender);
            },
            ui::ControlEventTouchUpInside);
        addSubview(*circle);
    }
    auto title24 = TAVOTitleText("2.4G", kTitleFontSize);
    TAVOEnlargeFirstMatch(*title24, "[0-9.]+", kTitleNumberFontSize);
    channel24G_->titleLabel()->setAttributedText(title24);
    auto title5 = TAVOTitleText("5G", kTitleFontSize);
    TAVOEnlargeFirstMatch(*title5, "[0-9]+", kTitleNumberFontSize);
    channel5G_->titleLabel()->setAttributedText(title5);

    signalStrength24G_ = makeStrengthBadge();
    signalStrength5G_ = makeStrengthBadge();

    statusLabel_ = ControlFactory::createLabel("", std::nullopt, ui::Font::boldSystemFontOfSize(kStatusFontSize),
                                               std::nullopt, ui::TextAlignment::Center);
    addSubview(statusLabel_);

    remotePromptLabel_ = ui::Label::create(cg::RectMake(0, 0, kPromptWidth, kPromptHeight));
    remotePromptLabel_->setTextAlignment(ui::TextAlignment::Center);
    remotePromptLabel_->setTextColor(ui::Color::whiteColor());
    remotePromptLabel_->setFont(ui::Font::systemFontOfSize(kPromptFontSize));
    remotePromptLabel_->setBackgroundColor(ui::Color::white(0, kPromptAlpha));
    addSubview(remotePromptLabel_);

    setState(StateWaiting);
}

std::shared_ptr<ui::Button> TAVORouterDoubleChannelIndicator::makeStrengthBadge() {
    auto badge = ui::Button::buttonWithType(ui::ButtonType::Custom);
    badge->titleLabel()->setFont(ui::Font::systemFontOfSize(kBadgeFontSize));
    badge->setTitleColor(kBadgeGrey, ui::ControlStateNormal);
    auto background = ui::Image::imageNamed(kBadgeImage);
    badge->setBackgroundImage(background, ui::ControlStateNormal);
    badge->setBackgroundImage(background, ui::ControlStateHighlighted);
    badge->setHidden(true);
    addSubview(badge);
    return badge;
}

void TAVORouterDoubleChannelIndicator::setIsLocalManagement(bool local) {
    isLocalManagement_ = local;
    if (local) {
        remotePromptLabel_->setText(TAVOLocalizedString("current is local management"));
        // Hidden only while the router is still managed at home: a switch
        // to the cloud in between keeps its prompt up.
        promptHide_.start(kLocalPromptSeconds, false, [this] {
            if (isLocalManagement_) remotePromptLabel_->setHidden(true);
        });
    } else {
        promptHide_.stop();
        remotePromptLabel_->setHidden(false);
        remotePromptLabel_->setText(TAVOLocalizedString("current is remote management"));
    }
}

void TAVORouterDoubleChannelIndicator::helpButton(ui::Control& sender) {
    notify(&sender == channel24G_->helpButton().get() ? kActionHelp24G : kActionHelp5G);
}

void TAVORouterDoubleChannelIndicator::setState(int state) {
    if (state == state_) return;
    switch (state) {
        case StateReset:
            statusLabel_->setText("");
            channel24G_->removeSpeedupView();
            channel5G_->removeSpeedupView();
            break;
        case StateWaiting:
            channel24G_->removeSpeedupView();
            channel5G_->removeSpeedupView();
            doPrepare();
            break;
        case StateDetecting:
            doPrepareAnimation();
            break;
        case StateResults:
            setDetail(channel24G_, introduce(currentLevel_.levelFor24));
            channel24G_->iconInCircle()->setImage(TAVOImageGetter::imageForChannelQualityLevel(kFullSignalLevel));
            setDetail(channel5G_, introduce(currentLevel_.levelFor50));
            channel5G_->iconInCircle()->setImage(TAVOImageGetter::imageForChannelQualityLevel(kFullSignalLevel));
            channel24G_->removeSpeedupView();
            channel5G_->removeSpeedupView();
            statusLabel_->setText(TAVOLocalizedString("router is in goole state"));
            break;
        case StatePromotion:
            statusLabel_->setText("");
            doOptPromotionAnimation(optResult_);
            break;
        default:
            break;
    }
    state_ = state;
}

void TAVORouterDoubleChannelIndicator::doPrepare() {
    channel24G_->setNeedsLayout();
    const std::string waiting = TAVOLocalizedString("waiting to channel level detection");
    for (const auto& circle : {channel24G_, channel5G_}) setDetail(circle, waiting, kWaitingTextAlpha);
    for (const auto& circle : {channel24G_, channel5G_})
        circle->iconInCircle()->setImage(TAVOImageGetter::imageForChannelQualityLevel(kNoSignalLevel));
    for (const auto& circle : {channel24G_, channel5G_}) circle->restoreInitState();
}

void TAVORouterDoubleChannelIndicator::doPrepareAnimation() {
    setDetail(channel24G_, TAVOLocalizedString("is in channel level detecting"));
    channel24G_->startPrepareAnimation(currentLevel_.levelFor24);
}

void TAVORouterDoubleChannelIndicator::indicator(TAVOCircleStyleIndicator& circle, int action) {
    const bool is24G = &circle == channel24G_.get();
    const bool is5G = &circle == channel5G_.get();
    if (action == TAVOCircleStyleIndicator::kActionPrepareFinished) {
        if (is24G) {
            setDetail(channel5G_, TAVOLocalizedString("is in channel level detecting"));
            setDetail(channel24G_, introduce(currentLevel_.levelFor24));
            channel5G_->startPrepareAnimation(currentLevel_.levelFor50);
        } else if (is5G) {
            setDetail(channel5G_, introduce(currentLevel_.levelFor50));
            setState(StateResults);
            notify(kActionDetectionDone);
        }
    } else if (action == TAVOCircleStyleIndicator::kActionPromotionShown) {
        if (is24G) optResult_.set(kKey24G, 0);
        if (is5G) optResult_.set(kKey5G, 0);
        checkOptAnimationComplete();
    }
}

void TAVORouterDoubleChannelIndicator::doOptPromotionAnimation(const ns::Dictionary& result) {
    const int gain24 = result[kKey24G].intValue();
    const int gain5 = result[kKey5G].intValue();
    if (gain24 > 0) channel24G_->startOptPromotionAnimation(gain24);
    if (gain5 > 0) channel5G_->startOptPromotionAnimation(gain5);
    // No band to show: the promotion still ends, after the same pause.
    if (gain24 <= 0 && gain5 <= 0) promotionEnd_.start(kPromotionEndDelay, false, [this] { notify(kActionPromotionDone); });
}

void TAVORouterDoubleChannelIndicator::checkOptAnimationComplete() {
    if (optResult_[kKey24G].intValue() != 0 || optResult_[kKey5G].intValue() != 0) return;
    promotionEnd_.start(kPromotionEndDelay, false, [this] { notify(kActionPromotionDone); });
}

void TAVORouterDoubleChannelIndicator::notify(int action) {
    if (auto d = delegate()) d->doubleChannelIndicator(*this, action);
}

void TAVORouterDoubleChannelIndicator::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    placeCircle(channel24G_, kCircleInset);
    placeCircle(channel5G_, b.size.width - kCircleInset - kCircleWidth);
    for (auto [badge, circle] : {std::pair{signalStrength24G_, channel24G_}, std::pair{signalStrength5G_, channel5G_}})
        badge->setFrame(cg::RectMake(circle->center().x - kBadgeLeft, circle->center().y + kBadgeDrop, kBadgeWidth,
                                     kBadgeHeight));
    const bool tall = TAVOCommonUtility::is4InchScreen();
    remotePromptLabel_->setFrame(cg::RectMake((b.size.width - kPromptWidth) / 2,
                                              -(kPromptHeight + (tall ? kPromptGapTall : kPromptGapShort)),
                                              kPromptWidth, kPromptHeight));
    statusLabel_->setFrame(cg::RectMake(0, b.size.height - (tall ? kStatusBottomTall : kStatusBottomShort) - kStatusHeight,
                                        b.size.width, kStatusHeight));
}
