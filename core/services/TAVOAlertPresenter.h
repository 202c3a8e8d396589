// The queued modal alert of the interface kit, as the core uses it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/services/TAVOService.h"

enum TAVOAlertButtonType : int {
    TAVOAlertButtonTypeDefault = 0,
    TAVOAlertButtonTypeDestructive = 1,
    TAVOAlertButtonTypeCancel = 2,
};

struct TAVOAlertButton {
    std::string title;
    int type = TAVOAlertButtonTypeDefault;
    std::function<void()> handler;
};

class TAVOAlertPresenter {
public:
    virtual ~TAVOAlertPresenter() = default;
    // Whether the kit's current alert exists and is visible.
    virtual bool hasShown() = 0;
    // Shows an alert with the buttons in the given order.
    virtual void showAlert(const std::string& title, const std::string& message,
                           std::vector<TAVOAlertButton> buttons) = 0;

    static std::shared_ptr<TAVOAlertPresenter> shared() { return TAVOService<TAVOAlertPresenter>::get(); }
    static void setShared(std::shared_ptr<TAVOAlertPresenter> p) { TAVOService<TAVOAlertPresenter>::set(std::move(p)); }
};
