#include "screens/wifi/TAVOGuestModeViewController.h"

#include <cmath>

#include "core/app/TAVOBackgroundTaskMgr.h"
#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/BlockOperation.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Format.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "widgets/UIViewBusyIndicator.h"

namespace {

constexpr double kCountDownSide = 111;
constexpr double kIntroduceGap = 15;
constexpr double kIntroduceHeight = 15;
constexpr double kNameGap = 2;
constexpr double kNameHeight = 20;
constexpr double kFieldInset = 10;
constexpr double kFieldGap = 20;
constexpr double kLabelFadeSeconds = 0.3;
constexpr double kNameFadeSeconds = 2.0;
constexpr double kSpinnerSide = 10;
constexpr int kHaloThreeRings = 2;
// Visitors connected longer than this are no longer new.
constexpr int kNewVisitorSeconds = 59;

}  // namespace

TAVOGuestModeViewController::~TAVOGuestModeViewController() {
    if (deviceEngine_) deviceEngine_->cancelObservers();
}

void TAVOGuestModeViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    auto root = view();
    root->setBackgroundColor(ui::Color::clearColor());
    root->setClipsToBounds(true);
    const cg::Rect b = root->bounds();
    auto background = ui::ImageView::create(b);
    background->setImage(ui::Image::imageNamed("home_visitor_bg01.jpg"));
    background->setContentMode(ui::ContentMode::ScaleToFill);
    background->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    root->insertSubviewAtIndex(background, 0);

    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText(TAVOLocalizedString("exit"), AppNavigationBar::LeftStyleText);
    navBar()->setRightBarItemText(TAVOLocalizedString("black device list"), AppNavigationBar::RightStyleText);

    countDownView_ = TAVOVisitModeProgress::create(cg::RectMake(0, 0, kCountDownSide, kCountDownSide));
    countDownView_->setCenter(cg::PointMake(b.size.width / 2, b.size.height / 2));
    countDownView_->setDelegate(self<TAVOGuestModeViewController>());

    const double below = cg::RectGetMaxY(countDownView_->frame());
    searchIntroduceLabel_ = ui::Label::create(cg::RectMake(0, below + kIntroduceGap, b.size.width, kIntroduceHeight));
    searchIntroduceLabel_->setTextAlignment(ui::TextAlignment::Center);
    searchIntroduceLabel_->setFont(ui::Font::systemFontOfSize(12));
    searchIntroduceLabel_->setTextColor(ui::Color::white(0.4));
    searchIntroduceLabel_->setBackgroundColor(ui::Color::clearColor());
    searchIntroduceLabel_->setText(TAVOLocalizedString("make your friend search"));

    guestWIFISSID_ = ui::Label::create(
        cg::RectMake(0, cg::RectGetMaxY(searchIntroduceLabel_->frame()) + kNameGap, b.size.width, kNameHeight));
    guestWIFISSID_->setTextAlignment(ui::TextAlignment::Center);
    guestWIFISSID_->setFont(ui::Font::systemFontOfSize(16));
    guestWIFISSID_->setTextColor(ui::Color::rgb255(2, 203, 29));
    guestWIFISSID_->setBackgroundColor(ui::Color::clearColor());
    guestWIFISSID_->setText(visitorWifiName());

    haloView_ = TAVOHaloView::create(cg::RectMake(0, 0, b.size.width, b.size.height));
    haloView_->setCenter(countDownView_->center());
    haloView_->setUserInteractionEnabled(false);
    root->addSubview(haloView_);
    root->addSubview(searchIntroduceLabel_);
    root->addSubview(guestWIFISSID_);
    root->addSubview(countDownView_);
    root->bringSubviewToFront(navBar());

    actionView_ = TAVOVisitorAddBlackListView::create(b);
    actionView_->setHidden(true);
    actionView_->setDelegate(self<TAVOGuestModeViewController>());
    root->addSubview(actionView_);

    startCountDown();
}

void TAVOGuestModeViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOGuestModeViewController> weak = self<TAVOGuestModeViewController>();
    backgroundObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidEnterBackgroundNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               if (auto s = weak.lock()) s->appDidEnterBackground();
                                           }));
}

void TAVOGuestModeViewController::viewWillDisappear(bool animated) {
    TAVOWIFIViewControler::viewWillDisappear(animated);
    backgroundObserver_ = ns::ScopedObserver();
}

void TAVOGuestModeViewController::viewDidDisappear(bool animated) {
    TAVOWIFIViewControler::viewDidDisappear(animated);
    backgroundObserver_ = ns::ScopedObserver();
}

std::string TAVOGuestModeViewController::visitorWifiName() const {
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    if (!router || router->ssid.empty()) return "";
    return ns::format("%@-Guest", router->ssid);
}

// ---- the window ----

void TAVOGuestModeViewController::startCountDown() {
    if (isRouterAvailable())
        requestOperation(kOperationStart);
    else
        exitController();
}

void TAVOGuestModeViewController::stopCountDown() {
    if (stopSent_) return;
    stopSent_ = true;
    requestOperation(kOperationStop);
}

void TAVOGuestModeViewController::exitController() {
    if (leaving_ || exitTimer_.isRunning()) return;
    exitTimer_.start(kExitDelay, false, [this] { leftNavItemPressed(); });
}

void TAVOGuestModeViewController::leftNavItemPressed() {
    stopCountDown();
    leave();
}

void TAVOGuestModeViewController::leave() {
    if (leaving_) return;
    leaving_ = true;
    exitTimer_.stop();
    TAVOWIFIViewControler::leftNavItemPressed();
}

void TAVOGuestModeViewController::rightNavItemPressed() {
    if (auto nav = navigationController()) nav->pushViewController(TAVORouterBlackListViewController::create(), true);
}

void TAVOGuestModeViewController::timeout(TAVOVisitModeProgress&) { leftNavItemPressed(); }

void TAVOGuestModeViewController::appDidEnterBackground() {
    if (startGuestMode_ && !stopSent_ && isRouterAvailable(false)) {
        stopSent_ = true;
        checkDeviceEngine();
        // The stop needs only the engine: it goes out on the main queue
        // even when the screen is gone by then.
        std::shared_ptr<TAVODeviceEngine> engine = deviceEngine_;
        TAVOBackgroundTaskMgr::sharedInstance()->addOperation(ns::BlockOperation::create([engine] {
            dispatch::Queue::main()->async([engine] { (void)engine->startGuestMode(0); });
        }));
    }
    leave();
}

void TAVOGuestModeViewController::checkDeviceEngine() {
    if (deviceEngine_) return;
    deviceEngine_ = TAVODeviceEngine::create();
    deviceEngine_->delegate = self<TAVOGuestModeViewController>();
}

void TAVOGuestModeViewController::requestOperation(int operation) {
    checkDeviceEngine();
    switch (operation) {
        case kOperationStart: {
            const cg::Rect b = countDownView_->bounds();
            UIViewBusyIndicator::showBusyIndicator(
                countDownView_,
                cg::RectMake((b.size.width - kSpinnerSide) / 2, b.size.height / 2 + 2, kSpinnerSide, kSpinnerSide),
                ui::ActivityIndicatorViewStyle::White, false);
            if (deviceEngine_->startGuestMode(kWindowSeconds) < 0) {
                currentHandlingDevice_ = nullptr;
                showError(1);
            }
            break;
        }
        case kOperationStop:
            if (deviceEngine_->startGuestMode(0) < 0) showError(2);
            break;
        case kOperationPutOut:
            if (!currentHandlingDevice_ || deviceEngine_->kickDevice(currentHandlingDevice_->end_mac) < 0) {
                showError(3);
                break;
            }
            showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("device operation in progress"),
                                 false);
            break;
        default:
            break;
    }
}

void TAVOGuestModeViewController::requestGuestList() {
    checkDeviceEngine();
    deviceEngine_->startQueryGuestListQuitely();
}

void TAVOGuestModeViewController::showError(int error) {
    const char* key = error == 1 ? "cannot start visitor mode"
                      : error == 2 ? "cannot stop visitor mode"
                                   : "fail to add black list in visitor mode";
    showToast(CustomizedHUDTypeWarning, TAVOLocalizedString(key));
}

std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> TAVOGuestModeViewController::getGuestListIn30Second(
    const ns::Value& devices) {
    std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> recent;
    if (!devices.isArray()) return recent;
    for (const auto& value : devices.asArray())
        if (auto guest = value.as<TAVORouterJoiningGuestDevice>(); guest && guest->remainTime.intValue() <= kNewVisitorSeconds)
            recent.push_back(guest);
    return recent;
}

void TAVOGuestModeViewController::operationOK(TAVODeviceEngine&, int operation, const ns::Value& data) {
    switch (operation) {
        case TAVODeviceEngine::GuestList: {
            auto reply = data.as<TAVORouterJoiningDevicesList>();
            guestList_ = getGuestListIn30Second(reply ? reply->devicesList : ns::Value());
            updateNetView();
            break;
        }
        case TAVODeviceEngine::KickDevice: {
            dismissToast();
            std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> kept;
            for (const auto& guest : guestList_)
                if (!currentHandlingDevice_ || (guest != currentHandlingDevice_ && !guest->isEqual(*currentHandlingDevice_)))
                    kept.push_back(guest);
            guestList_ = std::move(kept);
            updateNetView();
            actionView_->dismiss(true);
            break;
        }
        case TAVODeviceEngine::StartGuestMode:
            UIViewBusyIndicator::dismissBusyIndicator(countDownView_);
            if (startGuestMode_)
                doStopCountDown();
            else if (!leaving_ && !stopSent_)
                doStartCountDown();
            break;
        default:
            break;
    }
}

void TAVOGuestModeViewController::operationNG(TAVODeviceEngine&, int operation, const std::string& errMsg) {
    showToast(CustomizedHUDTypeWarning, errMsg);
    if (operation == TAVODeviceEngine::StartGuestMode) {
        UIViewBusyIndicator::dismissBusyIndicator(countDownView_);
        exitController();
    }
}

void TAVOGuestModeViewController::doStartCountDown() {
    startGuestMode_ = true;
    countDownView_->startCounter(kWindowSeconds);
    auto introduce = searchIntroduceLabel_;
    auto name = guestWIFISSID_;
    ui::ViewAnimation::animate(kLabelFadeSeconds, [introduce, name] {
        introduce->setAlpha(1);
        name->setAlpha(1);
    });
    guestWIFISSID_->setText(visitorWifiName());
    haloView_->startAnimation(kHaloThreeRings);
    createNetView();
    requestGuestList();
}

void TAVOGuestModeViewController::doStopCountDown() {
    startGuestMode_ = false;
    dismissToast();
    countDownView_->stopCounter();
    auto name = guestWIFISSID_;
    ui::ViewAnimation::animate(kNameFadeSeconds, [name] { name->setAlpha(1); });
    haloView_->stopAnimation();
    if (netView_) netView_->dismiss(true);
    netView_ = nullptr;
    if (deviceEngine_) deviceEngine_->endQueryGuestListQuitely();
    deviceEngine_ = nullptr;
    guestList_.clear();
    actionView_->dismiss(false);
}

void TAVOGuestModeViewController::createNetView() {
    const cg::Rect b = view()->bounds();
    netView_ = TAVOVisitorNetView::create(cg::RectMake(kFieldInset, cg::RectGetMaxY(navBar()->frame()) + kFieldGap,
                                                       b.size.width - 2 * kFieldInset, b.size.height - 2 * kFieldInset));
    netView_->setBackgroundColor(ui::Color::clearColor());
    netView_->setDelegate(self<TAVOGuestModeViewController>());
    view()->addSubview(netView_);
    view()->bringSubviewToFront(actionView_);
}

void TAVOGuestModeViewController::updateNetView() {
    if (netView_) netView_->setGuesterList(guestList_);
}

void TAVOGuestModeViewController::visitorNetViewShowOperationWithControl(TAVOVisitorNetView& netView,
                                                                         const TAVOVisitorIndicatorPtr& indicator) {
    handlingIndicator_ = indicator;
    indicator->setHidden(true);
    const cg::Rect frame = indicator->frame();
    const cg::Point origin = netView.convertPointToView(frame.origin, actionView_);
    actionView_->setGuestDevice(indicator->device);
    actionView_->show(true, cg::RectMake(origin.x, origin.y, frame.size.width, frame.size.height));
}

void TAVOGuestModeViewController::visitorAddBlackListViewAction(TAVOVisitorAddBlackListView& popup, int action) {
    if (action == TAVOVisitorAddBlackListView::kActionAddBlack) {
        currentHandlingDevice_ = popup.device();
        requestOperation(kOperationPutOut);
    } else if (action == TAVOVisitorAddBlackListView::kActionClosed && handlingIndicator_) {
        handlingIndicator_->setHidden(false);
    }
}
