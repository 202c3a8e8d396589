// The round gauges' titles: white centred text in a base size, with parts
// found by a pattern shown larger.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/foundation/Utf16.h"
#include "platform/graphics/AttributedString.h"

// White, centred, wrapping at characters, in the system font of `size`.
ns::AttributedStringPtr TAVOTitleText(const std::string& text, double size);
// Gives the first match of `pattern`, less its first `skip` characters, the
// system font of `size`; nothing when the pattern does not match.
void TAVOEnlargeFirstMatch(ns::AttributedString& text, const char* pattern, double size, std::size_t skip = 0);
