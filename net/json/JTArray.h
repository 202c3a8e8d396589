// JTArray: the immutable array the JetJson decoder can build: a plain
// vector of members whose capacity is exactly its count.
//
// The rest of the system reads decoded documents as ns::Value (see
// JSONDecoder.h for why); these collection objects are what the decoder's
// collection mode builds, and toValue() turns one into the platform array.
// Only the decoder makes them (the constructors are not public).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class JTParseState;

class JTArray : public ns::Object {
public:
    std::size_t count() const { return count_; }
    std::size_t capacity() const { return slots_.size(); }
    // Goes up by one with every change of a mutable array (never 0 after wrapping).
    std::uint32_t mutations() const { return mutations_; }

    // Raises NSRangeException beyond the count.
    const ns::Value& objectAtIndex(std::size_t index) const;
    // Copies the members in [location, location + length) into objects.
    // Raises NSRangeException when objects is null but the range is not
    // empty, or when the range passes the count.
    void getObjects(ns::Value* objects, std::size_t location, std::size_t length) const;

    // The platform's copy: an immutable array returns itself; a mutable one
    // returns a platform immutable array (an ns::Array value).
    virtual ns::Value copy() const;
    // A platform mutable array (an ns::Array value) with the same members.
    ns::Value mutableCopy() const;
    // The platform array with the same members, in order.
    ns::Value toValue() const;

    // Fast enumeration: hands out the members in order. Changing the array
    // from inside the block raises NSGenericException, as the platform does.
    void enumerateObjects(const std::function<void(const ns::Value& object, std::size_t index, bool& stop)>& block) const;

    std::string className() const override { return "JTArray"; }
    std::string description() const override { return toValue().description(); }
    bool isEqual(const ns::Object& other) const override;

protected:
    explicit JTArray(std::vector<ns::Value> objects);
    [[noreturn]] void raiseBeyondBounds(const char* selector, std::size_t index, std::size_t bound) const;
    void noteMutation();

    std::vector<ns::Value> slots_;  // capacity slots; the first count_ hold members
    std::size_t count_ = 0;
    std::uint32_t mutations_ = 0;

    friend class JTParseState;
};
