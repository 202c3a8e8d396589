#include "management/engines/TAVODeviceEngine.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOError.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"

namespace {

constexpr const char* kDevicePollName = "startQueryDevicesListQuitely";
constexpr const char* kGuestPollName = "startQueryGuestListQuitely";

struct Answer {
    const char* base;
    int code;
    bool carriesData;
};

constexpr Answer kAnswers[] = {
    {"router query devicelist notification", TAVODeviceEngine::DeviceList, true},
    {"router query guestlist notification", TAVODeviceEngine::GuestList, true},
    {"router kick device notification", TAVODeviceEngine::KickDevice, false},
    {"router open device notification", TAVODeviceEngine::OpenDevice, false},
    {"router close device notification", TAVODeviceEngine::CloseDevice, false},
    {"router kick guest notification", TAVODeviceEngine::KickGuest, false},
    {"router trust device notification", TAVODeviceEngine::TrustDevice, false},
    {"router deny device notification", TAVODeviceEngine::DenyDevice, false},
    {"router set alias device notification", TAVODeviceEngine::RenameDevice, false},
    {"router start guest mode notification", TAVODeviceEngine::StartGuestMode, false},
    {"device set speed limit notification", TAVODeviceEngine::SetSpeedLimit, false},
    {"device cancel speed limit notification", TAVODeviceEngine::CancelSpeedLimit, false},
};

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
    auto center = ns::NotificationCenter::defaultCenter();
    auto self = shared_from_this();
    for (const Answer& answer : kAnswers) {
        const std::string base = answer.base;
        const int code = answer.code;
        const bool carriesData = answer.carriesData;
        center->addObserver(
            self,
            [this, code, carriesData](const ns::NotificationPtr& n) {
                succeeded(code, carriesData ? n->object() : ns::Value());
            },
            base + "_OK");
        center->addObserver(
            self,
            [this, code](const ns::NotificationPtr& n) {
                auto error = n->object().as<TAVOError>();
                failed(code, error ? error->errorMsg() : std::string());
            },
            base + "_NG");
    }
}

std::int32_t TAVODeviceEngine::send(int requestNo, std::initializer_list<std::pair<std::string, ns::Value>> keys) {
    auto facade = TAVOAccountManager::shareInstance();
    ns::Dictionary param = facade->createQtAndRouterIdDic().asDictionary();
    for (const auto& [key, value] : keys) param.set(key, value);
    auto provider = facade->dataProvider(1);
    return provider ? provider->reqData(requestNo, ns::Value(param)) : 0;
}

std::int32_t TAVODeviceEngine::queryFamilyList() { return send(21, {{"need_check", 1}}); }
std::int32_t TAVODeviceEngine::queryGuestList() { return send(22, {}); }
std::int32_t TAVODeviceEngine::kickDevice(const std::string& mac) { return send(17, {{"mac", mac}}); }
std::int32_t TAVODeviceEngine::openDevice(const std::string& mac) { return send(15, {{"mac", mac}}); }
std::int32_t TAVODeviceEngine::closeDevice(const std::string& mac) { return send(16, {{"mac", mac}}); }
std::int32_t TAVODeviceEngine::kickGuest(const std::string& mac) { return send(23, {{"mac", mac}}); }
std::int32_t TAVODeviceEngine::trustDevice(const std::string& mac) { return send(18, {{"mac", mac}}); }
std::int32_t TAVODeviceEngine::denyDevice(const std::string& mac) {
    return send(19, {{"mac", mac}, {"to_black", "1"}});
}
std::int32_t TAVODeviceEngine::renameDevice(const std::string& mac, const std::string& alias) {
    return send(20, {{"mac", mac}, {"alias", alias}});
}
std::int32_t TAVODeviceEngine::startGuestMode(int waitTime) { return send(24, {{"waittime", waitTime}}); }
std::int32_t TAVODeviceEngine::setSpeedLimit(const std::string& mac, int upSpeed, int downSpeed) {
    const auto up = static_cast<std::int32_t>(static_cast<std::int64_t>(upSpeed) * 1024);
    const auto down = static_cast<std::int32_t>(static_cast<std::int64_t>(downSpeed) * 1024);
    return send(61, {{"mac", mac}, {"upload", up}, {"download", down}});
}
std::int32_t TAVODeviceEngine::cancelSpeedLimit(const std::string& mac) { return send(62, {{"mac", mac}}); }

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
    queryFamilyList();
}

void TAVODeviceEngine::endQueryDevicesListQuitely() {
    isQuietly_ = false;
    isEnd_ = true;
    ns::cancelPreviousPerformRequests(shared_from_this(), kDevicePollName);
}

void TAVODeviceEngine::startQueryGuestListQuitely() {
    guestQuitely_ = true;
    isEnd_ = false;
    queryGuestList();
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
