// Shared objects released at process exit: newest first, while what they were
// built on is still alive.
#include "platform/foundation/Singleton.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct ExitInner {
    std::string state = "alive";
    ~ExitInner() { state = "gone"; }
    static std::shared_ptr<ExitInner> create() { return std::make_shared<ExitInner>(); }
};

// Built on ExitInner (made while this one is being made) and reaching it again
// from its destructor, as a token engine reaches the notification centre.
struct ExitOuter {
    ~ExitOuter() {
        auto inner = ns::Singleton<ExitInner>::existing();
        std::fprintf(stderr, "inner at exit: %s\n", inner ? inner->state.c_str() : "released");
        std::fflush(stderr);
    }
};

std::shared_ptr<ExitOuter> makeOuter() {
    ns::Singleton<ExitInner>::get();
    return std::make_shared<ExitOuter>();
}

}  // namespace

TEST(SingletonExit, AnObjectBuiltOnAnotherStillReachesItWhenReleasedAtExit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ns::Singleton<ExitOuter>::get(makeOuter);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "inner at exit: alive");
}
