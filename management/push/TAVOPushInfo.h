// A remote notification of the router service, as a typed record. The
// payload's "rudi" dictionary holds the wire kind ("type"), the router
// ("router_id", "mac") and the kind's details ("data").
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

// Internal kinds (`type`).
enum TAVOPushType : int {
    TAVOPushTypeNewDevice = 0,        // wire 1
    TAVOPushTypeRomUpdate = 1,        // wire 2
    TAVOPushTypeRomUpdateResult = 2,  // wire 3
    TAVOPushTypeNewAppVersion = 3,    // wire 101
};

class TAVOPushInfo : public ns::Object {
public:
    int type = 0;

    // Fills the record from a "rudi" dictionary (a subclass runs its base's first).
    virtual void initWithDic(const ns::Value& rudi);
    // The kind's text for the user; "" for an unknown kind.
    std::string desc() const;

    // The internal kind of a wire kind; -1 when unknown.
    static int typeForWireType(int wireType);

    std::string className() const override { return "TAVOPushInfo"; }
};

class TAVORouterPushInfo : public TAVOPushInfo {
public:
    std::string router_id;
    std::string mac;
    void initWithDic(const ns::Value& rudi) override;
    std::string className() const override { return "TAVORouterPushInfo"; }
};

using TAVOPushInfoPtr = std::shared_ptr<TAVOPushInfo>;
