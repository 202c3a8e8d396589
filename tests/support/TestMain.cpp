// The shared test main: every test gets a fresh sandbox home, a virtual clock
// and clean singletons.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new keelbox::test::HarnessEnvironment());
    ::testing::UnitTest::GetInstance()->listeners().Append(new keelbox::test::PerTestReset());
    return RUN_ALL_TESTS();
}
