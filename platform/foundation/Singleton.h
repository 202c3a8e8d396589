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
// Registers a callback that releases a shared object when the process exits.
// Releases run newest first, before the static objects that existed when the
// newest was made are destroyed, so a shared object's destructor can still
// reach the shared objects it was built on.
void releaseAtExit(std::function<void()> release);
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
                onTestReset(&release);
                releaseAtExit(&release);
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
    // Drops the instance outside the lock: its destructor may reach other
    // shared objects, or this one again.
    static void release() {
        std::shared_ptr<T> old;
        {
            std::lock_guard<std::recursive_mutex> l(mutex());
            old.swap(slot());
        }
    }
    // The lock and the slot are never destroyed: the instance is released
    // at exit by releaseAtExit in creation order, not by the order in which
    // static storage happened to be set up.
    static std::recursive_mutex& mutex() {
        static auto* m = new std::recursive_mutex;
        return *m;
    }
    static std::shared_ptr<T>& slot() {
        static auto* s = new std::shared_ptr<T>;
        return *s;
    }
};

}  // namespace ns
