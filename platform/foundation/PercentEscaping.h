// Percent escaping of text for URLs and form bodies.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/StringEncoding.h"

namespace ns::str {

// The classic URL escaping: the text's bytes in `encoding` are written as
// "%XX" (upper-case hex) unless the character is legal in a URL. Legal are
// the ASCII letters and digits, "-_.!~*'()", ";/?:@&=+$," and "#"; so space,
// '"', "%<>[\]^`{|}", controls and everything beyond ASCII are escaped.
// Characters in `charactersToLeaveUnescaped` are never escaped; characters in
// `legalCharactersToBeEscaped` are escaped although legal. Nothing when the
// text cannot be converted to the encoding.
std::optional<std::string> addingPercentEscapes(std::string_view text,
                                                std::string_view charactersToLeaveUnescaped = {},
                                                std::string_view legalCharactersToBeEscaped = {},
                                                StringEncoding encoding = kUTF8StringEncoding);

// Every UTF-8 byte of a character outside `allowed` written as "%XX".
// Nothing when the text is not valid UTF-8.
std::optional<std::string> addingPercentEncoding(std::string_view text, const CharacterSet& allowed);

// "%XX" sequences replaced by their bytes, read as UTF-8. Nothing when an
// escape is malformed ("%", "%4", "%zz") or the bytes are not UTF-8.
std::optional<std::string> removingPercentEncoding(std::string_view text);
// The same, reading the bytes in the given encoding.
std::optional<std::string> replacingPercentEscapes(std::string_view text, StringEncoding encoding);

}  // namespace ns::str
