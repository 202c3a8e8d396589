// HTTP header fields: names compare without regard to case, the first
// spelling of a name is kept, and the fields keep their order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/foundation/Value.h"

namespace ns {

class HTTPHeaderFields {
public:
    using Field = std::pair<std::string, std::string>;

    HTTPHeaderFields() = default;
    HTTPHeaderFields(std::initializer_list<Field> fields);
    // Text values of a dictionary (other values by their description).
    static HTTPHeaderFields fromDictionary(const Dictionary& dictionary);

    std::optional<std::string> value(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }
    // Replaces the value (keeping the field's place and first spelling) or
    // appends the field; nothing removes it.
    void set(std::string_view name, std::optional<std::string> value);
    // Appends to an existing value after `separator`, or adds the field.
    void add(std::string_view name, std::string_view value, std::string_view separator = ",");
    bool remove(std::string_view name);
    void clear() { fields_.clear(); }

    std::size_t size() const { return fields_.size(); }
    bool empty() const { return fields_.empty(); }
    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }
    const std::vector<Field>& fields() const { return fields_; }
    Dictionary toDictionary() const;

    // Same names (in any case) with the same values, in any order.
    bool operator==(const HTTPHeaderFields& other) const;
    bool operator!=(const HTTPHeaderFields& other) const { return !(*this == other); }

private:
    const Field* find(std::string_view name) const;
    Field* find(std::string_view name);
    std::vector<Field> fields_;
};

bool equalsIgnoringASCIICase(std::string_view a, std::string_view b);

}  // namespace ns
