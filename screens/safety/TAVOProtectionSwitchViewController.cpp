#include "screens/safety/TAVOProtectionSwitchViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/DispatchQueue.h"
#include "screens/safety/TAVOProtectionType.h"
#include "platform/ui/Image.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterSetCommonSWRequest.h"

namespace {
constexpr double kRadarSide = 120;
}

void TAVOProtectionSwitchViewController::viewDidLoad() {
    const auto& d = descriptor();
    titleForViewController = TAVOLocalizedString(d.title);
    titleOn = TAVOLocalizedString(d.titleOn);
    titleOff = TAVOLocalizedString(d.titleOff);
    titleTurningOn = TAVOLocalizedString(d.titleTurningOn);
    titleTurningOff = TAVOLocalizedString(d.titleTurningOff);
    subtitleOn = TAVOLocalizedString(d.subtitleOn);
    subtitleBlockCountFormat = TAVOLocalizedString(d.subtitleBlockCountFormat);
    subtitleOff = TAVOLocalizedString(d.subtitleOff);
    buttonTitleTurnOn = TAVOLocalizedString(d.buttonTitleTurnOn);
    buttonTitleTurnOff = TAVOLocalizedString(d.buttonTitleTurnOff);
    auto lisener = listener();
    auto status = lisener ? lisener->status() : nullptr;
    blockCount = status && status->dynamicInfo && d.counter ? d.counter(*status->dynamicInfo) : 0;
    securityItems.clear();
    for (const auto& [image, title] : d.items) securityItems.push_back({image, TAVOLocalizedString(title)});

    TAVOSafeSubViewController::viewDidLoad();

    auto self = this->self<TAVOProtectionSwitchViewController>();
    std::weak_ptr<TAVOProtectionSwitchViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterSetCommonSWRequest>(
        self, [weak](const ns::Value&, const ns::Dictionary& userInfo) {
            if (auto screen = weak.lock()) screen->commonSwOK(userInfo);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
            if (auto screen = weak.lock()) screen->commonSwNG(error, userInfo);
        });
    auto center = ns::NotificationCenter::defaultCenter();
    becameActiveObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr, [weak](const ns::NotificationPtr&) {
            if (auto screen = weak.lock()) screen->startAnimation();
        }));
}

void TAVOProtectionSwitchViewController::buildViews() {
    TAVOSafeSubViewController::buildViews();
    if (!descriptor().maskName.empty()) return;
    // The web-site screen turns a radar where the others show a picture.
    const cg::Rect f = flashImageView()->frame();
    circleView_ = CircleView::create(cg::RectMake(cg::RectGetMidX(f) - kRadarSide / 2, cg::RectGetMidY(f) - kRadarSide / 2,
                                                  kRadarSide, kRadarSide));
    circleView_->bgImageView()->setImage(ui::Image::imageNamed(kRadarBackground));
    circleView_->circleImageView()->setImage(ui::Image::imageNamed(kRadarSweep));
    // The sweep is drawn larger than this radar: it turns within the rings.
    circleView_->circleImageView()->setContentMode(ui::ContentMode::ScaleAspectFit);
    circleView_->setRotationDuration(kRadarTurnSeconds);
    view()->insertSubviewAbove(circleView_, flashImageView());
}

void TAVOProtectionSwitchViewController::viewWillAppear(bool animated) {
    TAVOSafeSubViewController::viewWillAppear(animated);
    startAnimation();
}

void TAVOProtectionSwitchViewController::startAnimation() {
    if (circleView_) circleView_->startAnimation();
    else startFlashingUsingMaskImage(descriptor().maskName);
}

ui::Font TAVOProtectionSwitchViewController::titleFontOn() const {
    return descriptor().titleFontOn.value_or(TAVOSafeSubViewController::titleFontOn());
}

ui::Font TAVOProtectionSwitchViewController::subtitleFontOn() const {
    return descriptor().subtitleFontOn.value_or(TAVOSafeSubViewController::subtitleFontOn());
}

std::shared_ptr<TAVORouterSafeSwitch> TAVOProtectionSwitchViewController::sharedSwitches() const {
    auto lisener = listener();
    auto status = lisener ? lisener->status() : nullptr;
    return status ? status->safeSwitch : nullptr;
}

bool TAVOProtectionSwitchViewController::isSwitcherON() const {
    auto switches = sharedSwitches();
    return switches && (*switches).*(descriptor().switchField) != 0;
}

void TAVOProtectionSwitchViewController::userDidChangeSwitcher(bool on) {
    auto facade = TAVOAccountManager::shareInstance();
    const int sw = on ? 1 : 0;
    std::int32_t sent = 0;
    switch (descriptor().type) {
    case TAVOProtectionTypeAccountStealer: sent = facade->setAntiAccountStealer(sw); break;
    case TAVOProtectionTypeDNSCheats: sent = facade->setAntiDNSCheats(sw); break;
    case TAVOProtectionTypeDangerousWebsites: sent = facade->setBlockDangerousWebsites(sw); break;
    case TAVOProtectionTypeHeartBleed: sent = facade->setHeartBloodProtection(sw); break;
    case TAVOProtectionTypeLocalNetwork: sent = facade->setLocalDomainNetworkProtection(sw); break;
    default: break;
    }
    if (sent != 0 && sent != kTAVONothingSent) return;
    // Refused before sending: its failure carries no "param" to tell whose
    // it is, so the screen fails its own change once it shows the turning state.
    std::weak_ptr<TAVOProtectionSwitchViewController> weak = self<TAVOProtectionSwitchViewController>();
    const auto message = getErrMsgFromObject(TAVORequestAnswers::refusalError(sent == 0 ? -100000 : sent));
    dispatch::Queue::main()->async([weak, message] {
        if (auto screen = weak.lock()) screen->failSwitch(message);
    });
}

bool TAVOProtectionSwitchViewController::isOwnAnswer(const ns::Dictionary& userInfo) const {
    const ns::Value& param = userInfo["param"];
    return param.isDictionary() && param["type"].intValue() == descriptor().type;
}

void TAVOProtectionSwitchViewController::commonSwOK(const ns::Dictionary& userInfo) {
    if (!isOwnAnswer(userInfo)) return;
    if (auto switches = sharedSwitches()) (*switches).*(descriptor().switchField) = userInfo["param"]["sw"].intValue();
    requestOK();
}

void TAVOProtectionSwitchViewController::commonSwNG(const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
    if (!isOwnAnswer(userInfo)) return;
    failSwitch(getErrMsgFromObject(error));
}

void TAVOProtectionSwitchViewController::failSwitch(const std::string& message) {
    if (switcherStatus() != StatusTurningOn && switcherStatus() != StatusTurningOff) return;
    if (!message.empty()) showToast(CustomizedHUDTypeWarning, message);
    requestNG();
}
