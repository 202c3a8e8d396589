// The firmware upgrade listener and the channel-promotion poller on the
// virtual clock; answers are posted as the providers post them.
#include <gtest/gtest.h>

#include "management/pollers/TAVOOptChannelListener.h"
#include "management/pollers/TAVORouterRomUpdateListener.h"
#include "tests/management/pollers/UpgradeRecorder.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "protocol/records/TAVORouterRomUpdateProgressInfo.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

struct ChannelDelegate : TAVOOptChannelListenerDelegate {
    int data = 0;
    int errors = 0;
    bool endOnData = false;
    void lisenerData(TAVOOptChannelListener& l, const ns::Value&) override {
        ++data;
        if (endOnData) l.endLisener();
    }
    void lisenerErrorCode(TAVOOptChannelListener&, const TAVOErrorPtr&) override { ++errors; }
};

class UpgradeAndChannel : public FacadeTest {
protected:
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
    static void progressAnswer(int status, int progress = 0) {
        auto info = TAVORouterRomUpdateProgressInfo::create();
        info->status = status;
        info->progress = progress;
        ns::NotificationCenter::defaultCenter()->postNotificationName(
            std::string("router update progress rom notification") + "_OK", ns::Value(info));
    }
    static void post(const std::string& name, const ns::Value& object = {}) {
        ns::NotificationCenter::defaultCenter()->postNotificationName(name, object);
    }
};

TEST_F(UpgradeAndChannel, TheUpgradeOrderCarriesTheFirmwareAndItsAnswerIsReported) {
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    auto rom = TAVORouterRomUpdateListener::create();
    auto delegate = std::make_shared<UpgradeRecorder>();
    rom->delegate = delegate;
    (void)rom->requestUpdateRom(r1, "");  // no update info, signed out
    EXPECT_TRUE(lastParam(26) == ns::Value(ns::Dictionary{{"uri", ""}, {"md5", ""}, {"reboot", "1"}}));

    r1->updateInfo = TAVORouterRomUpdataInfo::create();
    r1->updateInfo->verUri = "http://fw/2.0.bin";
    r1->updateInfo->verMd5 = "abc";
    (void)rom->requestUpdateRom(r1, "Q;T");
    EXPECT_EQ(lastParam(26)["router_id"], ns::Value("R1"));
    EXPECT_EQ(lastParam(26)["qt"], ns::Value("Q;T"));
    EXPECT_EQ(lastParam(26)["uri"], ns::Value("http://fw/2.0.bin"));
    EXPECT_EQ(lastParam(26)["md5"], ns::Value("abc"));

    const std::string base = "router update rom notification";
    post(base + "_OK");
    auto source = ns::Error::create("domain tavo", 5, ns::Dictionary{{"err msg data provider tavo", "disk full"}});
    post(base + "_NG", ns::Value(TAVOError::errorWithType(1, 130010, "x", source)));
    post(base + "_NG", ns::Value(TAVOError::errorWithType(2, -1001, "x")));
    ASSERT_EQ(delegate->orders.size(), 3u);
    EXPECT_EQ(delegate->orders[0], std::nullopt);
    EXPECT_EQ(delegate->orders[1], std::optional<std::string>("disk full"));
    EXPECT_TRUE(delegate->orders[2] && !delegate->orders[2]->empty());
}

TEST_F(UpgradeAndChannel, AScriptedUpgradeReportsEverySecondAndStops) {
    auto rom = TAVORouterRomUpdateListener::create();
    auto delegate = std::make_shared<UpgradeRecorder>();
    rom->delegate = delegate;
    rom->startCheckUpdateProgress(router("R1", "AA:BB:CC:00:00:01"), "");
    EXPECT_EQ(sent(27), 1);
    EXPECT_TRUE(lastParam(27).isNil());
    int expected = 1;
    for (int p : {10, 50, 90}) {
        progressAnswer(1, p);
        advance(0.9);
        EXPECT_EQ(sent(27), expected);
        advance(0.1);
        EXPECT_EQ(sent(27), ++expected);
    }
    progressAnswer(0);  // silent, polling goes on
    advance(1);
    progressAnswer(3);  // reported, polling goes on
    advance(1);
    ns::NotificationCenter::defaultCenter()->postNotificationName(
        std::string("router update progress rom notification") + "_NG",
        ns::Value(TAVOError::errorWithType(2, -1001, "x")));
    advance(1);
    EXPECT_EQ(sent(27), expected + 3);
    progressAnswer(100);
    advance(10);
    EXPECT_EQ(sent(27), expected + 3);
    EXPECT_EQ(delegate->progress, (std::vector<float>{10.0f, 50.0f, 90.0f}));
    EXPECT_EQ(delegate->statuses, (std::vector<int>{3, 100}));
    EXPECT_FALSE(rom->isPolling());
}

// Once ended, a late progress answer must not start the polling again.
TEST_F(UpgradeAndChannel, AnAnswerAfterTheEndDoesNotBringPollingBack) {
    auto rom = TAVORouterRomUpdateListener::create();
    rom->startCheckUpdateProgress(router("R1", "AA:BB:CC:00:00:01"), "");
    rom->endCheckUpdateProgress();
    progressAnswer(1, 20);
    advance(10);
    EXPECT_EQ(sent(27), 1);
    // The same after a final status.
    rom->startCheckUpdateProgress(router("R1", "AA:BB:CC:00:00:01"), "");
    progressAnswer(-1);
    progressAnswer(2);
    advance(10);
    EXPECT_EQ(sent(27), 2);
}

TEST_F(UpgradeAndChannel, ChannelPromotionEveryThreeSecondsUntilEnded) {
    signIn();
    auto channel = TAVOOptChannelListener::create();
    auto delegate = std::make_shared<ChannelDelegate>();
    channel->delegate = delegate;
    channel->startLisener(router("R1", "AA:BB:CC:00:00:01"), facade->currentAccountData());
    channel->startLisener(router("R1", "AA:BB:CC:00:00:01"), facade->currentAccountData());  // restart: one subscription
    EXPECT_EQ(sent(42), 2);
    EXPECT_EQ(lastParam(42)["qt"], ns::Value(qt));
    const std::string base = "router get opt promotion notification";
    post(base + "_NG", ns::Value(TAVOError::errorWithType(1, 100002, "x")));
    EXPECT_EQ(delegate->errors, 1);
    advance(2.9);
    EXPECT_EQ(sent(42), 2);
    advance(0.1);
    EXPECT_EQ(sent(42), 3);

    delegate->endOnData = true;  // ended inside the delegate: no further query
    post(base + "_OK", ns::Value(12));
    EXPECT_EQ(delegate->data, 1);
    advance(30);
    EXPECT_EQ(sent(42), 3);
}

TEST_F(UpgradeAndChannel, ChannelPromotionSignedOutSendsAnEmptyDictionary) {
    auto channel = TAVOOptChannelListener::create();
    channel->startLisener(router("R1", "AA:BB:CC:00:00:01"), nullptr);
    EXPECT_TRUE(lastParam(42).isDictionary());
    EXPECT_EQ(lastParam(42).count(), 0u);
    channel->endLisener();
}

}  // namespace
}  // namespace keelbox::test
