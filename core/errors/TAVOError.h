// The one error record that travels from every layer to the screens.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"

enum TAVOErrorType : int {
    TAVOErrorTypeRouter = 1,   // the router or a server reported an error
    TAVOErrorTypeSystem = 2,   // system or network error
    TAVOErrorTypeParse = 3,    // reply not readable, or an architecture error
};

class TAVOError : public ns::Object {
public:
    static std::shared_ptr<TAVOError> errorWithType(int type, int code, std::string msg,
                                                    ns::ErrorPtr sourceError = nullptr);

    const std::string& errorMsg() const { return errorMsg_; }
    void setErrorMsg(std::string msg) { errorMsg_ = std::move(msg); }
    int errorCode() const { return errorCode_; }
    void setErrorCode(int code) { errorCode_ = code; }
    int type() const { return type_; }
    void setType(int type) { type_ = type; }
    const ns::ErrorPtr& sourceError() const { return sourceError_; }
    void setSourceError(ns::ErrorPtr e) { sourceError_ = std::move(e); }

    // Which side an account-related code belongs to: 0 router or server
    // (100000-130000 and every code outside the account ranges), 1 the
    // router's local account (130001-160000), 2 the cloud account
    // (160001-199999).
    int routerErrorSource() const;
    // The codes that the alert error handler answers with its own dialog, so
    // that screens do not show them a second time.
    bool errorHasProcess() const;

    std::string description() const override;

private:
    TAVOError() = default;
    std::string errorMsg_;
    int errorCode_ = 0;
    int type_ = 0;
    ns::ErrorPtr sourceError_;
};

using TAVOErrorPtr = std::shared_ptr<TAVOError>;
