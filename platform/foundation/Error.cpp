#include "platform/foundation/Error.h"

namespace ns {

std::shared_ptr<Error> Error::create(std::string domain, std::int64_t code, Dictionary userInfo) {
    return std::shared_ptr<Error>(new Error(std::move(domain), code, std::move(userInfo)));
}

std::shared_ptr<Error> Error::withDescription(std::string domain, std::int64_t code, std::string description) {
    Dictionary info;
    info.set(kLocalizedDescriptionKey, std::move(description));
    return create(std::move(domain), code, std::move(info));
}

std::string Error::localizedDescription() const {
    const Value& d = userInfo_[kLocalizedDescriptionKey];
    if (d.isString()) return d.asString();
    return "The operation couldn\u2019t be completed. (" + domain_ + " error " + std::to_string(code_) + ".)";
}

std::string Error::localizedFailureReason() const { return userInfo_[kLocalizedFailureReasonErrorKey].asString(); }

std::shared_ptr<Error> Error::underlyingError() const { return userInfo_[kUnderlyingErrorKey].as<Error>(); }

std::string Error::description() const {
    std::string out = "Error Domain=" + domain_ + " Code=" + std::to_string(code_) + " \"" + localizedDescription() + "\"";
    if (!userInfo_.empty()) out += " UserInfo=" + Value(userInfo_).description();
    return out;
}

bool Error::isEqual(const Object& other) const {
    auto o = dynamic_cast<const Error*>(&other);
    return o && o->domain_ == domain_ && o->code_ == code_ && o->userInfo_ == userInfo_;
}

}  // namespace ns
