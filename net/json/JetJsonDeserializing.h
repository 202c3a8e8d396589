// Decoding conveniences of the JetJson codec for text and bytes: each call
// makes its own decoder (so any thread may call them) and drops it at once.
// objectFromJSONString is what the command road uses (options 0).
#pragma once

#include <string_view>

#include "net/json/JetJsonOptions.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

ns::Value objectFromJSONString(std::string_view text);
ns::Value objectFromJSONStringWithParseOptions(std::string_view text, unsigned options, ns::ErrorPtr* error = nullptr);
ns::Value mutableObjectFromJSONString(std::string_view text);
ns::Value mutableObjectFromJSONStringWithParseOptions(std::string_view text, unsigned options,
                                                      ns::ErrorPtr* error = nullptr);

ns::Value objectFromJSONData(const ns::Data& data);
ns::Value objectFromJSONDataWithParseOptions(const ns::Data& data, unsigned options, ns::ErrorPtr* error = nullptr);
ns::Value mutableObjectFromJSONData(const ns::Data& data);
ns::Value mutableObjectFromJSONDataWithParseOptions(const ns::Data& data, unsigned options,
                                                    ns::ErrorPtr* error = nullptr);
