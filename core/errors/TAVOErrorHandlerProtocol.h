// The base of every error handler of the error system's chain.
#pragma once

#include <memory>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Object.h"

class TAVOErrorHandlerProtocol : public ns::Object {
public:
    // The error being handled: set just before run() and cleared just after.
    const TAVOErrorPtr& error() const { return error_; }
    void setError(TAVOErrorPtr e) { error_ = std::move(e); }

    // true: not handled, ask the next handler; false: handled, stop.
    virtual bool run() { return true; }

private:
    TAVOErrorPtr error_;
};

using TAVOErrorHandlerPtr = std::shared_ptr<TAVOErrorHandlerProtocol>;
