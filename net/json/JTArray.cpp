#include "net/json/JTArray.h"

#include <cinttypes>
#include <cstdio>

#include "net/json/JTException.h"

JTArray::JTArray(std::vector<ns::Value> objects) : slots_(std::move(objects)), count_(slots_.size()) {}

void JTArray::raiseBeyondBounds(const char* selector, std::size_t index, std::size_t bound) const {
    char text[256];
    std::snprintf(text, sizeof text, "*** -[%s %s]: index (%lu) beyond bounds (%lu)", className().c_str(), selector,
                  static_cast<unsigned long>(index), static_cast<unsigned long>(bound));
    throw JTException(kRangeException, text);
}

void JTArray::noteMutation() {
    if (++mutations_ == 0) mutations_ = 1;
}

const ns::Value& JTArray::objectAtIndex(std::size_t index) const {
    if (index >= count_) raiseBeyondBounds("objectAtIndex:", index, count_);
    return slots_[index];
}

void JTArray::getObjects(ns::Value* objects, std::size_t location, std::size_t length) const {
    const std::size_t last = location + length;
    if (objects == nullptr && last != 0) {
        char text[256];
        std::snprintf(text, sizeof text, "*** -[%s %s]: pointer to objects array is NULL but range length is %lu",
                      className().c_str(), "getObjects:range:", static_cast<unsigned long>(last));
        throw JTException(kRangeException, text);
    }
    if (last < location || last > count_) raiseBeyondBounds("getObjects:range:", last, count_);
    for (std::size_t i = 0; i < length; ++i) objects[i] = slots_[location + i];
}

ns::Value JTArray::copy() const { return ns::Value(std::const_pointer_cast<JTArray>(self<JTArray>())); }

ns::Value JTArray::mutableCopy() const { return toValue(); }

ns::Value JTArray::toValue() const {
    return ns::Value(ns::Array(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(count_)));
}

void JTArray::enumerateObjects(
    const std::function<void(const ns::Value& object, std::size_t index, bool& stop)>& block) const {
    const std::uint32_t marker = mutations_;
    bool stop = false;
    for (std::size_t i = 0; i < count_ && !stop; ++i) {
        // Hold the member: the block may remove it from the array.
        const ns::Value member = slots_[i];
        block(member, i, stop);
        if (mutations_ != marker) {
            char text[160];
            std::snprintf(text, sizeof text, "*** Collection <%s: %p> was mutated while being enumerated.",
                          className().c_str(), static_cast<const void*>(this));
            throw JTException(kGenericException, text);
        }
    }
}

bool JTArray::isEqual(const ns::Object& other) const {
    auto o = dynamic_cast<const JTArray*>(&other);
    return o && toValue().isEqual(o->toValue());
}
