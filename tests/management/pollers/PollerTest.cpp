// The status and speed pollers on the virtual clock: what each cycle asks
// for, when it reports, and when the next cycle comes. Answers are posted as
// the providers post them.
#include <gtest/gtest.h>

#include "management/engines/TAVOOptEngine.h"
#include "management/pollers/TAVORouterGetSpeedListener.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "protocol/records/TAVORouterHardwareInfo.h"
#include "protocol/records/TAVORouterStaticInfo.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

struct StatusDelegate : TAVORouterStatusLisenerDelegate {
    std::vector<TAVORouterStatusPtr> reports;
    std::vector<TAVOErrorPtr> errors;
    std::function<void(TAVORouterStatusLisener&)> onReport;
    void lisenerRouterStatus(TAVORouterStatusLisener& l, const TAVORouterStatusPtr& s) override {
        reports.push_back(s);
        if (onReport) onReport(l);
    }
    void lisenerError(TAVORouterStatusLisener&, const TAVOErrorPtr& e) override { errors.push_back(e); }
};

// Implements only the required operation.
struct PlainStatusDelegate : TAVORouterStatusLisenerDelegate {
    int reports = 0;
    void lisenerRouterStatus(TAVORouterStatusLisener&, const TAVORouterStatusPtr&) override { ++reports; }
};

struct SpeedDelegate : TAVORouterGetSpeedListenerDelegate {
    std::vector<ns::Array> speeds;
    std::vector<std::pair<int, int>> downUp;
    std::vector<TAVOErrorPtr> errors;
    void lisenerSpeed(TAVORouterGetSpeedListener&, const ns::Array& s) override { speeds.push_back(s); }
    void lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener&, int d, int u) override { downUp.push_back({d, u}); }
    void lisenerError(TAVORouterGetSpeedListener&, const TAVOErrorPtr& e) override { errors.push_back(e); }
};

class Pollers : public FacadeTest {
protected:
    // How many times request `no` went to the device provider.
    int sent(int no) const {
        int n = 0;
        for (const auto& a : providers[1]->asked) n += a.no == no;
        return n;
    }
    const ns::Value& lastParam(int no) const {
        static const ns::Value none;
        for (auto it = providers[1]->asked.rbegin(); it != providers[1]->asked.rend(); ++it)
            if (it->no == no) return it->param;
        return none;
    }
    static void answer(const std::string& base, const ns::Value& object) {
        ns::NotificationCenter::defaultCenter()->postNotificationName(base + "_OK", object);
    }
    static void fail(const std::string& base, int code = 100002) {
        ns::NotificationCenter::defaultCenter()->postNotificationName(
            base + "_NG", ns::Value(TAVOError::errorWithType(1, code, "failed")));
    }
    static TAVORouterStatusPtr statusWith(const std::string& down, const std::string& up, const std::string& rom = "") {
        auto status = TAVORouterStatus::create();
        status->staticInfo = TAVORouterStaticInfo::create();
        status->staticInfo->all_downspeed = down;
        status->staticInfo->all_upspeed = up;
        status->hardwareInfo = TAVORouterHardwareInfo::create();
        status->hardwareInfo->rom_version = rom;
        return status;
    }
    static constexpr const char* kStatus = "status of router notification";
};

TEST_F(Pollers, StatusCyclesFiveSecondsAfterEachAnswerUntilEnded) {
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    auto poller = TAVORouterStatusLisener::create();
    auto delegate = std::make_shared<StatusDelegate>();
    poller->delegate = delegate;
    poller->startLisener(r1, nullptr);  // signed out: the provider picks the router
    ASSERT_EQ(sent(3), 1);
    EXPECT_EQ(providers[1]->asked.size(), 1u);
    const ns::Value& param = lastParam(3);
    EXPECT_TRUE(param["router"].isNil());
    EXPECT_TRUE(param["qt"].isNil());
    EXPECT_EQ(param.count(), 11u);
    EXPECT_EQ(param["profile"], ns::Value("1"));
    EXPECT_EQ(param["wan_status"], ns::Value("0"));

    advance(20);  // no answer, no next cycle
    EXPECT_EQ(sent(3), 1);
    auto status = statusWith("10", "20");
    answer(kStatus, ns::Value(status));
    ASSERT_EQ(delegate->reports.size(), 1u);
    EXPECT_EQ(delegate->reports[0], status);
    EXPECT_EQ(r1->status, status);
    advance(4.9);
    EXPECT_EQ(sent(3), 1);
    advance(0.1);
    EXPECT_EQ(sent(3), 2);

    fail(kStatus);
    EXPECT_EQ(delegate->errors.size(), 1u);
    advance(5);
    EXPECT_EQ(sent(3), 3);

    poller->endLisener();
    answer(kStatus, ns::Value(status));
    advance(30);
    EXPECT_EQ(sent(3), 3);
    EXPECT_EQ(delegate->reports.size(), 1u);
}

TEST_F(Pollers, StatusWithPasswordChecksWaitsForAllFourAnswers) {
    signIn();
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    facade->setCurrentRouter(r1);
    auto poller = TAVORouterStatusLisener::create();
    auto delegate = std::make_shared<StatusDelegate>();
    poller->delegate = delegate;
    poller->wantsPasswordStrength = true;
    poller->startLisener(r1, facade->currentAccountData());
    EXPECT_EQ(lastParam(3)["router_id"].asString(), "R1");
    EXPECT_EQ(lastParam(3)["qt"].asString(), qt);
    EXPECT_EQ(sent(49) + sent(53) + sent(54), 3);

    answer(kStatus, ns::Value(statusWith("1", "2")));
    answer("router query wifi pwd strength notification", ns::Value(7));
    answer("router get protection elapse notification", ns::Value(12));
    EXPECT_TRUE(delegate->reports.empty());
    fail("router query admin pwd safety notification", 100005);
    EXPECT_TRUE(delegate->reports.empty());
    ASSERT_EQ(delegate->errors.size(), 1u);
    EXPECT_EQ(delegate->errors[0]->errorCode(), 100005);
    EXPECT_EQ(poller->wifiPasswordStrength(), 1);  // 7 is out of range
    EXPECT_EQ(poller->protectElapse(), 12);

    // A later cycle with every answer fine reports the status.
    advance(5);
    EXPECT_EQ(sent(53), 2);
    // End while answers are outstanding, then start again: the new cycle
    // listens for them anew and completes.
    poller->endLisener();
    poller->startLisener(r1, facade->currentAccountData());
    answer(kStatus, ns::Value(statusWith("1", "2")));
    answer("router query wifi pwd strength notification", ns::Value(3));
    answer("router query admin pwd safety notification", ns::Value(2));
    answer("router get protection elapse notification", ns::Value(13));
    EXPECT_EQ(delegate->reports.size(), 1u);
    EXPECT_EQ(poller->wifiPasswordStrength(), 3);
    EXPECT_EQ(poller->adminPasswordSafety(), 2);
    poller->endLisener();
}

TEST_F(Pollers, ADelegateWithoutErrorHandlingHearsNothingButCyclesGoOn) {
    auto poller = TAVORouterStatusLisener::create();
    auto delegate = std::make_shared<PlainStatusDelegate>();
    poller->delegate = delegate;
    poller->startLisener(router("R1", "AA:BB:CC:00:00:01"), nullptr);
    fail(kStatus);
    EXPECT_EQ(delegate->reports, 0);
    advance(5);
    EXPECT_EQ(sent(3), 2);
    poller->endLisener();
}

TEST_F(Pollers, AChangedCurrentRouterEndsTheSharedStatusPoller) {
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    auto poller = TAVORouterStatusLisener::create();
    facade->setStatusLisener(poller);
    poller->startLisener(facade->currentRouter(), nullptr);
    answer(kStatus, ns::Value(statusWith("1", "2", "3.1.0")));
    (void)facade->checkRouterRomUpdate();
    EXPECT_EQ(lastParam(25)["rom_version"].asString(), "3.1.0");

    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));  // same router: keeps polling
    EXPECT_EQ(facade->statusLisener(), poller);
    EXPECT_TRUE(poller->isRunning());
    facade->setOptEngine(TAVOOptEngine::create());
    facade->setCurrentRouter(router("R2", "AA:BB:CC:00:00:02"));
    EXPECT_EQ(facade->statusLisener(), nullptr);
    EXPECT_EQ(facade->optEngine(), nullptr);
    EXPECT_FALSE(poller->isRunning());
    advance(20);
    EXPECT_EQ(sent(3), 1);
}

TEST_F(Pollers, SpeedSamplesEveryFiveSecondsAndTotalsFromTheStatusPoller) {
    signIn();
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    facade->setCurrentRouter(r1);
    auto speed = TAVORouterGetSpeedListener::create();
    auto delegate = std::make_shared<SpeedDelegate>();
    speed->startLisener(r1, facade->currentAccountData(), delegate);
    ASSERT_EQ(sent(38), 1);
    const ns::Value& param = lastParam(38);
    EXPECT_EQ(param["router_id"].asString(), "R1");
    EXPECT_EQ(param["interval"], ns::Value("30"));
    EXPECT_EQ(param["count"], ns::Value("10"));
    EXPECT_EQ(param["type"], ns::Value("0"));
    // The shared status poller runs for the facade's current router.
    ASSERT_TRUE(facade->statusLisener());
    EXPECT_EQ(sent(3), 1);

    answer("router get speed notification", ns::Value::array({12.5, 3}));
    ASSERT_EQ(delegate->speeds.size(), 1u);
    EXPECT_EQ(delegate->speeds[0].size(), 2u);
    answer(kStatus, ns::Value(statusWith("300", "40")));
    EXPECT_EQ(delegate->downUp, (std::vector<std::pair<int, int>>{{300, 40}}));

    // A failing speed request is retried every 5 s.
    advance(5);
    EXPECT_EQ(sent(38), 2);
    fail("router get speed notification");
    EXPECT_EQ(delegate->errors.size(), 1u);
    advance(5);
    EXPECT_EQ(sent(38), 3);

    // Keeping the status poller: totals keep coming, samples stop.
    speed->endLisener(true);
    advance(20);
    EXPECT_EQ(sent(38), 3);
    const int statusBefore = sent(3);
    EXPECT_GE(statusBefore, 2);
    answer(kStatus, ns::Value(statusWith("5", "6")));
    EXPECT_EQ(delegate->downUp.back(), (std::pair<int, int>{5, 6}));

    speed->endLisener();
    advance(20);
    EXPECT_FALSE(facade->statusLisener()->isRunning());
    EXPECT_EQ(sent(38), 3);
}

TEST_F(Pollers, StatusReportWithoutCurrentRouterGivesZeroSpeeds) {
    auto speed = TAVORouterGetSpeedListener::create();
    auto delegate = std::make_shared<SpeedDelegate>();
    speed->startLisener(nullptr, nullptr, delegate);
    answer(kStatus, ns::Value(statusWith("300", "40")));
    EXPECT_EQ(delegate->downUp, (std::vector<std::pair<int, int>>{{0, 0}}));
    speed->endLisener();
}

}  // namespace
}  // namespace keelbox::test
