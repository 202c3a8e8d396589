#include "platform/foundation/HTTPHeaderFields.h"

namespace ns {

bool equalsIgnoringASCIICase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

HTTPHeaderFields::HTTPHeaderFields(std::initializer_list<Field> fields) {
    for (const auto& [name, value] : fields) set(name, value);
}

HTTPHeaderFields HTTPHeaderFields::fromDictionary(const Dictionary& dictionary) {
    HTTPHeaderFields out;
    for (const auto& [name, value] : dictionary) {
        out.set(name, value.isString() ? value.asString() : value.description());
    }
    return out;
}

const HTTPHeaderFields::Field* HTTPHeaderFields::find(std::string_view name) const {
    for (const auto& f : fields_) {
        if (equalsIgnoringASCIICase(f.first, name)) return &f;
    }
    return nullptr;
}

HTTPHeaderFields::Field* HTTPHeaderFields::find(std::string_view name) {
    return const_cast<Field*>(static_cast<const HTTPHeaderFields*>(this)->find(name));
}

std::optional<std::string> HTTPHeaderFields::value(std::string_view name) const {
    const Field* f = find(name);
    if (!f) return std::nullopt;
    return f->second;
}

void HTTPHeaderFields::set(std::string_view name, std::optional<std::string> value) {
    if (!value) {
        remove(name);
        return;
    }
    if (Field* f = find(name)) {
        f->second = std::move(*value);
    } else {
        fields_.emplace_back(std::string(name), std::move(*value));
    }
}

void HTTPHeaderFields::add(std::string_view name, std::string_view value, std::string_view separator) {
    if (Field* f = find(name)) {
        f->second.append(separator);
        f->second.append(value);
    } else {
        fields_.emplace_back(std::string(name), std::string(value));
    }
}

bool HTTPHeaderFields::remove(std::string_view name) {
    for (auto it = fields_.begin(); it != fields_.end(); ++it) {
        if (equalsIgnoringASCIICase(it->first, name)) {
            fields_.erase(it);
            return true;
        }
    }
    return false;
}

Dictionary HTTPHeaderFields::toDictionary() const {
    Dictionary d;
    for (const auto& [name, value] : fields_) d.set(name, Value(value));
    return d;
}

bool HTTPHeaderFields::operator==(const HTTPHeaderFields& other) const {
    if (fields_.size() != other.fields_.size()) return false;
    for (const auto& [name, value] : fields_) {
        const Field* f = other.find(name);
        if (!f || f->second != value) return false;
    }
    return true;
}

}  // namespace ns
