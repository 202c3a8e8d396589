// TinyJsonBase: what the TinyJson parser and writer share: the chained error
// trace and the nesting limit.
//
// Every failure appends an error (domain kTinyJsonErrorDomain) whose
// underlying error is the previous last one, so the last error of the trace
// is the outermost and chains back to the first.
#pragma once

#include <string>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"

inline constexpr const char* kTinyJsonErrorDomain = "org.quernhal.JSON.ErrorDomain";

class TinyJsonBase : public ns::Object {
public:
    // Empty until the first error of the current call.
    const std::vector<ns::ErrorPtr>& errorTrace() const { return errorTrace_; }
    // The trace as the platform prints an array of errors (for the log).
    std::string errorTraceDescription() const;

    // 512 by default; 0 means no limit.
    unsigned maxDepth() const { return maxDepth_; }
    void setMaxDepth(unsigned maxDepth) { maxDepth_ = maxDepth; }

    void addErrorWithCode(int code, const std::string& description);
    void clearErrorTrace() { errorTrace_.clear(); }

protected:
    TinyJsonBase() = default;
    // Raises the depth for a new container: false (with code 7) past the limit.
    bool enterContainer();
    void leaveContainer() { --depth_; }

    unsigned depth_ = 0;

private:
    std::vector<ns::ErrorPtr> errorTrace_;
    unsigned maxDepth_ = 512;
};
