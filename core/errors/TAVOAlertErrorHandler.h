// The handler registered at start-up: answers the feature-unsupported, cloud
// account and local account errors with one dialog that leads to the
// matching recovery screen.
#pragma once

#include "core/errors/TAVOErrorHandlerProtocol.h"

class TAVOAlertErrorHandler : public TAVOErrorHandlerProtocol {
public:
    static std::shared_ptr<TAVOAlertErrorHandler> create() {
        return std::shared_ptr<TAVOAlertErrorHandler>(new TAVOAlertErrorHandler());
    }
    bool run() override;

protected:
    TAVOAlertErrorHandler() = default;
};
