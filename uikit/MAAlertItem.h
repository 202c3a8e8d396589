// One button of an alert: its title, its type (which decides the title
// colour and the pressed image) and what a tap on it does.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class MAAlertView;

enum MAAlertViewButtonType : int {
    MAAlertViewButtonTypeDefault = 0,
    MAAlertViewButtonTypeDestructive = 1,
    MAAlertViewButtonTypeCancel = 2,
};

class MAAlertItem : public ns::Object {
public:
    // Receives the alert whose button was tapped.
    using Action = std::function<void(const std::shared_ptr<MAAlertView>&)>;

    static std::shared_ptr<MAAlertItem> create(std::string title, int type, Action action);

    std::string title;
    int type = MAAlertViewButtonTypeDefault;
    Action action;  // may be empty
};

using MAAlertItemPtr = std::shared_ptr<MAAlertItem>;
