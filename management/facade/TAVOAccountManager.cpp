#include "management/facade/TAVOAccountManager.h"

#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOWIFIUtility.h"
#include "core/services/TAVODeviceTokenUploading.h"
#include "management/engines/TAVOOptEngine.h"
#include "management/facade/TAVOGlobalRouterEvent.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "management/push/TAVODeviceTokenUploadEngine.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Singleton.h"
#include "protocol/TAVOAccountSRInfosDataProvider.h"
#include "protocol/TAVODataProviderFactory.h"
#include "protocol/records/TAVORouterHardwareInfo.h"

namespace {

constexpr TAVODataProviderId kAccountProvider = TAVODataProviderId::Account;
constexpr TAVODataProviderId kDeviceProvider = TAVODataProviderId::Device;

// Switch kinds of the common switch request.
constexpr int kSwitchBlockDangerousWebsites = 1;
constexpr int kSwitchAntiAccountStealer = 2;
constexpr int kSwitchAntiDNSCheats = 4;
constexpr int kSwitchAntiWiFiBruder = 7;
constexpr int kSwitchHeartBloodProtection = 8;
constexpr int kSwitchLocalDomainNetworkProtection = 9;

std::shared_ptr<TAVOAccountSRInfosDataProvider> accountProvider() {
    return std::dynamic_pointer_cast<TAVOAccountSRInfosDataProvider>(
        TAVODataProviderFactory::shareInstance()->getDataProviderById(kAccountProvider));
}

// The current router takes the local router's ticket (and with it the local
// channel) when they are the same router; without a ticket it cannot be
// reached locally.
void lendTicket(const TAVORouterModelPtr& current, const TAVORouterModelPtr& local, bool copySsid) {
    if (!current || !local || !current->isEqualToRouter(local)) return;
    if (local->ticket.empty()) {
        current->isLocalRouter = false;
        return;
    }
    current->ticket = local->ticket;
    current->isLocalRouter = true;
    if (copySsid && !local->ssid.empty()) current->ssid = local->ssid;
}

void saveOnlineRouterIfRemote(const TAVORouterModelPtr& current) {
    if (current && !current->isLocalRouter && !current->router_id.empty())
        TAVORouterPreference::shareInstance()->saveOnlineRouter(current->router_id);
}

}  // namespace

std::shared_ptr<TAVOAccountManager> TAVOAccountManager::shareInstance() {
    auto manager = ns::Singleton<TAVOAccountManager>::get([] {
        auto made = create();
        TAVOAccountFacade::setShared(made);
        return made;
    });
    // The push token engine works for the facade; it must be listening
    // before the first routers list arrives.
    TAVODeviceTokenUploadEngine::shareInstance();
    return manager;
}

std::shared_ptr<TAVOAccountManager> TAVOAccountManager::create() {
    auto manager = std::shared_ptr<TAVOAccountManager>(new TAVOAccountManager());
    manager->zarAdapter_ = TAVOZARAdapter::create();
    return manager;
}

// --- Account -------------------------------------------------------------------

std::optional<std::string> TAVOAccountManager::login(const std::string& userName, const std::string& psw) {
    return zarAdapter_->login(userName, psw);
}

std::optional<std::string> TAVOAccountManager::loginWithCode(const std::string& userName, const std::string& psw,
                                                             const std::string& code, const std::string& sc) {
    return zarAdapter_->loginPswWithCodeWithSC(userName, psw, code, sc);
}

std::optional<std::string> TAVOAccountManager::autoLogin(const std::string& q, const std::string& t) {
    return zarAdapter_->autoLogin(q, t);
}

std::optional<std::string> TAVOAccountManager::regUsingEmail(const std::string& email, const std::string& psw) {
    return zarAdapter_->regUsingEmail(email, psw);
}

std::optional<std::string> TAVOAccountManager::regUsingEmailWithCode(const std::string& email, const std::string& psw,
                                                                     const std::string& code, const std::string& sc) {
    return zarAdapter_->regUsingEmailPswWithCodeWithSC(email, psw, code, sc);
}

std::optional<std::string> TAVOAccountManager::requestRegSmsCode(const std::string& phoneNumber) {
    return zarAdapter_->requestRegSmsCode(phoneNumber);
}

std::optional<std::string> TAVOAccountManager::regUsingPhoneNumber(const std::string& phoneNumber,
                                                                   const std::string& psw, const std::string& smsCode) {
    return zarAdapter_->regUsingPhoneNumber(phoneNumber, psw, smsCode);
}

void TAVOAccountManager::getZARAuthCode(double width, double height) { zarAdapter_->getZARAuthCode(width, height); }

void TAVOAccountManager::quitArdoAccount() {
    zarAdapter_->quitZAR();
    setCurrentRoutersList(std::nullopt);
    TAVORouterPreference::shareInstance()->saveQT("", "");
    if (currentRouter_) currentRouter_->isManagedByArdoAccount = false;
    setCurrentRouter(nullptr);
    dispatch::Queue::main()->async([] { TAVODeviceTokenUploadEngine::shareInstance()->clearDeviceToken(); });
}

// --- State ---------------------------------------------------------------------

std::shared_ptr<TAVOAccountModel> TAVOAccountManager::currentAccountData() { return zarAdapter_->accountData(); }

std::string TAVOAccountManager::accountQt() const {
    const auto& account = zarAdapter_->accountData();
    return account ? account->qt() : std::string();
}

std::vector<TAVORouterModelPtr> TAVOAccountManager::currentRoutersList() const {
    auto provider = accountProvider();
    return provider ? provider->routersList() : std::vector<TAVORouterModelPtr>{};
}

void TAVOAccountManager::setCurrentRoutersList(const std::optional<std::vector<TAVORouterModelPtr>>& list) {
    if (list) return;
    if (auto provider = accountProvider()) provider->setRoutersList({});
}

void TAVOAccountManager::setCurrentRouter(TAVORouterModelPtr router) {
    const bool sameId = currentRouter_ && router && !currentRouter_->router_id.empty() &&
                        currentRouter_->router_id == router->router_id;
    if (sameId) {
        // A fresh record of the router in use: the record in use keeps its
        // ticket, status and password; only the network name may have changed.
        currentRouter_->ssid = router->ssid;
    } else {
        currentRouter_ = std::move(router);
        if (statusLisener_) statusLisener_->endLisener();
        statusLisener_.reset();
        optEngine_.reset();
    }
    lendTicket(currentRouter_, localRouter_, true);
    saveOnlineRouterIfRemote(currentRouter_);
    if (!currentRouter_) {
        // No router left to be notified about: unless one is chosen within
        // this turn, the phone is taken off the push registration.
        auto weak = std::weak_ptr<TAVOAccountManager>(self<TAVOAccountManager>());
        dispatch::Queue::main()->async([weak] {
            auto self = weak.lock();
            if (self && !self->currentRouter_) TAVODeviceTokenUploadEngine::shareInstance()->clearDeviceToken();
        });
    }
    TAVORaiseGlobalRouterEvent(TAVOGlobalEvent::CurrentRouterChanged);
}

void TAVOAccountManager::setLocalRouter(TAVORouterModelPtr router) {
    if (router) dropedLocalRouter_.reset();
    // Off the router's Wi-Fi a signed-in account still reaches it through the
    // cloud; signed out there is no other way, and routerState then reports
    // the router unusable because no local router is left.
    if (!router && currentRouter_ && currentRouter_->isEqualToRouter(localRouter_) && !accountQt().empty())
        currentRouter_->isLocalRouter = false;
    localRouter_ = std::move(router);
    if (currentRouter_ && localRouter_ && currentRouter_->isEqualToRouter(localRouter_))
        lendTicket(currentRouter_, localRouter_, false);
    // A router now reached through the cloud is the one to come back to.
    saveOnlineRouterIfRemote(currentRouter_);
    if (localRouter_ && !localRouter_->router_id.empty()) {
        std::vector<std::string> listIds;
        for (const auto& r : currentRoutersList())
            if (r && !r->router_id.empty()) listIds.push_back(r->router_id);
        auto weak = std::weak_ptr<TAVOAccountManager>(self<TAVOAccountManager>());
        dispatch::Queue::main()->async([weak, listIds] {
            if (auto self = weak.lock()) self->uploadDeviceTokens(listIds);
        });
    }
}

void TAVOAccountManager::uploadDeviceTokens(const std::vector<std::string>& listIds) {
    if (!localRouter_ || localRouter_->router_id.empty()) return;
    auto uploader = TAVODeviceTokenUploading::shared();
    if (!uploader) return;
    std::vector<std::string> ids{localRouter_->router_id};
    ids.insert(ids.end(), listIds.begin(), listIds.end());
    uploader->uploadDeviceTokenWithRouter(ids);
}

void TAVOAccountManager::selectPreviousRouter(const std::vector<TAVORouterModelPtr>& routers) {
    TAVORouterModelPtr chosen;
    const auto saved = TAVORouterPreference::shareInstance()->getOnlineRouter();
    if (saved && !saved->empty()) {
        for (const auto& r : routers)
            if (r && r->router_id == *saved) {
                chosen = r;
                break;
            }
    }
    if (!chosen && !routers.empty()) chosen = routers.front();
    if (chosen) {
        chosen->isManagedByArdoAccount = true;
        const ns::Dictionary wifi = TAVOWIFIUtility::fetchSSIDInfo();
        const std::string bssid = wifi["BSSID"].asString();
        const std::string ssid = wifi["SSID"].asString();
        if (!bssid.empty() && chosen->isEqualBSSID(bssid)) {
            const ns::Value record =
                TAVORouterPreference::shareInstance()->getLocalRouterInfoAccording({{kLocalRouterBssid, bssid}});
            if (record.isDictionary()) {
                ns::Dictionary fields;
                auto take = [&](const char* key, const std::string& from) {
                    const std::string value = record[from].stringValue();
                    if (!value.empty()) fields.set(key, value);
                };
                take("mac", kLocalRouterMac);
                take("router_id", kLocalRouterRouterId);
                take("ticket", kLocalRouterTicket);
                if (!ssid.empty()) fields.set("ssid", ssid);
                auto local = TAVORouterModel::initWithDictionary(ns::Value(fields));
                local->bssid = bssid;
                // The admin password is kept once for every router: a
                // record saved without one must not wipe the one kept.
                const std::string admin = record[kLocalRouterAdmin].stringValue();
                if (!admin.empty()) local->setAdminPsw(admin);
                setLocalRouter(local);
            }
        }
    }
    setCurrentRouter(chosen);
}

int TAVOAccountManager::currentRouterCriticalErrorCode() const {
    return currentRouter_ ? currentRouter_->criticalErrorCode : kRouterLostConnect;
}

void TAVOAccountManager::setCurrentRouterCriticalErrorCode(int code) {
    if (currentRouter_) currentRouter_->criticalErrorCode = code;
}

int TAVOAccountManager::routerState() const {
    if (!currentRouter_) return kRouterLostConnect;
    if (!accountQt().empty() || localRouter_) return currentRouterCriticalErrorCode();
    return kRouterLostConnect;
}

ns::Value TAVOAccountManager::createQtAndRouterIdDic() const {
    const std::string qt = accountQt();
    if (qt.empty() || !currentRouter_ || currentRouter_->router_id.empty()) return {};
    return ns::Value(ns::Dictionary{{"qt", qt}, {"router_id", currentRouter_->router_id}});
}

// --- Router operations -----------------------------------------------------------

TAVODataProviderPtr TAVOAccountManager::dataProvider(int id) const {
    if (providerSource_) return providerSource_(id);
    return TAVODataProviderFactory::shareInstance()->getDataProviderById(id);
}

std::int32_t TAVOAccountManager::send(TAVODataProviderId provider, TAVORequestNumber number,
                                      const ns::Value& param) const {
    auto p = dataProvider(provider);
    if (!p) return 0;
    // Signed out with nothing of its own to say, a request has no parameters
    // at all rather than an empty set of them.
    if (param.isDictionary() && param.count() == 0) return p->reqData(number, ns::Value());
    return p->reqData(number, param);
}

ns::Dictionary TAVOAccountManager::base() const { return createQtAndRouterIdDic().asDictionary(); }

std::int32_t TAVOAccountManager::sendBase(TAVORequestNumber number,
                                          std::initializer_list<std::pair<std::string, ns::Value>> keys) const {
    ns::Dictionary param = base();
    for (const auto& [key, value] : keys) param.set(key, value);
    return send(kDeviceProvider, number, ns::Value(param));
}

std::int32_t TAVOAccountManager::requestRoutersList() {
    const std::string qt = accountQt();
    if (qt.empty()) return kNothingSent;
    return send(kAccountProvider, TAVORequestNumber::RoutersList, ns::Value(ns::Dictionary{{"qt", qt}, {"check_online", "1"}}));
}

std::int32_t TAVOAccountManager::unbindRouter(const TAVORouterModelPtr& router) {
    const std::string qt = accountQt();
    ns::Value param;
    if (!qt.empty() && router && !router->router_id.empty())
        param = ns::Value(ns::Dictionary{{"qt", qt}, {"router_id", router->router_id}});
    return send(kAccountProvider, TAVORequestNumber::RouterUnbind, param);
}

std::int32_t TAVOAccountManager::checkRouterInit() { return send(kDeviceProvider, TAVORequestNumber::RouterInitCheck, {}); }

std::int32_t TAVOAccountManager::ticketCheck(const std::string& ticket) {
    if (ticket.empty()) return kNothingSent;
    return send(kDeviceProvider, TAVORequestNumber::RouterTicketVerification, ns::Value(ns::Dictionary{{"ticket", ticket}}));
}

std::int32_t TAVOAccountManager::loginRouter() {
    ns::Value param;
    if (currentRouter_) param = ns::Value(ns::Dictionary{{"router", ns::Value(currentRouter_)}});
    return send(kDeviceProvider, TAVORequestNumber::RouterBind, param);
}

std::int32_t TAVOAccountManager::bindRouter() {
    ns::Value param;
    if (currentRouter_) {
        ns::Dictionary d{{"router", ns::Value(currentRouter_)}};
        const std::string qt = accountQt();
        if (!qt.empty()) d.set("qt", qt);
        param = ns::Value(d);
    }
    return send(kDeviceProvider, TAVORequestNumber::RouterBindToAccount, param);
}

std::int32_t TAVOAccountManager::restartRouter() { return sendBase(TAVORequestNumber::RouterRestart, {}); }

std::int32_t TAVOAccountManager::recoveryBreakdown(int task) {
    ns::Dictionary param;
    const std::string qt = accountQt();
    if (currentRouter_ && !currentRouter_->router_id.empty() && !qt.empty()) {
        param.set("router", ns::Value(currentRouter_));
        param.set("qt", qt);
        // The cloud needs to know which router to repair, as on every other call.
        if (!currentRouter_->isLocalRouter) param.set("router_id", currentRouter_->router_id);
    }
    param.set("task", std::to_string(task));
    return send(kDeviceProvider, TAVORequestNumber::RouterFixNetDiagnose, ns::Value(param));
}

std::int32_t TAVOAccountManager::queryBlacklist() { return sendBase(TAVORequestNumber::RouterQueryBlackList, {}); }
std::int32_t TAVOAccountManager::restoreFromBlacklist(const std::string& mac) { return sendBase(TAVORequestNumber::RouterPermitDevice, {{"mac", mac}}); }
std::int32_t TAVOAccountManager::getDeviceList() { return sendBase(TAVORequestNumber::RouterQueryDeviceList, {{"need_check", 1}}); }

std::int32_t TAVOAccountManager::checkRouterRomUpdate() {
    // The firmware version the router last reported to the status poller;
    // unknown before its first answer.
    std::string romVersion;
    if (statusLisener_ && statusLisener_->status() && statusLisener_->status()->hardwareInfo)
        romVersion = statusLisener_->status()->hardwareInfo->rom_version;
    return sendBase(TAVORequestNumber::RouterQueryRomUpdate, {{"rom_version", romVersion}});
}

std::int32_t TAVOAccountManager::setCommonSwitch(int sw, int type) {
    return sendBase(TAVORequestNumber::RouterSetCommonSW, {{"sw", sw}, {"type", type}});
}
std::int32_t TAVOAccountManager::setAntiWiFiBruder(int sw) { return setCommonSwitch(sw, kSwitchAntiWiFiBruder); }
std::int32_t TAVOAccountManager::setAntiAccountStealer(int sw) { return setCommonSwitch(sw, kSwitchAntiAccountStealer); }
std::int32_t TAVOAccountManager::setBlockDangerousWebsites(int sw) {
    return setCommonSwitch(sw, kSwitchBlockDangerousWebsites);
}
std::int32_t TAVOAccountManager::setAntiDNSCheats(int sw) { return setCommonSwitch(sw, kSwitchAntiDNSCheats); }
std::int32_t TAVOAccountManager::setHeartBloodProtection(int sw) {
    return setCommonSwitch(sw, kSwitchHeartBloodProtection);
}
std::int32_t TAVOAccountManager::setLocalDomainNetworkProtection(int sw) {
    return setCommonSwitch(sw, kSwitchLocalDomainNetworkProtection);
}

std::int32_t TAVOAccountManager::requestControlLED(int sw) { return sendBase(TAVORequestNumber::RouterLedControl, {{"sw", std::to_string(sw)}}); }
std::int32_t TAVOAccountManager::requestWIFIControl(int sw) { return sendBase(TAVORequestNumber::RouterWIFIWorkControl, {{"sw", std::to_string(sw)}}); }
std::int32_t TAVOAccountManager::getWifiTimer() { return sendBase(TAVORequestNumber::RouterGetWIFITime, {}); }

std::int32_t TAVOAccountManager::setWifiTimer(const ns::Dictionary& timer) {
    ns::Dictionary param = base();
    param.addEntries(timer);
    return send(kDeviceProvider, TAVORequestNumber::RouterSetWIFITime, ns::Value(param));
}

std::int32_t TAVOAccountManager::closeWifiTimer(const ns::Dictionary& timer) {
    ns::Dictionary param = base();
    param.addEntries(timer);
    return send(kDeviceProvider, TAVORequestNumber::RouterCloseWIFITimer, ns::Value(param));
}

std::int32_t TAVOAccountManager::getRadio() { return sendBase(TAVORequestNumber::RouterQueryRadioPower, {}); }
std::int32_t TAVOAccountManager::setRadio(int power) { return sendBase(TAVORequestNumber::RouterSetRadioPower, {{"freq", "2.4G"}, {"power", power}}); }
std::int32_t TAVOAccountManager::setPermitState(int state) {
    return sendBase(TAVORequestNumber::RouterSetNeedPermit, {{"need_permit", state}, {"pw_ability", 1}});
}
std::int32_t TAVOAccountManager::setAdvancedPermitState(int state) {
    return sendBase(TAVORequestNumber::RouterSetPermitAdvance, {{"sw", state}, {"sw_type", 1}});
}
std::int32_t TAVOAccountManager::testRouterSpeed(int type) { return sendBase(TAVORequestNumber::RouterTestSpeed, {{"type", std::to_string(type)}}); }
std::int32_t TAVOAccountManager::getChannelQuality() { return sendBase(TAVORequestNumber::GetChannelQuality, {}); }
std::int32_t TAVOAccountManager::optChannel(int type) { return sendBase(TAVORequestNumber::WIFIOptimizeChannel, {{"type", type}}); }
std::int32_t TAVOAccountManager::accelerateDevice(const std::string& mac) { return sendBase(TAVORequestNumber::RouterAccelerateDevice, {{"mac", mac}}); }
std::int32_t TAVOAccountManager::cancelAcceleratingDevice() { return sendBase(TAVORequestNumber::CancelAccelerate, {}); }
std::int32_t TAVOAccountManager::cancelAcceleratingDevice(const std::string& mac) {
    return sendBase(TAVORequestNumber::CancelAccelerate, {{"mac", mac}});
}
std::int32_t TAVOAccountManager::getAcceleratingDevice() { return sendBase(TAVORequestNumber::GetAccelerateDevice, {}); }
std::int32_t TAVOAccountManager::getSafetyLogs(int type) { return sendBase(TAVORequestNumber::RouterGetSafetyLog, {{"type", type}, {"compress", 0}}); }
std::int32_t TAVOAccountManager::getChannelProbedDevices() { return sendBase(TAVORequestNumber::WIFIGetChannelDeviceNum, {}); }

std::int32_t TAVOAccountManager::updateWIFIPwd(const std::string& newPwd, const std::string&,
                                               const std::string& ssid) {
    ns::Dictionary param = base();
    if (!ssid.empty()) param.set("ssid", ssid);
    if (!newPwd.empty()) param.set("pwd", newPwd);
    return send(kDeviceProvider, TAVORequestNumber::UpdateWifiPwd, ns::Value(param));
}

std::int32_t TAVOAccountManager::updateWIFIPwd(const std::string& newPwd, const std::string&, const std::string& ssid,
                                               bool isCombine) {
    ns::Dictionary param = base();
    if (!ssid.empty()) param.set("ssid", ssid);
    param.set("pwd", newPwd);
    param.set("diff_ssid_sw", isCombine ? 0 : 1);
    return send(kDeviceProvider, TAVORequestNumber::UpdateWifiPwd, ns::Value(param));
}

std::int32_t TAVOAccountManager::queryWIFIPwdStrength() { return sendBase(TAVORequestNumber::WIFIWifiPwdStength, {}); }
std::int32_t TAVOAccountManager::setWifiChannel(int type, int channel) {
    return sendBase(TAVORequestNumber::SetChannel, {{"type", type}, {"channel", channel}});
}
std::int32_t TAVOAccountManager::setWifiBandWidth(int bandWidth, bool needRestart) {
    return sendBase(TAVORequestNumber::SetWifiBandWidth, {{"bw", bandWidth}, {"restart", needRestart ? 1 : 0}});
}
std::int32_t TAVOAccountManager::updateAdminPwd(const std::string& newPwd, const std::string& oldPwd) {
    return sendBase(TAVORequestNumber::RouterUpdateAdminPwd, {{"newpass", newPwd}, {"curpass", oldPwd}});
}
std::int32_t TAVOAccountManager::getAdminPwdSafety() { return sendBase(TAVORequestNumber::QueryAdminPwdSafety, {}); }
std::int32_t TAVOAccountManager::getProtectElapse() { return sendBase(TAVORequestNumber::RouterGetProtectElapse, {}); }
std::int32_t TAVOAccountManager::getSafetyIndicators() { return sendBase(TAVORequestNumber::RouterGetSafetyIndicators, {}); }
std::int32_t TAVOAccountManager::getVirusLibraryInfo() { return sendBase(TAVORequestNumber::RouterGetVirusLibraryInfo, {}); }
std::int32_t TAVOAccountManager::updateVirusLibrary() { return sendBase(TAVORequestNumber::RouterUpdateVirusLibrary, {}); }
std::int32_t TAVOAccountManager::regDeviceToken(const ns::Dictionary& param) {
    return send(kDeviceProvider, TAVORequestNumber::RegDeviceToken, ns::Value(param));
}
std::int32_t TAVOAccountManager::clearDeviceToken(const ns::Dictionary& param) {
    return send(kDeviceProvider, TAVORequestNumber::ClearDeviceToken, ns::Value(param));
}
std::int32_t TAVOAccountManager::factoryResetRouter() { return sendBase(TAVORequestNumber::RouterFactoryReset, {}); }
