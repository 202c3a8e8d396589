// A notification: a name, the object that sent it (any ns::Value, usually
// an object pointer, or nil) and a user-info dictionary.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

class Notification : public Object {
public:
    static std::shared_ptr<Notification> create(std::string name, Value object = {}, Dictionary userInfo = {});

    const std::string& name() const { return name_; }
    const Value& object() const { return object_; }
    const Dictionary& userInfo() const { return userInfo_; }
    std::string description() const override;

private:
    Notification() = default;
    std::string name_;
    Value object_;
    Dictionary userInfo_;
};

using NotificationPtr = std::shared_ptr<Notification>;

}  // namespace ns
