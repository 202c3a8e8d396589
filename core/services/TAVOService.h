// Where a lower layer calls a higher one (the error system opening the login
// screen, the event hub reading the account facade), the lower layer owns a
// small interface and the higher layer registers its implementation at
// start-up. TAVOService<I> is the slot for one such implementation; tests put
// recording fakes there. Slots are emptied between tests.
#pragma once

#include <memory>
#include <mutex>

#include "platform/foundation/Singleton.h"

template <class Interface>
class TAVOService {
public:
    // The registered implementation, or nullptr when none is registered.
    static std::shared_ptr<Interface> get() {
        std::lock_guard<std::mutex> lock(mutex());
        return slot();
    }
    static void set(std::shared_ptr<Interface> implementation) {
        static bool registered = false;
        std::lock_guard<std::mutex> lock(mutex());
        if (!registered) {
            registered = true;
            ns::onTestReset([] {
                std::shared_ptr<Interface> old;
                std::lock_guard<std::mutex> l(mutex());
                old.swap(slot());
            });
        }
        slot() = std::move(implementation);
    }

private:
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
    static std::shared_ptr<Interface>& slot() {
        static std::shared_ptr<Interface> s;
        return s;
    }
};
