#include "core/errors/TAVOError.h"

std::shared_ptr<TAVOError> TAVOError::errorWithType(int type, int code, std::string msg, ns::ErrorPtr sourceError) {
    std::shared_ptr<TAVOError> e(new TAVOError());
    e->setType(type);
    e->setErrorCode(code);
    e->setErrorMsg(std::move(msg));
    e->setSourceError(std::move(sourceError));
    return e;
}

int TAVOError::routerErrorSource() const {
    if (errorCode_ >= 100000 && errorCode_ <= 130000) return 0;
    if (errorCode_ >= 130001 && errorCode_ <= 160000) return 1;
    if (errorCode_ >= 160001 && errorCode_ < 200000) return 2;
    return 0;
}

bool TAVOError::errorHasProcess() const {
    return errorCode_ == 100005 || errorCode_ == 130001 || errorCode_ == 160001;
}

std::string TAVOError::description() const {
    return "<TAVOError type = " + std::to_string(type_) + ", code = " + std::to_string(errorCode_) + ", msg = " +
           errorMsg_ + ">";
}
