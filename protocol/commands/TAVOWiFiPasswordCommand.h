// Sets the Wi-Fi names and passwords. Only the values that were set are
// sent; an empty text counts as set.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "protocol/commands/TAVOCommand.h"

class TAVOWiFiPasswordCommand : public TAVOCommand {
public:
    static std::shared_ptr<TAVOWiFiPasswordCommand> create() {
        return std::shared_ptr<TAVOWiFiPasswordCommand>(new TAVOWiFiPasswordCommand());
    }

    std::optional<std::string> wifi2gSSID;
    std::optional<std::string> wifi2gPWD;
    std::optional<std::string> wifi5gSSID;
    std::optional<std::string> wifi5gPWD;

    ns::Dictionary bodys() const override {
        ns::Dictionary pairs;
        if (wifi2gSSID) pairs.set("ssid", *wifi2gSSID);
        if (wifi2gPWD) pairs.set("pwd", *wifi2gPWD);
        if (wifi5gSSID) pairs.set("ssid_5g", *wifi5gSSID);
        if (wifi5gPWD) pairs.set("pwd_5g", *wifi5gPWD);
        return pairs;
    }
    std::string className() const override { return "TAVOWiFiPasswordCommand"; }

protected:
    TAVOWiFiPasswordCommand() : TAVOCommand("wifi.set", "wifi/updateWifiPwd") {}
};
