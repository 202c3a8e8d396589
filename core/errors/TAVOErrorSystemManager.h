// The one place where failures become TAVOError records, and where a failure
// is offered to the prioritised chain of error handlers before the screen
// that caused it hears of it. Main thread only.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "core/errors/TAVOError.h"
#include "core/errors/TAVOErrorHandlerProtocol.h"
#include "platform/foundation/Error.h"

class TAVOErrorSystemManager : public ns::Object {
public:
    static std::shared_ptr<TAVOErrorSystemManager> sharedManager();
    static std::shared_ptr<TAVOErrorSystemManager> create();

    // A router or cloud errcode (the error's code) as a type-1 record.
    TAVOErrorPtr transferRouterError(const ns::ErrorPtr& error);
    // A URL-loading error as a type-2 record.
    TAVOErrorPtr transferSystemError(const ns::ErrorPtr& error);
    TAVOErrorPtr getErrorOfType(int type, int code, std::string msg);

    // Inserts the handler ahead of those already registered at that priority.
    void registeHandler(TAVOErrorHandlerPtr handler, int priority);
    void registeHandler(TAVOErrorHandlerPtr handler) { registeHandler(std::move(handler), 1); }
    void registeHandlers(const std::vector<TAVOErrorHandlerPtr>& handlers);
    // Removes only the given handler (every priority it is registered at).
    void unRegisteHandler(const TAVOErrorHandlerPtr& handler);
    void removeAllHandlers();
    // The handlers of priorities 0, 1 and 2, in that order.
    std::vector<TAVOErrorHandlerPtr> sortedHandlers() const;
    // The stored handlers of that priority, or nothing.
    const std::vector<TAVOErrorHandlerPtr>* getHandlersByPriority(int priority) const;

    // Runs the chain; true when a handler took the error.
    bool handleError(const TAVOErrorPtr& error);

    bool shouldIgnorePreErrorHandler() const { return shouldIgnorePreErrorHandler_; }
    void setShouldIgnorePreErrorHandler(bool ignore) { shouldIgnorePreErrorHandler_ = ignore; }

private:
    TAVOErrorSystemManager() = default;
    std::map<int, std::vector<TAVOErrorHandlerPtr>> errorHandlerContainer_;
    bool shouldIgnorePreErrorHandler_ = false;
};
