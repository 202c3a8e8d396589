// The two tables of the providers: request number -> request class name, and
// request class name -> notification base name. Built once, in full.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class TAVODataProviderCommon : public ns::Object {
public:
    static std::shared_ptr<TAVODataProviderCommon> shareInstance();
    static std::shared_ptr<TAVODataProviderCommon> create();

    const std::map<std::string, std::string>& dpNotifications() const { return dpNotifications_; }
    const std::map<int, std::string>& requestIDMatchTabel() const { return requestIDMatchTabel_; }
    // "" when the number or the class has no row.
    std::string classNameForRequest(int number) const;
    std::string notificationBase(const std::string& className) const;

    std::string className() const override { return "TAVODataProviderCommon"; }

private:
    TAVODataProviderCommon() = default;
    std::map<std::string, std::string> dpNotifications_;
    std::map<int, std::string> requestIDMatchTabel_;
};
