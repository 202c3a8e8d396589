// The shared test harness.
//
// Every test starts with: a virtual clock, a fresh temporary sandbox home
// (KEELBOX_HOME), singletons reset after the previous test, and a fresh main
// run loop (the previous test's pending blocks and timers are dropped).
#pragma once

#include <gtest/gtest.h>

#include <functional>
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

// Moves virtual time forward by `seconds`, stepping to each due timer,
// delayed perform, dispatch after() and sleeping worker in order, and runs
// everything due on the main loop at each step, including the main-queue
// blocks those post. Never sleeps. The calling thread is the main thread.
void advance(double seconds);
// Runs the main loop in the default mode until nothing more is ready,
// without moving time.
void drainMainLoop();
// Pumps the main loop, waiting in real time for work that other threads
// post, until `predicate` holds or `realTimeoutSeconds` pass. Returns the
// predicate's last value.
bool runMainLoopUntil(const std::function<bool()>& predicate, double realTimeoutSeconds = 5.0);

}  // namespace keelbox::test
