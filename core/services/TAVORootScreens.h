// The first screen of the navigation stack, made by the home screens; until
// they register, start-up shows a placeholder of its own.
#pragma once

#include <memory>

#include "core/services/TAVOService.h"

namespace ui {
class ViewController;
}

class TAVORootScreens {
public:
    virtual ~TAVORootScreens() = default;
    virtual std::shared_ptr<ui::ViewController> makeRootScreen() = 0;

    static std::shared_ptr<TAVORootScreens> shared() { return TAVOService<TAVORootScreens>::get(); }
    static void setShared(std::shared_ptr<TAVORootScreens> s) { TAVOService<TAVORootScreens>::set(std::move(s)); }
};
