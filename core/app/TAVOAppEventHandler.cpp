#include "core/app/TAVOAppEventHandler.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOWIFIUtility.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "core/services/TAVOAlertPresenter.h"
#include "core/services/TAVOAppInfoSource.h"
#include "core/services/TAVOPushInbox.h"
#include "net/reachability/Reachability.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/Application.h"

std::shared_ptr<TAVOAppEventHandler> TAVOAppEventHandler::shareInstance() {
    return ns::Singleton<TAVOAppEventHandler>::get();
}

std::shared_ptr<TAVOAppEventHandler> TAVOAppEventHandler::create() {
    auto hub = std::shared_ptr<TAVOAppEventHandler>(new TAVOAppEventHandler());
    hub->init();
    return hub;
}

void TAVOAppEventHandler::init() {
    reachability_ = Reachability::reachabilityForLocalWiFi();
    if (!reachability_) return;
    reachability_->startNotifier();
    startMornitorWifi();
    std::weak_ptr<TAVOAppEventHandler> weak = self<TAVOAppEventHandler>();
    center_ = ns::NotificationCenter::defaultCenter();
    reachabilityObserver_ = center_->addObserverForName(
        kReachabilityChangedNotification, ns::Value(std::static_pointer_cast<ns::Object>(reachability_)), nullptr,
        [weak](const ns::NotificationPtr&) {
            if (auto hub = weak.lock()) hub->handleReachabilityChanged();
        });
}

TAVOAppEventHandler::~TAVOAppEventHandler() {
    if (reachabilityObserver_) center_->removeObserver(reachabilityObserver_);
    if (reachability_) reachability_->stopNotifier();
}

// ---- events ----

void TAVOAppEventHandler::handleGlobalRouterEvent(int event) {
    if (event == TAVOGlobalEventValue(TAVOGlobalEvent::PushInfoWaiting) && handlePushInfo()) return;
    notifyGloabalRouterEvent(event);
}

void TAVOAppEventHandler::notifyGloabalRouterEvent(int event) {
    ns::NotificationCenter::defaultCenter()->postNotificationName(kTAVOGlobalEventNotification, ns::Value(event));
}

void TAVOAppEventHandler::handleAppEvent(int appEvent) {
    switch (appEvent) {
        case 0: showNewAppVersionInfo(false); break;
        case 1: showNewAppVersionInfo(true); break;
        case 2: startMornitorWifi(); break;
        case 3: stopMornitorWifi(); break;
        default: break;
    }
}

// ---- Wi-Fi watch ----

void TAVOAppEventHandler::startMornitorWifi() {
    if (reachability_ && reachability_->currentReachabilityStatus() == ReachableViaWiFi) checkWifiInfo();
}

void TAVOAppEventHandler::stopMornitorWifi() { wifiWatch_.stop(); }

void TAVOAppEventHandler::handleReachabilityChanged() {
    if (!reachability_) return;
    const NetworkStatus status = reachability_->currentReachabilityStatus();
    if (status == ReachableViaWiFi) {
        startMornitorWifi();
        return;
    }
    if (status == NotReachable) {
        auto facade = TAVOAccountFacade::shared();
        if (facade && facade->localRouter()) {
            facade->setDropedLocalRouter(facade->localRouter());
            facade->setLocalRouter(nullptr);
            handleGlobalRouterEvent(TAVOGlobalEvent::LocalRouterChanged);
        }
        stopMornitorWifi();
    }
}

void TAVOAppEventHandler::checkWifiInfo() {
    stopMornitorWifi();
    ns::Dictionary info = TAVOWIFIUtility::fetchSSIDInfo();
    const std::string bssid = info["BSSID"].stringValue();
    if (auto facade = TAVOAccountFacade::shared()) {
        auto local = facade->localRouter();
        auto dropped = facade->dropedLocalRouter();
        if (!local && dropped) {
            if (dropped->isEqualBSSID(bssid)) {
                facade->setLocalRouter(dropped);
                dropped->ssid = info["SSID"].stringValue();
                facade->setDropedLocalRouter(nullptr);
                handleGlobalRouterEvent(TAVOGlobalEvent::LocalRouterChanged);
            }
        } else if (local && !local->isEqualBSSID(bssid)) {
            facade->setDropedLocalRouter(local);
            facade->setLocalRouter(nullptr);
            handleGlobalRouterEvent(TAVOGlobalEvent::LocalRouterChanged);
        }
    }
    wifiWatch_.start(kWifiCheckInterval, false, [this] { checkWifiInfo(); });
}

// ---- push and new versions ----

bool TAVOAppEventHandler::handlePushInfo() {
    auto inbox = TAVOPushInbox::shared();
    if (!inbox) return false;
    auto type = inbox->firstPushInfoType();
    if (!type || *type != TAVOPushInfoTypeAppUpdate) return false;
    appChecker_ = TAVOAppUpdateCheckerMaker::make();
    if (appChecker_) {
        appChecker_->setDelegate(std::static_pointer_cast<TAVOAppEventHandler>(shared_from_this()));
        appChecker_->checkAppUpdateInfo();
    }
    inbox->removeFirstPushInfo();
    return true;
}

void TAVOAppEventHandler::showNewAppVersionInfo(bool forced) {
    auto source = TAVOAppInfoSource::shared();
    if (!source || !source->hasNewVersion()) return;
    TAVOAppVersionInfo info = source->nextAppVersionInfo().value_or(TAVOAppVersionInfo{});
    auto alerts = TAVOAlertPresenter::shared();
    if (!alerts) return;
    std::weak_ptr<TAVOAppEventHandler> weak = self<TAVOAppEventHandler>();
    std::vector<TAVOAlertButton> buttons;
    buttons.push_back({TAVOLocalizedString("cancel"), TAVOAlertButtonTypeCancel, [forced] {
                           if (!forced) TAVORouterPreference::shareInstance()->updateShowAppUpdateSetting(true);
                       }});
    buttons.push_back({TAVOLocalizedString("update to new version"), TAVOAlertButtonTypeDefault,
                       [weak, url = info.verUrl] {
                           if (auto hub = weak.lock()) hub->openURL(url);
                       }});
    alerts->showAlert(ns::format("%@ %@", TAVOLocalizedString("Keelbox"), info.verName), info.verNotice,
                      std::move(buttons));
}

void TAVOAppEventHandler::openURL(const std::string& url) { ui::Application::sharedApplication()->openURL(url); }

void TAVOAppEventHandler::appCheckerResult(TAVOAppUpdateChecker&, const std::optional<TAVOAppVersionInfo>& info) {
    auto keep = appChecker_;  // the checker may be inside this call
    if (info) handleAppEvent(1);
    appChecker_.reset();
}

void TAVOAppEventHandler::appCheckerError(TAVOAppUpdateChecker&, const ns::Value&) {
    auto keep = appChecker_;
    appChecker_.reset();
}
