// Runs a block once per flag, however many threads ask at the same time.
#pragma once

#include <functional>
#include <mutex>

namespace dispatch {

struct OnceFlag {
    std::once_flag flag;
};

inline void once(OnceFlag& flag, const std::function<void()>& block) { std::call_once(flag.flag, block); }

}  // namespace dispatch
