// The platform exceptions the JetJson codec raises for programming errors
// (bad options, nil arguments, indexes out of range, direct allocation,
// exhausted memory). Bad JSON input never raises: it fails with an error.
#pragma once

#include <stdexcept>
#include <string>

inline constexpr const char* kInvalidArgumentException = "NSInvalidArgumentException";
inline constexpr const char* kRangeException = "NSRangeException";
inline constexpr const char* kMallocException = "NSMallocException";
inline constexpr const char* kGenericException = "NSGenericException";
inline constexpr const char* kInternalInconsistencyException = "NSInternalInconsistencyException";

class JTException : public std::runtime_error {
public:
    JTException(std::string name, const std::string& reason) : std::runtime_error(reason), name_(std::move(name)) {}
    // The platform's exception name, e.g. "NSRangeException".
    const std::string& name() const { return name_; }
    std::string reason() const { return what(); }

private:
    std::string name_;
};
