#include "platform/foundation/Object.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <typeinfo>

namespace ns {

std::string demangledClassName(const std::type_info& type) {
    int status = 0;
    char* raw = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::string name = (status == 0 && raw) ? raw : type.name();
    std::free(raw);
    // Drop template arguments' namespaces are rare here; only strip the leading scope.
    auto angle = name.find('<');
    auto scope = name.rfind("::", angle == std::string::npos ? std::string::npos : angle);
    if (scope != std::string::npos) name = name.substr(scope + 2);
    return name;
}

std::string Object::className() const { return demangledClassName(typeid(*this)); }

std::string Object::description() const {
    char buf[64];
    std::snprintf(buf, sizeof buf, ": %p>", static_cast<const void*>(this));
    return "<" + className() + buf;
}

}  // namespace ns
