// The core's toasts (the error system's warnings) in the application's own
// toast look: a CustomizedHUD of the toast type on the application window,
// shown at once, hidden (animated) after the delay; the caller hears when
// it has gone.
#pragma once

#include <memory>

#include "core/services/TAVOToastPresenter.h"

class TAVOHUDToastPresenter : public TAVOToastPresenter {
public:
    void showToast(const std::string& text, int type, double hideAfterSeconds,
                   std::function<void()> onHidden) override;
};
