// ns::KeyedUnarchiver: reads what KeyedArchiver wrote.
//
// Garbage, truncated, extended or hostile bytes give nil and never crash:
// the header's length must match, every length and count is checked against
// the bytes that remain, and nesting is bounded. An archive naming a class
// that is not registered (Coding.h) gives nil as a whole; an object whose
// initWithCoder refuses what it read decodes as nil in its place.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

namespace ns {

class KeyedUnarchiver {
public:
    // The root value, or nil (error NSCocoaErrorDomain 4864) for a bad archive.
    static Value unarchiveObjectWithData(const Data& data, ErrorPtr* error = nullptr);
    static Value unarchiveObjectWithFile(const std::string& path);

    // Called from Coding::initWithCoder. Absent keys give nil / 0 / NO / nothing;
    // numbers convert between kinds as the platform's number conversions do.
    bool containsValueForKey(const std::string& key) const;
    Value decodeObjectForKey(const std::string& key);
    // The object under the key when it is of class T, else nullptr (the
    // platform's decodeObjectOfClass:forKey:).
    template <class T>
    std::shared_ptr<T> decodeObjectOfClass(const std::string& key) {
        return std::dynamic_pointer_cast<T>(decodeObjectForKey(key).asObject());
    }
    std::int64_t decodeIntForKey(const std::string& key) const;
    std::int64_t decodeIntegerForKey(const std::string& key) const { return decodeIntForKey(key); }
    bool decodeBoolForKey(const std::string& key) const;
    double decodeDoubleForKey(const std::string& key) const;
    float decodeFloatForKey(const std::string& key) const { return static_cast<float>(decodeDoubleForKey(key)); }
    // A string or data only when the key holds that kind.
    std::optional<std::string> decodeStringForKey(const std::string& key) const;
    std::optional<Data> decodeDataForKey(const std::string& key) const;

    struct State;

private:
    KeyedUnarchiver(State& state, const Dictionary& fields, int depth) : state_(state), fields_(fields), depth_(depth) {}
    static Value materialize(State& state, const Value& raw, int depth);
    const Value& raw(const std::string& key) const { return fields_[key]; }

    State& state_;
    const Dictionary& fields_;
    int depth_;
};

}  // namespace ns
