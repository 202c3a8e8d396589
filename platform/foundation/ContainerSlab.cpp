#include "platform/foundation/ContainerSlab.h"

#include <atomic>
#include <cstdint>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// Freed blocks stay unreadable until their slab is reused, so that the
// address sanitizer still reports a use of a freed container.
#define KEELBOX_SLAB_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define KEELBOX_SLAB_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define KEELBOX_SLAB_POISON(p, n) ((void)(p), (void)(n))
#define KEELBOX_SLAB_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace ns::containerslab {

namespace {

constexpr std::size_t kSlabBytes = 16384;
constexpr std::size_t kAlign = 16;

// While a thread carves from a slab, the slab's count holds this much more
// than its live blocks, so that frees by other threads cannot bring it to
// zero; the carving thread gives the hold back (less the blocks it carved)
// when it moves to another slab or ends.
constexpr std::int64_t kCarverHold = std::int64_t(1) << 40;

struct alignas(64) Slab {
    std::atomic<std::int64_t> count{kCarverHold};
};
constexpr std::size_t kFirstBlock = sizeof(Slab);

Slab* slabOf(void* block) {
    return reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) & ~(std::uintptr_t{kSlabBytes} - 1));
}

void returnSlab(Slab* slab) {
    slab->~Slab();
    ::operator delete(static_cast<void*>(slab), std::align_val_t{kSlabBytes});
}

// Gives up count units of a slab; the one that takes the count to zero
// returns the slab.
void drop(Slab* slab, std::int64_t count) {
    if (slab->count.fetch_sub(count, std::memory_order_acq_rel) == count) returnSlab(slab);
}

class Carver {
public:
    ~Carver() { release(); }

    void* carve(std::size_t bytes) {
        bytes = (bytes + kAlign - 1) & ~(kAlign - 1);
        if (!slab_ || static_cast<std::size_t>(end_ - next_) < bytes) {
            release();
            void* memory = ::operator new(kSlabBytes, std::align_val_t{kSlabBytes});
            slab_ = new (memory) Slab();
            next_ = static_cast<char*>(memory) + kFirstBlock;
            end_ = static_cast<char*>(memory) + kSlabBytes;
            KEELBOX_SLAB_POISON(next_, kSlabBytes - kFirstBlock);
        }
        void* block = next_;
        next_ += bytes;
        ++carved_;
        KEELBOX_SLAB_UNPOISON(block, bytes);
        return block;
    }

private:
    void release() {
        if (!slab_) return;
        drop(slab_, kCarverHold - carved_);
        slab_ = nullptr;
        carved_ = 0;
    }

    Slab* slab_ = nullptr;
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::int64_t carved_ = 0;
};

thread_local Carver carver;

}  // namespace

void* allocate(std::size_t bytes) {
    if (bytes > kLargestBlock) throw std::bad_alloc();
    return carver.carve(bytes);
}

void free(void* block, std::size_t bytes) noexcept {
    if (!block) return;
    KEELBOX_SLAB_POISON(block, bytes);
    drop(slabOf(block), 1);
}

}  // namespace ns::containerslab
