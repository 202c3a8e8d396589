// One row of the router's safety log.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOSafetyLog : public ns::Object {
public:
    static std::shared_ptr<TAVOSafetyLog> create() { return std::shared_ptr<TAVOSafetyLog>(new TAVOSafetyLog()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVOSafetyLog> initWithDic(const ns::Value& dictionary);

    std::string desc;
    std::string url;
    std::string time;
    std::string dnsIp;
    std::string srcIp;
    std::string host;
    std::string ip;

    std::string className() const override { return "TAVOSafetyLog"; }

protected:
    TAVOSafetyLog() = default;
};
