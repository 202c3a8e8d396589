// ns::JSONSerialization: JSON text <-> ns::Value, as the platform's JSON
// serialization behaves.
//
// Reading keeps the number kinds (integer, unsigned, floating; -0 as a
// floating -0.0; an integer beyond 64 bits as an exact decimal) and the key
// order of objects (a repeated key keeps its first position, the last value
// wins). Text with a NUL byte is refused. Nesting deeper than kMaxDepth fails
// cleanly instead of exhausting the stack. Every failure is
// NSCocoaErrorDomain 3840.
//
// Writing escapes "/" as "\/" unless asked not to, as the platform does, and
// writes dictionaries in their own order (or sorted with kJSONWritingSortedKeys).
#pragma once

#include <optional>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

namespace ns {

enum JSONReadingOptions : unsigned {
    kJSONReadingMutableContainers = 1 << 0,  // no effect: every Value container is mutable
    kJSONReadingMutableLeaves = 1 << 1,      // no effect
    kJSONReadingFragmentsAllowed = 1 << 2,   // a top-level string, number, true/false or null is accepted
};

enum JSONWritingOptions : unsigned {
    kJSONWritingPrettyPrinted = 1 << 0,
    kJSONWritingSortedKeys = 1 << 1,
    kJSONWritingFragmentsAllowed = 1 << 2,
    kJSONWritingWithoutEscapingSlashes = 1 << 3,
};

class JSONSerialization {
public:
    static constexpr int kMaxDepth = 512;

    // The value the text holds, or nil with a 3840 error.
    static Value JSONObjectWithData(const Data& data, unsigned options = 0, ErrorPtr* error = nullptr);
    // UTF-8 JSON text, or nothing with a 3840 error when the value is not
    // valid JSON (see isValidJSONObject).
    static std::optional<Data> dataWithJSONObject(const Value& value, unsigned options = 0, ErrorPtr* error = nullptr);

    // An array or dictionary (anything with kJSONWritingFragmentsAllowed)
    // holding only UTF-8 strings, finite numbers, bools, null, arrays and
    // dictionaries (with UTF-8 keys), nested at most kMaxDepth deep.
    static bool isValidJSONObject(const Value& value, unsigned writingOptions = 0);
};

}  // namespace ns
