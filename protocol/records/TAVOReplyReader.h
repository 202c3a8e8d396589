// The reading rules every reply record shares. Each throws
// TAVOReplyShapeError where the payload has the wrong JSON kind.
#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/Value.h"

namespace TAVOReplyReader {

// The value under `key`: nil when the key is missing or `object` is nil;
// throws when `object` is something other than a dictionary.
const ns::Value& lookup(const ns::Value& object, std::string_view key);
// Non-empty text only: "" when missing or empty; throws for any other kind
// (null included).
std::string text(const ns::Value& object, std::string_view key);
// The same rule for a value already taken out.
std::string textValue(const ns::Value& value, std::string_view what);
// The integer value of non-empty text: 0 when missing or empty; throws when
// the value is not text.
int intFromText(const ns::Value& object, std::string_view key);
// The integer value of a number or of text (its leading digits): 0 when
// missing; throws for null, a list or an object.
int integer(const ns::Value& object, std::string_view key);
// The same rule for a value already taken out.
int integerValue(const ns::Value& value, std::string_view what);
// Throws unless the value is a dictionary.
const ns::Value& requireObject(const ns::Value& value, std::string_view what);

}  // namespace TAVOReplyReader
