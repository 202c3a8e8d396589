// Encoding conveniences of the JetJson codec. For an array or dictionary
// (platform collections or the codec's own) they write the collection; for
// a string they write it as a JSON string (optionally without its quotes).
// Each call uses its own serializer. JSONString of a dictionary is what the
// command road sends.
#pragma once

#include "net/json/JetJsonOptions.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

// A string value, or nil on failure.
ns::Value JSONString(const ns::Value& object);
ns::Value JSONStringWithOptions(const ns::Value& object, unsigned serializeOptions, ns::ErrorPtr* error = nullptr);
// Strings only: with or without the surrounding quotes.
ns::Value JSONStringWithOptionsIncludeQuotes(const ns::Value& string, unsigned serializeOptions, bool includeQuotes,
                                             ns::ErrorPtr* error = nullptr);

// A data value, or nil on failure.
ns::Value JSONData(const ns::Value& object);
ns::Value JSONDataWithOptions(const ns::Value& object, unsigned serializeOptions, ns::ErrorPtr* error = nullptr);
ns::Value JSONDataWithOptionsIncludeQuotes(const ns::Value& string, unsigned serializeOptions, bool includeQuotes,
                                           ns::ErrorPtr* error = nullptr);
