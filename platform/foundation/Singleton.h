// Process-wide singletons that tests can reset.
//
// A class's shareInstance() returns ns::Singleton<T>::get(make); the test
// harness calls ns::resetSingletonsForTesting() after each test so that every
// test starts from fresh shared objects.
#pragma once

#include <functional>
#include <memory>
#include <mutex>

namespace ns {

// Registers a callback run by resetSingletonsForTesting().
void onTestReset(std::function<void()> reset);
// Runs every registered reset callback (tests only).
void resetSingletonsForTesting();

template <class T>
class Singleton {
public:
    template <class Make>
    static std::shared_ptr<T> get(Make&& make) {
        std::lock_guard<std::recursive_mutex> lock(mutex());
        auto& inst = slot();
        if (!inst) {
            inst = make();
            static bool registered = false;
            if (!registered) {
                registered = true;
                onTestReset([] {
                    std::shared_ptr<T> old;
                    {
                        std::lock_guard<std::recursive_mutex> l(mutex());
                        old.swap(slot());
                    }
                });
            }
        }
        return inst;
    }
    static std::shared_ptr<T> get() {
        return get([] { return T::create(); });
    }
    // The instance if one exists, without creating it.
    static std::shared_ptr<T> existing() {
        std::lock_guard<std::recursive_mutex> lock(mutex());
        return slot();
    }

private:
    static std::recursive_mutex& mutex() {
        static std::recursive_mutex m;
        return m;
    }
    static std::shared_ptr<T>& slot() {
        static std::shared_ptr<T> s;
        return s;
    }
};

}  // namespace ns
