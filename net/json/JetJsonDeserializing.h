// Decoding conveniences of the JetJson codec for text and bytes. Each call
// decodes as if with a decoder of its own: the object cache spans one
// document. (Each thread keeps one decoder per option set and empties its
// cache after every call, so any thread may call these.) objectFromJSONString
// is what the command road uses (options 0).
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
