// A handler that shows "no network" failures as a toast; kept for callers
// that want it (start-up registers only the alert handler).
#pragma once

#include "core/errors/TAVOErrorHandlerProtocol.h"

class TAVOToastErrorHandler : public TAVOErrorHandlerProtocol {
public:
    static std::shared_ptr<TAVOToastErrorHandler> create() {
        return std::shared_ptr<TAVOToastErrorHandler>(new TAVOToastErrorHandler());
    }
    bool run() override;
    // Shows the text unless this handler's previous toast is still up.
    void showToast(const std::string& text);

private:
    TAVOToastErrorHandler() = default;
    bool showHud_ = false;
};
