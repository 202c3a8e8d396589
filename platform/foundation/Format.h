// The platform's printf-like formatting with "%@".
//
// Arguments are ns::Values, so anything a Value holds can be passed
// directly: numbers, text, data, dates, collections and objects. "%@" prints
// the value's description ("(null)" for nil); the numeric conversions
// (%d %i %u %ld %lld %lu %llu %x %X %o %f %e %g %c ...) convert the value as
// intValue/doubleValue would, honouring flags, width and precision ("*"
// takes the next argument). %d, %i, %u, %x, %X, %o and %c without a length
// modifier work on 32 bits, as on the platform. A missing argument reads as
// nil; an unknown conversion is copied out as written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Value.h"

namespace ns {

std::string formatValues(std::string_view format, const std::vector<Value>& args);

template <class... Args>
std::string format(std::string_view fmt, const Args&... args) {
    return formatValues(fmt, std::vector<Value>{Value(args)...});
}

}  // namespace ns
