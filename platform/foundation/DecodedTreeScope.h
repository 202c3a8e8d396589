// DecodedTreeScope: marks the stretch of a thread in which a reader builds
// a whole tree of values (a JSON or property-list document).
//
// While a scope lives on a thread, the arrays and dictionaries made there
// keep their shared blocks in slabs: a decoder that makes thousands of
// small containers then pays one heap allocation per slab instead of one per
// container, and a freed tree goes back to the heap a slab at a time. A slab
// is returned once the last container in it is freed, by whichever thread
// frees it, so keeping one small piece of a decoded tree keeps at most its
// slab. Values made outside a scope are allocated as usual.
#pragma once

namespace ns {

class DecodedTreeScope {
public:
    DecodedTreeScope();
    ~DecodedTreeScope();
    DecodedTreeScope(const DecodedTreeScope&) = delete;
    DecodedTreeScope& operator=(const DecodedTreeScope&) = delete;

    // Whether the calling thread is inside a scope.
    static bool active();
};

}  // namespace ns
