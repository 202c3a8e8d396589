#include "platform/foundation/DecodedTreeScope.h"

namespace ns {

namespace {
thread_local int scopeDepth = 0;
}

DecodedTreeScope::DecodedTreeScope() { ++scopeDepth; }
DecodedTreeScope::~DecodedTreeScope() { --scopeDepth; }
bool DecodedTreeScope::active() { return scopeDepth > 0; }

}  // namespace ns
