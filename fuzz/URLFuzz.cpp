// Fuzzes the URL reader and the percent and UTF-16 helpers it leans on.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    static const auto base = ns::URL::URLWithString("http://a/b/c/d;p?q");
    if (auto url = ns::URL::URLWithString(text)) {
        if (url->absoluteString() != text) __builtin_trap();  // the text is kept exactly
        url->path();
        url->pathComponents();
        url->URLByAppendingPathComponent(text);
    }
    if (auto rel = ns::URL::URLWithString(text, base)) {
        // A resolved URL reads back as itself.
        if (!ns::URL::URLWithString(rel->absoluteString())) __builtin_trap();
    }
    ns::str::removingPercentEncoding(text);
    ns::utf16::substring(text, ns::Range{size / 3, size / 2});
    return 0;
}
