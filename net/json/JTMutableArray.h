// JTMutableArray: the mutable twin of JTArray, built by the decoder's
// mutable mode. Same storage; grows by 16 slots when the count reaches the
// capacity. Misuse raises the platform's exceptions (nil member, index out
// of range).
#pragma once

#include "net/json/JTArray.h"

class JTMutableArray : public JTArray {
public:
    // Raises NSInvalidArgumentException for nil, NSRangeException for an
    // index above the count. Index count appends.
    void insertObject(const ns::Value& object, std::size_t index);
    void removeObjectAtIndex(std::size_t index);
    void replaceObjectAtIndex(std::size_t index, const ns::Value& object);

    // A platform immutable array (an ns::Array value).
    ns::Value copy() const override { return toValue(); }
    std::string className() const override { return "JTMutableArray"; }

private:
    using JTArray::JTArray;
    [[noreturn]] void raiseNil(const char* selector) const;
    friend class JTParseState;
};
