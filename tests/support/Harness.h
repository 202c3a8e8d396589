// The shared test harness.
//
// Every test starts with: a virtual clock, a fresh temporary sandbox home
// (KEELBOX_HOME), and singletons reset after the previous test.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace keelbox::test {

class HarnessEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

class PerTestReset : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestEnd(const ::testing::TestInfo& info) override;
};

// The sandbox home of the running test.
const std::string& sandboxHome();

}  // namespace keelbox::test
