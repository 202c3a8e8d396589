// The URL a link result opens: a map search for an address, a "tel:" URL
// for a phone number (blanks removed), the result's own URL otherwise.
#pragma once

#include "platform/foundation/URL.h"
#include "platform/graphics/TextCheckingResult.h"

// Null when the text of the address or number cannot form a URL.
ns::URLPtr extendedURL(const ns::TextCheckingResult& result);
