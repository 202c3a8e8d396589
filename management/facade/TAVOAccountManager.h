// The one door through which screens and engines reach the signed-in account
// and the routers. It keeps the current router (the one router operations
// address), the router found on the phone's Wi-Fi (verified with a ticket)
// and the one set aside when the phone left that Wi-Fi, and decides which
// channel the current router is reached on: its isLocalRouter flag is YES
// only while it is the local router and that router carries a ticket.
//
// Account operations are forwarded to the account adapter, whose account is
// the signed-in one. Router operations each send one numbered request to a
// data provider and return at once: the request token, 0 when the provider
// refused (it then posts the failure itself), or kNothingSent for the two
// operations that check their own preconditions and then send nothing.
// Every such result is [[nodiscard]]: a caller that only listens for the
// answer says so with (void); TAVORequestAnswers::deliverRefusal gives a
// refusal of either kind the one failure shape.
//
// Everything runs on the main thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "management/account/TAVOZARAdapter.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/TAVODataProvider.h"
#include "protocol/TAVODataProviderId.h"
#include "protocol/TAVONothingSent.h"
#include "protocol/TAVORequestNumber.h"

class TAVORouterStatusLisener;
class TAVOOptEngine;

class TAVOAccountManager : public ns::Object, public TAVOAccountFacade {
public:
    // Returned, with nothing sent and nothing posted, by requestRoutersList
    // while signed out and by ticketCheck with an empty ticket.
    static constexpr std::int32_t kNothingSent = kTAVONothingSent;
    // routerState / critical code when there is no usable router.
    static constexpr int kRouterLostConnect = 100006;

    // The one facade, made on first use; it registers itself as the shared
    // account facade of the core.
    static std::shared_ptr<TAVOAccountManager> shareInstance();
    static std::shared_ptr<TAVOAccountManager> create();

    // --- Account (forwarded to the adapter) ---------------------------------
    // Each returns the text naming refused input, or nullopt when sent.
    [[nodiscard]] std::optional<std::string> login(const std::string& userName, const std::string& psw);
    [[nodiscard]] std::optional<std::string> loginWithCode(const std::string& userName, const std::string& psw,
                                                           const std::string& code, const std::string& sc);
    [[nodiscard]] std::optional<std::string> autoLogin(const std::string& q, const std::string& t);
    [[nodiscard]] std::optional<std::string> regUsingEmail(const std::string& email, const std::string& psw);
    [[nodiscard]] std::optional<std::string> regUsingEmailWithCode(const std::string& email,
                                                                   const std::string& psw, const std::string& code,
                                                                   const std::string& sc);
    [[nodiscard]] std::optional<std::string> requestRegSmsCode(const std::string& phoneNumber);
    [[nodiscard]] std::optional<std::string> regUsingPhoneNumber(const std::string& phoneNumber,
                                                                 const std::string& psw, const std::string& smsCode);
    void getZARAuthCode(double width, double height);
    // Signs out: the account, the routers list, the saved cookies and the
    // current router are dropped.
    void quitArdoAccount();

    // --- State ---------------------------------------------------------------
    std::shared_ptr<TAVOAccountModel> currentAccountData() override;
    // The account's routers as the last routers-list answer left them.
    std::vector<TAVORouterModelPtr> currentRoutersList() const;
    // Given nothing, clears the list; a list is only ever filled by the
    // routers-list request, so giving one does nothing.
    void setCurrentRoutersList(const std::optional<std::vector<TAVORouterModelPtr>>& list);

    TAVORouterModelPtr currentRouter() override { return currentRouter_; }
    void setCurrentRouter(TAVORouterModelPtr router) override;
    TAVORouterModelPtr localRouter() override { return localRouter_; }
    void setLocalRouter(TAVORouterModelPtr router) override;
    TAVORouterModelPtr dropedLocalRouter() override { return dropedLocalRouter_; }
    void setDropedLocalRouter(TAVORouterModelPtr router) override { dropedLocalRouter_ = std::move(router); }
    // Chooses the current router from a fresh routers list: the saved online
    // router, else the first; on its Wi-Fi with a saved local record it
    // becomes the local router too.
    void selectPreviousRouter(const std::vector<TAVORouterModelPtr>& routers);

    // The current router's critical error code; 100006 without one. Writing
    // without a current router does nothing.
    int currentRouterCriticalErrorCode() const;
    void setCurrentRouterCriticalErrorCode(int code);
    // 0 when the current router is usable, else the code that makes it not.
    int routerState() const;
    // {"qt", "router_id"} when both are known, else nil.
    ns::Value createQtAndRouterIdDic() const;

    const std::shared_ptr<TAVOZARAdapter>& zarAdapter() const { return zarAdapter_; }
    // The shared status poller of the current router: made on demand by the
    // speed poller, ended and dropped whenever the current router changes.
    const std::shared_ptr<TAVORouterStatusLisener>& statusLisener() const { return statusLisener_; }
    void setStatusLisener(std::shared_ptr<TAVORouterStatusLisener> lisener) { statusLisener_ = std::move(lisener); }
    // A slot for the current router's health-check engine, emptied whenever
    // the current router changes.
    const std::shared_ptr<TAVOOptEngine>& optEngine() const { return optEngine_; }
    void setOptEngine(std::shared_ptr<TAVOOptEngine> engine) { optEngine_ = std::move(engine); }

    // --- Router operations ---------------------------------------------------
    [[nodiscard]] std::int32_t requestRoutersList();
    [[nodiscard]] std::int32_t unbindRouter(const TAVORouterModelPtr& router);
    [[nodiscard]] std::int32_t checkRouterInit();
    [[nodiscard]] std::int32_t ticketCheck(const std::string& ticket);
    [[nodiscard]] std::int32_t loginRouter();
    [[nodiscard]] std::int32_t bindRouter();
    [[nodiscard]] std::int32_t restartRouter();
    [[nodiscard]] std::int32_t recoveryBreakdown(int task);
    [[nodiscard]] std::int32_t queryBlacklist();
    [[nodiscard]] std::int32_t restoreFromBlacklist(const std::string& mac);
    [[nodiscard]] std::int32_t getDeviceList();
    [[nodiscard]] std::int32_t checkRouterRomUpdate();
    [[nodiscard]] std::int32_t setAntiWiFiBruder(int sw);
    [[nodiscard]] std::int32_t setAntiAccountStealer(int sw);
    [[nodiscard]] std::int32_t setBlockDangerousWebsites(int sw);
    [[nodiscard]] std::int32_t setAntiDNSCheats(int sw);
    [[nodiscard]] std::int32_t setHeartBloodProtection(int sw);
    [[nodiscard]] std::int32_t setLocalDomainNetworkProtection(int sw);
    [[nodiscard]] std::int32_t requestControlLED(int sw);
    [[nodiscard]] std::int32_t requestWIFIControl(int sw);
    [[nodiscard]] std::int32_t getWifiTimer();
    [[nodiscard]] std::int32_t setWifiTimer(const ns::Dictionary& timer);
    [[nodiscard]] std::int32_t closeWifiTimer(const ns::Dictionary& timer);
    [[nodiscard]] std::int32_t getRadio();
    [[nodiscard]] std::int32_t setRadio(int power);
    [[nodiscard]] std::int32_t setPermitState(int state);
    [[nodiscard]] std::int32_t setAdvancedPermitState(int state);
    [[nodiscard]] std::int32_t testRouterSpeed(int type);
    [[nodiscard]] std::int32_t getChannelQuality();
    [[nodiscard]] std::int32_t optChannel(int type);
    [[nodiscard]] std::int32_t accelerateDevice(const std::string& mac);
    [[nodiscard]] std::int32_t cancelAcceleratingDevice();
    [[nodiscard]] std::int32_t cancelAcceleratingDevice(const std::string& mac);
    [[nodiscard]] std::int32_t getAcceleratingDevice();
    [[nodiscard]] std::int32_t getSafetyLogs(int type);
    [[nodiscard]] std::int32_t getChannelProbedDevices();
    // The old password is the user's confirmation on screen; it is not sent.
    [[nodiscard]] std::int32_t updateWIFIPwd(const std::string& newPwd, const std::string& oldPwd,
                                             const std::string& ssid);
    [[nodiscard]] std::int32_t updateWIFIPwd(const std::string& newPwd, const std::string& oldPwd,
                                             const std::string& ssid, bool isCombine);
    [[nodiscard]] std::int32_t queryWIFIPwdStrength();
    [[nodiscard]] std::int32_t setWifiChannel(int type, int channel);
    [[nodiscard]] std::int32_t setWifiBandWidth(int bandWidth, bool needRestart);
    [[nodiscard]] std::int32_t updateAdminPwd(const std::string& newPwd, const std::string& oldPwd);
    [[nodiscard]] std::int32_t getAdminPwdSafety();
    [[nodiscard]] std::int32_t getProtectElapse();
    [[nodiscard]] std::int32_t getSafetyIndicators();
    [[nodiscard]] std::int32_t getVirusLibraryInfo();
    [[nodiscard]] std::int32_t updateVirusLibrary();
    [[nodiscard]] std::int32_t regDeviceToken(const ns::Dictionary& param);
    [[nodiscard]] std::int32_t clearDeviceToken(const ns::Dictionary& param);
    [[nodiscard]] std::int32_t factoryResetRouter();

    // Where the operations find their providers: the shared provider factory
    // unless a test puts recording providers in its place.
    using ProviderSource = std::function<TAVODataProviderPtr(int id)>;
    void setProviderSource(ProviderSource source) { providerSource_ = std::move(source); }
    // The provider for an id (0 account, 1 device); pollers and engines send
    // through it too.
    TAVODataProviderPtr dataProvider(int id) const;
    TAVODataProviderPtr dataProvider(TAVODataProviderId id) const { return dataProvider(TAVODataProviderIdValue(id)); }

    std::string className() const override { return "TAVOAccountManager"; }

protected:
    TAVOAccountManager() = default;

private:
    std::int32_t send(TAVODataProviderId provider, TAVORequestNumber number, const ns::Value& param) const;
    // BASE: {"qt", "router_id"}, or an empty dictionary.
    ns::Dictionary base() const;
    // BASE with the given keys set over it.
    std::int32_t sendBase(TAVORequestNumber number,
                          std::initializer_list<std::pair<std::string, ns::Value>> keys) const;
    std::int32_t setCommonSwitch(int sw, int type);
    std::string accountQt() const;
    // Registers the push token for the local router and the routers list.
    void uploadDeviceTokens(const std::vector<std::string>& listIds);

    std::shared_ptr<TAVOZARAdapter> zarAdapter_;
    TAVORouterModelPtr currentRouter_;
    TAVORouterModelPtr localRouter_;
    TAVORouterModelPtr dropedLocalRouter_;
    ProviderSource providerSource_;
    std::shared_ptr<TAVORouterStatusLisener> statusLisener_;
    std::shared_ptr<TAVOOptEngine> optEngine_;
};

using TAVOAccountManagerPtr = std::shared_ptr<TAVOAccountManager>;
