// Bytes: the platform's data and mutable data, as one value type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ns {

class Data {
public:
    Data() = default;
    explicit Data(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    Data(const void* bytes, std::size_t length);
    Data(std::initializer_list<std::uint8_t> bytes) : bytes_(bytes) {}
    // The bytes of a text, unchanged (UTF-8 stays UTF-8).
    static Data fromString(std::string_view text);
    // Zero-filled bytes of the given length.
    static Data withLength(std::size_t length) { return Data(std::vector<std::uint8_t>(length)); }

    const std::uint8_t* bytes() const { return bytes_.data(); }
    std::uint8_t* mutableBytes() { return bytes_.data(); }
    std::size_t length() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

    void append(const void* bytes, std::size_t length);
    void append(const Data& other) { append(other.bytes(), other.length()); }
    void setLength(std::size_t length) { bytes_.resize(length); }
    // Bytes in [location, location + length); clamped to what exists.
    Data subdata(std::size_t location, std::size_t length) const;
    void replaceBytes(std::size_t location, std::size_t length, const void* bytes, std::size_t newLength);

    // The bytes as text (no validation: what was stored comes back).
    std::string toString() const { return std::string(bytes_.begin(), bytes_.end()); }
    // Lower-case hexadecimal of the bytes, no separators.
    std::string hexString() const;
    // The platform's description: "<0a1b2c3d 4e5f>" in groups of four bytes.
    std::string description() const;

    const std::vector<std::uint8_t>& vector() const { return bytes_; }
    std::vector<std::uint8_t>& vector() { return bytes_; }

    bool operator==(const Data& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const Data& other) const { return bytes_ != other.bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace ns
