#include "platform/foundation/Data.h"

#include <algorithm>
#include <cstring>

namespace ns {

Data::Data(const void* bytes, std::size_t length) {
    if (bytes && length) {
        auto p = static_cast<const std::uint8_t*>(bytes);
        bytes_.assign(p, p + length);
    }
}

Data Data::fromString(std::string_view text) { return Data(text.data(), text.size()); }

void Data::append(const void* bytes, std::size_t length) {
    if (!bytes || !length) return;
    auto p = static_cast<const std::uint8_t*>(bytes);
    bytes_.insert(bytes_.end(), p, p + length);
}

Data Data::subdata(std::size_t location, std::size_t length) const {
    if (location >= bytes_.size()) return Data();
    length = std::min(length, bytes_.size() - location);
    return Data(bytes_.data() + location, length);
}

void Data::replaceBytes(std::size_t location, std::size_t length, const void* bytes, std::size_t newLength) {
    location = std::min(location, bytes_.size());
    length = std::min(length, bytes_.size() - location);
    auto p = static_cast<const std::uint8_t*>(bytes);
    std::vector<std::uint8_t> repl;
    if (p && newLength) repl.assign(p, p + newLength);
    bytes_.erase(bytes_.begin() + location, bytes_.begin() + location + length);
    bytes_.insert(bytes_.begin() + location, repl.begin(), repl.end());
}

std::string Data::hexString() const {
    static const char* digits = "0123456789abcdef";
    std::string out;
    out.reserve(bytes_.size() * 2);
    for (auto b : bytes_) {
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
    }
    return out;
}

std::string Data::description() const {
    static const char* digits = "0123456789abcdef";
    std::string out = "<";
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i && i % 4 == 0) out.push_back(' ');
        out.push_back(digits[bytes_[i] >> 4]);
        out.push_back(digits[bytes_[i] & 15]);
    }
    out.push_back('>');
    return out;
}

}  // namespace ns
