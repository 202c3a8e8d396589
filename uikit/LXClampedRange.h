// Ranges handed to the attributed-string helpers come from callers, links
// and markup matches; a range that reaches past the text is cut to the
// part inside it (possibly empty) instead of being refused further down
// or walked past the end.
#pragma once

#include <algorithm>

#include "platform/foundation/Utf16.h"

// The part of `range` inside a text of `length` UTF-16 units; empty (at the
// end) when the range starts past it or is not found.
inline ns::Range LXClampedRange(ns::Range range, std::size_t length) {
    if (!range.found() || range.location >= length) return ns::Range{length, 0};
    return ns::Range{range.location, std::min(range.length, length - range.location)};
}
