// Records what the firmware upgrade listener tells its delegate.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "management/pollers/TAVORouterRomUpdateListener.h"

namespace keelbox::test {

struct UpgradeRecorder : TAVORouterRomUpdateListenerDelegate {
    std::vector<float> progress;
    std::vector<int> statuses;
    std::vector<std::optional<std::string>> orders;  // the upgrade order's outcome: no text means it was accepted
    void listenerProgress(TAVORouterRomUpdateListener&, float p) override { progress.push_back(p); }
    void listenerWithStatus(TAVORouterRomUpdateListener&, int s) override { statuses.push_back(s); }
    void listenerEventIdErr(TAVORouterRomUpdateListener&, int event, const std::optional<std::string>& err) override {
        EXPECT_EQ(event, 0);
        orders.push_back(err);
    }
    std::size_t reports() const { return progress.size() + statuses.size(); }
};

}  // namespace keelbox::test
