#include "screens/safety/TAVOCheckRouterViewController.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"

namespace {

struct Item {
    const char* icon;
    const char* group;
    const char* title;
};
constexpr const char* kIntruder = "Scanning anti network intruder ...";
constexpr const char* kStealer = "Scanning anti account stealer ...";
constexpr const char* kDns = "Scanning anti dns hacker ...";
constexpr const char* kWeb = "Scanning anti website threats ...";
constexpr const char* kHeart = "Scanning heart blood protections ...";
constexpr const char* kLocal = "Scanning local domain network protections ...";
const Item kItems[] = {
    {"safe_ic_fcw01", kIntruder, "notify new connected devices"},
    {"safe_ic_fcw02", kIntruder, "anti WiFi intruder"},
    {"safe_ic_fcw03", kIntruder, "WiFi password"},
    {"safe_ic_fcw04", kIntruder, "admin password"},
    {"safe_ic_fdh01", kStealer, "IM Account"},
    {"safe_ic_fdh02", kStealer, "Game Account"},
    {"safe_ic_fdh03", kStealer, "SNS Account"},
    {"safe_ic_dns01", kDns, "safe pay"},
    {"safe_ic_dns02", kDns, "ad block"},
    {"safe_ic_dns03", kDns, "anti hack"},
    {"safe_ic_eywz01", kWeb, "anti trojan"},
    {"safe_ic_eywz02", kWeb, "anti fishing site"},
    {"safe_ic_eywz03", kWeb, "anti cheat site"},
    {"safe_ic_eywz04", kWeb, "anti fake url"},
    {"safe_ic_eywz05", kWeb, "anti trojan url"},
    {"safe_ic_hearbleed01", kHeart, "secure https net pay"},
    {"safe_ic_hearbleed02", kHeart, "secure vpn/outlook ssl"},
    {"safe_ic_jyw01", kLocal, "ARP attack protection"},
};

constexpr double kContainerWidth = 178;
constexpr double kContainerHeight = 172;
constexpr double kBigSide = 68;
constexpr double kSmallSide = 34;
constexpr double kLaserWidth = 3;
constexpr double kLaserHeight = 120;
constexpr double kIconShadowOpacity = 0.1;
constexpr double kUpdateButtonBorderAlpha = 0.8;
constexpr double kUpdateButtonBorderWidth = 0.5;
constexpr double kUpdateButtonCornerRadius = 3;
// Room for the title and a margin inside the border.
constexpr double kUpdateButtonWidth = 140;
constexpr double kUpdateButtonHeight = 28;

// Where the carousel and the texts sit; the protection tab shrinks this
// page onto its header's shield, which decides the carousel's middle.
struct Layout {
    double carouselMidY, groupTop, itemTop, dateTop, buttonTop;
};
Layout layoutFor(bool tall) {
    if (tall) return {230, 330, 356, 410, 446};
    return {181, 272, 296, 336, 368};
}

ui::LabelPtr whiteLabel(const cg::Rect& frame, const ui::Font& font) {
    auto label = ui::Label::create(frame);
    label->setFont(font);
    label->setTextColor(ui::Color::whiteColor());
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextAlignment(ui::TextAlignment::Center);
    return label;
}

}  // namespace

void TAVOCheckRouterViewController::viewDidLoad() {
    TAVOXibBaseViewController::viewDidLoad();
    const cg::Rect b = view()->bounds();
    const Layout l = layoutFor(TAVOCommonUtility::is4InchScreen());
    view()->setBackgroundColor(ui::Color::clearColor());

    waitingView_ = ui::View::create(b);
    waitingView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    waitingLabel_ = whiteLabel(cg::RectMake(0, l.carouselMidY - 15, b.size.width, 30), ui::Font::systemFontOfSize(16));
    waitingLabel_->setText(TAVOLocalizedString("wait a while..."));
    waitingView_->addSubview(waitingLabel_);
    view()->addSubview(waitingView_);

    scanningView_ = ui::View::create(b);
    scanningView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    scanningView_->setAlpha(0);
    view()->addSubview(scanningView_);

    parseIconContainerView_ = ui::View::create(cg::RectMake((b.size.width - kContainerWidth) / 2,
                                                            l.carouselMidY - kContainerHeight / 2, kContainerWidth,
                                                            kContainerHeight));
    scanningView_->addSubview(parseIconContainerView_);
    for (const auto& item : kItems) {
        auto icon = ui::ImageView::create();
        icon->setImage(ui::Image::imageNamed(item.icon));
        icon->setContentMode(ui::ContentMode::ScaleAspectFit);
        icon->layer()->setShadowColor(ui::Color::white(0));
        icon->layer()->setShadowOpacity(kIconShadowOpacity);
        parseIconContainerView_->addSubview(icon);
        securityItemViews_.push_back(icon);
        securityItemTitles_.push_back(TAVOLocalizedString(item.group));
        securityItemSubtitles_.push_back(TAVOLocalizedString(item.title));
    }
    parseLaserImageView_ = ui::ImageView::create(cg::RectMake(0, 0, kLaserWidth, kLaserHeight));
    parseLaserImageView_->setImage(
        TAVOCommonUtility::createImageFromColor(ui::Color::whiteColor(), cg::SizeMake(kLaserWidth, kLaserHeight)));
    parseLaserImageView_->setCenter(cg::PointMake(kContainerWidth / 2 - kLaserReach, kContainerHeight / 2));
    parseLaserImageView_->setAlpha(0);
    parseIconContainerView_->addSubview(parseLaserImageView_);
    parseIconContainerView_->bringSubviewToFront(parseLaserImageView_);
    auto mask = ca::Layer::create();
    mask->setFrame(parseIconContainerView_->bounds());
    mask->setContents(ui::Image::imageNamed("safe_scan_mark"));
    parseIconContainerView_->layer()->setMask(mask);

    parseLabel_ = whiteLabel(cg::RectMake(0, l.groupTop, b.size.width, 22), ui::Font::boldSystemFontOfSize(16));
    parseSublabel_ = whiteLabel(cg::RectMake(0, l.itemTop, b.size.width, 20), ui::Font::systemFontOfSize(14));
    scanningView_->addSubview(parseLabel_);
    scanningView_->addSubview(parseSublabel_);

    auto datePanel = ui::View::create(cg::RectMake(0, l.dateTop, b.size.width, 24));
    virusLibraryDateLabel_ = whiteLabel(datePanel->bounds(), ui::Font::systemFontOfSize(12));
    datePanel->addSubview(virusLibraryDateLabel_);
    datePanel->setHidden(true);
    view()->addSubview(datePanel);

    virusLibraryUpdateButton_ = ControlFactory::createButton(TAVOLocalizedString("check update"),
                                                             ui::Font::systemFontOfSize(13), ui::Color::whiteColor());
    virusLibraryUpdateButton_->setFrame(
        cg::RectMake((b.size.width - kUpdateButtonWidth) / 2, l.buttonTop, kUpdateButtonWidth, kUpdateButtonHeight));
    virusLibraryUpdateButton_->layer()->setBorderColor(ui::Color::whiteColor().colorWithAlphaComponent(kUpdateButtonBorderAlpha));
    virusLibraryUpdateButton_->layer()->setBorderWidth(kUpdateButtonBorderWidth);
    virusLibraryUpdateButton_->layer()->setCornerRadius(kUpdateButtonCornerRadius);
    virusLibraryUpdateButton_->addTarget(self<TAVOCheckRouterViewController>(), &TAVOCheckRouterViewController::clickUpdateButton,
                                         "clickUpdateButton:", ui::ControlEventTouchUpInside);
    view()->addSubview(virusLibraryUpdateButton_);

    setSecurityItemBeingScanned(0);
    if (auto date = TAVORouterPreference::shareInstance()->virusLibraryUpdateDate()) {
        auto formatter = ns::DateFormatter::create();
        formatter->setDateFormat(kDateFormat);
        setVirusLibraryUpdateTime(formatter->stringFromDate(*date));
    }
}

long TAVOCheckRouterViewController::securityItemsCount() const {
    return static_cast<long>(std::min(securityItemTitles_.size(), securityItemViews_.size()));
}

void TAVOCheckRouterViewController::setDataReady(bool ready) {
    dataReady_ = ready;
    if (!isViewLoaded()) view();
    scanningView_->setAlpha(ready ? 1 : 0);
    waitingView_->setAlpha(ready ? 0 : 1);
    if (ready) startLaser();
}

void TAVOCheckRouterViewController::setPaused(bool paused) {
    if (paused == paused_) return;
    paused_ = paused;
    if (paused) {
        needResume_ = false;
    } else if (needResume_) {
        needResume_ = false;
        sweep();
    }
}

void TAVOCheckRouterViewController::setVirusLibraryUpdateTime(const std::string& date) {
    auto panel = virusLibraryDateLabel_->superview();
    if (!panel) return;
    if (date.empty()) {
        panel->setHidden(true);
        return;
    }
    panel->setHidden(false);
    auto label = virusLibraryDateLabel_;
    const std::string text = ns::format(TAVOLocalizedString("Virus library date: %@"), date);
    ui::ViewAnimation::transition(panel, kTextFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                  [label, text] { label->setText(text); });
}

void TAVOCheckRouterViewController::clickUpdateButton() {
    if (auto d = delegate()) d->userDidClickUpdateButton();
}

void TAVOCheckRouterViewController::startLaser() {
    parseLabel_->setText("");
    parseSublabel_->setText("");
    securityItemBeingScanned_ = securityItemsCount() - 1;
    securityItemsHasBeenScanned_ = 0;
    parseLaserImageView_->setAlpha(1);
    sweep();
}

void TAVOCheckRouterViewController::sweep() {
    if (paused_) {
        needResume_ = true;
        return;
    }
    const cg::Rect c = parseIconContainerView_->bounds();
    parseLaserImageView_->setCenter(cg::PointMake(cg::RectGetMidX(c) - kLaserReach, cg::RectGetMidY(c)));
    std::weak_ptr<TAVOCheckRouterViewController> weak = self<TAVOCheckRouterViewController>();
    ui::ViewAnimation::animate(
        kSweepHalfSeconds, 0, ui::ViewAnimationOptionCurveEaseInOut,
        [this, c] {
            parseLaserImageView_->setCenter(cg::PointMake(cg::RectGetMidX(c) + kLaserReach, cg::RectGetMidY(c)));
            setSecurityItemBeingScanned(securityItemBeingScanned_ + 1);
            ++securityItemsHasBeenScanned_;
        },
        [weak](bool) {
            if (auto screen = weak.lock()) screen->sweepBack();
        });
}

void TAVOCheckRouterViewController::sweepBack() {
    const cg::Rect c = parseIconContainerView_->bounds();
    std::weak_ptr<TAVOCheckRouterViewController> weak = self<TAVOCheckRouterViewController>();
    ui::ViewAnimation::animate(
        kSweepHalfSeconds, 0, ui::ViewAnimationOptionCurveEaseInOut,
        [this, c] { parseLaserImageView_->setCenter(cg::PointMake(cg::RectGetMidX(c) - kLaserReach, cg::RectGetMidY(c))); },
        [weak](bool) {
            auto screen = weak.lock();
            if (!screen) return;
            if (screen->dataReady_ && screen->securityItemsHasBeenScanned_ >= screen->securityItemsCount()) {
                if (auto d = screen->delegate()) d->checkRouterViewControllerDidFinishChecking(*screen);
                return;
            }
            screen->sweep();
        });
}

void TAVOCheckRouterViewController::changeText(const ui::LabelPtr& label, const std::string& text) {
    if (label->text() == text) return;
    ui::ViewAnimation::transition(label, kTextFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                  [label, text] { label->setText(text); });
}

TAVOCheckRouterViewController::Place TAVOCheckRouterViewController::placeOf(long index, long current, long count) {
    auto frameAt = [](double side, double midX) {
        return cg::RectMake(midX - side / 2, kContainerHeight / 2 - side / 2, side, side);
    };
    const auto wrap = [count](long v) { return count > 0 ? ((v % count) + count) % count : 0; };
    if (index == wrap(current)) return {frameAt(kBigSide, 89), 1};
    if (index == wrap(current - 1)) return {frameAt(kSmallSide, 17), 0.5};
    if (index == wrap(current + 1)) return {frameAt(kSmallSide, 161), 0.5};
    if (index == wrap(current - 2)) return {frameAt(kSmallSide, -55), 0};
    return {frameAt(kSmallSide, 233), 0};
}

void TAVOCheckRouterViewController::setSecurityItemBeingScanned(long value) {
    const long count = securityItemsCount();
    if (count == 0) {
        securityItemBeingScanned_ = 0;
        changeText(parseLabel_, "");
        changeText(parseSublabel_, "");
        return;
    }
    securityItemBeingScanned_ = ((value % count) + count) % count;
    const auto index = static_cast<std::size_t>(securityItemBeingScanned_);
    changeText(parseLabel_, securityItemTitles_[index]);
    changeText(parseSublabel_, securityItemSubtitles_[index]);
    for (long i = 0; i < count; ++i) {
        const Place place = placeOf(i, securityItemBeingScanned_, count);
        securityItemViews_[static_cast<std::size_t>(i)]->setFrame(place.frame);
        securityItemViews_[static_cast<std::size_t>(i)]->setAlpha(place.alpha);
    }
}
