#include "net/json/JTMutableArray.h"

#include <cstdio>

#include "net/json/JTException.h"

namespace {
constexpr std::size_t kGrowthStep = 16;
}

void JTMutableArray::raiseNil(const char* selector) const {
    throw JTException(kInvalidArgumentException,
                      "*** -[" + className() + " " + selector + "]: attempt to insert nil");
}

void JTMutableArray::insertObject(const ns::Value& object, std::size_t index) {
    if (object.isNil()) raiseNil("insertObject:atIndex:");
    if (index > count_) raiseBeyondBounds("insertObject:atIndex:", index, count_ + 1);
    ns::Value member = object;  // may be one of our own slots, which growing moves
    const std::size_t newCount = count_ + 1;
    if (newCount >= slots_.size()) slots_.resize(slots_.size() + kGrowthStep);
    for (std::size_t i = count_; i > index; --i) slots_[i] = std::move(slots_[i - 1]);
    slots_[index] = std::move(member);
    count_ = newCount;
    noteMutation();
}

void JTMutableArray::removeObjectAtIndex(std::size_t index) {
    if (index >= count_) raiseBeyondBounds("removeObjectAtIndex:", index, count_);
    for (std::size_t i = index; i + 1 < count_; ++i) slots_[i] = std::move(slots_[i + 1]);
    slots_[--count_] = ns::Value();
    noteMutation();
}

void JTMutableArray::replaceObjectAtIndex(std::size_t index, const ns::Value& object) {
    if (object.isNil()) raiseNil("replaceObjectAtIndex:withObject:");
    if (index >= count_) raiseBeyondBounds("replaceObjectAtIndex:withObject:", index, count_);
    slots_[index] = object;
    noteMutation();
}
