// The router's hardware profile (section "profile" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterHardwareInfo : public ns::Object {
public:
    static std::shared_ptr<TAVORouterHardwareInfo> create() { return std::shared_ptr<TAVORouterHardwareInfo>(new TAVORouterHardwareInfo()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterHardwareInfo> initWithDictionary(const ns::Value& dictionary);

    std::string router_name;
    std::string board_version;
    std::string rom_version;
    std::string cpu;
    std::string cpu_model;
    std::string cpu_brand;
    std::string cpu_level;
    std::string cpu_freq;
    std::string cpu_arch;
    std::string ram;
    std::string flash;
    std::string mac;
    std::string chip_5g;
    std::string antenna;  // the decimal text of the reply's number
    std::string encrypt_method;
    std::string encrypt_standard;

    // The only number of the section: its decimal text; missing gives "".
    static std::string antennaText(const ns::Value& value);

    std::string className() const override { return "TAVORouterHardwareInfo"; }
    std::string description() const override;

protected:
    TAVORouterHardwareInfo() = default;
};
