// The TinyJson conveniences the request road calls: read text as JSON and
// write a value as JSON text. Each call makes its own parser or writer, so
// any thread may call them; failures log the error trace and give nil.
#pragma once

#include <string_view>

#include "platform/foundation/Value.h"

// A dictionary or array, or nil (logging "-JSONValue failed. Error trace is: ...").
ns::Value JSONValue(std::string_view text);
// The JSON text (a string value), or nil (logging "-JSONRepresentation failed. ...").
ns::Value JSONRepresentation(const ns::Value& value);
