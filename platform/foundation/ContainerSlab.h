// ContainerSlab: where the shared blocks of arrays and dictionaries made
// inside a DecodedTreeScope live (see DecodedTreeScope.h for why).
//
// Each thread carves blocks one after another from its current slab, a
// 16 KB piece of the heap aligned to its size, so a block finds its slab by
// masking its address. A slab counts its live blocks; the last block freed
// (by any thread) after the carving thread has moved on returns the slab.
#pragma once

#include <cstddef>

namespace ns::containerslab {

// Blocks up to this size come from slabs.
inline constexpr std::size_t kLargestBlock = 256;

void* allocate(std::size_t bytes);
void free(void* block, std::size_t bytes) noexcept;

// An allocator for std::allocate_shared that puts the shared block in a slab.
template <class T>
struct Allocator {
    using value_type = T;
    Allocator() = default;
    template <class U>
    Allocator(const Allocator<U>&) {}
    T* allocate(std::size_t n) {
        static_assert(sizeof(T) <= kLargestBlock, "a container block must fit a slab's block size");
        return static_cast<T*>(containerslab::allocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { containerslab::free(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const Allocator<U>&) const {
        return true;
    }
};

}  // namespace ns::containerslab
