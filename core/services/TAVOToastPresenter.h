// The toast view of the screen framework, as the core uses it.
#pragma once

#include <functional>
#include <string>

#include "core/services/TAVOService.h"

enum TAVOToastType : int {
    TAVOToastTypeWarning = 1,
};

class TAVOToastPresenter {
public:
    virtual ~TAVOToastPresenter() = default;
    // Shows a toast on the application window at once, animated, hidden
    // (animated) after the delay; onHidden runs when it has been hidden.
    virtual void showToast(const std::string& text, int type, double hideAfterSeconds,
                           std::function<void()> onHidden) = 0;

    static std::shared_ptr<TAVOToastPresenter> shared() { return TAVOService<TAVOToastPresenter>::get(); }
    static void setShared(std::shared_ptr<TAVOToastPresenter> p) { TAVOService<TAVOToastPresenter>::set(std::move(p)); }
};
