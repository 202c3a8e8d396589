// Which screens want light status-bar text (a dark or coloured header) and
// which the default dark text, looked up by the screen's class name.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"

class TAVOStatusTextColorUtility : public ns::Object {
public:
    static std::shared_ptr<TAVOStatusTextColorUtility> sharedInstance();
    static std::shared_ptr<TAVOStatusTextColorUtility> create();

    // "Black", "White", or nothing for a class name not in the table.
    std::optional<std::string> getColorState(const std::string& className) const;
    // 1 (light content) for "White"; 0 (default) otherwise.
    int getStatusBarStyleByViewControllerName(const std::string& className) const;

private:
    TAVOStatusTextColorUtility() = default;
    std::map<std::string, std::string> colorDictionary_;
};
