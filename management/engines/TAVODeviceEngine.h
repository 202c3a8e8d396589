// Acts on the devices attached to the current router for the connected-
// devices and guest-mode screens: each action is one request, and every
// answer reaches the delegate as an operation code with its data or error
// text. The device list (every 5 s) and the guest list (every 3 s) can be
// polled quietly, the next query scheduled after each answer.
//
// Ending either poll silences every answer until a poll is started again.
// Answers are matched by notification name, so every live engine hears every
// answer of these requests. Main thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/TAVORequestNumber.h"

class TAVODeviceEngine;

// Both operations are optional: the default does nothing.
class TAVODeviceEngineDelegate {
public:
    virtual ~TAVODeviceEngineDelegate() = default;
    virtual void operationOK(TAVODeviceEngine&, int, const ns::Value&) {}
    virtual void operationNG(TAVODeviceEngine&, int, const std::string&) {}
};

class TAVODeviceEngine : public ns::Object {
public:
    enum Operation {
        DeviceList = 0, GuestList = 1, KickDevice = 2, OpenDevice = 3, CloseDevice = 4, KickGuest = 5,
        TrustDevice = 6, DenyDevice = 7, RenameDevice = 8, DeviceListQuietly = 9, StartGuestMode = 11,
        SetSpeedLimit = 13, CancelSpeedLimit = 14,
    };
    static constexpr double kDevicePollDelay = 5.0;
    static constexpr double kGuestPollDelay = 3.0;

    // Listens for the answers until freed or cancelObservers.
    static std::shared_ptr<TAVODeviceEngine> create();
    ~TAVODeviceEngine() override;

    // Each returns the request token (0 when refused; the failure then
    // arrives as an answer like any other).
    [[nodiscard]] std::int32_t queryFamilyList();
    [[nodiscard]] std::int32_t queryGuestList();
    [[nodiscard]] std::int32_t kickDevice(const std::string& mac);
    [[nodiscard]] std::int32_t openDevice(const std::string& mac);
    [[nodiscard]] std::int32_t closeDevice(const std::string& mac);
    [[nodiscard]] std::int32_t kickGuest(const std::string& mac);
    [[nodiscard]] std::int32_t trustDevice(const std::string& mac);
    [[nodiscard]] std::int32_t denyDevice(const std::string& mac);
    [[nodiscard]] std::int32_t renameDevice(const std::string& mac, const std::string& alias);
    [[nodiscard]] std::int32_t startGuestMode(int waitTime);
    // Speeds in KB/s; sent in bytes per second.
    [[nodiscard]] std::int32_t setSpeedLimit(const std::string& mac, int upSpeed, int downSpeed);
    [[nodiscard]] std::int32_t cancelSpeedLimit(const std::string& mac);

    void startQueryDevicesListQuitely();
    void endQueryDevicesListQuitely();
    void startQueryGuestListQuitely();
    void endQueryGuestListQuitely();
    void cancelObservers();

    std::weak_ptr<TAVODeviceEngineDelegate> delegate;
    bool isEnd() const { return isEnd_; }
    bool isQuietly() const { return isQuietly_; }
    bool guestQuitely() const { return guestQuitely_; }

    std::string className() const override { return "TAVODeviceEngine"; }

private:
    TAVODeviceEngine() = default;
    void observeAnswers();
    std::int32_t send(TAVORequestNumber number, std::initializer_list<std::pair<std::string, ns::Value>> keys);
    void succeeded(int code, const ns::Value& data);
    void failed(int code, std::string text);
    void rearmDevicePoll();
    void rearmGuestPoll();

    bool isEnd_ = false;
    bool isQuietly_ = false;
    bool guestQuitely_ = false;
};
