#include "core/errors/TAVOAlertErrorHandler.h"

#include <functional>

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOAppJumper.h"
#include "core/services/TAVOAccountFacade.h"
#include "core/services/TAVOAlertPresenter.h"

namespace {
void showRecoveryAlert(const std::string& messageKey, std::function<void()> jump) {
    auto presenter = TAVOAlertPresenter::shared();
    if (!presenter) return;
    std::vector<TAVOAlertButton> buttons;
    buttons.push_back({TAVOLocalizedString("cancel"), TAVOAlertButtonTypeCancel, [] {}});
    buttons.push_back({TAVOLocalizedString("sure"), TAVOAlertButtonTypeDefault, std::move(jump)});
    presenter->showAlert(TAVOLocalizedString("dialog reminder"), TAVOLocalizedString(messageKey), std::move(buttons));
}

bool alertOnScreen() {
    auto presenter = TAVOAlertPresenter::shared();
    return presenter && presenter->hasShown();
}
}  // namespace

bool TAVOAlertErrorHandler::run() {
    auto facade = TAVOAccountFacade::shared();
    if (!facade || !facade->currentRouter() || !error()) return true;
    switch (error()->errorCode()) {
        case 100005:
            if (alertOnScreen()) return false;
            showRecoveryAlert("router don't support the feature", [] { TAVOAppJumper::jumper()->jumpToUpgradeRomPage(); });
            return false;
        case 160001:
            if (alertOnScreen()) return false;
            showRecoveryAlert("account remote failed", [] { TAVOAppJumper::jumper()->jumpToRemoteAccountPage(); });
            return false;
        case 130001:
            if (!facade->localRouter() || alertOnScreen()) return true;
            showRecoveryAlert("account local failed", [] { TAVOAppJumper::jumper()->jumpToLocalAccountPage(); });
            return false;
        default: return true;
    }
}
