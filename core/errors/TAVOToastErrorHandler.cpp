#include "core/errors/TAVOToastErrorHandler.h"

#include "core/services/TAVOToastPresenter.h"

bool TAVOToastErrorHandler::run() {
    if (!error()) return true;
    int code = error()->errorCode();
    if (code == 200001 || code == 200002) {
        showToast(error()->errorMsg());
        return false;
    }
    return true;
}

void TAVOToastErrorHandler::showToast(const std::string& text) {
    if (showHud_) return;
    auto presenter = TAVOToastPresenter::shared();
    if (!presenter) return;
    showHud_ = true;
    std::weak_ptr<TAVOToastErrorHandler> weak = self<TAVOToastErrorHandler>();
    presenter->showToast(text, TAVOToastTypeWarning, 1.5, [weak] {
        if (auto strong = weak.lock()) strong->showHud_ = false;
    });
}
