// A toast or HUD on screen, as a person reads it: what it says and, where
// its look tells, its kind and type.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/View.h"

namespace keelbox::test {

struct ShownToast {
    enum class Kind { Toast, ProgressHUD };
    Kind kind = Kind::Toast;
    std::string text;
    // The toast type its look shows (a warning sign, an icon); none when
    // the look does not tell.
    std::optional<int> type;
    ui::ViewPtr view;
};

}  // namespace keelbox::test
