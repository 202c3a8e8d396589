#include "net/json/TinyJsonBase.h"

#include "platform/foundation/Value.h"

std::string TinyJsonBase::errorTraceDescription() const {
    ns::Array trace;
    for (const auto& e : errorTrace_) trace.push_back(ns::Value(e));
    return ns::Value(std::move(trace)).description();
}

void TinyJsonBase::addErrorWithCode(int code, const std::string& description) {
    ns::Dictionary info;
    info.set(ns::kLocalizedDescriptionKey, description);
    if (!errorTrace_.empty()) info.set(ns::kUnderlyingErrorKey, ns::Value(errorTrace_.back()));
    errorTrace_.push_back(ns::Error::create(kTinyJsonErrorDomain, code, std::move(info)));
}

bool TinyJsonBase::enterContainer() {
    ++depth_;
    if (maxDepth_ != 0 && depth_ > maxDepth_) {
        addErrorWithCode(7, "Nested too deep");
        return false;
    }
    return true;
}
