// The platform's ".strings" text format for string tables:
//
//     /* a comment */   // another comment
//     "key" = "value";
//     unquoted_key = "value";
//     "key only";                  (the value is the key)
//
// Quoted text takes the escapes \" \\ \' \n \t \r \a \b \f \v, \UXXXX and
// \uXXXX (UTF-16 units, surrogate pairs joined) and \NNN (octal). The file may
// be UTF-8 (with or without a byte-order mark) or UTF-16 with a byte-order mark.
#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/Data.h"
#include "platform/foundation/Value.h"

namespace ns {

// The table, or nothing when the text is not in the format.
std::optional<Dictionary> parseStringsFile(const Data& bytes);

}  // namespace ns
