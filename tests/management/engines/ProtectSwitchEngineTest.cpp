// The protection switch engine: the request it sends and the answers its
// delegate hears, also those of switches the facade sent.
#include <gtest/gtest.h>

#include "management/engines/TAVORouterProtectCommonSWEngine.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

struct SwitchDelegate : TAVORouterProtectCommonSWEngineDelegate {
    int ok = 0;
    std::vector<std::optional<std::string>> failures;
    void operationResultOK(TAVORouterProtectCommonSWEngine&) override { ++ok; }
    void operationResultNG(TAVORouterProtectCommonSWEngine&, const std::optional<std::string>& m) override {
        failures.push_back(m);
    }
};

using ProtectSwitchEngine = FacadeTest;

TEST_F(ProtectSwitchEngine, SendsTheSwitchAndReportsEveryAnswer) {
    signIn();
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    auto engine = TAVORouterProtectCommonSWEngine::create();
    auto delegate = std::make_shared<SwitchDelegate>();
    engine->delegate = delegate;
    EXPECT_EQ(engine->requestCommonSW(7, 1), RecordingProvider::kToken);
    ASSERT_EQ(providers[1]->asked.size(), 1u);
    EXPECT_EQ(providers[1]->asked[0].no, 28);
    EXPECT_TRUE(providers[1]->asked[0].param ==
                ns::Value(ns::Dictionary{{"qt", qt}, {"router_id", "R1"}, {"type", 7}, {"sw", 1}}));
    EXPECT_TRUE(providers[1]->asked[0].param["sw"].isNumber());

    auto center = ns::NotificationCenter::defaultCenter();
    const std::string base = "router common sw notification";
    center->postNotificationName(base + "_OK");  // e.g. the answer to the facade's own switch
    center->postNotificationName(base + "_NG", ns::Value(TAVOError::errorWithType(1, 100002, "router is not online")));
    center->postNotificationName(base + "_NG", ns::Value("not an error"));
    EXPECT_EQ(delegate->ok, 1);
    ASSERT_EQ(delegate->failures.size(), 2u);
    EXPECT_EQ(delegate->failures[0], std::optional<std::string>("router is not online"));
    EXPECT_EQ(delegate->failures[1], std::nullopt);

    engine.reset();  // freed: hears nothing more, and nothing breaks
    center->postNotificationName(base + "_OK");
    EXPECT_EQ(delegate->ok, 1);
}

}  // namespace
}  // namespace keelbox::test
