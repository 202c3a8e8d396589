// The root of every reference-counted object in Keelbox.
//
// Objects live in std::shared_ptr; delegates and back references are
// std::weak_ptr. Construction goes through a static create(...) so that work
// needing `self` (the platform's init...) runs once the shared_ptr exists.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace ns {

class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // The class name as the program spells it ("TAVOError"); by default the
    // demangled C++ name without namespaces.
    virtual std::string className() const;
    // "<ClassName: 0x...>" unless a class has something better to say.
    virtual std::string description() const;
    // Identity unless a class defines value equality.
    virtual bool isEqual(const Object& other) const { return this == &other; }
    virtual std::size_t hash() const { return reinterpret_cast<std::size_t>(this); }

    template <class T = Object>
    std::shared_ptr<T> self() { return std::static_pointer_cast<T>(shared_from_this()); }
    template <class T = Object>
    std::shared_ptr<const T> self() const { return std::static_pointer_cast<const T>(shared_from_this()); }
    template <class T = Object>
    std::weak_ptr<T> weakSelf() { return self<T>(); }
};

using ObjectPtr = std::shared_ptr<Object>;

// Demangled name of a type, namespaces dropped ("ns::Error" -> "Error").
std::string demangledClassName(const std::type_info& type);

}  // namespace ns
