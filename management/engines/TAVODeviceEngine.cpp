#include "management/engines/TAVODeviceEngine.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVODeviceKickRequest.h"
#include "protocol/requests/catalogue/TAVODeviceSetAliasNameRequest.h"
#include "protocol/requests/catalogue/TAVOGuestKickDeviceRequest.h"
#include "protocol/requests/catalogue/TAVOGuestListRequest.h"
#include "protocol/requests/catalogue/TAVOGuestStartRequest.h"
#include "protocol/requests/catalogue/TAVORouterCancelSpeedLimitRequest.h"
#include "protocol/requests/catalogue/TAVORouterCloseDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterDenyDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterOpenDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryDeviceListRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetSpeedLimitRequest.h"
#include "protocol/requests/catalogue/TAVORouterTrustDeviceRequest.h"

namespace {

constexpr const char* kDevicePollName = "startQueryDevicesListQuitely";
constexpr const char* kGuestPollName = "startQueryGuestListQuitely";

struct Answer {
    std::string requestClass;
    int code;
    bool carriesData;
};

const std::vector<Answer>& answers() {
    static const std::vector<Answer> table = {
        {TAVORequestCatalogue::classNameOf<TAVORouterQueryDeviceListRequest>(), TAVODeviceEngine::DeviceList, true},
        {TAVORequestCatalogue::classNameOf<TAVOGuestListRequest>(), TAVODeviceEngine::GuestList, true},
        {TAVORequestCatalogue::classNameOf<TAVODeviceKickRequest>(), TAVODeviceEngine::KickDevice, false},
        {TAVORequestCatalogue::classNameOf<TAVORouterOpenDeviceRequest>(), TAVODeviceEngine::OpenDevice, false},
        {TAVORequestCatalogue::classNameOf<TAVORouterCloseDeviceRequest>(), TAVODeviceEngine::CloseDevice, false},
        {TAVORequestCatalogue::classNameOf<TAVOGuestKickDeviceRequest>(), TAVODeviceEngine::KickGuest, false},
        {TAVORequestCatalogue::classNameOf<TAVORouterTrustDeviceRequest>(), TAVODeviceEngine::TrustDevice, false},
        {TAVORequestCatalogue::classNameOf<TAVORouterDenyDeviceRequest>(), TAVODeviceEngine::DenyDevice, false},
        {TAVORequestCatalogue::classNameOf<TAVODeviceSetAliasNameRequest>(), TAVODeviceEngine::RenameDevice, false},
        {TAVORequestCatalogue::classNameOf<TAVOGuestStartRequest>(), TAVODeviceEngine::StartGuestMode, false},
        {TAVORequestCatalogue::classNameOf<TAVORouterSetSpeedLimitRequest>(), TAVODeviceEngine::SetSpeedLimit, false},
        {TAVORequestCatalogue::classNameOf<TAVORouterCancelSpeedLimitRequest>(), TAVODeviceEngine::CancelSpeedLimit,
         false},
    };
    return table;
}

}  // namespace

std::shared_ptr<TAVODeviceEngine> TAVODeviceEngine::create() {
    auto engine = std::shared_ptr<TAVODeviceEngine>(new TAVODeviceEngine());
    engine->observeAnswers();
    return engine;
}

TAVODeviceEngine::~TAVODeviceEngine() {
    // A pending poll keeps the engine alive, so none is left to cancel here.
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

void TAVODeviceEngine::observeAnswers() {
    auto self = shared_from_this();
    for (const Answer& answer : answers()) {
        const int code = answer.code;
        const bool carriesData = answer.carriesData;
        TAVORequestAnswers::listen(
            answer.requestClass, self,
            [this, code, carriesData](const ns::Value& result, const ns::Dictionary&) {
                succeeded(code, carriesData ? result : ns::Value());
            },
            [this, code](const TAVOErrorPtr& error, const ns::Dictionary&) {
                failed(code, error ? error->errorMsg() : std::string());
            });
    }
}

std::int32_t TAVODeviceEngine::send(TAVORequestNumber number,
                                    std::initializer_list<std::pair<std::string, ns::Value>> keys) {
    auto facade = TAVOAccountManager::shareInstance();
    ns::Dictionary param = facade->createQtAndRouterIdDic().asDictionary();
    for (const auto& [key, value] : keys) param.set(key, value);
    auto provider = facade->dataProvider(TAVODataProviderId::Device);
    return provider ? provider->reqData(number, ns::Value(param)) : 0;
}

std::int32_t TAVODeviceEngine::queryFamilyList() {
    return send(TAVORequestNumber::RouterQueryDeviceList, {{"need_check", 1}});
}
std::int32_t TAVODeviceEngine::queryGuestList() { return send(TAVORequestNumber::GuestList, {}); }
std::int32_t TAVODeviceEngine::kickDevice(const std::string& mac) {
    return send(TAVORequestNumber::DeviceKick, {{"mac", mac}});
}
std::int32_t TAVODeviceEngine::openDevice(const std::string& mac) {
    return send(TAVORequestNumber::RouterOpenDevice, {{"mac", mac}});
}
std::int32_t TAVODeviceEngine::closeDevice(const std::string& mac) {
    return send(TAVORequestNumber::RouterCloseDevice, {{"mac", mac}});
}
std::int32_t TAVODeviceEngine::kickGuest(const std::string& mac) {
    return send(TAVORequestNumber::GuestKickDevice, {{"mac", mac}});
}
std::int32_t TAVODeviceEngine::trustDevice(const std::string& mac) {
    return send(TAVORequestNumber::RouterTrustDevice, {{"mac", mac}});
}
std::int32_t TAVODeviceEngine::denyDevice(const std::string& mac) {
    return send(TAVORequestNumber::RouterDenyDevice, {{"mac", mac}, {"to_black", "1"}});
}
std::int32_t TAVODeviceEngine::renameDevice(const std::string& mac, const std::string& alias) {
    return send(TAVORequestNumber::DeviceSetAliasName, {{"mac", mac}, {"alias", alias}});
}
std::int32_t TAVODeviceEngine::startGuestMode(int waitTime) {
    return send(TAVORequestNumber::GuestStart, {{"waittime", waitTime}});
}
std::int32_t TAVODeviceEngine::setSpeedLimit(const std::string& mac, int upSpeed, int downSpeed) {
    const auto up = static_cast<std::int32_t>(static_cast<std::int64_t>(upSpeed) * 1024);
    const auto down = static_cast<std::int32_t>(static_cast<std::int64_t>(downSpeed) * 1024);
    return send(TAVORequestNumber::RouterSetSpeedLimit, {{"mac", mac}, {"upload", up}, {"download", down}});
}
std::int32_t TAVODeviceEngine::cancelSpeedLimit(const std::string& mac) {
    return send(TAVORequestNumber::RouterCancelSpeedLimit, {{"mac", mac}});
}

void TAVODeviceEngine::succeeded(int code, const ns::Value& data) {
    if (isEnd_) return;
    auto keepAlive = shared_from_this();
    if (code == GuestList && guestQuitely_) rearmGuestPoll();
    if (code == DeviceList && isQuietly_) {
        rearmDevicePoll();
        code = DeviceListQuietly;
    }
    if (auto d = delegate.lock()) d->operationOK(*this, code, data);
}

void TAVODeviceEngine::failed(int code, std::string text) {
    if (isEnd_) return;
    auto keepAlive = shared_from_this();
    if (text.empty()) text = TAVOLocalizedString("request is failed, please try it a later");
    if (code == GuestList && guestQuitely_) {
        rearmGuestPoll();
        return;
    }
    if (code == DeviceList && isQuietly_) {
        rearmDevicePoll();
        code = DeviceListQuietly;
    }
    if (auto d = delegate.lock()) d->operationNG(*this, code, text);
}

void TAVODeviceEngine::rearmDevicePoll() {
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kDevicePollName);
    std::weak_ptr<TAVODeviceEngine> weak = this->self<TAVODeviceEngine>();
    ns::performAfterDelay(self, kDevicePollName, kDevicePollDelay, [weak] {
        if (auto s = weak.lock()) s->startQueryDevicesListQuitely();
    });
}

void TAVODeviceEngine::rearmGuestPoll() {
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kGuestPollName);
    std::weak_ptr<TAVODeviceEngine> weak = this->self<TAVODeviceEngine>();
    ns::performAfterDelay(self, kGuestPollName, kGuestPollDelay, [weak] {
        if (auto s = weak.lock()) s->startQueryGuestListQuitely();
    });
}

void TAVODeviceEngine::startQueryDevicesListQuitely() {
    isQuietly_ = true;
    isEnd_ = false;
    (void)queryFamilyList();  // the answer arrives as the quiet list
}

void TAVODeviceEngine::endQueryDevicesListQuitely() {
    isQuietly_ = false;
    isEnd_ = true;
    ns::cancelPreviousPerformRequests(shared_from_this(), kDevicePollName);
}

void TAVODeviceEngine::startQueryGuestListQuitely() {
    guestQuitely_ = true;
    isEnd_ = false;
    (void)queryGuestList();  // the answer arrives as the quiet list
}

void TAVODeviceEngine::endQueryGuestListQuitely() {
    guestQuitely_ = false;
    isEnd_ = true;
    ns::cancelPreviousPerformRequests(shared_from_this(), kGuestPollName);
}

void TAVODeviceEngine::cancelObservers() {
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
    endQueryDevicesListQuitely();
    endQueryGuestListQuitely();
}
