// The health check: scoring the nine default items, fixing the failing ones,
// the rows of the fixing view and the item table.
#include <gtest/gtest.h>

#include "management/engines/TAVOOptEngine.h"
#include "management/engines/TAVORouterOptConfig.h"
#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

struct CheckDelegate : TAVOOptEngineDelegate {
    std::vector<std::string> log;
    int endScore = -1;
    bool endFail = false;
    std::vector<std::vector<TAVOFixItemPtr>> rows;
    void notityCheckingStart(int s) override { log.push_back("start " + std::to_string(s)); }
    void notityCheckingUpdate(int s) override { log.push_back("update " + std::to_string(s)); }
    void notityCheckingEnd(int s, bool f) override {
        log.push_back("end");
        endScore = s;
        endFail = f;
    }
    void notityFixingStart(const std::vector<TAVOFixItemPtr>& r) override {
        log.push_back("fix start");
        rows.push_back(r);
    }
    void notityFixingUpdate(const std::vector<TAVOFixItemPtr>& r) override {
        log.push_back("fix update");
        rows.push_back(r);
    }
    void notityFixingEnd(int s, bool f) override {
        log.push_back("fix end");
        endScore = s;
        endFail = f;
    }
};

std::string rowText(const std::vector<TAVOFixItemPtr>& rows) {
    std::string out;
    for (const auto& r : rows) out += "(" + std::to_string(r->optId) + "," + std::to_string(r->state) + ")";
    return out;
}

class HealthCheck : public FacadeTest {
protected:
    void SetUp() override {
        FacadeTest::SetUp();
        engine = TAVOOptEngine::create();
        delegate = std::make_shared<CheckDelegate>();
        engine->delegate = delegate;
    }
    // Answers the outstanding request with one diagnose record of `state`
    // (nullopt: a failure).
    static void answer(const char* base, std::optional<int> state) {
        auto center = ns::NotificationCenter::defaultCenter();
        if (!state) {
            center->postNotificationName(std::string(base) + "_NG", ns::Value(TAVOError::errorWithType(2, -1001, "x")));
            return;
        }
        auto item = TAVODGBaseDiagnoseItem::create();
        item->state = *state;
        center->postNotificationName(std::string(base) + "_OK", ns::Value(ns::Array{ns::Value(item)}));
    }
    std::vector<std::string> sentValues(int no, const char* key) const {
        std::vector<std::string> out;
        for (const auto& a : providers[1]->asked)
            if (a.no == no) out.push_back(a.param[key].asString());
        return out;
    }
    std::shared_ptr<TAVOOptEngine> engine;
    std::shared_ptr<CheckDelegate> delegate;
};

TEST_F(HealthCheck, AllPassScoresAHundred) {
    engine->startCheck();
    for (int i = 0; i < 9; ++i) answer("diagnose router notification", 0);
    EXPECT_EQ(sentValues(9, "tasks"), TAVORouterOptConfig::defaultCheckSetting());
    EXPECT_EQ(delegate->log.front(), "start 38");
    EXPECT_EQ(delegate->log.size(), 10u);  // start, 8 updates, end
    EXPECT_EQ(delegate->endScore, 100);
    EXPECT_FALSE(delegate->endFail);
    EXPECT_TRUE(engine->needToOptItems().empty());
    // Answers after the end are not taken.
    answer("diagnose router notification", 0);
    EXPECT_EQ(engine->currentScore(), 100);
}

TEST_F(HealthCheck, AllFailStaysAtThirtyEightAndEverythingIsToFix) {
    engine->startCheck();
    for (int i = 0; i < 9; ++i) answer("diagnose router notification", std::nullopt);
    EXPECT_EQ(delegate->endScore, 38);
    EXPECT_TRUE(delegate->endFail);
    EXPECT_EQ(engine->needToOptItems(), TAVORouterOptConfig::defaultCheckSetting());
    EXPECT_EQ(engine->calcCurrentScore(), 38);
}

TEST_F(HealthCheck, MixedCheckThenFix) {
    signIn();
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    engine->startCheck();
    // 16 pass, 32 fault, 64 fails, 1 answers 1 (passes for the WAN DNS item),
    // 2 answers 1 (fault), 8 -1 (a fault that says nothing), then pass.
    for (std::optional<int> s : {std::optional<int>(0), std::optional<int>(2), std::optional<int>(), std::optional<int>(1),
                                 std::optional<int>(1), std::optional<int>(-1), std::optional<int>(0),
                                 std::optional<int>(0), std::optional<int>(0)})
        answer("diagnose router notification", s);
    EXPECT_EQ(engine->needToOptItems(), (std::vector<std::string>{"32", "64", "2", "8"}));
    EXPECT_EQ(delegate->endScore, 38 + 5 + 15 + 3 + 4 + 3);
    EXPECT_FALSE(delegate->endFail);
    EXPECT_EQ(providers[1]->asked.front().param["qt"].asString(), qt);
    EXPECT_EQ(providers[1]->asked.front().param["router_id"].asString(), "R1");

    engine->startFixing();
    ASSERT_EQ(delegate->rows.size(), 1u);
    EXPECT_EQ(rowText(delegate->rows[0]), "(64,3)(32,0)(-1,4)");
    answer("diagnose fix router notification", 0);          // 32 fixed
    answer("diagnose fix router notification", std::nullopt);  // 64 not
    answer("diagnose fix router notification", 3);          // 2 still at fault
    EXPECT_EQ(rowText(delegate->rows.back()), "(-1,4)(8,0)(2,1)");
    answer("diagnose fix router notification", 0);          // 8 fixed
    EXPECT_EQ(sentValues(10, "task"), (std::vector<std::string>{"5", "6", "1", "3"}));
    EXPECT_EQ(delegate->log.back(), "fix end");
    EXPECT_EQ(delegate->endScore, 68 + 6 + 7);
    EXPECT_FALSE(delegate->endFail);
    EXPECT_EQ(engine->needToOptItems(), (std::vector<std::string>{"64", "2"}));
    EXPECT_EQ(engine->calcCurrentScore(), 100 - 4 - 15);
}

TEST_F(HealthCheck, FixingNothingEndsAtOnceAsAFailure) {
    engine->startFixing();
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"fix start", "fix end"}));
    EXPECT_TRUE(delegate->endFail);
    EXPECT_TRUE(providers[1]->asked.empty());
}

TEST_F(HealthCheck, ItemTable) {
    EXPECT_EQ(TAVORouterOptConfig::valueById(4), "16");
    EXPECT_EQ(TAVORouterOptConfig::valueById(31), "2147483648");
    EXPECT_EQ(TAVORouterOptConfig::scoreById(3), 0);
    EXPECT_EQ(TAVORouterOptConfig::nameById(3), std::nullopt);
    int total = 0;
    for (const auto& id : TAVORouterOptConfig::defaultCheckSetting()) total += TAVORouterOptConfig::scoreById(std::stoi(id));
    EXPECT_EQ(total + TAVORouterOptConfig::scoreBasedOn(), 100);

    auto rows = TAVORouterOptConfig::optedArrayItemArray({"1", "16", "4"});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0]->isGroupName);
    EXPECT_EQ(rows[0]->name, TAVORouterOptConfig::kindById(0));
    EXPECT_EQ(rows[1]->name, TAVORouterOptConfig::nameById(16));
    EXPECT_FALSE(rows[1]->isGroupName);
    EXPECT_EQ(rows[2]->name, TAVORouterOptConfig::kindById(1));
    EXPECT_EQ(rows[3]->name, TAVORouterOptConfig::nameById(1));

    auto groups = TAVORouterOptConfig::optedItemGroup({"2", "1", "4"});
    EXPECT_EQ(groups.count(), 1u);
    EXPECT_EQ(groups[*TAVORouterOptConfig::kindById(1)].count(), 2u);
}

}  // namespace
}  // namespace keelbox::test
